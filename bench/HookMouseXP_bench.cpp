// Every mouse message of the desktop is decoded by the service while the
// thread that produced it waits: the decoding must be cheap and allocate
// nothing. The allocation counter below makes the second half visible.
#include <benchmark/benchmark.h>

#include "AllocationCounter.h"
#include "NullHosts.h"
#include "service/HookMouseXP.h"

using vxl::bench::AllocationCount;
using vxl::bench::ReportAllocations;

namespace {

void BM_DecodeForwardedRecord(benchmark::State& state) {
  const vxl::TShiftStateEx sampled{vxl::ssRight, vxl::ssCtrl};
  std::size_t i = 0;
  const long before = AllocationCount();
  for (auto _ : state) {
    const TMouseHookData& block = vxl::null::kMouseMix[i++ % vxl::null::kMouseMixSize];
    TMouseHookData data;
    benchmark::DoNotOptimize(vxl::ReadMouseHookData(&block, sizeof block, data));
    benchmark::DoNotOptimize(vxl::DecodeMouseMessage(data, sampled));
  }
  ReportAllocations(state, before);
}
BENCHMARK(BM_DecodeForwardedRecord);

// The whole answer path with every typed event bound, as the service binds
// them: record in, events called, answer out.
void BM_HandleForwardedMessage(benchmark::State& state) {
  vxl::null::NullHookLibrary system;
  vxl::THookMouseXP hook(system, false);
  long seen = 0;
  hook.OnMouseDown = [&](auto&&...) { ++seen; };
  hook.OnMouseUp = [&](auto&&...) { ++seen; };
  hook.OnMouseMove = [&](auto&&...) { ++seen; };
  hook.OnMouseWheelDown = [&](auto&&...) { ++seen; };
  hook.OnMouseWheelUp = [&](auto&&...) { ++seen; };
  std::size_t i = 0;
  const long before = AllocationCount();
  for (auto _ : state) {
    const TMouseHookData& block = vxl::null::kMouseMix[i++ % vxl::null::kMouseMixSize];
    benchmark::DoNotOptimize(hook.HandleForwardedMessage(&block, sizeof block, {vxl::ssShift}));
  }
  ReportAllocations(state, before);
  benchmark::DoNotOptimize(seen);
}
BENCHMARK(BM_HandleForwardedMessage);

}  // namespace
