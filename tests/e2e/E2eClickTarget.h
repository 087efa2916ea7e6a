// A window of another process for the mouse tests: the test program started
// again with --click-target shows a topmost coloured window that counts the
// left presses and releases it receives, notes when the last one arrived, and tells
// whether the hook library was loaded into its process.
#pragma once

#include <windows.h>

#include "E2eHarness.h"

namespace e2e {

constexpr const wchar_t* kClickTargetSwitch = L"--click-target";
constexpr const wchar_t* kTextTargetSwitch = L"--text-target";
constexpr const wchar_t* kDoubleClickTargetSwitch = L"--double-click-target";
constexpr const wchar_t* kListTargetSwitch = L"--list-target";

// True for the first argument of the helper's own process.
bool IsClickTargetSwitch(const wchar_t* argument);

// What the helper's window holds.
enum class TargetKind {
  Plain,         // counts presses; no CS_DBLCLKS, so every press is a press
  WithEdit,      // a focused edit control fills it
  DoubleClicks,  // of a class with CS_DBLCLKS: the system makes double clicks
  List,          // a list view of kListItems, which reports its clicks
};
constexpr int kListItems = 4;
// The window of the test program started as a stand-in configuration program.
constexpr const wchar_t* kConfigStandInClass = L"VxlE2eConfigStandIn";

// The helper's own program: runs the target window until it is closed.
// arguments: left top width height. With the text-target switch the window
// holds a focused edit control.
int RunClickTarget(int argc, wchar_t** argv);

class ClickTarget {
 public:
  // Starts the helper process with its window over rect; withEdit gives it
  // a focused edit control that fills it.
  explicit ClickTarget(RECT rect, bool withEdit = false)
      : ClickTarget(rect, withEdit ? TargetKind::WithEdit : TargetKind::Plain) {}
  ClickTarget(RECT rect, TargetKind kind);
  ClickTarget(const ClickTarget&) = delete;
  ClickTarget& operator=(const ClickTarget&) = delete;

  HWND Handle() const { return wnd_; }
  DWORD ProcessId() const { return process_.Id(); }
  POINT Centre() const;

  int LeftPresses() const;
  int LeftReleases() const;
  // Ticks() when the last left press reached the window; 0 before any.
  LONGLONG LastLeftPressTicks() const;
  bool HookLibraryLoaded() const;
  // How many times a mouse message (WM_MBUTTONDOWN, WM_RBUTTONUP,
  // WM_CONTEXTMENU, ...) has reached the window.
  int Count(UINT message) const;
  // The edit control's text.
  std::wstring Text() const;
  // List: the centre of item index in screen coordinates, the one selected
  // item (-1 for none, -2 for several) and how many NM_RCLICK and NM_RDBLCLK
  // notifications the list view has sent.
  POINT ListItemCentre(int index) const;
  int SelectedListItem() const;
  int ListRightClicks() const;
  int ListRightDoubleClicks() const;
  // Brings the helper's window to the front with the keyboard focus.
  void Activate() const;
  // The helper ends when its window is closed.
  bool WaitForExit(DWORD timeoutMs) { return process_.WaitForExit(timeoutMs); }
  // Waits until the window has had more than `count` left presses.
  bool WaitForLeftPressesAbove(int count, DWORD timeoutMs = 5000) const;

 private:
  RECT rect_;
  TargetKind kind_;
  ChildProcess process_;
  HWND wnd_ = nullptr;
};

// Wine keeps a key or button held in its shared key state when its release
// never reached a live window (the window closed, or the service swallowed
// it while ending). Presses and releases each one again over a focused
// window of the test program; true when nothing is held afterwards.
bool ReleaseStuckInput();

}  // namespace e2e
