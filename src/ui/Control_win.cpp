#include "ui/Control_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include "common/Encoding.h"
#include "ui/CallbackGuard_win.h"
#include "ui/CustomForm_win.h"
#include "ui/Frame_win.h"
#include "ui/TabControl_win.h"
#include "ui/WinText_win.h"

namespace vxl::ui {
namespace {

// The control object of a window, kept as a window property: standard
// controls keep their own GWLP_USERDATA.
constexpr const wchar_t* kControlProperty = L"VxlControl";
constexpr UINT_PTR kSubclassId = 1;

}  // namespace

TControl::TControl(const ComponentDecl& decl, TCustomForm& owner, TControl* parent)
    : TComponent(decl, &owner),
      form_(owner),
      parent_(parent),
      design_(decl.at),
      enabled_(!(decl.flags & kDisabled)),
      visible_(!(decl.flags & kHidden)) {
  if (parent_) parent_->children_.push_back(this);
}

TControl::~TControl() {
  if (handle_) {
    ::RemoveWindowSubclass(handle_, &TControl::SubclassProc, kSubclassId);
    ::RemovePropW(handle_, kControlProperty);
    if (form_.Hints()) form_.Hints()->RemoveTool(handle_, form_.Window());
    ::DestroyWindow(handle_);
  }
}

TControl* TControl::FromHandle(HWND wnd) {
  return wnd ? static_cast<TControl*>(::GetPropW(wnd, kControlProperty)) : nullptr;
}

TControl* TControl::FromChildHandle(HWND wnd) {
  for (; wnd; wnd = ::GetParent(wnd)) {
    if (TControl* control = FromHandle(wnd)) return control;
    if (!(::GetWindowLongW(wnd, GWL_STYLE) & WS_CHILD)) break;
  }
  return nullptr;
}

bool TControl::CreateHandle(HWND container, int id) {
  const wchar_t* windowClass = WindowClass();
  if (!windowClass) return true;  // a container of the table only
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | Style();
  if (IsFocusable(ComponentKind()) && !(Decl().flags & kNoTabStop)) style |= WS_TABSTOP;
  handle_ = ::CreateWindowExW(ExStyle(), windowClass, win::Widen(Decl().caption).c_str(), style, 0,
                              0, 0, 0, container, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              ::GetModuleHandleW(nullptr), nullptr);
  if (!handle_) return false;
  ::SetPropW(handle_, kControlProperty, this);
  ::SetWindowSubclass(handle_, &TControl::SubclassProc, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(this));
  if (form_.Hints()) form_.Hints()->AddTool(handle_, container);
  AfterCreate();
  return true;
}

RECT TControl::PixelRect() const {
  // Design coordinates add up through the containers of the table; a tab
  // sheet starts at its control's page area, which only the system knows.
  Bounds design = design_;
  const TControl* container = parent_;
  for (; container && container->ComponentKind() != Kind::TabSheet;
       container = container->parent_) {
    design.left += container->design_.left;
    design.top += container->design_.top;
  }
  POINT origin{0, 0};
  if (container) {
    const RECT page = container->PixelRect();
    origin = {page.left, page.top};
  }
  const Bounds px = ScaleBounds(design, form_.Scale());
  return {origin.x + px.left, origin.y + px.top, origin.x + px.Right(), origin.y + px.Bottom()};
}

void TControl::ApplyScale() {
  if (!handle_) return;
  ::SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  const RECT r = PixelRect();
  ::SetWindowPos(handle_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  ::InvalidateRect(handle_, nullptr, TRUE);
  if (hosted_) hosted_->FollowHost();
}

void TControl::ApplyScaleInside() {
  for (TControl* child : children_) {
    child->ApplyScale();
    child->ApplyScaleInside();
  }
}

void TControl::SetDesignBounds(const Bounds& bounds) {
  design_ = bounds;
  ApplyScale();
  ApplyScaleInside();
}

void TControl::SetBoundsPx(const RECT& rect) {
  const RECT now = PixelRect();
  const ScaleFactor f = form_.Scale();
  design_.left += UnscaleLength(rect.left - now.left, f);
  design_.top += UnscaleLength(rect.top - now.top, f);
  design_.width = UnscaleLength(rect.right - rect.left, f);
  design_.height = UnscaleLength(rect.bottom - rect.top, f);
  if (handle_) {
    ::SetWindowPos(handle_, nullptr, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ApplyScaleInside();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  UpdateEnabled();
}

void TControl::UpdateEnabled() {
  if (handle_) ::EnableWindow(handle_, EffectivelyEnabled());
  if (hosted_) hosted_->FollowHost();
  for (TControl* child : children_) child->UpdateEnabled();
}

bool TControl::EffectivelyEnabled() const {
  return enabled_ && (!parent_ || parent_->EffectivelyEnabled());
}

void TControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  UpdateShowing();
}

bool TControl::Showing() const { return visible_ && (!parent_ || parent_->Showing()); }

void TControl::UpdateShowing() {
  if (handle_) ::ShowWindow(handle_, Showing() ? SW_SHOWNA : SW_HIDE);
  if (hosted_) hosted_->FollowHost();
  for (TControl* child : children_) child->UpdateShowing();
}

void TControl::SetFocus() {
  if (handle_) ::SetFocus(handle_);
}

bool TControl::Focused() const { return handle_ && FromChildHandle(::GetFocus()) == this; }

bool TControl::IsTabStop() const {
  return handle_ && (::GetWindowLongW(handle_, GWL_STYLE) & WS_TABSTOP) &&
         ::IsWindowVisible(handle_) && ::IsWindowEnabled(handle_);
}

void TControl::Invalidate() {
  if (handle_) ::InvalidateRect(handle_, nullptr, TRUE);
}

std::string TControl::GetTextProperty(std::string_view property) const {
  if (EqualsNoCase(property, "Caption") &&
      PropertyTypeOf(ComponentKind(), property) == PropertyType::Text) {
    return WindowText();
  }
  return TComponent::GetTextProperty(property);
}

void TControl::SetTextProperty(std::string_view property, const std::string& value) {
  if (EqualsNoCase(property, "Caption") &&
      PropertyTypeOf(ComponentKind(), property) == PropertyType::Text) {
    SetWindowText(value);
    return;
  }
  TComponent::SetTextProperty(property, value);
}

void TControl::SetHint(const std::string& hint) {
  TComponent::SetHint(hint);
  // A tip on screen shows the old text until it is asked again.
  if (form_.Hints()) form_.Hints()->Pop();
}

std::string TControl::HintAt(POINT) const { return Hint(); }

bool TControl::OnCommand(WORD) { return false; }
bool TControl::OnNotify(NMHDR&, LRESULT&) { return false; }
bool TControl::OnScroll(WORD) { return false; }
bool TControl::OnDrawItem(const DRAWITEMSTRUCT&) { return false; }
bool TControl::OnMeasureItem(MEASUREITEMSTRUCT&) { return false; }
HBRUSH TControl::OnCtlColor(HDC dc) {
  // Text on a tab sheet stands on the page's body, not on the form's face.
  switch (ComponentKind()) {
    case Kind::Label:
    case Kind::CheckBox:
    case Kind::RadioButton:
    case Kind::GroupBox:
    case Kind::TrackBar: break;
    default: return nullptr;
  }
  for (const TControl* p = parent_; p; p = p->parent_) {
    if (p->ComponentKind() == Kind::TabSheet) {
      return static_cast<TPageControl*>(p->parent_)->BodyBrush(dc, handle_);
    }
  }
  return nullptr;
}
void TControl::OnAccelerator() { SetFocus(); }

std::string TControl::WindowText() const {
  if (!handle_) return {};
  const int length = ::GetWindowTextLengthW(handle_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(handle_, text.data(), length + 1)));
  return win::Narrow(text);
}

void TControl::SetWindowText(const std::string& text) {
  if (handle_) ::SetWindowTextW(handle_, win::Widen(text).c_str());
}

HFONT TControl::Font() const { return form_.FontFor(Decl()); }

ShiftState TControl::CurrentShift() {
  return {::GetKeyState(VK_SHIFT) < 0, ::GetKeyState(VK_CONTROL) < 0, ::GetKeyState(VK_MENU) < 0};
}

LRESULT TControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE: {
      TEvent event{*this, Event::MouseMove};
      event.x = GET_X_LPARAM(lParam);
      event.y = GET_Y_LPARAM(lParam);
      event.shift = CurrentShift();
      Fire(event);
      break;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return OnKey(Event::KeyDown, message, wParam, lParam);
    case WM_KEYUP:
    case WM_SYSKEYUP: return OnKey(Event::KeyUp, message, wParam, lParam);
  }
  return DefaultProc(message, wParam, lParam);
}

LRESULT TControl::OnKey(Event kind, UINT message, WPARAM wParam, LPARAM lParam) {
  TEvent event{*this, kind};
  event.key = static_cast<WORD>(wParam);
  event.shift = CurrentShift();
  Fire(event);
  if (event.key == 0) return 0;
  return DefaultProc(message, event.key, lParam);
}

LRESULT TControl::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefSubclassProc(handle_, message, wParam, lParam);
}

LRESULT CALLBACK TControl::SubclassProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR refData) noexcept {
  auto* self = reinterpret_cast<TControl*>(refData);
  if (message == WM_NCDESTROY) {
    // The window goes first (its form is being destroyed): forget it.
    ::RemoveWindowSubclass(wnd, &TControl::SubclassProc, kSubclassId);
    ::RemovePropW(wnd, kControlProperty);
    self->handle_ = nullptr;
    return ::DefSubclassProc(wnd, message, wParam, lParam);
  }
  return win::GuardCallback([&] { return self->WndProc(message, wParam, lParam); },
                            [&] { return ::DefSubclassProc(wnd, message, wParam, lParam); });
}

}  // namespace vxl::ui
