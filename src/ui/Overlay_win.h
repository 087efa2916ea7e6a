// The recipe every overlay of the service follows (pointer locator, caret
// marker, filter lens): a borderless popup above the topmost windows,
// layered, transparent to the mouse, never activated, without a taskbar
// button.
#pragma once

#include <windows.h>

namespace vxl::win {

constexpr DWORD kOverlayStyle = WS_POPUP;
constexpr DWORD kOverlayExStyle =
    WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;

// Shows the overlay where it stands without taking the focus from anyone.
inline void ShowOverlay(HWND wnd) { ::ShowWindow(wnd, SW_SHOWNOACTIVATE); }

}  // namespace vxl::win
