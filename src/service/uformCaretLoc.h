// The caret marker's geometry: where the caret locator window stands, how
// wide its bars are for each bar type, and the polygons of the two bars and
// the two triangles; and the decisions of the caret poll: when the bars are
// laid out again and which caret is in view. The caret tracker
// (CaretTracker) applies them.
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

// The marker's top after its window moved from oldTop to newTop: the marker
// moves with it. Saturated, as the tops may come from any application.
std::int32_t MarkerTopAfterMove(std::int32_t markerTop, std::int32_t oldTop, std::int32_t newTop);

// How the foreground window stands against the one the bars were laid out
// for. No foreground window (between two activations) is no change: the
// marker keeps its place until a window comes.
enum class ForegroundChange { None, Moved, Switched };
ForegroundChange CompareForeground(const TWndInfo& laidOutFor, const TWndInfo& foreground);

// What one tick of the caret poll asks the window to do.
struct CaretPollStep {
  ForegroundChange foreground = ForegroundChange::None;
  // The caret moved, came back, or the bars under it were laid out anew.
  bool placeCaret = false;
  friend constexpr bool operator==(const CaretPollStep&, const CaretPollStep&) = default;
};

// The memory of the caret poll. Some systems (Wine) and some applications
// raise no caret, move or foreground events, so the locator looks at the
// foreground window and its GUI caret every 100 ms and acts on changes only.
// Nothing is allocated: it runs ten times a second.
class TCaretPoll {
 public:
  // The active window the bars have just been laid out for, whoever did it.
  void LaidOutFor(const TWndInfo& active) { laidOutFor_ = active; }
  // The next caret seen is placed even when it stands where the last one did.
  void ForgetCaret() { caretKnown_ = false; }
  // One look: the foreground window with its rectangle, and its thread's
  // caret in screen pixels (null when there is none). A change of the
  // foreground is taken as laid out.
  CaretPollStep Tick(const TWndInfo& foreground, const Box* caret);

 private:
  TWndInfo laidOutFor_;
  Box caret_;
  bool caretKnown_ = false;
};

// Whether any of the caret lies in its window's visible client area (screen
// pixels). A caret scrolled out of view is no place to mark: it would stand
// over a menu bar, a caption or another window. A caret of no width or
// height counts as one pixel wide or high.
bool CaretInView(const Box& caret, const Rect& visibleClient);

}  // namespace vxl
