#include "service/uformCaretLoc_win.h"

#include "service/uOleAcc_win.h"
#include "ui/Overlay_win.h"
#include "ui/WinGeometry_win.h"

namespace vxl {
namespace {

constexpr UINT kRaiseFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;

using win::ToHwnd;
using win::ToWindowRef;

}  // namespace

TVXLCaretLocWnd::TVXLCaretLocWnd(TConfigRecord& config, std::unique_ptr<win::TWinEventHook>& hook)
    : config_(config), hook_(hook), tracker_(config, *this) {}

TVXLCaretLocWnd::~TVXLCaretLocWnd() {
  Close();
  DestroyHandle();
}

bool TVXLCaretLocWnd::Create(HWND owner) {
  keyBrush_.reset(::CreateSolidBrush(kCaretColourKey));
  if (!RegisterWindowClass(kClassName, keyBrush_.get())) return false;
  if (!CreateHandle(win::kOverlayExStyle, kClassName, L"", win::kOverlayStyle, 0, 0, 1, 1, owner)) {
    return false;
  }
  hideTimer_ =
      std::make_unique<win::TSimpleTimer>(kCaretHideDelayMs, [this] { tracker_.HideTimerFired(); });
  pollTimer_ = std::make_unique<win::TSimpleTimer>(kCaretPollMs, [this] { tracker_.PollTick(); });
  tracker_.SetOpacity(config_.caretOpacity);
  return true;
}

void TVXLCaretLocWnd::Show() {
  if (Handle() && !::IsWindowVisible(Handle())) win::ShowOverlay(Handle());
}

bool TVXLCaretLocWnd::Visible() const { return Handle() && ::IsWindowVisible(Handle()); }

void TVXLCaretLocWnd::Close() {
  if (Handle()) tracker_.SetState(CaretLocatorState::Preview);
  // Also when the window went with its owner: the hook must not report to
  // a freed locator.
  tracker_.Detach();
  hideTimer_.reset();
  pollTimer_.reset();
}

// --- what the tracker asks ---------------------------------------------------

std::int32_t TVXLCaretLocWnd::ScreenWidth() { return ::GetSystemMetrics(SM_CXSCREEN); }

WindowRef TVXLCaretLocWnd::ForegroundWindow() { return ToWindowRef(::GetForegroundWindow()); }

bool TVXLCaretLocWnd::WindowRect(WindowRef wnd, Rect& rect) {
  return win::WindowRect(ToHwnd(wnd), rect);
}

bool TVXLCaretLocWnd::ClientRect(WindowRef wnd, Rect& rect) {
  HWND hwnd = ToHwnd(wnd);
  RECT client;
  if (hwnd == nullptr || !::GetClientRect(hwnd, &client)) return false;
  ::MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  rect = win::ToRect(client);
  return true;
}

WindowRef TVXLCaretLocWnd::ClippingParent(WindowRef wnd) {
  HWND hwnd = ToHwnd(wnd);
  if ((::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) == 0) return 0;
  return ToWindowRef(::GetParent(hwnd));
}

WindowRef TVXLCaretLocWnd::RootOf(WindowRef wnd) {
  return ToWindowRef(::GetAncestor(ToHwnd(wnd), GA_ROOT));
}

bool TVXLCaretLocWnd::GuiThread(WindowRef wnd, TGuiThreadState& state) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = ::GetWindowThreadProcessId(ToHwnd(wnd), nullptr);
  if (!::GetGUIThreadInfo(thread, &info)) return false;
  state.active = ToWindowRef(info.hwndActive);
  state.focus = ToWindowRef(info.hwndFocus);
  state.caretWindow = ToWindowRef(info.hwndCaret);
  state.caretShown = (info.flags & GUI_CARETBLINKING) != 0;
  if (info.hwndCaret != nullptr) {
    POINT corner{info.rcCaret.left, info.rcCaret.top};
    ::ClientToScreen(info.hwndCaret, &corner);
    const Size size = win::SizeOf(info.rcCaret);
    state.caret = {corner.x, corner.y, size.width, size.height};
  }
  return true;
}

bool TVXLCaretLocWnd::AccessibleCaret(WindowRef wnd, Box& caret) {
  return win::GetCaretFromObject(ToHwnd(wnd), caret);
}

WindowRef TVXLCaretLocWnd::FindTopLevel(const wchar_t* className) {
  return ToWindowRef(::FindWindowW(className, nullptr));
}

