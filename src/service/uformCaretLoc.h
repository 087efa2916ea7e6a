// The caret marker's geometry: where the caret locator window stands, how
// wide its bars are for each bar type, and the polygons of the two bars and
// the two triangles. The Win32 window (uformCaretLoc_win) only applies it.
#pragma once

#include <array>
#include <cstdint>

#include "common/ConfigRecord.h"
#include "common/Geometry.h"
#include "service/uclWinEvent.h"

namespace vxl {

// The colour key of the caret locator window: RGB(18, 52, 86), also its
// background, so every pixel the marker does not paint is transparent.
constexpr TColour kCaretColourKey = Rgb(18, 52, 86);

constexpr std::uint32_t kCaretHideDelayMs = 250;
constexpr std::int32_t kCaretBarTypeCount = 7;

// A window and its screen rectangle.
struct TWndInfo {
  WindowRef Handle = 0;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  friend constexpr bool operator==(const TWndInfo&, const TWndInfo&) = default;
};

// The window's bounds and everything drawn in it, in client coordinates.
struct CaretPlacement {
  std::int32_t windowLeft = 0;
  std::int32_t windowTop = 0;
  std::int32_t windowWidth = 0;
  std::int32_t clientHeight = 0;
  std::int32_t CaretX = 0;
  std::int32_t CaretY = 0;
  std::int32_t BarStart = 0;
  std::int32_t BarEnd = 0;
  std::array<Point, 4> TopBar{};
  std::array<Point, 4> BottomBar{};
  std::array<Point, 3> TopTriangle{};
  std::array<Point, 3> BottomTriangle{};
};

// Horizontal placement for the record's bar type: the window's left edge and
// width and the bars' ends. A bar type outside 0..6 changes nothing and
// answers false.
bool LayoutBars(const TConfigRecord& config, const TWndInfo& active, const TWndInfo& edit,
                std::int32_t screenWidth, CaretPlacement& placement);

// Vertical placement and the polygons for a caret at this screen rectangle,
// over the left edge of the last LayoutBars. Bar types 1 to 3 end the bars
// at the caret.
void PlaceCaret(const TConfigRecord& config, const Box& caret, CaretPlacement& placement);

// 0 -> 1 -> ... -> 6 -> 0; from 6 or more back to 0.
std::int32_t NextBarType(std::int32_t barType);

}  // namespace vxl
