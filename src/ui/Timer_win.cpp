#include "ui/Timer_win.h"

namespace vxl::ui {

TTimer::TTimer(const ComponentDecl& decl, TCustomForm& owner)
    : TComponent(decl, &owner), timer_(MakeTimer(decl.interval)) {
  timer_->SetEnabled(!(decl.flags & kDisabled));
}

std::unique_ptr<win::TSimpleTimer> TTimer::MakeTimer(int ms) {
  return std::make_unique<win::TSimpleTimer>(static_cast<std::uint32_t>(ms),
                                             [this] { Fire(Event::Timer); });
}

void TTimer::SetInterval(int ms) {
  if (ms == Interval()) return;
  const bool enabled = Enabled();
  timer_ = MakeTimer(ms);
  timer_->SetEnabled(enabled);
}

}  // namespace vxl::ui
