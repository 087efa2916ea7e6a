// A full-screen colour filter transforms every pixel 25 times a second on
// the user-interface thread: one frame must take a small part of 40 ms.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "service/uformFilterWnd.h"

namespace {

// A 1920 x 1080 capture in runs of equal pixels: run 1 is the worst case
// (every pixel differs), longer runs are closer to windows and text.
std::vector<std::uint32_t> ScreenCapture(int run) {
  std::vector<std::uint32_t> pixels(1920 * 1080);
  std::uint32_t seed = 12345;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    if (i % static_cast<std::size_t>(run) == 0) seed = seed * 1664525 + 1013904223;
    pixels[i] = seed >> 8;  // top byte 0
  }
  return pixels;
}

void BM_FilterFullHdFrame(benchmark::State& state) {
  const auto mode = static_cast<std::int32_t>(state.range(0));
  const auto settings = vxl::MakeFilterSettings(mode, {0x00FF0000, 0x000000FF}, {});
  const std::vector<std::uint32_t> capture = ScreenCapture(static_cast<int>(state.range(1)));
  std::vector<std::uint32_t> frame = capture;
  for (auto _ : state) {
    state.PauseTiming();
    frame = capture;
    state.ResumeTiming();
    vxl::ApplyPixelFilter(frame.data(), frame.size(), settings);
    benchmark::DoNotOptimize(frame.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(frame.size()));
}
BENCHMARK(BM_FilterFullHdFrame)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 7, 1), {1}})
    ->Args({1, 8})
    ->Args({1, 64})
    ->Unit(benchmark::kMillisecond);

}  // namespace
