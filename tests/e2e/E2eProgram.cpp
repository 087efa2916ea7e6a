#include "E2eProgram.h"

#include "HookE2e.h"

namespace e2e {

bool ProgramUnderTest::Launch(const std::wstring& arguments) {
  return process_.Start(folder_.FilePath(exe_), arguments, folder_.Path());
}

bool ProgramUnderTest::Start(const std::wstring& arguments, DWORD timeoutMs) {
  if (!Launch(arguments)) return false;
  main_ = WaitForWindow(mainClass_.c_str(), process_.Id(), timeoutMs);
  return main_ != nullptr;
}

bool ServiceUnderTest::WaitForStartUp(DWORD timeoutMs) {
  return Main() != nullptr &&
         WaitUntil([&] { return ::IsWindowVisible(Main()) != FALSE; }, timeoutMs);
}

bool ServiceUnderTest::WaitForMouseHook(DWORD timeoutMs) {
  return WaitUntil([] { return HookReceiverInSection() != nullptr; }, timeoutMs);
}

bool ServiceUnderTest::SendRecord(const vxl::TConfigRecord& record) {
  const auto image = vxl::RecordBytes(record);
  return SendCopyData(Main(), image.data(), static_cast<DWORD>(image.size())) == 0;
}

}  // namespace e2e
