#include "HookE2e.h"

#include <tlhelp32.h>

namespace e2e {

std::optional<TDonneesHook> ReadHookSection() {
  HANDLE section = ::OpenFileMappingW(FILE_MAP_READ, FALSE, VXL_HOOK_SECTION_NAME_W);
  if (section == nullptr) return std::nullopt;
  std::optional<TDonneesHook> content;
  if (const void* view = ::MapViewOfFile(section, FILE_MAP_READ, 0, 0, sizeof(TDonneesHook))) {
    content = *static_cast<const TDonneesHook*>(view);
    ::UnmapViewOfFile(view);
  }
  ::CloseHandle(section);
  return content;
}

HWND HookReceiverInSection() {
  const auto content = ReadHookSection();
  if (!content || content->HandleHook == 0) return nullptr;
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(static_cast<INT32>(content->HandleReceiver)));
}

bool NoHookRecorded() {
  const auto content = ReadHookSection();
  return !content || content->HandleHook == 0;
}

bool NoLiveHook() {
  HWND receiver = HookReceiverInSection();
  return receiver == nullptr || !::IsWindow(receiver);
}

SuspendedProcess::SuspendedProcess(DWORD processId) {
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Thread32First(snapshot, &entry); more;
       more = ::Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID != processId) continue;
    HANDLE thread = ::OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID);
    if (thread == nullptr) continue;
    if (::SuspendThread(thread) == static_cast<DWORD>(-1)) {
      ::CloseHandle(thread);
      continue;
    }
    threads_.push_back(thread);
  }
  ::CloseHandle(snapshot);
}

SuspendedProcess::~SuspendedProcess() {
  for (HANDLE thread : threads_) {
    ::ResumeThread(thread);
    ::CloseHandle(thread);
  }
}

TestHookLibrary::TestHookLibrary(const std::wstring& folder) {
  module_ = ::LoadLibraryW((folder + L"ZARTHOOK.DLL").c_str());
  if (module_ == nullptr) return;
  init_ = reinterpret_cast<BOOLEAN(WINAPI*)(HWND)>(
      reinterpret_cast<void (*)()>(::GetProcAddress(module_, "InitialisationHook")));
  fin_ = reinterpret_cast<void(WINAPI*)()>(
      reinterpret_cast<void (*)()>(::GetProcAddress(module_, "FinalisationHook")));
}

TestHookLibrary::~TestHookLibrary() {
  if (installed_) Finalise();
  if (module_) ::FreeLibrary(module_);
}

bool TestHookLibrary::Initialise(HWND receiver) {
  const bool ok = init_ && init_(receiver) != 0;
  installed_ = installed_ || ok;
  return ok;
}

void TestHookLibrary::Finalise() {
  if (fin_) fin_();
  installed_ = false;
}

}  // namespace e2e
