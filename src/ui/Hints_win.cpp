#include "ui/Hints_win.h"

#include <commctrl.h>

#include "ui/Application_win.h"

namespace vxl::ui {
namespace {

TTTOOLINFOW ToolOf(HWND control, HWND notifyWindow) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = notifyWindow;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  return tool;
}

}  // namespace

THintWindow::THintWindow(HWND owner) {
  wnd_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                           ::GetModuleHandleW(nullptr), nullptr);
  if (!wnd_) return;
  // Long hints wrap instead of running off the screen.
  ::SendMessageW(wnd_, TTM_SETMAXTIPWIDTH, 0, 400);
  Application().AddHintWindow(this);
}

THintWindow::~THintWindow() {
  Application().RemoveHintWindow(this);
  if (wnd_ && ::IsWindow(wnd_)) ::DestroyWindow(wnd_);
}

void THintWindow::AddTool(HWND control, HWND notifyWindow) {
  TTTOOLINFOW tool = ToolOf(control, notifyWindow);
  ::SendMessageW(wnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void THintWindow::RemoveTool(HWND control, HWND notifyWindow) {
  TTTOOLINFOW tool = ToolOf(control, notifyWindow);
  ::SendMessageW(wnd_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void THintWindow::SetDelays(int pauseMs, int hidePauseMs) {
  ::SendMessageW(wnd_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(pauseMs, 0));
  ::SendMessageW(wnd_, TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(pauseMs, 0));
  ::SendMessageW(wnd_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(hidePauseMs, 0));
}

void THintWindow::Pop() { ::SendMessageW(wnd_, TTM_POP, 0, 0); }

void THintWindow::PopupNow() { ::SendMessageW(wnd_, TTM_POPUP, 0, 0); }

}  // namespace vxl::ui
