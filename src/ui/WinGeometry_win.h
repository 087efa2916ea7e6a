// Our geometry and window references at the Win32 boundary: the one place
// where Point, Size, Rect and WindowRef become POINT, RECT and HWND and back.
#pragma once

#include <windows.h>

#include "common/Geometry.h"

namespace vxl::win {

inline HWND ToHwnd(WindowRef wnd) { return reinterpret_cast<HWND>(wnd); }
inline WindowRef ToWindowRef(HWND wnd) { return reinterpret_cast<WindowRef>(wnd); }

inline POINT ToPOINT(Point p) { return {p.x, p.y}; }
inline Point ToPoint(const POINT& p) { return {p.x, p.y}; }
inline RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
inline Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
inline Size SizeOf(const RECT& r) { return {r.right - r.left, r.bottom - r.top}; }

// A window's rectangle in screen coordinates; false when the window is gone.
inline bool WindowRect(HWND wnd, Rect& rect) {
  RECT r;
  if (wnd == nullptr || !::GetWindowRect(wnd, &r)) return false;
  rect = ToRect(r);
  return true;
}

}  // namespace vxl::win
