#include "ui/Form_win.h"

#include "common/Encoding.h"
#include "ui/Application_win.h"
#include "ui/Control_win.h"
#include "ui/WinHandles_win.h"
#include "ui/WinText_win.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace vxl::ui {
namespace {

constexpr const wchar_t* kFormProperty = L"VxlForm";

// Per-monitor scaling needs calls of Windows 10; older systems have one
// scale for every monitor, the screen's.
template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name)));
}

bool AdjustForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
  using Adjust = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = User32Function<Adjust>("AdjustWindowRectExForDpi");
  if (adjust) return adjust(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)) != 0;
  return ::AdjustWindowRectEx(&rect, style, FALSE, exStyle) != 0;
}

}  // namespace

int WindowDpi(HWND wnd) {
  using GetDpi = UINT(WINAPI*)(HWND);
  static const auto getDpi = User32Function<GetDpi>("GetDpiForWindow");
  if (getDpi && wnd) {
    if (const UINT dpi = getDpi(wnd); dpi > 0) return static_cast<int>(dpi);
  }
  win::WindowDC screen(nullptr);
  return screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : kDesignDpi;
}

TForm::TForm(FormTable table, std::wstring className)
    : TCustomForm(std::move(table)), className_(std::move(className)) {}

TForm::~TForm() {
  if (Application().MainForm() == this) Application().SetMainForm(nullptr);
}

TForm* TForm::FromWindow(HWND wnd) {
  return wnd ? static_cast<TForm*>(::GetPropW(wnd, kFormProperty)) : nullptr;
}

DWORD TForm::WindowStyle() const {
  const std::uint32_t flags = Decl().flags;
  DWORD style = WS_CAPTION | WS_SYSMENU;
  if (flags & kNoBorder)
    style = WS_POPUP;
  else if (flags & kDialogBorder)
    style = WS_CAPTION;
  else if (flags & kFixedBorder)
    style |= (flags & kMinimizeBox) ? WS_MINIMIZEBOX : 0;
  else
    style |= WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  if (flags & kNoSystemMenu) style &= ~static_cast<DWORD>(WS_SYSMENU);
  return style | WS_CLIPSIBLINGS;
}

DWORD TForm::WindowExStyle() const {
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (Decl().flags & kDialogBorder) exStyle |= WS_EX_DLGMODALFRAME;
  if (Decl().flags & kStayOnTop) exStyle |= WS_EX_TOPMOST;
  return exStyle;
}

bool TForm::Create(const HandlerList& handlers, HWND owner) {
  if (!RegisterWindowClass(className_.c_str(), ::GetSysColorBrush(COLOR_BTNFACE))) return false;
  if (!CreateHandle(WindowExStyle(), className_.c_str(), win::Widen(Decl().caption).c_str(),
                    WindowStyle(), Decl().at.left, Decl().at.top, 100, 100, owner)) {
    return false;
  }
  ::SetPropW(Handle(), kFormProperty, this);
  SetDpi(WindowDpi(Handle()));
  BuildComponents(handlers);
  built_ = true;
  Fire(Event::Create);
  return true;
}

void TForm::ApplyOwnScale() {
  if (!Handle()) return;
  RECT r{0, 0, ScaleLength(Decl().at.width, Scale()), ScaleLength(Decl().at.height, Scale())};
  AdjustForDpi(r, WindowStyle(), WindowExStyle(), Scale().dpi);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  if (!(Decl().flags & kCentreScreen)) {
    ::SetWindowPos(Handle(), nullptr, 0, 0, width, height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoW(::MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& area = monitor.rcWork;
  ::SetWindowPos(Handle(), nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show() {
  ::ShowWindow(Handle(), SW_SHOW);
  ::UpdateWindow(Handle());
}

void TForm::Hide() { ::ShowWindow(Handle(), SW_HIDE); }

void TForm::Close() { ::SendMessageW(Handle(), WM_CLOSE, 0, 0); }

bool TForm::IsShown() const { return Handle() && ::IsWindowVisible(Handle()); }

std::string TForm::GetTextProperty(std::string_view property) const {
  if (!EqualsNoCase(property, "Caption")) return TCustomForm::GetTextProperty(property);
  const int length = ::GetWindowTextLengthW(Handle());
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(Handle(), text.data(), length + 1)));
  return win::Narrow(text);
}

void TForm::SetTextProperty(std::string_view property, const std::string& value) {
  if (EqualsNoCase(property, "Caption")) {
    ::SetWindowTextW(Handle(), win::Widen(value).c_str());
    return;
  }
  TCustomForm::SetTextProperty(property, value);
}

bool TForm::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (built_ && ReflectMessage(message, wParam, lParam, result)) return result;
  if (OnMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_CLOSE: return OnClose();
    case WM_ACTIVATE: OnActivate(LOWORD(wParam)); return 0;
    case WM_SETFOCUS: RestoreFocus(); return 0;
    case WM_NEXTDLGCTL: SelectNext(wParam == 0); return 0;
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<RECT*>(lParam)); return 0;
    case WM_NCDESTROY: ::RemovePropW(Handle(), kFormProperty); break;
  }
  return Default(message, wParam, lParam);
}

LRESULT TForm::OnClose() {
  TEvent event{*this, Event::CloseQuery};
  if (!Fire(event)) return 0;
  Hide();
  if (Application().MainForm() == this) ::PostQuitMessage(0);
  return 0;
}

void TForm::OnActivate(WORD state) {
  if (state == WA_INACTIVE) {
    HWND focus = ::GetFocus();
    if (focus && ::IsChild(Handle(), focus)) savedFocus_ = focus;
    return;
  }
  RestoreFocus();
}

void TForm::RestoreFocus() {
  if (savedFocus_ && ::IsWindow(savedFocus_) && ::IsChild(Handle(), savedFocus_) &&
      ::IsWindowVisible(savedFocus_) && ::IsWindowEnabled(savedFocus_)) {
    ::SetFocus(savedFocus_);
    return;
  }
  const std::vector<TControl*> stops = TabStops();
  if (!stops.empty()) stops.front()->SetFocus();
}

void TForm::OnDpiChanged(int dpi, const RECT& suggested) {
  SetDpi(dpi);
  // The size is ours, exact for the new scale; the place is the system's.
  ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vxl::ui
