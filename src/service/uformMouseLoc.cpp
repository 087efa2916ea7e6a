#include "service/uformMouseLoc.h"

#include <algorithm>
#include <cstdlib>

#include "service/uformMain.h"

namespace vxl {
namespace {

constexpr TColour kBlack = 0;

std::int32_t SpanTo(std::int64_t edge, std::int32_t screenEdge) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(edge, 0, std::max<std::int32_t>(screenEdge, 0)));
}

bool CoveredBy(Point p, std::optional<Point> origin) {
  return origin && origin->x < p.x && origin->y < p.y;
}

}  // namespace

LayeredAttributes ChooseLayeredAttributes(const TConfigRecord& config) {
  LayeredAttributes attributes;
  if (!config.performanceMode) {
    attributes.colourKey = kBlack;
    attributes.routine = PaintRoutine::Full;
    return attributes;
  }
  attributes.routine =
      config.arrowBarWidth != 0 ? PaintRoutine::BarsAndArrow : PaintRoutine::BarsOnly;
  if (config.backgroundTinted) {
    attributes.colourKey = config.backgroundColour;
    attributes.alpha = static_cast<std::uint8_t>(255 - config.backgroundTransparency);
    attributes.useAlpha = true;
  } else {
    attributes.colourKey = kBlack;
  }
  return attributes;
}

std::uint32_t EffectiveFramePeriodMs(std::uint16_t framePeriodMs) {
  return framePeriodMs != 0 ? framePeriodMs : kDefaultFramePeriodMs;
}

Size LocatorWindowSize(Point pointer, Size screen) {
  return {SpanTo(static_cast<std::int64_t>(pointer.x) + kLocatorMargin, screen.width),
          SpanTo(static_cast<std::int64_t>(pointer.y) + kLocatorMargin, screen.height)};
}

bool ShowAtRefused(Point at, std::optional<Point> filterFrameOrigin) {
  return CoveredBy(at, filterFrameOrigin);
}

TickDecision LocatorTick(LocatorPositions& positions, bool moving, const TickContext& context) {
  TickDecision decision;
  if (moving) return decision;
  const Point previous = positions.currentPosition.Load();
  const Point current = context.target;
  positions.previousPosition.Store(previous);
  positions.currentPosition.Store(current);

  decision.flags = context.taskbarRect.Contains(current) ? kTickFlagsOverTaskbar : kTickFlags;
  if (current == previous) {
    decision.action = TickAction::Reorder;
    decision.flags |= kSwpNoSize;
    // Full mode shows a fresh capture of the screen beneath on every tick.
    decision.repaint = !context.performanceMode;
    return decision;
  }
  if (CoveredBy(current, context.filterLensOrigin)) {
    decision.action = TickAction::Hide;
    return decision;
  }
  decision.action = TickAction::Resize;
  decision.size = LocatorWindowSize(current, context.screen);
  decision.repaint = true;
  return decision;
}

bool AutoShowWanted(std::int32_t serviceMode, const TConfigRecord& config, bool locatorVisible,
                    Point pointer, Point currentPosition) {
  if (serviceMode != kServiceModeNormal || !config.autoShowOnMove || locatorVisible) return false;
  const std::int64_t distance = config.autoShowDistance;
  return std::llabs(static_cast<std::int64_t>(pointer.x) - currentPosition.x) > distance ||
         std::llabs(static_cast<std::int64_t>(pointer.y) - currentPosition.y) > distance;
}

bool AutoHideWanted(std::int32_t serviceMode, const TConfigRecord& config, bool locatorVisible,
                    Point previousPosition, Point currentPosition) {
  if (serviceMode != kServiceModeNormal || !config.autoHideOnIdle || !locatorVisible) {
    return false;
  }
  return previousPosition == currentPosition;
}

}  // namespace vxl
