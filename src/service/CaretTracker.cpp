#include "service/CaretTracker.h"

#include <algorithm>

namespace vxl {
namespace {

// Empty when the two do not meet.
Rect Intersection(const Rect& a, const Rect& b) {
  const Rect common{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                    std::min(a.bottom, b.bottom)};
  return common.IsEmpty() ? Rect{} : common;
}

TWndInfo WithRect(WindowRef wnd, const Box& box) {
  return {wnd, box.left, box.top, box.width, box.height};
}

Box BoxOf(const TWndInfo& info) { return {info.Left, info.Top, info.Width, info.Height}; }

// The edit zone of a thread: the window that owns the caret, else the one
// with the focus.
WindowRef EditWindowOf(const TGuiThreadState& thread) {
  return thread.caretWindow != 0 ? thread.caretWindow : thread.focus;
}

}  // namespace

// --- the system's answers ------------------------------------------------------

TWndInfo TCaretTracker::InfoOf(WindowRef wnd) {
  Rect r;
  if (wnd == 0 || !system_.WindowRect(wnd, r)) return {wnd, 0, 0, 0, 0};
  return {wnd, r.left, r.top, r.Width(), r.Height()};
}

// The part of the window's client area that its parents leave visible.
Rect TCaretTracker::VisibleClientArea(WindowRef wnd) {
  Rect visible;
  if (wnd == 0 || !system_.ClientRect(wnd, visible)) return {};
  for (WindowRef parent = system_.ClippingParent(wnd); parent != 0;
       parent = system_.ClippingParent(parent)) {
    Rect area;  // a parent that is gone leaves nothing visible
    system_.ClientRect(parent, area);
    visible = Intersection(visible, area);
    if (visible.IsEmpty()) return {};
  }
  return visible;
}

// The caret of the window's GUI thread and the window that owns it.
bool TCaretTracker::GuiCaret(WindowRef wnd, Box& caret, WindowRef& caretWindow) {
  TGuiThreadState thread;
  if (!system_.GuiThread(wnd, thread) || thread.caretWindow == 0) return false;
  caret = thread.caret;
  caretWindow = thread.caretWindow;
  return true;
}

// Where tracking starts: the foreground window and its thread's edit zone.
void TCaretTracker::ReadForeground() {
  const WindowRef foreground = system_.ForegroundWindow();
  ActiveInfo.Handle = foreground;
  TGuiThreadState thread;
  if (!system_.GuiThread(foreground, thread)) return;
  if (thread.caretWindow != 0) {
    caret_ = thread.caret;
  } else if (thread.focus != 0) {
    caret_ = {0, 0, 0, 0};
  }
  const WindowRef edit = EditWindowOf(thread);
  EditInfo = edit != 0 ? InfoOf(edit) : TWndInfo{};
  ActiveInfo = InfoOf(thread.active);
}

// --- state -------------------------------------------------------------------

void TCaretTracker::SetState(CaretLocatorState state) {
  SetOpacity(0);
  system_.ShowMarker();
  TWinEventDispatcher* hook = system_.Hook();
  tracking_ = state == CaretLocatorState::Tracking && hook != nullptr;
  caretInView_ = true;
  system_.EnablePollTimer(tracking_);
  if (!tracking_) {
    system_.InvalidateMarker();
    if (hook) {
      system_.StopHook();
      hook->SetHandlers(nullptr);
    }
    return;
  }
  system_.StopHook();
  ReadForeground();
  hook->ForegroundWnd = ActiveInfo.Handle;
  hook->CaretWnd = EditInfo.Handle;
  hook->SetHandlers(this);
  system_.StartHook();
  caret_.left = -1;
  caret_.top = -1;
  poll_.ForgetCaret();
  FocusChanged(EditInfo.Handle, BoxOf(EditInfo));
  // Without an accessible caret this draws the marker at the screen corner
  // until the first caret report arrives.
  CaretMoved(caret_);
}

void TCaretTracker::Detach() {
  tracking_ = false;
  TWinEventDispatcher* hook = system_.Hook();
  if (hook && hook->Handlers() == this) {
    system_.StopHook();
    hook->SetHandlers(nullptr);
  }
}

void TCaretTracker::SetOpacity(std::uint8_t opacity) {
  const bool changed = opacity != opacity_;
  opacity_ = opacity;
  system_.SetMarkerOpacity(opacity);
  // The paint leaves a faded marker out, so a change to or from 0 needs one.
  if (changed) system_.InvalidateMarker();
}

void TCaretTracker::NextBarType() {
  config_.caretBarType = vxl::NextBarType(config_.caretBarType);
  LayoutBars();
  CaretMoved(caret_);
}

void TCaretTracker::PreviewAt(Point at) {
  ActiveInfo = {};
  EditInfo = {};
  const WindowRef preview = system_.FindTopLevel(kCaretPreviewClass);
  if (preview == 0) return;
  ActiveInfo = InfoOf(preview);
  const WindowRef memo = system_.FindChild(preview, kCaretPreviewMemoClass);
  if (memo == 0) {
    ActiveInfo = {};
    return;
  }
  EditInfo = InfoOf(memo);
  caretInView_ = true;
  SetOpacity(config_.caretOpacity);
  system_.InvalidateMarker();
  LayoutBars();
  CaretMoved({at.x, at.y, kPreviewCaretSize.width, kPreviewCaretSize.height});
}

// --- placement ---------------------------------------------------------------

void TCaretTracker::LayoutBars() {
  poll_.LaidOutFor(ActiveInfo);
  if (vxl::LayoutBars(config_, ActiveInfo, EditInfo, system_.ScreenWidth(), placement_)) {
    PlaceMarker(MarkerMove::Repaint);
  }
}

void TCaretTracker::PlaceMarker(MarkerMove how) {
  system_.PlaceMarker({placement_.windowLeft, placement_.windowTop,
                       std::clamp(placement_.windowWidth, 0, kMaxMarkerExtent),
                       std::clamp(placement_.clientHeight, 0, kMaxMarkerExtent)},
                      how);
}

void TCaretTracker::CaretReported(const Box& caret, WindowRef owner) {
  caretInView_ = owner == 0 || CaretInView(caret, VisibleClientArea(owner));
  CaretMoved(caret);
}

void TCaretTracker::CaretMoved(const Box& caret) {
  caret_ = caret;
  if (!caretInView_) {
    HideNow();
    return;
  }
  PlaceCaret(config_, caret, placement_);
  PlaceMarker(MarkerMove::Repaint);
  StopHideTimer();
  if (opacity_ != config_.caretOpacity) SetOpacity(config_.caretOpacity);
  system_.InvalidateMarker();
  system_.RaiseMarker(false);
}

void TCaretTracker::CaretHidden() {
  if (!hideTimerRunning_) {
    hideTimerRunning_ = true;
    system_.EnableHideTimer(true);
  }
  // Reports come late (they are posted): a caret that the poll placed before
  // this report and that is still shown is placed again at the next tick,
  // which cancels the fade-out.
  poll_.ForgetCaret();
}

void TCaretTracker::StopHideTimer() {
  if (!hideTimerRunning_) return;
  hideTimerRunning_ = false;
  system_.EnableHideTimer(false);
}

void TCaretTracker::HideNow() {
  StopHideTimer();
  SetOpacity(0);
}

void TCaretTracker::HideTimerFired() {
  // A tick already queued when the timer stopped still arrives.
  if (!hideTimerRunning_) return;
  StopHideTimer();
  SetOpacity(0);
  system_.InvalidateMarker();
}

// --- reports of the hook -----------------------------------------------------

void TCaretTracker::OnCaretMove(const Box& box) {
  // The hook has just taken the reporting window as the caret's.
  const TWinEventDispatcher* hook = system_.Hook();
  CaretReported(box, hook ? hook->CaretWnd : 0);
}

void TCaretTracker::OnForeground(WindowRef wnd, std::string_view, const Box& box) {
  ActiveInfo = WithRect(wnd, box);
  LayoutBars();
  CaretHidden();
}

void TCaretTracker::OnFocus(WindowRef wnd, std::string_view, const Box& box) {
  FocusChanged(wnd, box);
}

void TCaretTracker::FocusChanged(WindowRef wnd, const Box& box) {
  if (wnd != EditInfo.Handle) CaretHidden();
  const WindowRef root = system_.RootOf(wnd);
  if (root != ActiveInfo.Handle) ActiveInfo = InfoOf(root);
  if (TWinEventDispatcher* hook = system_.Hook()) hook->ForegroundWnd = ActiveInfo.Handle;
  EditInfo = WithRect(wnd, box);
  LayoutBars();
  if (opacity_ > 0) system_.RaiseMarker(true);
  Box caret;
  if (system_.AccessibleCaret(wnd, caret)) {
    CaretReported(caret, wnd);
    return;
  }
  // Where the focused control has no accessible caret (Wine's OLEACC has
  // none), its GUI caret stands in, when the control owns it.
  WindowRef caretWindow = 0;
  if (wnd != 0 && GuiCaret(wnd, caret, caretWindow) && caretWindow == wnd) {
    CaretReported(caret, wnd);
  }
}

void TCaretTracker::OnWindowMove(WindowRef wnd, WindowRef caretWnd) {
  if (wnd != ActiveInfo.Handle) return;
  const TWndInfo active = InfoOf(wnd);
  const std::int32_t oldTop = ActiveInfo.Top;
  ActiveInfo = active;
  EditInfo = WithRect(EditInfo.Handle, BoxOf(InfoOf(caretWnd)));
  if (opacity_ == 0) return;
  // The polygons stay: the marker moves with the window until the next
  // caret report.
  poll_.LaidOutFor(ActiveInfo);
  vxl::LayoutBars(config_, ActiveInfo, EditInfo, system_.ScreenWidth(), placement_);
  placement_.windowTop = MarkerTopAfterMove(placement_.windowTop, oldTop, active.Top);
  PlaceMarker(MarkerMove::CarryOnTop);
}

void TCaretTracker::Scrolled() {
  LayoutBars();
  Box caret;
  WindowRef caretWindow = 0;
  if (GuiCaret(system_.ForegroundWindow(), caret, caretWindow)) {
    CaretReported(caret, caretWindow);
  } else {
    CaretHidden();
  }
}

// --- the poll ------------------------------------------------------------------

void TCaretTracker::PollTick() {
  if (!tracking_) return;
  const WindowRef foreground = system_.ForegroundWindow();
  const TWndInfo active = InfoOf(foreground);
  TGuiThreadState thread;
  // A hidden caret is no caret to mark (the flag tells whether it is shown;
  // Wine sets it for every caret).
  const bool hasCaret =
      system_.GuiThread(foreground, thread) && thread.caretWindow != 0 && thread.caretShown;
  const CaretPollStep step = poll_.Tick(active, hasCaret ? &thread.caret : nullptr);
  if (step.foreground != ForegroundChange::None) FollowForeground(step, active, thread);
  if (step.placeCaret) CaretReported(thread.caret, thread.caretWindow);
}

// The foreground window changed or moved without a report of the hook: the
// bars are laid out again over it.
void TCaretTracker::FollowForeground(const CaretPollStep& step, const TWndInfo& foreground,
                                     const TGuiThreadState& thread) {
  if (step.foreground == ForegroundChange::Switched) {
    ActiveInfo = foreground;
    const WindowRef edit = EditWindowOf(thread);
    EditInfo = edit != 0 ? InfoOf(edit) : TWndInfo{};
    if (TWinEventDispatcher* hook = system_.Hook()) {
      hook->ForegroundWnd = ActiveInfo.Handle;
      hook->CaretWnd = EditInfo.Handle;
    }
    LayoutBars();
    // As for a foreground report: the marker fades unless a caret comes.
    if (!step.placeCaret) CaretHidden();
    return;
  }
  const std::int32_t oldTop = ActiveInfo.Top;
  ActiveInfo = foreground;
  EditInfo = WithRect(EditInfo.Handle, BoxOf(InfoOf(EditInfo.Handle)));
  LayoutBars();
  if (step.placeCaret || opacity_ == 0) return;
  // No caret to place: the marker moves with the window until the next
  // caret report.
  placement_.windowTop = MarkerTopAfterMove(placement_.windowTop, oldTop, foreground.Top);
  PlaceMarker(MarkerMove::Carry);
}

}  // namespace vxl
