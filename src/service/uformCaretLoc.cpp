#include "service/uformCaretLoc.h"

#include <algorithm>
#include <limits>

namespace vxl {
namespace {

// The numbers one bar type's placement is made of. The rectangles come from
// other applications' accessibility boxes and may hold any value, so the
// rules compute in 64 bits and the results are saturated.
struct LayoutInput {
  std::int64_t AL, AW;  // active window left, width
  std::int64_t EL, EW;  // edit zone left, width
  std::int64_t SW;      // screen width
  std::int64_t TW;      // triangle half width
};

struct BarLayout {
  std::int64_t windowLeft, windowWidth, barStart, barEnd;
};

using LayoutRule = BarLayout (*)(const LayoutInput&);

// One rule per bar type. The TW margins leave room for the triangles when
// the caret stands at the edge of the zone; types 1 to 3 get their bar end
// from the caret later.
constexpr std::array<LayoutRule, kCaretBarTypeCount> kLayoutRules = {
    // 0 hidden bars
    [](const LayoutInput& in) {
      return BarLayout{in.EL - in.TW, in.EW + 2 * in.TW, 0, 0};
    },
    // 1 screen left edge to caret
    [](const LayoutInput& in) {
      return BarLayout{0, in.AL + in.AW, 0, in.AL + in.AW};
    },
    // 2 active window left edge to caret
    [](const LayoutInput& in) {
      return BarLayout{in.AL, in.AW + 2 * in.TW, 0, in.AW};
    },
    // 3 edit zone left edge to caret
    [](const LayoutInput& in) {
      return BarLayout{in.EL - in.TW, in.EW + 2 * in.TW, in.TW, in.EW};
    },
    // 4 screen width
    [](const LayoutInput& in) {
      return BarLayout{0, in.SW, 0, in.SW};
    },
    // 5 active window width
    [](const LayoutInput& in) {
      return BarLayout{in.AL, in.AW, 0, in.AW};
    },
    // 6 edit zone width
    [](const LayoutInput& in) {
      return BarLayout{in.EL - in.TW, in.EW + 2 * in.TW, in.TW, in.TW + in.EW};
    },
};

std::int32_t Saturate(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool BarsEndAtCaret(std::int32_t barType) { return barType >= 1 && barType <= 3; }

Point At(std::int64_t x, std::int64_t y) { return {Saturate(x), Saturate(y)}; }

}  // namespace

bool LayoutBars(const TConfigRecord& config, const TWndInfo& active, const TWndInfo& edit,
                std::int32_t screenWidth, CaretPlacement& placement) {
  const std::int32_t barType = config.caretBarType;
  if (barType < 0 || barType >= kCaretBarTypeCount) return false;
  const LayoutInput in{active.Left, active.Width, edit.Left,
                       edit.Width,  screenWidth,  config.caretTriangleHalfWidth};
  const BarLayout layout = kLayoutRules[static_cast<std::size_t>(barType)](in);
  placement.windowLeft = Saturate(layout.windowLeft);
  placement.windowWidth = Saturate(layout.windowWidth);
  placement.BarStart = Saturate(layout.barStart);
  placement.BarEnd = Saturate(layout.barEnd);
  return true;
}

void PlaceCaret(const TConfigRecord& config, const Box& caret, CaretPlacement& placement) {
  // Sums in 64 bits: a hand-made record may hold any bar width or gap.
  const std::int64_t BW = config.caretBarWidth;
  const std::int64_t G1 = config.caretGapTop;
  const std::int64_t G2 = config.caretGapBottom;
  const std::int64_t TH = config.caretTriangleHeight;
  const std::int64_t TW = config.caretTriangleHalfWidth;
  const std::int64_t H = caret.height;

  const std::int64_t CH = H + 2 * BW + G1 + G2 + 2 * TH;
  const std::int64_t top = caret.top - G1 - BW - TH;
  placement.clientHeight = Saturate(CH);
  placement.windowTop = Saturate(top);
  placement.CaretX = Saturate(std::int64_t{caret.left} - placement.windowLeft);
  placement.CaretY = Saturate(caret.top - top);
  if (BarsEndAtCaret(config.caretBarType)) placement.BarEnd = placement.CaretX;

  const std::int64_t x = placement.CaretX;
  const std::int64_t y = placement.CaretY;
  const std::int64_t S = placement.BarStart;
  const std::int64_t E = placement.BarEnd;
  placement.TopBar = {At(S, y - G1 - BW), At(E, y - G1 - BW), At(E, y - G1), At(S, y - G1)};
  placement.BottomBar = {At(S, y + H + G2), At(E, y + H + G2), At(E, y + H + G2 + BW),
                         At(S, y + H + G2 + BW)};
  placement.TopTriangle = {At(x - TW, 0), At(x + TW + 1, 0), At(x, TH - 1)};
  placement.BottomTriangle = {At(x, CH - TH - 1), At(x - TW, CH), At(x + TW + 1, CH)};
}

std::int32_t NextBarType(std::int32_t barType) {
  return barType >= kCaretBarTypeCount - 1 ? 0 : barType + 1;
}

std::int32_t MarkerTopAfterMove(std::int32_t markerTop, std::int32_t oldTop, std::int32_t newTop) {
  return Saturate(std::int64_t{markerTop} + newTop - oldTop);
}

ForegroundChange CompareForeground(const TWndInfo& laidOutFor, const TWndInfo& foreground) {
  if (foreground.Handle == 0) return ForegroundChange::None;
  if (foreground.Handle != laidOutFor.Handle) return ForegroundChange::Switched;
  return foreground == laidOutFor ? ForegroundChange::None : ForegroundChange::Moved;
}

CaretPollStep TCaretPoll::Tick(const TWndInfo& foreground, const Box* caret) {
  CaretPollStep step;
  step.foreground = CompareForeground(laidOutFor_, foreground);
  if (step.foreground != ForegroundChange::None) laidOutFor_ = foreground;
  if (caret == nullptr) {
    caretKnown_ = false;
    return step;
  }
  step.placeCaret = step.foreground != ForegroundChange::None || !caretKnown_ || *caret != caret_;
  caret_ = *caret;
  caretKnown_ = true;
  return step;
}

bool CaretInView(const Box& caret, const Rect& visibleClient) {
  if (visibleClient.IsEmpty()) return false;
  const std::int64_t left = caret.left;
  const std::int64_t top = caret.top;
  const std::int64_t right = left + std::max(caret.width, 1);
  const std::int64_t bottom = top + std::max(caret.height, 1);
  return left < visibleClient.right && right > visibleClient.left && top < visibleClient.bottom &&
         bottom > visibleClient.top;
}

}  // namespace vxl
