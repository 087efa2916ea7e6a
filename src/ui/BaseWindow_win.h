// The one recipe for our windows: the static window procedure takes the
// object from the create parameters at WM_NCCREATE, keeps it in
// GWLP_USERDATA and forwards to Derived::HandleMessage. Nothing unhandled
// escapes: unknown messages go to DefWindowProc, exceptions never cross the
// procedure.
#pragma once

#include <windows.h>

#include "ui/CallbackGuard_win.h"

namespace vxl::win {

template <typename Derived>
class TBaseWindow {
 public:
  TBaseWindow() = default;
  TBaseWindow(const TBaseWindow&) = delete;
  TBaseWindow& operator=(const TBaseWindow&) = delete;
  // Derived classes destroy their window in their own destructor when its
  // destruction needs their handlers; by the time this runs, dispatch to
  // Derived is cut off first.
  virtual ~TBaseWindow() {
    if (hwnd_) {
      ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      ::DestroyWindow(hwnd_);
    }
  }

  HWND Handle() const { return hwnd_; }

 protected:
  // Registering again (a second window of the class) is not an error.
  static bool RegisterWindowClass(const wchar_t* className, HBRUSH background,
                                  UINT classStyle = 0) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (::GetClassInfoExW(instance, className, &existing)) return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = &TBaseWindow::WindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return ::RegisterClassExW(&wc) != 0;
  }

  bool CreateHandle(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                    int x, int y, int width, int height, HWND owner) {
    ::CreateWindowExW(exStyle, className, title, style, x, y, width, height, owner, nullptr,
                      ::GetModuleHandleW(nullptr), this);
    return hwnd_ != nullptr;
  }

  void DestroyHandle() {
    if (hwnd_) ::DestroyWindow(hwnd_);
  }

  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept {
    TBaseWindow* self = nullptr;
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      self = static_cast<TBaseWindow*>(create->lpCreateParams);
      self->hwnd_ = wnd;
      ::SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
      self = reinterpret_cast<TBaseWindow*>(::GetWindowLongPtrW(wnd, GWLP_USERDATA));
    }
    if (self == nullptr) return ::DefWindowProcW(wnd, message, wParam, lParam);
    const LRESULT result = GuardCallback(
        [&] { return static_cast<Derived*>(self)->HandleMessage(message, wParam, lParam); },
        [&] { return ::DefWindowProcW(wnd, message, wParam, lParam); });
    if (message == WM_NCDESTROY) {
      ::SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
    }
    return result;
  }

  HWND hwnd_ = nullptr;
};

}  // namespace vxl::win