WindowRef TVXLCaretLocWnd::FindChild(WindowRef parent, const wchar_t* className) {
  return ToWindowRef(::FindWindowExW(ToHwnd(parent), nullptr, className, nullptr));
}

TWinEventDispatcher* TVXLCaretLocWnd::Hook() { return hook_ ? &hook_->Events() : nullptr; }

void TVXLCaretLocWnd::StartHook() {
  if (hook_) hook_->Start();
}

void TVXLCaretLocWnd::StopHook() {
  if (hook_) hook_->Stop();
}

// --- what the tracker orders -------------------------------------------------

void TVXLCaretLocWnd::SetMarkerOpacity(std::uint8_t opacity) {
  if (Handle()) {
    ::SetLayeredWindowAttributes(Handle(), kCaretColourKey, opacity, LWA_COLORKEY | LWA_ALPHA);
  }
}

void TVXLCaretLocWnd::InvalidateMarker() {
  if (Handle()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TVXLCaretLocWnd::PlaceMarker(const Box& bounds, MarkerMove how) {
  if (!Handle()) return;
  HWND insertAfter = nullptr;
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  switch (how) {
    // The whole window is painted anew; copying its old bits to the new
    // place would show the old marker there until the paint.
    case MarkerMove::Repaint: flags |= SWP_NOCOPYBITS; break;
    case MarkerMove::Carry: break;
    case MarkerMove::CarryOnTop:
      insertAfter = HWND_TOPMOST;
      flags = SWP_NOACTIVATE;
      break;
  }
  ::SetWindowPos(Handle(), insertAfter, bounds.left, bounds.top, bounds.width, bounds.height,
                 flags);
}

void TVXLCaretLocWnd::RaiseMarker(bool redraw) {
  if (!Handle()) return;
  const UINT flags = redraw ? kRaiseFlags : kRaiseFlags | SWP_NOREDRAW | SWP_NOCOPYBITS;
  ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, flags);
}

void TVXLCaretLocWnd::EnableHideTimer(bool enabled) {
  if (hideTimer_) hideTimer_->SetEnabled(enabled);
}

void TVXLCaretLocWnd::EnablePollTimer(bool enabled) {
  if (pollTimer_) pollTimer_->SetEnabled(enabled);
}

// --- painting ----------------------------------------------------------------

void TVXLCaretLocWnd::TShapeColour::Prepare(TColour wanted) {
  wanted &= 0xFFFFFF;
  if (pen && brush && wanted == colour) return;
  // Pen width 1: the outline is part of the shape.
  pen.reset(::CreatePen(PS_SOLID, 1, wanted));
  brush.reset(::CreateSolidBrush(wanted));
  colour = wanted;
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
  win::PaintDC paint(Handle());
  if (paint.dc() == nullptr) return;
  RECT client;
  ::GetClientRect(Handle(), &client);
  const Size size = win::SizeOf(client);
  HDC buffer = buffer_.Prepare(paint.dc(), size);
  if (buffer == nullptr) return;
  ::FillRect(buffer, &client, keyBrush_.get());
  // At opacity 0 the marker is left out as well: where the system shows
  // layered windows without their alpha (Wine without a compositor), a
  // faded marker must not stay on screen.
  if (tracker_.Opacity() > 0) PaintMarker(buffer);
  buffer_.CopyTo(paint.dc(), size);
}

// The pens and brushes leave the buffer after each shape colour, so that a
// colour change may delete them.
void TVXLCaretLocWnd::PaintMarker(HDC dc) {
  const CaretPlacement& placement = tracker_.Placement();
  barColour_.Prepare(config_.caretBarColour);
  {
    win::SelectGuard pen(dc, barColour_.pen.get());
    win::SelectGuard brush(dc, barColour_.brush.get());
    if (config_.caretBarTop) win::DrawPolygon(dc, placement.TopBar);
    if (config_.caretBarBottom) win::DrawPolygon(dc, placement.BottomBar);
  }
  triangleColour_.Prepare(config_.caretTriangleColour);
  win::SelectGuard pen(dc, triangleColour_.pen.get());
  win::SelectGuard brush(dc, triangleColour_.brush.get());
  if (config_.caretTriangleTop) win::DrawPolygon(dc, placement.TopTriangle);
  if (config_.caretTriangleBottom) win::DrawPolygon(dc, placement.BottomTriangle);
}

}  // namespace vxl
