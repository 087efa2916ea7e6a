#include "ui/SimpleTimer_win.h"

namespace vxl::win {

namespace {
constexpr const wchar_t* kClassName = L"VxlSimpleTimer";
}

TSimpleTimer::TSimpleTimer(std::uint32_t intervalMs, std::function<void()> onTimer)
    : intervalMs_(intervalMs), onTimer_(std::move(onTimer)) {
  // A message-only window: never shown, never enumerated as top-level.
  if (RegisterWindowClass(kClassName, nullptr)) {
    CreateHandle(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE);
  }
}

TSimpleTimer::~TSimpleTimer() {
  SetEnabled(false);
  DestroyHandle();
}

void TSimpleTimer::SetEnabled(bool enabled) {
  if (!Handle()) return;
  // Killing first makes every enabling start a fresh interval.
  ::KillTimer(Handle(), kTimerId);
  enabled_ = enabled && ::SetTimer(Handle(), kTimerId, intervalMs_, nullptr) != 0;
}

LRESULT TSimpleTimer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kTimerId) OnTimer();
      return 0;
  }
  return Default(message, wParam, lParam);
}

void TSimpleTimer::OnTimer() {
  if (enabled_ && onTimer_) onTimer_();
}

}  // namespace vxl::win
