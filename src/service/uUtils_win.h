// The system helpers of the service's actions, over the Windows API.
#pragma once

#include <windows.h>

#include <string>

#include "common/uCommons_win.h"
#include "service/uUtils.h"

namespace vxl::win {

// The taskbar (class "Shell_TrayWnd") or one of its direct children by
// class name, compared without regard to case; null when missing.
HWND FindTaskbarWindow(const std::wstring& className);
// Types each character with synthetic key events, as the keyboard layout
// produces it, releasing held Windows, Alt and Ctrl keys first.
void TypeText(const std::wstring& text);
bool SetPrivilege(const wchar_t* name, bool enable);

class TSystemUtilities final : public ISystemUtilities {
 public:
  explicit TSystemUtilities(TSharedFoundation& foundation) : foundation_(foundation) {}
  // The main window owns the boxes and is closed by Quit.
  void AttachMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }

  Point CursorPos() override;
  void SetCursorPos(Point point) override;
  Size ScreenSize() override;
  bool ForegroundWindowRect(Rect& rect) override;
  bool TaskbarPartRect(char part, Rect& rect) override;
  WindowRef WindowAtPoint(Point point) override;
  WindowRef TopLevelWindow(WindowRef wnd) override;
  void PostClose(WindowRef wnd) override;
  void PostSysCommandClose(WindowRef wnd) override;
  bool IsMaximised(WindowRef wnd) override;
  void Restore(WindowRef wnd) override;
  void ShowMaximised(WindowRef wnd) override;
  void MoveForegroundWindowBy(int dy) override;
  CivilDate Today() override;
  std::string DateSeparator() override;
  void ProcessPendingMessages() override;
  void TypeIntoFocusedWindow(const std::string& text) override;
  void Beep() override;
  void InjectRightClick(Point absolute) override;
  bool ExitSession(unsigned flags) override;
  bool Suspend(bool hibernate, bool force, bool disableWakeEvents) override;
  bool StartProgram(const std::string& fileName) override;
  void ShowProgramNotFound(const std::string& fileName) override;
  void ShowHelp(const std::string& keyword) override;
  void Quit() override;

 private:
  HWND mainWindow_ = nullptr;
  TSharedFoundation& foundation_;
};

}  // namespace vxl::win
