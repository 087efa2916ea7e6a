#include "service/uclWinEvent.h"

#include <algorithm>

namespace vxl {

void TClassName::Assign(std::string_view text) {
  const std::size_t length = std::min(text.size(), kCapacity);
  std::copy_n(text.data(), length, text_.data());
  length_ = length;
}

std::uint32_t ClassifyEvent(std::uint32_t event, std::int32_t object) {
  const bool moveOrLocation =
      event == kEventSystemMoveSizeEnd || event == kEventObjectLocationChange;
  if (moveOrLocation && object == kObjIdWindow) return kEventWindowMoved;
  if (moveOrLocation && object == kObjIdCaret) return kEventCaretMoved;
  if (event == kEventObjectShow && object == kObjIdCaret) return kEventCaretMoved;
  return event;
}

bool IsTextObject(IAccessibilitySource& source, std::string_view className) {
  if (className == "_WwG") return true;
  std::int32_t role = 0;
  if (!source.Role(role)) return false;
  return role == kRoleSystemText || role == kRoleSystemDocument;
}

void PushToolTipDown(IAccessibilitySource& source, WindowRef wnd) {
  TClassName name;
  source.WindowClass(wnd, name);
  if (name.View() != "tooltips_class32") return;
  Rect rect;
  if (!source.WindowRect(wnd, rect) || rect.top >= kToolTipMinTop) return;
  source.MoveTopmost(wnd, {rect.left, kToolTipMinTop});
}

const std::array<TWinEventDispatcher::Route, 11> TWinEventDispatcher::kRoutes = {{
    {kEventSystemForeground, &TWinEventDispatcher::Foreground},
    {kEventSystemDialogStart, &TWinEventDispatcher::Foreground},
    {kEventWindowMoved, &TWinEventDispatcher::WindowMoved},
    {kEventSystemScrollingEnd, &TWinEventDispatcher::ScrollEnded},
    {kEventObjectContentScrolled, &TWinEventDispatcher::ScrollEnded},
    {kEventCaretMoved, &TWinEventDispatcher::CaretMoved},
    {kEventObjectTextSelectionChanged, &TWinEventDispatcher::CaretMoved},
    {kEventIa2TextCaretMoved, &TWinEventDispatcher::CaretMoved},
    {kEventObjectHide, &TWinEventDispatcher::Hidden},
    {kEventObjectFocus, &TWinEventDispatcher::Focus},
    {kEventObjectValueChange, &TWinEventDispatcher::ValueChanged},
}};

void TWinEventDispatcher::HandleEvent(std::uint32_t event, WindowRef wnd, std::int32_t object,
                                      std::int32_t child) {
  if (busy_ || event == kEventObjectCreate || event == kEventObjectDestroy ||
      object == kObjIdCursor) {
    return;
  }
  busy_ = true;
  location_ = {-1, -1, -1, -1};
  Dispatch({ClassifyEvent(event, object), wnd, object, child});
  busy_ = false;
}

void TWinEventDispatcher::Dispatch(const Event& event) {
  for (const Route& route : kRoutes) {
    if (route.code == event.code) {
      (this->*route.handle)(event);
      return;
    }
  }
}

void TWinEventDispatcher::Foreground(const Event& event) {
  ForegroundWnd = event.wnd;
  source_.WindowClass(event.wnd, ForegroundClass);
  if (!handlers_ || !source_.ObjectFromEvent(event.wnd, event.object, event.child)) return;
  source_.Location(location_);
  handlers_->OnForeground(event.wnd, ForegroundClass.View(), location_);
}

void TWinEventDispatcher::WindowMoved(const Event& event) {
  if (event.wnd == ForegroundWnd && CaretWnd != 0) {
    if (handlers_) handlers_->OnWindowMove(ForegroundWnd, CaretWnd);
  } else if (ToolTipsMinTop) {
    PushToolTipDown(source_, event.wnd);
  }
}

void TWinEventDispatcher::ScrollEnded(const Event& event) {
  if (handlers_) handlers_->OnScroll(event.wnd, true);
}

void TWinEventDispatcher::CaretMoved(const Event& event) {
  CaretWnd = event.wnd;
  if (!handlers_ || !source_.ObjectFromEvent(event.wnd, event.object, event.child)) return;
  source_.Location(location_);
  handlers_->OnCaretMove(location_);
}

void TWinEventDispatcher::Hidden(const Event& event) {
  if (event.object != kObjIdCaret) return;
  CaretWnd = 0;
  CaretHide();
}

void TWinEventDispatcher::Focus(const Event& event) {
  if (event.object != kObjIdClient || !handlers_) {
    CaretHide();
    return;
  }
  CaretWnd = 0;
  if (!source_.ObjectFromEvent(event.wnd, event.object, event.child)) return;
  source_.WindowClass(event.wnd, focusClass_);
  if (IsTextObject(source_, focusClass_.View())) {
    source_.Location(location_);
    handlers_->OnFocus(event.wnd, focusClass_.View(), location_);
  } else {
    CaretHide();
  }
}

void TWinEventDispatcher::ValueChanged(const Event& event) {
  if (!handlers_) return;
  if (event.object == kObjIdVScroll || event.object == kObjIdHScroll) {
    handlers_->OnScroll(event.wnd, false);
    return;
  }
  if (!source_.ObjectFromEvent(event.wnd, event.object, event.child)) return;
  std::int32_t role = 0;
  if (source_.Role(role) && role == kRoleSystemScrollBar) handlers_->OnScroll(event.wnd, false);
}

void TWinEventDispatcher::CaretHide() {
  if (handlers_) handlers_->OnCaretHide({0, 0, 0, 0});
}

}  // namespace vxl
