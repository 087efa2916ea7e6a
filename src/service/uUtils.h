// The operating-system helpers the service's actions need: pointer, screen,
// windows, typing, power. The Win32 side (uUtils_win) asks the system; unit
// tests give a recording fake.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/Geometry.h"
#include "common/VirtualKeys.h"
#include "service/ActionPlaces.h"

namespace vxl {

// ExitWindowsEx flags of the shutdown actions.
constexpr unsigned kExitLogOff = 0;
constexpr unsigned kExitShutdown = 1;
constexpr unsigned kExitReboot = 2;

// One synthetic key event of typed text.
struct KeyStroke {
  std::uint8_t virtualKey;
  bool up;
  friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// The key events that type one character, given the keyboard layout's
// answer for it (VkKeyScan: virtual key in the low byte, shift state in the
// high byte: 1 Shift, 2 Ctrl, 4 Alt). Keys the user may still hold from the
// hot key (Windows, Alt, Ctrl) are released first so that they do not
// combine with the typed key; Ctrl or Alt in the answer means AltGr.
std::vector<KeyStroke> KeyStrokesForCharacter(std::uint16_t layoutAnswer);

class ISystemUtilities {
 public:
  virtual ~ISystemUtilities() = default;

  virtual Point CursorPos() = 0;
  virtual void SetCursorPos(Point point) = 0;
  // The primary screen's size in pixels.
  virtual Size ScreenSize() = 0;

  // The foreground window and its rectangle; false when there is none.
  virtual bool ForegroundWindowRect(Rect& rect) = 0;
  // The taskbar's Start button ('s') or notification area ('n').
  virtual bool TaskbarPartRect(char part, Rect& rect) = 0;
  virtual WindowRef WindowAtPoint(Point point) = 0;
  // Climbs the parent chain to the window that has no parent.
  virtual WindowRef TopLevelWindow(WindowRef wnd) = 0;
  virtual void PostClose(WindowRef wnd) = 0;            // WM_CLOSE
  virtual void PostSysCommandClose(WindowRef wnd) = 0;  // WM_SYSCOMMAND SC_CLOSE
  virtual bool IsMaximised(WindowRef wnd) = 0;
  virtual void Restore(WindowRef wnd) = 0;
  virtual void ShowMaximised(WindowRef wnd) = 0;
  // Moves the foreground window vertically, same size, repainted.
  virtual void MoveForegroundWindowBy(int dy) = 0;

  virtual CivilDate Today() = 0;
  // The regional date separator ("/", ".", "-", ...).
  virtual std::string DateSeparator() = 0;
  // Lets the user-interface thread's pending messages run once.
  virtual void ProcessPendingMessages() = 0;
  // Types into the focused window of the foreground application; beeps
  // when nothing there has the focus.
  virtual void TypeIntoFocusedWindow(const std::string& text) = 0;
  virtual void Beep() = 0;
  // Absolute move, right down, right up at a point in 0..65535 coordinates.
  virtual void InjectRightClick(Point absolute) = 0;

  // ExitWindowsEx with the shutdown privilege around it.
  virtual bool ExitSession(unsigned flags) = 0;
  virtual bool Suspend(bool hibernate, bool force, bool disableWakeEvents) = 0;

  // Starts a program of the program folder with the shell; false when the
  // shell reports a failure.
  virtual bool StartProgram(const std::string& fileName) = 0;
  // The fixed "file not found" box for a program of the program folder.
  virtual void ShowProgramNotFound(const std::string& fileName) = 0;
  virtual void ShowHelp(const std::string& keyword) = 0;
  // Closes the service's main window: the service ends.
  virtual void Quit() = 0;
};

}  // namespace vxl
