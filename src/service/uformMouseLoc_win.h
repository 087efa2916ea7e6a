// TVexilorLocWnd: the pointer locator's window. Topmost, layered, click-
// through, never activated, always at the screen origin and reaching just
// beyond the pointer; a frame timer thread re-sizes it at every tick and the
// paint draws the locator (uDraw_win) into it.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>

#include "common/ConfigRecord.h"
#include "service/LocatorPositions.h"
#include "service/ServiceHost.h"
#include "service/uDraw_win.h"
#include "service/uformMain.h"
#include "service/uformMouseLoc.h"
#include "ui/BaseWindow_win.h"
#include "ui/SimpleTimer_win.h"
#include "ui/WaitableTime_win.h"

namespace vxl {

class TVexilorLocWnd final : public win::TBaseWindow<TVexilorLocWnd> {
 public:
  static constexpr const wchar_t* kClassName = L"TVexilorLocWnd";

  // The record, state and positions are the service's; they and the host
  // outlive the window. The host is asked from the frame timer thread too.
  TVexilorLocWnd(TConfigRecord& config, ServiceState& state, LocatorPositions& positions,
                 IServiceHost& host);
  ~TVexilorLocWnd() override;

  // Creates the hidden 1 x 1 window owned by owner and its two timers.
  bool Create(HWND owner);

  // Paint routine and layered attributes for the current record.
  void ApplySettings();
  void ShowAt(int x, int y);
  void Hide();
  bool Visible() const;
  void Repaint();
  void EnableInactivityTimer(bool enabled);
  void TogglePerformanceMonitor() { monitor_.Toggle(); }
  bool PerformanceMonitorOn() const { return monitor_.on; }

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // Posted by the frame timer thread: the hide it decided runs here.
  static constexpr UINT kHideRequest = WM_APP + 1;

  static void TickThunk(void* self);
  void Tick();
  void InactivityCheck();
  void StopTimers();
  void Place(HWND insertAfter, Size size, UINT flags);

  void OnPaint();
  void OnWindowPosChanging(WINDOWPOS* position);
  void OnSize();
  void OnDestroy();

  TConfigRecord& config_;
  ServiceState& state_;
  LocatorPositions& positions_;
  IServiceHost& host_;
  // Read by the frame timer thread too.
  const FilterOrigins& filterOrigins_;

  // Read by the frame timer thread.
  std::atomic<bool> moving_{false};
  std::atomic<bool> performanceMode_{false};
  std::atomic<HWND> window_{nullptr};
  Rect taskbarRect_;  // taken once at creation

  PaintRoutine routine_ = PaintRoutine::Full;
  TPerformanceMonitor monitor_;
  TLocatorPainter painter_;
  std::unique_ptr<win::TWaitableTime> frameTimer_;
  std::unique_ptr<win::TSimpleTimer> inactivityTimer_;
};

}  // namespace vxl
