// TTimer: the table's timer component over TSimpleTimer: an interval, an
// Enabled switch and OnTimer.
#pragma once

#include <memory>

#include "ui/Component_win.h"
#include "ui/SimpleTimer_win.h"

namespace vxl::ui {

class TTimer final : public TComponent {
 public:
  TTimer(const ComponentDecl& decl, TCustomForm& owner);
  bool Enabled() const { return timer_->Enabled(); }
  // Every enabling starts a fresh interval.
  void SetEnabled(bool enabled) { timer_->SetEnabled(enabled); }
  int Interval() const { return static_cast<int>(timer_->IntervalMs()); }
  void SetInterval(int ms);

 private:
  std::unique_ptr<win::TSimpleTimer> MakeTimer(int ms);
  std::unique_ptr<win::TSimpleTimer> timer_;
};

}  // namespace vxl::ui
