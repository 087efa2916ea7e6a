// What one locator paint spends on computing: the arrow geometry and the
// bars' polygon for the pointer at (1000, 700).
#include <benchmark/benchmark.h>

#include "common/ConfigRecord.h"
#include "service/uDraw.h"
#include "service/uformMouseLoc.h"

namespace {

void BM_ArrowAndBars(benchmark::State& state) {
  vxl::TConfigRecord config;
  vxl::ResetToDefaults(config);
  vxl::Point pointer{1000, 700};
  for (auto _ : state) {
    benchmark::DoNotOptimize(pointer);
    const vxl::ArrowGeometry arrow = vxl::ComputeArrow(pointer, config);
    benchmark::DoNotOptimize(vxl::BarPolygon(arrow.extent, config.borderWidth));
  }
}
BENCHMARK(BM_ArrowAndBars);

void BM_LocatorTick(benchmark::State& state) {
  vxl::LocatorPositions positions;
  vxl::TickContext context;
  context.taskbarRect = {0, 994, 1280, 1024};
  context.screen = {1280, 1024};
  int i = 0;
  for (auto _ : state) {
    context.target = {1000 + (i++ & 1), 700};
    benchmark::DoNotOptimize(vxl::LocatorTick(positions, false, context));
  }
}
BENCHMARK(BM_LocatorTick);

}  // namespace
