// A full-screen colour filter transforms every pixel 25 times a second on
// the user-interface thread. Each benchmark filters one 1920 x 1080 frame on
// one path and, in the same loop, copies it with memcpy and (now and then)
// filters it with the reference, so that the figures are ratios measured
// side by side on this machine at this moment:
//   vs_memcpy    path time / memcpy time      (the copy is the floor)
//   ref_speedup  reference time / path time
// Time is the path's. The frames are filtered from one buffer into another,
// which moves the same bytes as the copy; the lens filters in place.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "service/uformFilterWnd.h"

namespace {

using vxl::TFilterPath;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Each pixel a random colour: the worst case for every cache of results.
std::vector<std::uint32_t> RandomFrame() {
  std::vector<std::uint32_t> pixels(kWidth * kHeight);
  std::uint32_t seed = 12345;
  for (auto& p : pixels) {
    seed = seed * 1664525 + 1013904223;
    p = seed >> 8;  // top byte 0, as captured
  }
  return pixels;
}

// What a desktop mostly is: a flat background, windows with flat title bars
// and white client areas, and lines of dark text with grey anti-aliased
// edges.
std::vector<std::uint32_t> ScreenshotFrame() {
  std::vector<std::uint32_t> pixels(kWidth * kHeight, 0x003A6EA5);
  const auto fill = [&](int x0, int y0, int w, int h, std::uint32_t colour) {
    for (int y = y0; y < y0 + h && y < kHeight; ++y) {
      for (int x = x0; x < x0 + w && x < kWidth; ++x) pixels[y * kWidth + x] = colour;
    }
  };
  std::uint32_t seed = 777;
  const auto next = [&seed](std::uint32_t range) {
    seed = seed * 1664525 + 1013904223;
    return (seed >> 8) % range;
  };
  const struct {
    int x, y, w, h;
    std::uint32_t title;
  } windows[] = {{40, 30, 1100, 700, 0x000078D7},
                 {700, 300, 1150, 740, 0x002B2B2B},
                 {200, 650, 600, 400, 0x00F0F0F0}};
  for (const auto& w : windows) {
    fill(w.x - 1, w.y - 1, w.w + 2, w.h + 2, 0x00A0A0A0);
    fill(w.x, w.y, w.w, 30, w.title);
    fill(w.x, w.y + 30, w.w, w.h - 30, 0x00FFFFFF);
    for (int line = w.y + 50; line + 12 < w.y + w.h; line += 18) {
      int x = w.x + 10;
      const int end = w.x + 10 + static_cast<int>(next(static_cast<std::uint32_t>(w.w - 20)));
      while (x + 8 < end) {
        for (int letters = 3 + static_cast<int>(next(7)); letters > 0 && x + 8 < end; --letters) {
          // A letter: one or two dark strokes, grey on their edges.
          for (int stroke = 0; stroke < 1 + static_cast<int>(next(2)); ++stroke) {
            const int sx = x + 1 + static_cast<int>(next(5));
            fill(sx - 1, line, 1, 11, 0x00C0C0C0);
            fill(sx, line, 1, 11, 0x00202020);
            fill(sx + 1, line, 1, 11, 0x00808080);
          }
          fill(x, line + static_cast<int>(next(11)), 6, 1, 0x00202020);
          x += 7;
        }
        x += 7;  // a space
      }
    }
  }
  return pixels;
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

void BM_PixelFilter(benchmark::State& state, std::int32_t mode, TFilterPath path, bool screenshot) {
  if (!vxl::IsFilterPathAvailable(path)) {
    state.SkipWithError("this processor does not have this path");
    return;
  }
  // Substitutions of colours the screenshot has: white and the text's grey.
  const auto settings =
      vxl::MakeFilterSettings(mode, {0x00FFFFFF, 0x00FFFF00}, {0x00202020, 0x000000FF});
  const std::vector<std::uint32_t> in = screenshot ? ScreenshotFrame() : RandomFrame();
  std::vector<std::uint32_t> out(in.size());
  const std::size_t bytes = in.size() * sizeof(in[0]);

  double copying = 0, filtering = 0, reference = 0;
  std::int64_t references = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    std::memcpy(out.data(), in.data(), bytes);
    benchmark::ClobberMemory();
    const auto t1 = Clock::now();
    vxl::FilterPixels(path, in.data(), out.data(), in.size(), settings);
    benchmark::ClobberMemory();
    const auto t2 = Clock::now();
    copying += Seconds(t1 - t0);
    filtering += Seconds(t2 - t1);
    state.SetIterationTime(Seconds(t2 - t1));
    // The reference is much slower: run it only while it has taken less
    // time than the path, so that it costs the run about as much.
    if (reference <= filtering) {
      const auto r0 = Clock::now();
      vxl::FilterPixels(TFilterPath::Reference, in.data(), out.data(), in.size(), settings);
      benchmark::ClobberMemory();
      reference += Seconds(Clock::now() - r0);
      ++references;
    }
  }
  const double iterations = static_cast<double>(state.iterations());
  state.counters["vs_memcpy"] = filtering / copying;
  state.counters["ref_speedup"] =
      (reference / static_cast<double>(references)) / (filtering / iterations);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

const char* PathName(TFilterPath path) {
  switch (path) {
    case TFilterPath::Reference: return "reference";
    case TFilterPath::Sse2: return "SSE2";
    case TFilterPath::Avx2: return "AVX2";
  }
  return "?";
}

// PixelFilter/<path>/<frame>/mode:<n>
const bool kRegistered = [] {
  for (TFilterPath path : {TFilterPath::Avx2, TFilterPath::Sse2}) {
    for (bool screenshot : {false, true}) {
      for (std::int32_t mode = 0; mode < vxl::kFilterModeCount; ++mode) {
        const std::string name = std::string("PixelFilter/") + PathName(path) +
                                 (screenshot ? "/screenshot" : "/random") +
                                 "/mode:" + std::to_string(mode);
        benchmark::RegisterBenchmark(name.c_str(), BM_PixelFilter, mode, path, screenshot)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
      }
    }
  }
  return true;
}();

}  // namespace
