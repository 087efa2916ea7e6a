// One mouse message of the desktop as the service handles it while the
// application that produced it waits: the forwarded record decoded, the
// typed event raised, the shortcut rules applied, the answer given.
#include <benchmark/benchmark.h>

#include "AllocationCounter.h"
#include "NullHosts.h"
#include "service/HookMouseXP.h"
#include "service/MouseShortcuts.h"
#include "service/uActions.h"

namespace {

using namespace vxl;

// The default record's rules, bound to the hook's events the way the main
// window binds them.
struct ServicePath {
  null::NullServiceHost host;
  null::NullSystemUtilities system;
  null::NullHookLibrary library;
  TServiceCore core{host};
  TActions actions{core, host, system};
  TMouseShortcuts shortcuts{core, actions, host, system};
  THookMouseXP hook{library, false};

  ServicePath() {
    hook.OnMouseDown = [this](THookMouseXP&, TMouseButtonEx button, TShiftStateEx shift,
                              std::int32_t, std::int32_t, WindowRef window, std::uint32_t hitTest,
                              std::uint32_t, std::uint32_t, bool clientArea, bool& stop) {
      shortcuts.MouseDown(button, shift, window, hitTest, clientArea, stop);
    };
    hook.OnMouseUp = [this](THookMouseXP&, TMouseButtonEx button, TShiftStateEx shift,
                            std::int32_t x, std::int32_t y, WindowRef window, std::uint32_t,
                            std::uint32_t, std::uint32_t, bool, bool& stop) {
      shortcuts.MouseUp(button, shift, {x, y}, window, stop);
    };
    hook.OnMouseMove = [this](THookMouseXP&, TShiftStateEx, std::int32_t x, std::int32_t y,
                              WindowRef window, std::uint32_t, std::uint32_t, bool, bool&) {
      shortcuts.MouseMove({x, y}, window);
    };
    hook.OnMouseWheelUp = [this](THookMouseXP&, TShiftStateEx shift, Point, WindowRef window,
                                 bool& stop) { shortcuts.WheelUp(shift, window, stop); };
    hook.OnMouseWheelDown = [this](THookMouseXP&, TShiftStateEx shift, Point, WindowRef window,
                                   bool& stop) { shortcuts.WheelDown(shift, window, stop); };
  }
};

void BM_MouseMessageThroughTheService(benchmark::State& state) {
  ServicePath path;
  std::size_t i = 0;
  const long before = bench::AllocationCount();
  for (auto _ : state) {
    const TMouseHookData& block = null::kMouseMix[i++ % null::kMouseMixSize];
    // Shift held: the default record binds no button or wheel with Shift
    // alone, so every rule is looked at and no action runs.
    benchmark::DoNotOptimize(path.hook.HandleForwardedMessage(&block, sizeof block, {ssShift}));
  }
  bench::ReportAllocations(state, before);
}
BENCHMARK(BM_MouseMessageThroughTheService);

// The baseline the figure above is read against: one call that the compiler
// cannot see through.
[[gnu::noinline]] int BareCall(int value) {
  benchmark::DoNotOptimize(value);
  return value + 1;
}

void BM_BareFunctionCall(benchmark::State& state) {
  int value = 0;
  for (auto _ : state) benchmark::DoNotOptimize(value = BareCall(value));
}
BENCHMARK(BM_BareFunctionCall);

}  // namespace
