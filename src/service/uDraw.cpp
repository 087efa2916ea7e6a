#include "service/uDraw.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vxl {
namespace {

// Records can hold any 32-bit values; sums of them are taken in 64 bits and
// brought back here so that no paint overflows.
std::int32_t Saturate(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t RoundHalfEven(double v) {
  if (std::isnan(v)) return 0;
  constexpr double kMin = std::numeric_limits<std::int32_t>::min();
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  // nearbyint rounds halves to even in the default rounding mode.
  return static_cast<std::int32_t>(std::clamp(std::nearbyint(v), kMin, kMax));
}

std::optional<TColour> BackgroundFillColour(const TConfigRecord& config) {
  // Like every record colour, only the low 24 bits count: GDI would take a
  // set high byte as a palette request.
  const TColour colour = config.backgroundColour & 0xFFFFFF;
  if (colour == kNoFillColour) return std::nullopt;
  return colour;
}

ArrowGeometry ComputeArrow(Point pointer, const TConfigRecord& config) {
  const double dx = static_cast<double>(pointer.x) - kArrowAnchor.x;
  const double dy = static_cast<double>(pointer.y) - kArrowAnchor.y;
  const std::int64_t length =
      static_cast<std::int64_t>(RoundHalfEven(std::sqrt(dx * dx + dy * dy))) - 20 -
      config.borderWidth - 2;
  const double angle = std::atan2(dy, dx);
  const double s = std::sin(angle);
  const double c = std::cos(angle);

  const std::int32_t h = config.arrowBarWidth;
  const double m = -static_cast<double>(h / 2);  // C++ division truncates toward zero
  const double L = static_cast<double>(length);
  const double pl = config.arrowPinLength;
  const double po = config.arrowPinOffset;
  const double pw = config.arrowPinWidth;
  const double tail = kArrowAnchor.x;
  const double along[7] = {tail, L - pl + po, L - pl, L, L - pl, L - pl + po, tail};
  const double across[7] = {m, m, m - pw, 0, h + m + pw, h + m, h + m};

  ArrowGeometry arrow;
  for (int i = 0; i < 7; ++i) {
    const double x = along[i];
    const double y = across[i];
    arrow.points[i] = {RoundHalfEven(x * c - y * s + kArrowAnchor.x),
                       RoundHalfEven(x * s + y * c + kArrowAnchor.y)};
  }
  const std::int64_t margin = static_cast<std::int64_t>(config.borderWidth) + 2;
  arrow.extent = {Saturate(std::max<std::int64_t>(arrow.Tip().x, 20) + margin),
                  Saturate(std::max<std::int64_t>(arrow.Tip().y, 30) + margin)};
  return arrow;
}

Size BarsOnlyExtent(Point pointer, const TConfigRecord& config) {
  const std::int64_t b = config.borderWidth;
  return {Saturate(std::max<std::int64_t>(static_cast<std::int64_t>(pointer.x) - 20, 20) + b),
          Saturate(std::max<std::int64_t>(static_cast<std::int64_t>(pointer.y) - 20, 30) + b)};
}

std::array<Point, 6> BarPolygon(Size extent, std::int32_t borderWidth) {
  const std::int64_t w = extent.width;
  const std::int64_t h = extent.height;
  const std::int32_t left = Saturate(w - borderWidth);
  const std::int32_t top = Saturate(h - borderWidth);
  return {{{left, 0},
           {left, top},
           {0, top},
           {0, extent.height},
           {extent.width, extent.height},
           {extent.width, 0}}};
}

Point ClampForDrawing(Point p) {
  return {std::clamp(p.x, -kDrawingLimit, kDrawingLimit),
          std::clamp(p.y, -kDrawingLimit, kDrawingLimit)};
}

std::uint64_t MicrosecondsFromCounter(std::uint64_t counter, std::uint64_t frequency) {
  if (frequency == 0) return 0;
  return counter / frequency * 1'000'000 + counter % frequency * 1'000'000 / frequency;
}

std::uint32_t ElapsedMicroseconds(std::uint64_t from, std::uint64_t to) {
  return static_cast<std::uint32_t>(to) - static_cast<std::uint32_t>(from);
}

std::array<std::string, 4> MonitorPanelLines(std::uint32_t computingUs, std::uint32_t drawingUs,
                                             Point pointer) {
  std::array<std::string, 4> lines;
  lines[0] = computingUs > 0 ? "Calculs : " + std::to_string(computingUs) + " \xC2\xB5s"
                             : "Calculs \xC2\xB5s : Non disp.";
  if (drawingUs > 0) {
    lines[1] = "Affichage : " + std::to_string(drawingUs) + " \xC2\xB5s";
    // The sum in 64 bits: two huge spans must not wrap to a zero divisor.
    const std::uint64_t total = static_cast<std::uint64_t>(computingUs) + drawingUs;
    lines[2] = "I/s-T/s: ~ " + std::to_string(1'000'000u / drawingUs) + " - " +
               std::to_string(1'000'000u / total);
  } else {
    lines[1] = "Affich. \xC2\xB5s : Non disp.";
    lines[2] = "Im. / sec : Non disp.";
  }
  lines[3] = "X, Y : " + std::to_string(pointer.x) + ", " + std::to_string(pointer.y);
  return lines;
}

}  // namespace vxl
