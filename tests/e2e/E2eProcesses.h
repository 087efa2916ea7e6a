// The test's side of the processes under test: a fresh copy of the program
// folder per test, processes that are always ended, waiting for windows,
// messages with time-outs, the Linux view of a Wine process, the clock.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kDefaultTimeoutMs = 10000;

// The built program folder (VXL_DIST) and where screenshots go (VXL_SHOTS).
std::wstring DistFolder();
std::wstring ShotsFolder();

// Polls until the condition holds or the time runs out; the test thread's
// windows are served meanwhile.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs);

// A private copy of the program folder, deleted at the end.
class TempProgramFolder {
 public:
  TempProgramFolder();
  ~TempProgramFolder();
  TempProgramFolder(const TempProgramFolder&) = delete;
  TempProgramFolder& operator=(const TempProgramFolder&) = delete;

  // Path with a trailing backslash.
  const std::wstring& Path() const { return path_; }
  std::wstring FilePath(const std::wstring& relative) const { return path_ + relative; }
  std::optional<std::vector<std::uint8_t>> ReadFile(const std::wstring& relative) const;
  bool WriteFile(const std::wstring& relative, const std::vector<std::uint8_t>& bytes) const;
  bool Exists(const std::wstring& relative) const;
  // Deletes one file of the copy; true when it is gone.
  bool RemoveFile(const std::wstring& relative) const;
  // Deletes a folder of the copy with everything in it.
  void RemoveFolder(const std::wstring& relative) const;

 private:
  std::wstring path_;
};

// A started program; killed in the destructor if it still runs.
class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Start(const std::wstring& exe, const std::wstring& arguments,
             const std::wstring& workingFolder);
  bool WaitForExit(DWORD timeoutMs);
  bool Running() const;
  DWORD ExitCode() const;
  DWORD Id() const { return info_.dwProcessId; }
  // Asks the process's top-level windows to close, then kills it if needed.
  void End(DWORD graceMs = 3000);

 private:
  PROCESS_INFORMATION info_{};
};

// Top-level windows of a class, optionally of one process only.
std::vector<HWND> TopLevelWindows(const wchar_t* className, DWORD processId = 0);
HWND WaitForWindow(const wchar_t* className, DWORD processId = 0,
                   DWORD timeoutMs = kDefaultTimeoutMs);
std::wstring WindowClassName(HWND wnd);
std::wstring WindowText(HWND wnd);

// Sends with a time-out so that a hung program fails the test instead of
// hanging it; empty when the send failed or timed out.
std::optional<LRESULT> Send(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam,
                            UINT timeoutMs = 5000);
std::optional<LRESULT> SendCopyData(HWND wnd, const void* data, DWORD size,
                                    ULONG_PTR identifier = 0);

// A live, hidden window of the test program to hand the service as the
// configuration program's window: configuration mode lasts while it exists.
HWND ConfigurationWindowStandIn();

// Handles the test thread's own window messages for a while.
void PumpMessages(DWORD forMs = 0);

// Under Wine every program is a Linux process and each of its threads a
// Linux task, visible through drive Z: in /proc. Wine's own process times
// of other processes are not dependable; these are the kernel's.
struct LinuxProcessSample {
  double cpuMs = 0;              // user + system time of the process
  long mainThreadWakeups = 0;    // voluntary context switches of the first thread
  long otherThreadsWakeups = 0;  // the same, summed over every other thread
};
// The Linux process whose command line contains the text (e.g. the unique
// program folder of a test); 0 when none is found.
int FindLinuxProcess(const std::wstring& commandLinePart);
std::optional<LinuxProcessSample> SampleLinuxProcess(int linuxPid);

// The performance counter, comparable across the processes of one Wine
// session, and a difference of it in milliseconds.
LONGLONG Ticks();
double TicksToMs(LONGLONG ticks);

}  // namespace e2e
