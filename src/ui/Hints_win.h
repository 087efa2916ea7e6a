// THintWindow: the tooltip of a form or frame. Each control is a tool
// whose text is asked for when the tip shows, so that a hint changed by
// code or by the localizer is always the current one. The delays are the
// application's hint timings.
#pragma once

#include <windows.h>

namespace vxl::ui {

class THintWindow {
 public:
  // owner: the top-level window the tip belongs to.
  explicit THintWindow(HWND owner);
  ~THintWindow();
  THintWindow(const THintWindow&) = delete;
  THintWindow& operator=(const THintWindow&) = delete;

  HWND Handle() const { return wnd_; }
  // notifyWindow receives TTN_GETDISPINFO for the control: its form's or
  // frame's window.
  void AddTool(HWND control, HWND notifyWindow);
  void RemoveTool(HWND control, HWND notifyWindow);
  void SetDelays(int pauseMs, int hidePauseMs);
  // Hides the tip, so that the next one asks for its text again.
  void Pop();
  // Shows the tip of the control under the pointer at once.
  void PopupNow();

 private:
  HWND wnd_ = nullptr;  // owned
};

}  // namespace vxl::ui
