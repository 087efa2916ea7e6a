// Helpers for the black-box tests: a fresh copy of the program folder per
// test, processes that are always ended, waiting for windows, messages,
// screen pixels, screenshots and synthetic input.
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

// A full-screen window of one colour behind the programs under test, so that
// what they draw (or must not draw) shows against a known background. It
// counts the left clicks that reach it.
class Backdrop {
 public:
  explicit Backdrop(COLORREF colour = RGB(40, 120, 200));
  ~Backdrop();
  Backdrop(const Backdrop&) = delete;
  Backdrop& operator=(const Backdrop&) = delete;
  HWND Handle() const { return wnd_; }
  COLORREF Colour() const { return colour_; }
  int LeftClicks() const;

 private:
  COLORREF colour_;
  HBRUSH brush_ = nullptr;
  HWND wnd_ = nullptr;
};

// A shown message box of a process (a dialog of class #32770), and the text it
// shows (its static controls' texts, joined).
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs = kDefaultTimeoutMs);
std::wstring MessageBoxText(HWND box);

// Handles the test thread's own window messages for a while.
void PumpMessages(DWORD forMs = 0);

// The screen as it is now.
COLORREF ScreenPixel(int x, int y);
// Saves the whole screen as <name>.bmp in the screenshot folder; the run
// script turns it into a PNG. Returns the file path, empty on failure.
std::wstring SaveScreenshot(const std::wstring& name);

// Synthetic input through the system's input queue.
void MoveMouse(int x, int y);
void MouseButton(DWORD downFlag, DWORD upFlag);
void PressKey(WORD virtualKey, bool extended = false);

// Real X input from xdotool (e.g. L"mousemove 10 10 click 1"). Wine starts a
// Unix program from CreateProcess but gives no process handle, so this does
// not wait: chain the commands of one gesture in one call to keep their
// order, and wait for their effect.
bool XdoTool(const std::wstring& arguments);

// The performance counter, comparable across the processes of one Wine
// session, and a difference of it in milliseconds.
LONGLONG Ticks();
double TicksToMs(LONGLONG ticks);

}  // namespace e2e
