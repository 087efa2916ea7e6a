// Helpers for the black-box tests: a fresh copy of the program folder per
// test, processes that are always ended, waiting for windows, messages,
// screen pixels, screenshots and synthetic input.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
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

// Message boxes and dialogs (class #32770) of a process.
std::vector<HWND> DialogBoxes(DWORD processId);
// Waits for a dialog of the process that is shown and has its text.
HWND WaitForDialogBox(DWORD processId, DWORD timeoutMs = kDefaultTimeoutMs);
// The texts of a dialog's static controls (a message box's text), joined by
// line feeds.
std::wstring DialogText(HWND dialog);
// Clicks a dialog's button by its id (IDOK, IDYES, ...).
void PressDialogButton(HWND dialog, int id);

// A full-screen window of vertical stripes of known colours, repeating from
// the left edge, so that effects on what lies beneath have known pixels.
class StripedBackdrop {
 public:
  StripedBackdrop(std::vector<COLORREF> colours, int stripeWidth);
  ~StripedBackdrop();
  StripedBackdrop(const StripedBackdrop&) = delete;
  StripedBackdrop& operator=(const StripedBackdrop&) = delete;
  HWND Handle() const { return wnd_; }
  COLORREF ColourAt(int x) const;
  // The centre column of the first stripe of colour index i at or after x.
  int StripeCentre(std::size_t index, int fromX) const;
  void Paint(HDC dc) const;

 private:
  std::vector<COLORREF> colours_;
  int stripeWidth_;
  HWND wnd_ = nullptr;
};

// Under Wine every program is a Linux process and each of its threads a
// Linux task, visible through drive Z: in /proc. Wine's own process times
// of other processes are not dependable; these are the kernel's.
struct LinuxProcessSample {
  double cpuMs = 0;                  // user + system time of the process
  long mainThreadWakeups = 0;        // voluntary context switches of the first thread
  long otherThreadsWakeups = 0;      // the same, summed over every other thread
};
// The Linux process whose command line contains the text (e.g. the unique
// program folder of a test); 0 when none is found.
int FindLinuxProcess(const std::wstring& commandLinePart);
std::optional<LinuxProcessSample> SampleLinuxProcess(int linuxPid);

// Handles the test thread's own window messages for a while.
void PumpMessages(DWORD forMs = 0);

// "RGB(r, g, b)", for failure messages.
std::string ColourText(COLORREF colour);

// The screen as it is now.
COLORREF ScreenPixel(int x, int y);
// Saves the whole screen as <name>.bmp in the screenshot folder; the run
// script turns it into a PNG. Returns the file path, empty on failure.
std::wstring SaveScreenshot(const std::wstring& name);

// The mouse buttons, Shift, Ctrl, Alt and Windows keys held in the shared
// key state, by name ("" when none): a chord must leave nothing behind.
std::string HeldButtonsAndModifiers();

// Synthetic input through the system's input queue.
void MoveMouse(int x, int y);
void MouseButton(DWORD downFlag, DWORD upFlag);
void PressKey(WORD virtualKey, bool extended = false);
// Holds the modifier keys, presses and releases the key, lets the modifiers
// go, in one input batch. Under Xvfb some chords (Ctrl+Alt with function or
// numeric-pad keys) are console keys of the X keymap, so xdotool cannot give
// them to Wine; this goes straight to Wine's input queue.
void PressChord(std::initializer_list<WORD> modifiers, WORD virtualKey);

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
