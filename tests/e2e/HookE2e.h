// Shared pieces of the mouse hook tests: the shared section as a peer
// process sees it, and the hook library loaded by the test program itself.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "hook/ZartHookRecords.h"

namespace e2e {

// The section's content now; empty when no process has it open.
std::optional<TDonneesHook> ReadHookSection();
HWND HookReceiverInSection();

// ZARTHOOK.DLL loaded into the test program from a program folder; a hook it
// installed is removed at the end.
class TestHookLibrary {
 public:
  explicit TestHookLibrary(const std::wstring& folder);
  ~TestHookLibrary();
  TestHookLibrary(const TestHookLibrary&) = delete;
  TestHookLibrary& operator=(const TestHookLibrary&) = delete;

  bool Loaded() const { return init_ != nullptr && fin_ != nullptr; }
  bool Initialise(HWND receiver);
  void Finalise();

 private:
  HMODULE module_ = nullptr;
  BOOLEAN(WINAPI* init_)(HWND) = nullptr;
  void(WINAPI* fin_)() = nullptr;
  bool installed_ = false;
};

// Every thread of a process stopped for the object's lifetime: a service
// that does not answer.
class SuspendedProcess {
 public:
  explicit SuspendedProcess(DWORD processId);
  ~SuspendedProcess();
  SuspendedProcess(const SuspendedProcess&) = delete;
  SuspendedProcess& operator=(const SuspendedProcess&) = delete;
  std::size_t ThreadCount() const { return threads_.size(); }

 private:
  std::vector<HANDLE> threads_;
};

// No hook recorded in the shared section.
bool NoHookRecorded();
// Runs before a mouse test: no hook recorded, or only one whose receiver is gone (a service that
// was killed cannot finalise; the library replaces such a record).
bool NoLiveHook();

}  // namespace e2e
