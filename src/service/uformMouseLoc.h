// The pointer locator window's decisions, free of the system: its layered
// attributes and paint routine, its size, what each frame tick does, and the
// automatic showing and hiding. TVexilorLocWnd (uformMouseLoc_win) carries
// them out with the system's calls.
#pragma once

#include <cstdint>
#include <optional>

#include "common/ConfigRecord.h"
#include "common/Geometry.h"
#include "service/LocatorPositions.h"

namespace vxl {

// SetWindowPos flags, with the system's values.
constexpr std::uint32_t kSwpNoSize = 0x0001;
constexpr std::uint32_t kSwpNoMove = 0x0002;
constexpr std::uint32_t kSwpNoZOrder = 0x0004;
constexpr std::uint32_t kSwpNoRedraw = 0x0008;
constexpr std::uint32_t kSwpNoActivate = 0x0010;
constexpr std::uint32_t kSwpNoCopyBits = 0x0100;

// Placement of a tick: no redraw (the tick asks for the repaint itself), no
// move (the window stays at the screen origin), no activation.
constexpr std::uint32_t kTickFlags =
    kSwpNoMove | kSwpNoZOrder | kSwpNoRedraw | kSwpNoActivate | kSwpNoCopyBits;  // 0x11E
// Over the taskbar the window is re-ordered on every tick to stay above it.
constexpr std::uint32_t kTickFlagsOverTaskbar = kTickFlags & ~kSwpNoZOrder;  // 0x11A

// Performance mode forces this frame period into the service's record.
constexpr std::uint16_t kPerformanceFramePeriodMs = 70;
constexpr std::uint16_t kDefaultFramePeriodMs = 40;
// How far the window reaches beyond the pointer.
constexpr std::int32_t kLocatorMargin = 40;

enum class PaintRoutine { Full, BarsAndArrow, BarsOnly };

struct LayeredAttributes {
  TColour colourKey = 0;
  // Constant alpha of the whole window when useAlpha; else only the key acts.
  std::uint8_t alpha = 255;
  bool useAlpha = false;
  PaintRoutine routine = PaintRoutine::Full;
  friend constexpr bool operator==(const LayeredAttributes&, const LayeredAttributes&) = default;
};

// What Apply settings gives the window for a record.
LayeredAttributes ChooseLayeredAttributes(const TConfigRecord& config);

// The frame timer's period for a record's framePeriodMs. A period of 0 would
// make the system timer fire once and never again, freezing the locator; it
// stands for the default period instead.
std::uint32_t EffectiveFramePeriodMs(std::uint16_t framePeriodMs);

// The window reaches 40 pixels beyond the pointer, clamped to the screen; a
// point left of or above the screen gives an empty window, not a negative one.
Size LocatorWindowSize(Point pointer, Size screen);

// Show at is refused when the filter frame's top-left corner lies above and
// left of the requested point (the frame would be covered).
bool ShowAtRefused(Point at, std::optional<Point> filterFrameOrigin);

// What a tick sees of the world besides the positions.
struct TickContext {
  Point target;      // the pointer, or the configuration preview point
  Rect taskbarRect;  // empty when there is no taskbar
  bool performanceMode = false;
  std::optional<Point> filterLensOrigin;  // top-left of a filter window, if one exists
  Size screen;
};

enum class TickAction {
  Nothing,  // the window is being moved by the system
  Reorder,  // pointer still: place again with no size change
  Hide,     // a filter window lies under the pointer: hide on the UI thread
  Resize,   // pointer moved: new size
};

struct TickDecision {
  TickAction action = TickAction::Nothing;
  std::uint32_t flags = 0;  // SetWindowPos flags for Reorder and Resize
  Size size;                // for Resize
  bool repaint = false;
};

// One frame tick: moves currentPosition to the target (keeping the old one in
// previousPosition) and says what to do with the window. Nothing at all while
// the window is being moved.
TickDecision LocatorTick(LocatorPositions& positions, bool moving, const TickContext& context);

// Automatic showing: in normal mode with autoShowOnMove, a hidden locator is
// shown once the pointer is strictly more than autoShowDistance away, on
// either axis, from where the locator last pointed.
bool AutoShowWanted(std::int32_t serviceMode, const TConfigRecord& config, bool locatorVisible,
                    Point pointer, Point currentPosition);

// Automatic hiding at an inactivity check: in normal mode with autoHideOnIdle,
// a visible locator whose last two ticks saw the same point is hidden.
bool AutoHideWanted(std::int32_t serviceMode, const TConfigRecord& config, bool locatorVisible,
                    Point previousPosition, Point currentPosition);

}  // namespace vxl
