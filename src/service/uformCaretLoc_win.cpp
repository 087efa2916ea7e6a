#include "service/uformCaretLoc_win.h"

#include <algorithm>

#include "service/uOleAcc_win.h"

namespace vxl {
namespace {

constexpr std::uint32_t kCaretPollMs = 100;
constexpr UINT kRaiseFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
constexpr UINT kCaretRaiseFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS;
// Whatever a hand-made record asks for, the window stays a size GDI can
// buffer.
constexpr std::int32_t kMaxWindowExtent = 32767;

HWND ToHwnd(WindowRef wnd) { return reinterpret_cast<HWND>(wnd); }
WindowRef ToRef(HWND wnd) { return reinterpret_cast<WindowRef>(wnd); }

TWndInfo InfoOf(HWND wnd) {
  RECT r{};
  if (wnd == nullptr || !::GetWindowRect(wnd, &r)) return {ToRef(wnd), 0, 0, 0, 0};
  return {ToRef(wnd), r.left, r.top, r.right - r.left, r.bottom - r.top};
}

bool ThreadInfoOf(HWND window, GUITHREADINFO& info) {
  if (window == reinterpret_cast<HWND>(-1)) window = ::GetForegroundWindow();
  const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
  info = {};
  info.cbSize = sizeof info;
  return ::GetGUIThreadInfo(thread, &info) != FALSE;
}

Box CaretBox(const GUITHREADINFO& info) {
  POINT corner{info.rcCaret.left, info.rcCaret.top};
  ::ClientToScreen(info.hwndCaret, &corner);
  return {corner.x, corner.y, info.rcCaret.right - info.rcCaret.left,
          info.rcCaret.bottom - info.rcCaret.top};
}

// The edit zone of a thread: the window that owns the caret, else the one
// with the focus.
HWND EditWindowOf(const GUITHREADINFO& info) {
  return info.hwndCaret != nullptr ? info.hwndCaret : info.hwndFocus;
}

// The part of the window's client area that its parents leave visible, in
// screen pixels; empty when none is.
Rect VisibleClientRect(HWND wnd) {
  RECT visible{};
  if (wnd == nullptr || !::GetClientRect(wnd, &visible)) return {};
  ::MapWindowPoints(wnd, nullptr, reinterpret_cast<POINT*>(&visible), 2);
  for (HWND child = wnd; (::GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) != 0;) {
    HWND parent = ::GetParent(child);
    if (parent == nullptr) break;
    RECT area{};
    ::GetClientRect(parent, &area);
    ::MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&area), 2);
    if (!::IntersectRect(&visible, &visible, &area)) return {};
    child = parent;
  }
  return {visible.left, visible.top, visible.right, visible.bottom};
}

// The GUI caret of the window's thread and the window that owns it.
bool GuiCaret(HWND window, Box& caret, HWND& caretWindow) {
  GUITHREADINFO info;
  if (!ThreadInfoOf(window, info) || info.hwndCaret == nullptr) return false;
  caret = CaretBox(info);
  caretWindow = info.hwndCaret;
  return true;
}

}  // namespace

bool GetCaretFromThreadInfo(HWND window, Box& caret) {
  HWND caretWindow = nullptr;
  return GuiCaret(window, caret, caretWindow);
}

TVXLCaretLocWnd::TVXLCaretLocWnd(TConfigRecord& config, std::unique_ptr<win::TWinEventHook>& hook)
    : config_(config), hook_(hook) {}

TVXLCaretLocWnd::~TVXLCaretLocWnd() {
  Close();
  DestroyHandle();
}

bool TVXLCaretLocWnd::Create(HWND owner) {
  keyBrush_.reset(::CreateSolidBrush(kCaretColourKey));
  if (!RegisterWindowClass(kClassName, keyBrush_.get())) return false;
  const DWORD exStyle =
      WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  if (!CreateHandle(exStyle, kClassName, L"", WS_POPUP, 0, 0, 1, 1, owner)) return false;
  HideTimer = std::make_unique<win::TSimpleTimer>(kCaretHideDelayMs, [this] { HideTimerFired(); });
  caretPollTimer_ = std::make_unique<win::TSimpleTimer>(kCaretPollMs, [this] { CaretPollFired(); });
  SetOpacity(config_.caretOpacity);
  return true;
}

// --- state -------------------------------------------------------------------

