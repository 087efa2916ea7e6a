// What the service spends of its own on every caret move of every
// application: sorting the event, asking the (here instant) accessibility
// source, and placing the marker.
#include <benchmark/benchmark.h>

#include "common/ConfigRecord.h"
#include "service/uclWinEvent.h"
#include "service/uformCaretLoc.h"

namespace {

class InstantSource : public vxl::IAccessibilitySource {
 public:
  bool ObjectFromEvent(vxl::WindowRef, std::int32_t, std::int32_t) override { return true; }
  void Location(vxl::Box& box) override { box = {500 + (++moves_ & 63), 300, 1, 20}; }
  bool Role(std::int32_t& role) override {
    role = vxl::kRoleSystemText;
    return true;
  }
  void WindowClass(vxl::WindowRef, vxl::TClassName& name) override { name.Assign("Edit"); }
  bool WindowRect(vxl::WindowRef, vxl::Rect&) override { return false; }
  void MoveTopmost(vxl::WindowRef, vxl::Point) override {}

 private:
  int moves_ = 0;
};

class PlacingHandlers : public vxl::IWinEventHandlers {
 public:
  PlacingHandlers() {
    vxl::ResetToDefaults(config_);
    vxl::LayoutBars(config_, {1, 100, 80, 800, 600}, {2, 200, 250, 300, 120}, 1920, placement_);
  }
  void OnCaretHide(const vxl::Box&) override {}
  void OnCaretMove(const vxl::Box& box) override { vxl::PlaceCaret(config_, box, placement_); }
  void OnWindowMove(vxl::WindowRef, vxl::WindowRef) override {}
  void OnFocus(vxl::WindowRef, std::string_view, const vxl::Box&) override {}
  void OnForeground(vxl::WindowRef, std::string_view, const vxl::Box&) override {}
  void OnScroll(vxl::WindowRef, bool) override {}
  const vxl::CaretPlacement& Placement() const { return placement_; }

 private:
  vxl::TConfigRecord config_;
  vxl::CaretPlacement placement_;
};

void BM_CaretLocationEvent(benchmark::State& state) {
  InstantSource source;
  PlacingHandlers handlers;
  vxl::TWinEventDispatcher events(source);
  events.SetHandlers(&handlers);
  for (auto _ : state) {
    events.HandleEvent(vxl::kEventObjectLocationChange, 7, vxl::kObjIdCaret, vxl::kChildIdSelf);
    benchmark::DoNotOptimize(handlers.Placement().CaretX);
  }
}
BENCHMARK(BM_CaretLocationEvent);

void BM_FocusOnText(benchmark::State& state) {
  InstantSource source;
  PlacingHandlers handlers;
  vxl::TWinEventDispatcher events(source);
  events.SetHandlers(&handlers);
  for (auto _ : state) {
    events.HandleEvent(vxl::kEventObjectFocus, 7, vxl::kObjIdClient, vxl::kChildIdSelf);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FocusOnText);

}  // namespace
