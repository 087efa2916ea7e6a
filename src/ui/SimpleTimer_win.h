// TSimpleTimer: a window-message timer on the thread that creates it. It is
// created with an interval and a handler, starts disabled, calls the handler
// once per interval while enabled, and every enabling starts a fresh
// interval, also when it was already running.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "ui/BaseWindow_win.h"

namespace vxl::win {

class TSimpleTimer final : public TBaseWindow<TSimpleTimer> {
 public:
  TSimpleTimer(std::uint32_t intervalMs, std::function<void()> onTimer);
  ~TSimpleTimer() override;

  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  std::uint32_t IntervalMs() const { return intervalMs_; }

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static constexpr UINT_PTR kTimerId = 1;
  void OnTimer();

  std::uint32_t intervalMs_;
  std::function<void()> onTimer_;
  bool enabled_ = false;
};

}  // namespace vxl::win
