// Every mouse message of the desktop is decoded by the service while the
// thread that produced it waits: the decoding must be cheap and allocate
// nothing. The allocation counter below makes the second half visible.
#include <benchmark/benchmark.h>

#include "AllocationCounter.h"
#include "service/HookMouseXP.h"

using vxl::bench::AllocationCount;
using vxl::bench::ReportAllocations;

namespace {

// A realistic mix: mostly moves, some buttons, a wheel notch, a double click.
const TMouseHookData kMix[] = {
    {0x0200, 10, 20, 0x1234, 1, 0, 0}, {0x0200, 11, 20, 0x1234, 1, 0, 0},
    {0x0201, 11, 20, 0x1234, 1, 0, 0}, {0x0200, 12, 21, 0x1234, 1, 0, 0},
    {0x0202, 12, 21, 0x1234, 1, 0, 0}, {0x020A, 12, 21, 0x1234, 1, 0, 0xFF880000},
    {0x00A0, 12, 21, 0x1234, 2, 0, 0}, {0x020B, 12, 21, 0x1234, 1, 0, 0x00010020},
    {0x0203, 12, 21, 0x1234, 1, 0, 0}, {0x0200, 13, 22, 0x1234, 1, 0, 0},
};
constexpr std::size_t kMixSize = sizeof kMix / sizeof kMix[0];

void BM_DecodeForwardedRecord(benchmark::State& state) {
  const vxl::TShiftStateEx sampled{vxl::ssRight, vxl::ssCtrl};
  std::size_t i = 0;
  const long before = AllocationCount();
  for (auto _ : state) {
    const TMouseHookData& block = kMix[i++ % kMixSize];
    TMouseHookData data;
    benchmark::DoNotOptimize(vxl::ReadMouseHookData(&block, sizeof block, data));
    benchmark::DoNotOptimize(vxl::DecodeMouseMessage(data, sampled));
  }
  ReportAllocations(state, before);
}
BENCHMARK(BM_DecodeForwardedRecord);

class NoLibrary : public vxl::IHookLibrarySystem {
  bool LoadHookLibrary(const std::string&) override { return false; }
  bool BindInitialisationHook() override { return false; }
  bool BindFinalisationHook() override { return false; }
  bool CallInitialisationHook() override { return false; }
  void CallFinalisationHook() override {}
  void FreeHookLibrary() override {}
  void ShowMessage(const std::string&) override {}
};

// The whole answer path with every typed event bound, as the service binds
// them: record in, events called, answer out.
void BM_HandleForwardedMessage(benchmark::State& state) {
  NoLibrary system;
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
    const TMouseHookData& block = kMix[i++ % kMixSize];
    benchmark::DoNotOptimize(hook.HandleForwardedMessage(&block, sizeof block, {vxl::ssShift}));
  }
  ReportAllocations(state, before);
  benchmark::DoNotOptimize(seen);
}
BENCHMARK(BM_HandleForwardedMessage);

}  // namespace
