#include "service/uformMouseLoc_win.h"

#include <algorithm>

#include "ui/Overlay_win.h"
#include "ui/WinGeometry_win.h"
#include "ui/WinPaint_win.h"

namespace vxl {
namespace {

Rect TaskbarRect() {
  Rect rect;
  if (!win::WindowRect(::FindWindowW(L"Shell_TrayWnd", nullptr), rect)) return {};
  return rect;
}

Size PrimaryScreen() { return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; }

}  // namespace

TVexilorLocWnd::TVexilorLocWnd(TConfigRecord& config, ServiceState& state,
                               LocatorPositions& positions, IServiceHost& host)
    : config_(config),
      state_(state),
      positions_(positions),
      host_(host),
      filterOrigins_(host.Filters().Origins()),
      painter_(config, positions, monitor_) {}

TVexilorLocWnd::~TVexilorLocWnd() {
  StopTimers();
  DestroyHandle();
}

bool TVexilorLocWnd::Create(HWND owner) {
  if (!RegisterWindowClass(kClassName, nullptr)) return false;
  if (!CreateHandle(win::kOverlayExStyle, kClassName, L"", win::kOverlayStyle, 0, 0, 1, 1, owner)) {
    return false;
  }
  window_ = Handle();
  moving_ = false;
  ApplySettings();
  taskbarRect_ = TaskbarRect();
  // Both periods are read here only; later records do not change them.
  frameTimer_ = std::make_unique<win::TWaitableTime>();
  frameTimer_->SetPeriod(EffectiveFramePeriodMs(config_.framePeriodMs));
  frameTimer_->SetOnTimer(&TVexilorLocWnd::TickThunk, this);
  inactivityTimer_ =
      std::make_unique<win::TSimpleTimer>(config_.autoHideDelayMs, [this] { InactivityCheck(); });
  return true;
}

void TVexilorLocWnd::ApplySettings() {
  const LayeredAttributes attributes = ChooseLayeredAttributes(config_);
  routine_ = attributes.routine;
  performanceMode_ = static_cast<bool>(config_.performanceMode);
  if (config_.performanceMode) config_.framePeriodMs = kPerformanceFramePeriodMs;
  if (!Handle()) return;
  const DWORD flags = LWA_COLORKEY | (attributes.useAlpha ? LWA_ALPHA : 0);
  ::SetLayeredWindowAttributes(Handle(), attributes.colourKey & 0xFFFFFF, attributes.alpha, flags);
}

void TVexilorLocWnd::ShowAt(int x, int y) {
  if (!Handle()) return;
  const Point at{x, y};
  if (ShowAtRefused(at, filterOrigins_.Frame())) return;
  positions_.previousPosition.Store({-1, -1});
  positions_.currentPosition.Store(at);
  // Until the first tick the window reaches exactly to the point.
  const Size size{std::max(x, 0), std::max(y, 0)};
  Place(HWND_TOPMOST, size, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE);
  if (frameTimer_) frameTimer_->Start(true);
  EnableInactivityTimer(config_.autoHideOnIdle);
}

void TVexilorLocWnd::Hide() {
  if (frameTimer_) frameTimer_->Stop();
  EnableInactivityTimer(false);
  if (Handle()) Place(HWND_TOPMOST, {1, 1}, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE);
}

bool TVexilorLocWnd::Visible() const { return Handle() && ::IsWindowVisible(Handle()); }

void TVexilorLocWnd::Repaint() {
  if (Handle()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TVexilorLocWnd::EnableInactivityTimer(bool enabled) {
  if (inactivityTimer_) inactivityTimer_->SetEnabled(enabled);
}

void TVexilorLocWnd::Place(HWND insertAfter, Size size, UINT flags) {
  ::SetWindowPos(window_, insertAfter, 0, 0, size.width, size.height, flags);
}

// --- frame timer thread ------------------------------------------------------

void TVexilorLocWnd::TickThunk(void* self) { static_cast<TVexilorLocWnd*>(self)->Tick(); }

void TVexilorLocWnd::Tick() {
  HWND window = window_;
  // A signal that fell due just before a Hide still arrives once; a hidden
  // window stays as Hide left it.
  if (window == nullptr || !::IsWindowVisible(window)) return;
  TickContext context;
  if (state_.serviceMode == kServiceModeConfiguration) {
    context.target = ConfigPreviewPoint(host_, state_.configWindow);
  } else {
    POINT cursor;
    context.target =
        ::GetCursorPos(&cursor) ? Point{cursor.x, cursor.y} : positions_.currentPosition.Load();
  }
  context.taskbarRect = taskbarRect_;
  context.performanceMode = performanceMode_;
  context.filterLensOrigin = filterOrigins_.Lens();
  context.screen = PrimaryScreen();

  const TickDecision decision = LocatorTick(positions_, moving_, context);
  switch (decision.action) {
    case TickAction::Nothing: return;
    case TickAction::Hide: ::PostMessageW(window, kHideRequest, 0, 0); return;
    case TickAction::Reorder: Place(HWND_TOPMOST, {}, decision.flags); break;
    case TickAction::Resize: Place(HWND_TOPMOST, decision.size, decision.flags); break;
  }
  if (decision.repaint) ::InvalidateRect(window, nullptr, FALSE);
}

// --- user-interface thread ---------------------------------------------------

void TVexilorLocWnd::InactivityCheck() {
  if (AutoHideWanted(state_.serviceMode, config_, Visible(), positions_.previousPosition.Load(),
                     positions_.currentPosition.Load())) {
    Hide();
  }
}

void TVexilorLocWnd::StopTimers() {
  if (frameTimer_) {
    frameTimer_->RequestEnd();
    frameTimer_->WaitForEnd();
    frameTimer_.reset();
  }
  inactivityTimer_.reset();
}

LRESULT TVexilorLocWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;  // the paint covers every pixel
    case WM_SIZE: OnSize(); return 0;
    case WM_WINDOWPOSCHANGING: OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
    case WM_ENTERSIZEMOVE: moving_ = true; return 1;
    case WM_EXITSIZEMOVE: moving_ = false; return 1;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_CLOSE: Hide(); return 0;  // the service owns the window's life
    case kHideRequest: Hide(); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
  }
  return Default(message, wParam, lParam);
}

void TVexilorLocWnd::OnPaint() {
  win::PaintDC paint(Handle());
  if (paint.dc() == nullptr) return;
  RECT client;
  ::GetClientRect(Handle(), &client);
  painter_.Paint(routine_, paint.dc(), client.right, client.bottom);
}

void TVexilorLocWnd::OnWindowPosChanging(WINDOWPOS* position) {
  // Whoever re-orders the window, it stays above the topmost windows.
  if (position) position->hwndInsertAfter = HWND_TOPMOST;
}

void TVexilorLocWnd::OnSize() { ::InvalidateRect(Handle(), nullptr, FALSE); }

void TVexilorLocWnd::OnDestroy() {
  // The frame thread places this window: it must end before the window goes.
  StopTimers();
  window_ = nullptr;
}

}  // namespace vxl
