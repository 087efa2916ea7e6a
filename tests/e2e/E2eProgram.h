// A program of the folder under test, run as a user runs it: a fresh copy of
// the program folder, the program started there and always ended, its main
// window found. ServiceUnderTest is the service; the configuration program
// gets its twin the same way (its executable and main window class).
#pragma once

#include <windows.h>

#include <string>

#include "E2eProcesses.h"
#include "common/ConfigRecord.h"

namespace e2e {

class ProgramUnderTest {
 public:
  ProgramUnderTest(std::wstring exe, std::wstring mainClass)
      : exe_(std::move(exe)), mainClass_(std::move(mainClass)) {}
  ProgramUnderTest(const ProgramUnderTest&) = delete;
  ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

  TempProgramFolder& Folder() { return folder_; }
  const TempProgramFolder& Folder() const { return folder_; }

  // Starts the program in its folder and waits for its main window; false
  // when it did not start or showed no main window in time.
  bool Start(const std::wstring& arguments = L"", DWORD timeoutMs = kDefaultTimeoutMs);
  // Starts it without waiting for anything (a second instance, a program
  // expected to end at once).
  bool Launch(const std::wstring& arguments = L"");
  // The main window found by Start (null before).
  HWND Main() const { return main_; }

  DWORD Id() const { return process_.Id(); }
  bool Running() const { return process_.Running(); }
  bool WaitForExit(DWORD timeoutMs) { return process_.WaitForExit(timeoutMs); }
  DWORD ExitCode() const { return process_.ExitCode(); }
  // Asks its windows to close, then kills it if needed.
  void End(DWORD graceMs = 3000) { process_.End(graceMs); }

 private:
  std::wstring exe_;
  std::wstring mainClass_;
  TempProgramFolder folder_;
  ChildProcess process_;
  HWND main_ = nullptr;
};

class ServiceUnderTest : public ProgramUnderTest {
 public:
  ServiceUnderTest() : ProgramUnderTest(L"Vexilor2.exe", L"TVexilor2Wnd") {}
  // The message loop shows the main window once the start-up is through.
  bool WaitForStartUp(DWORD timeoutMs = kDefaultTimeoutMs);
  // The mouse hook is installed: the hook library's section names a receiver.
  bool WaitForMouseHook(DWORD timeoutMs = kDefaultTimeoutMs);
  // Sends the record as the configuration program does; true when the
  // service answered 0.
  bool SendRecord(const vxl::TConfigRecord& record);
};

}  // namespace e2e
