#include "E2eClickTarget.h"

#include <cwchar>

namespace e2e {
namespace {

constexpr const wchar_t* kTargetClass = L"VxlE2eClickTarget";
// Questions the test program sends to the helper's window.
constexpr UINT kAskLeftPresses = WM_APP + 1;
constexpr UINT kAskLastLeftPressTicks = WM_APP + 2;
constexpr UINT kAskHookLibraryLoaded = WM_APP + 3;
constexpr UINT kAskLeftReleases = WM_APP + 4;

struct TargetState {
  int leftPresses = 0;
  int leftReleases = 0;
  LONGLONG lastLeftPress = 0;
};
// The helper has exactly one window; its procedure has no other way to it.
TargetState gTarget;

LRESULT CALLBACK TargetProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      gTarget.lastLeftPress = Ticks();
      ++gTarget.leftPresses;
      return 0;
    case WM_LBUTTONUP: ++gTarget.leftReleases; return 0;
    case kAskLeftPresses: return gTarget.leftPresses;
    case kAskLeftReleases: return gTarget.leftReleases;
    case kAskLastLeftPressTicks: return static_cast<LRESULT>(gTarget.lastLeftPress);
    case kAskHookLibraryLoaded: return ::GetModuleHandleW(L"ZARTHOOK.DLL") != nullptr;
    case WM_DESTROY: ::PostQuitMessage(0); return 0;
  }
  return ::DefWindowProcW(wnd, message, wParam, lParam);
}

}  // namespace

int RunClickTarget(int argc, wchar_t** argv) {
  if (argc < 6) return 2;
  const int left = _wtoi(argv[2]), top = _wtoi(argv[3]);
  const int width = _wtoi(argv[4]), height = _wtoi(argv[5]);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = TargetProc;  // no CS_DBLCLKS: every press is a press
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = ::CreateSolidBrush(RGB(230, 160, 40));
  wc.lpszClassName = kTargetClass;
  ::RegisterClassExW(&wc);
  HWND wnd = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kTargetClass, L"click target",
                               WS_POPUP | WS_VISIBLE, left, top, width, height, nullptr, nullptr,
                               wc.hInstance, nullptr);
  if (wnd == nullptr) return 1;
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}

ClickTarget::ClickTarget(RECT rect) : rect_(rect) {
  wchar_t self[MAX_PATH];
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  wchar_t arguments[128];
  std::swprintf(arguments, 128, L"%ls %ld %ld %ld %ld", kClickTargetSwitch, rect.left, rect.top,
                rect.right - rect.left, rect.bottom - rect.top);
  if (process_.Start(self, arguments, DistFolder())) {
    wnd_ = WaitForWindow(kTargetClass, process_.Id());
  }
}

POINT ClickTarget::Centre() const {
  return {(rect_.left + rect_.right) / 2, (rect_.top + rect_.bottom) / 2};
}

int ClickTarget::LeftPresses() const {
  return static_cast<int>(Send(wnd_, kAskLeftPresses, 0, 0).value_or(-1));
}

int ClickTarget::LeftReleases() const {
  return static_cast<int>(Send(wnd_, kAskLeftReleases, 0, 0).value_or(-1));
}

LONGLONG ClickTarget::LastLeftPressTicks() const {
  return static_cast<LONGLONG>(Send(wnd_, kAskLastLeftPressTicks, 0, 0).value_or(0));
}

bool ClickTarget::HookLibraryLoaded() const {
  return Send(wnd_, kAskHookLibraryLoaded, 0, 0).value_or(0) != 0;
}

bool ClickTarget::WaitForLeftPressesAbove(int count, DWORD timeoutMs) const {
  return WaitUntil([&] { return LeftPresses() > count; }, timeoutMs);
}

}  // namespace e2e
