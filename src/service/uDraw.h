// Geometry and texts of the pointer locator's drawing: the arrow from the
// anchor near the screen corner to just short of the pointer, the L-shaped
// bars around the painted region, and the performance monitor's panel. The
// GDI side (uDraw_win) only turns these numbers into polygons and text.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "common/ConfigRecord.h"
#include "common/Geometry.h"

namespace vxl {

// The fixed point the arrow starts from, in window and screen coordinates
// alike (the locator window sits at the screen origin).
constexpr Point kArrowAnchor{4, 5};

// The integer nearest to v, halves going to the even neighbour; values
// beyond the 32-bit range are clamped so that wild records stay defined.
std::int32_t RoundHalfEven(double v);

// The background colour that means "fill nothing": the region keeps the
// black every paint starts with.
constexpr TColour kNoFillColour = 0x010101;

// The colour the background effect fills its region with before the screen
// is copied or blended over it: the low 24 bits of backgroundColour, nothing
// when they are kNoFillColour.
std::optional<TColour> BackgroundFillColour(const TConfigRecord& config);

// The arrow in window coordinates, P0..P6 from the tail round the head and
// back, and the extent that follows from its tip.
struct ArrowGeometry {
  static constexpr std::size_t kPointCount = 7;
  std::array<Point, kPointCount> points{};
  Size extent;
  const Point& Tip() const { return points[3]; }
};

// Arrow and extent for PaintFull and PaintBarsAndArrow. Computed even when the
// arrow is not drawn (arrowBarWidth 0), because the extent follows the tip.
ArrowGeometry ComputeArrow(Point pointer, const TConfigRecord& config);

// Extent of PaintBarsOnly, which computes no arrow.
Size BarsOnlyExtent(Point pointer, const TConfigRecord& config);

// The bars' closed polygon B0..B5: a band of width borderWidth down the right
// edge and along the bottom edge of the extent.
std::array<Point, 6> BarPolygon(Size extent, std::int32_t borderWidth);

// Polygon vertices are kept within this distance of the screen origin before
// they reach GDI: a record with absurd lengths must not make the system
// rasterise a polygon billions of pixels tall. Screens are far smaller.
constexpr std::int32_t kDrawingLimit = 16384;
Point ClampForDrawing(Point p);

// Microseconds from a high-resolution counter reading. Split into whole
// seconds and the rest so that counters of machines that have run for weeks
// do not overflow the 64-bit product.
std::uint64_t MicrosecondsFromCounter(std::uint64_t counter, std::uint64_t frequency);

// The difference of two timestamps as the monitor shows it: the low 32 bits,
// unsigned, so a wrap between two stamps still gives the short span.
std::uint32_t ElapsedMicroseconds(std::uint64_t from, std::uint64_t to);

// The monitor panel: box, text origin and line spacing, and its four lines
// (UTF-8) for the last paint's computing and drawing times.
constexpr Rect kMonitorPanelBox{0, 0, 200, 90};
constexpr int kMonitorTextX = 5;
constexpr std::array<int, 4> kMonitorLineY = {5, 25, 45, 65};
std::array<std::string, 4> MonitorPanelLines(std::uint32_t computingUs, std::uint32_t drawingUs,
                                             Point pointer);

}  // namespace vxl