void TVXLCaretLocWnd::SetState(int state) {
  SetOpacity(0);
  Show();
  tracking_ = state == 1 && hook_ != nullptr;
  caretInView_ = true;
  if (caretPollTimer_) caretPollTimer_->SetEnabled(tracking_);
  if (!tracking_) {
    Invalidate();
    if (hook_) {
      hook_->Stop();
      hook_->Events().SetHandlers(nullptr);
    }
    return;
  }
  hook_->Stop();
  ReadForeground();
  hook_->Events().ForegroundWnd = ActiveInfo.Handle;
  hook_->Events().CaretWnd = EditInfo.Handle;
  hook_->Events().SetHandlers(this);
  hook_->Start();
  caret_.left = -1;
  caret_.top = -1;
  caretPoll_.ForgetCaret();
  FocusChanged(ToHwnd(EditInfo.Handle),
               {EditInfo.Left, EditInfo.Top, EditInfo.Width, EditInfo.Height});
  // Without an accessible caret this draws the marker at the screen corner
  // until the first caret report arrives.
  CaretMoved(caret_);
}

void TVXLCaretLocWnd::Show() {
  if (Handle() && !::IsWindowVisible(Handle())) ::ShowWindow(Handle(), SW_SHOWNOACTIVATE);
}

bool TVXLCaretLocWnd::Visible() const { return Handle() && ::IsWindowVisible(Handle()); }

void TVXLCaretLocWnd::SetOpacity(std::uint8_t opacity) {
  if (!Handle()) return;
  const bool changed = opacity != opacity_;
  opacity_ = opacity;
  ::SetLayeredWindowAttributes(Handle(), kCaretColourKey, opacity, LWA_COLORKEY | LWA_ALPHA);
  // The paint leaves a faded marker out (see OnPaint), so a change to or
  // from 0 needs one.
  if (changed) Invalidate();
}

void TVXLCaretLocWnd::Close() {
  if (Handle()) SetState(2);
  // Also when the window went with its owner: the hook must not report to
  // a freed locator.
  tracking_ = false;
  if (hook_ && hook_->Events().Handlers() == static_cast<IWinEventHandlers*>(this)) {
    hook_->Stop();
    hook_->Events().SetHandlers(nullptr);
  }
  HideTimer.reset();
  caretPollTimer_.reset();
}

void TVXLCaretLocWnd::RaiseTopmost() {
  if (Handle()) ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, kRaiseFlags);
}

// --- placement ---------------------------------------------------------------

void TVXLCaretLocWnd::LayoutBars() {
  caretPoll_.LaidOutFor(ActiveInfo);
  if (vxl::LayoutBars(config_, ActiveInfo, EditInfo, ::GetSystemMetrics(SM_CXSCREEN), placement_)) {
    ApplyBounds(nullptr, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  }
}

void TVXLCaretLocWnd::ApplyBounds(HWND insertAfter, UINT flags) {
  if (!Handle()) return;
  const int width = std::clamp(placement_.windowWidth, 0, kMaxWindowExtent);
  const int height = std::clamp(placement_.clientHeight, 0, kMaxWindowExtent);
  ::SetWindowPos(Handle(), insertAfter, placement_.windowLeft, placement_.windowTop, width, height,
                 flags);
}

void TVXLCaretLocWnd::Invalidate() {
  if (Handle()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TVXLCaretLocWnd::CaretReported(const Box& caret, HWND owner) {
  caretInView_ = owner == nullptr || CaretInView(caret, VisibleClientRect(owner));
  CaretMoved(caret);
}

void TVXLCaretLocWnd::CaretMoved(const Box& caret) {
  caret_ = caret;
  if (!caretInView_) {
    HideNow();
    return;
  }
  PlaceCaret(config_, caret, placement_);
  // The whole window is painted anew; copying its old bits to the new place
  // would show the old marker there until the paint.
  ApplyBounds(nullptr, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  if (HideTimer && HideTimer->Enabled()) HideTimer->SetEnabled(false);
  if (opacity_ != config_.caretOpacity) SetOpacity(config_.caretOpacity);
  Invalidate();
  if (Handle()) ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, kCaretRaiseFlags);
}

void TVXLCaretLocWnd::CaretHidden() {
  if (HideTimer && !HideTimer->Enabled()) HideTimer->SetEnabled(true);
  // Reports come late (they are posted): a caret that the poll placed before
  // this report and that is still shown is placed again at the next tick,
  // which cancels the fade-out.
  caretPoll_.ForgetCaret();
}

void TVXLCaretLocWnd::HideNow() {
  if (HideTimer && HideTimer->Enabled()) HideTimer->SetEnabled(false);
  SetOpacity(0);
}

void TVXLCaretLocWnd::HideTimerFired() {
  if (!HideTimer || !HideTimer->Enabled()) return;
  HideTimer->SetEnabled(false);
  SetOpacity(0);
  Invalidate();
}

void TVXLCaretLocWnd::NextBarType() {
  config_.caretBarType = vxl::NextBarType(config_.caretBarType);
  LayoutBars();
  CaretMoved(caret_);
}

// --- reports of the hook -----------------------------------------------------

void TVXLCaretLocWnd::OnCaretMove(const Box& box) {
  // The hook has just taken the reporting window as the caret's.
  CaretReported(box, hook_ ? ToHwnd(hook_->Events().CaretWnd) : nullptr);
}

void TVXLCaretLocWnd::OnWindowMove(WindowRef wnd, WindowRef caretWnd) {
  WindowMoved(ToHwnd(wnd), ToHwnd(caretWnd));
}

void TVXLCaretLocWnd::OnFocus(WindowRef wnd, std::string_view, const Box& box) {
  FocusChanged(ToHwnd(wnd), box);
}

void TVXLCaretLocWnd::OnForeground(WindowRef wnd, std::string_view, const Box& box) {
  ForegroundChanged(ToHwnd(wnd), box);
}

void TVXLCaretLocWnd::ForegroundChanged(HWND wnd, const Box& box) {
  ActiveInfo = {ToRef(wnd), box.left, box.top, box.width, box.height};
  LayoutBars();
  CaretHidden();
}

void TVXLCaretLocWnd::UpdateActiveFromChild(HWND wnd) {
  HWND root = ::GetAncestor(wnd, GA_ROOT);
  if (ToRef(root) != ActiveInfo.Handle) ActiveInfo = InfoOf(root);
}

void TVXLCaretLocWnd::FocusChanged(HWND wnd, const Box& box) {
  if (ToRef(wnd) != EditInfo.Handle) CaretHidden();
  UpdateActiveFromChild(wnd);
  if (hook_) hook_->Events().ForegroundWnd = ActiveInfo.Handle;
  EditInfo = {ToRef(wnd), box.left, box.top, box.width, box.height};
  LayoutBars();
  if (opacity_ > 0) ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, kRaiseFlags);
  Box caret;
  if (win::GetCaretFromObject(wnd, caret)) {
    CaretReported(caret, wnd);
    return;
  }
  // Where the focused control has no accessible caret (Wine's OLEACC has
  // none), its GUI caret stands in, when the control owns it.
  HWND caretWindow = nullptr;
  if (wnd != nullptr && GuiCaret(wnd, caret, caretWindow) && caretWindow == wnd) {
    CaretReported(caret, wnd);
  }
}

void TVXLCaretLocWnd::WindowMoved(HWND wnd, HWND caretWnd) {
  if (ToRef(wnd) != ActiveInfo.Handle) return;
  const TWndInfo active = InfoOf(wnd);
  const std::int32_t oldTop = ActiveInfo.Top;
  ActiveInfo = active;
  const TWndInfo edit = InfoOf(caretWnd);
  EditInfo = {EditInfo.Handle, edit.Left, edit.Top, edit.Width, edit.Height};
  if (opacity_ == 0) return;
  // The polygons stay: the marker moves with the window until the next
  // caret report.
  caretPoll_.LaidOutFor(ActiveInfo);
  vxl::LayoutBars(config_, ActiveInfo, EditInfo, ::GetSystemMetrics(SM_CXSCREEN), placement_);
  placement_.windowTop = MarkerTopAfterMove(placement_.windowTop, oldTop, active.Top);
  ApplyBounds(HWND_TOPMOST, SWP_NOACTIVATE);
}

void TVXLCaretLocWnd::Scrolled() {
  LayoutBars();
  Box caret;
  HWND caretWindow = nullptr;
  if (GuiCaret(reinterpret_cast<HWND>(-1), caret, caretWindow)) {
    CaretReported(caret, caretWindow);
  } else {
    CaretHidden();
  }
}

void TVXLCaretLocWnd::CaretPollFired() {
  if (!tracking_) return;
  HWND foreground = ::GetForegroundWindow();
  const TWndInfo active = InfoOf(foreground);
  GUITHREADINFO thread;
  // A hidden caret is no caret to mark (the flag tells whether it is shown;
  // Wine sets it for every caret).
  const bool hasCaret = ThreadInfoOf(foreground, thread) && thread.hwndCaret != nullptr &&
                        (thread.flags & GUI_CARETBLINKING) != 0;
  const Box caret = hasCaret ? CaretBox(thread) : Box{};
  const CaretPollStep step = caretPoll_.Tick(active, hasCaret ? &caret : nullptr);
  if (step.foreground != ForegroundChange::None) FollowForeground(step, active, thread);
  if (step.placeCaret) CaretReported(caret, thread.hwndCaret);
}

// The foreground window changed or moved without a report of the hook: the
// bars are laid out again over it.
void TVXLCaretLocWnd::FollowForeground(const CaretPollStep& step, const TWndInfo& foreground,
                                       const GUITHREADINFO& thread) {
  if (step.foreground == ForegroundChange::Switched) {
    ActiveInfo = foreground;
    HWND edit = EditWindowOf(thread);
    EditInfo = edit != nullptr ? InfoOf(edit) : TWndInfo{};
    if (hook_) {
      hook_->Events().ForegroundWnd = ActiveInfo.Handle;
      hook_->Events().CaretWnd = EditInfo.Handle;
    }
    LayoutBars();
    // As for a foreground report: the marker fades unless a caret comes.
    if (!step.placeCaret) CaretHidden();
    return;
  }
  const std::int32_t oldTop = ActiveInfo.Top;
  ActiveInfo = foreground;
  const TWndInfo edit = InfoOf(ToHwnd(EditInfo.Handle));
  EditInfo = {EditInfo.Handle, edit.Left, edit.Top, edit.Width, edit.Height};
  LayoutBars();
  if (step.placeCaret || opacity_ == 0) return;
  // No GUI caret to place: the marker moves with the window until the next
  // caret report.
  placement_.windowTop = MarkerTopAfterMove(placement_.windowTop, oldTop, foreground.Top);
  ApplyBounds(nullptr, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TVXLCaretLocWnd::ReadForeground() {
  HWND foreground = ::GetForegroundWindow();
  ActiveInfo.Handle = ToRef(foreground);
  GUITHREADINFO info;
  if (!ThreadInfoOf(foreground, info)) return;
  if (info.hwndCaret) {
    caret_ = CaretBox(info);
  } else if (info.hwndFocus) {
    caret_ = {0, 0, 0, 0};
  }
  HWND edit = EditWindowOf(info);
  EditInfo = edit ? InfoOf(edit) : TWndInfo{};
  ActiveInfo = InfoOf(info.hwndActive);
}

void TVXLCaretLocWnd::PreviewAt(int x, int y) {
  ActiveInfo = {};
  EditInfo = {};
  HWND preview = ::FindWindowW(kPreviewClass, nullptr);
  if (preview == nullptr) return;
  ActiveInfo = InfoOf(preview);
  HWND memo = ::FindWindowExW(preview, nullptr, kPreviewMemoClass, nullptr);
  if (memo == nullptr) {
    ActiveInfo = {};
    return;
  }
  EditInfo = InfoOf(memo);
  caretInView_ = true;
  SetOpacity(config_.caretOpacity);
  Invalidate();
  LayoutBars();
  CaretMoved({x, y, 2, 16});
}

// --- painting ----------------------------------------------------------------

void TVXLCaretLocWnd::TShapeColour::Select(HDC dc, TColour wanted) {
  wanted &= 0xFFFFFF;
  if (!pen || !brush || wanted != colour) {
    // Pen width 1: the outline is part of the shape.
    pen.reset(::CreatePen(PS_SOLID, 1, wanted));
    brush.reset(::CreateSolidBrush(wanted));
    colour = wanted;
  }
  ::SelectObject(dc, pen.get());
  ::SelectObject(dc, brush.get());
}

LRESULT TVXLCaretLocWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;  // the paint covers every pixel
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_CLOSE: return 0;  // the service owns the window's life
  }
  return Default(message, wParam, lParam);
}

void TVXLCaretLocWnd::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(Handle(), &paint);
  if (dc == nullptr) return;
  RECT client;
  ::GetClientRect(Handle(), &client);
  HDC buffer = buffer_.Begin(dc, client.right, client.bottom);
  if (buffer != nullptr) {
    ::FillRect(buffer, &client, keyBrush_.get());
    // At opacity 0 the marker is left out as well: where the system shows
    // layered windows without their alpha (Wine without a compositor), a
    // faded marker must not stay on screen.
    if (opacity_ > 0) {
      const HGDIOBJ originalPen = ::GetCurrentObject(buffer, OBJ_PEN);
      const HGDIOBJ originalBrush = ::GetCurrentObject(buffer, OBJ_BRUSH);
      const auto polygon = [&](const auto& points) {
        POINT corners[4];
        for (std::size_t i = 0; i < points.size(); ++i) corners[i] = {points[i].x, points[i].y};
        ::Polygon(buffer, corners, static_cast<int>(points.size()));
      };
      barColour_.Select(buffer, config_.caretBarColour);
      if (config_.caretBarTop) polygon(placement_.TopBar);
      if (config_.caretBarBottom) polygon(placement_.BottomBar);
      triangleColour_.Select(buffer, config_.caretTriangleColour);
      if (config_.caretTriangleTop) polygon(placement_.TopTriangle);
      if (config_.caretTriangleBottom) polygon(placement_.BottomTriangle);
      // Ours leave the buffer, so that a colour change may delete them.
      ::SelectObject(buffer, originalPen);
      ::SelectObject(buffer, originalBrush);
    }
    buffer_.CopyTo(dc, client.right, client.bottom);
  }
  ::EndPaint(Handle(), &paint);
}

}  // namespace vxl
