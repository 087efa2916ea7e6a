#include "service/uDraw.h"

#include <gtest/gtest.h>

#include <limits>

namespace vxl {
namespace {

class LocatorGeometry : public ::testing::Test {
 protected:
  void SetUp() override { ResetToDefaults(config_); }
  TConfigRecord config_;
};

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const struct {
    double value;
    std::int32_t rounded;
  } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2}, {2.5001, 3}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
  EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(RoundHalfEven(-1e300), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST_F(LocatorGeometry, DiagonalPointerGivesTipAndExtent) {
  const ArrowGeometry arrow = ComputeArrow({404, 305}, config_);
  EXPECT_EQ(arrow.Tip(), (Point{384, 290}));
  EXPECT_EQ(arrow.extent, (Size{389, 295}));
}

TEST_F(LocatorGeometry, PointerStraightRightGivesEveryArrowPoint) {
  const ArrowGeometry arrow = ComputeArrow({504, 5}, config_);
  const Point expected[7] = {{8, 2}, {452, 2}, {449, -3}, {479, 5}, {449, 13}, {452, 8}, {8, 8}};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(arrow.points[i], expected[i]) << "P" << i;
  // The height minimum of 30 applies.
  EXPECT_EQ(arrow.extent, (Size{484, 35}));
}

TEST_F(LocatorGeometry, ZeroWidthsStillFollowTheTip) {
  config_.arrowBarWidth = 0;
  const ArrowGeometry noShaft = ComputeArrow({504, 5}, config_);
  EXPECT_EQ(noShaft.Tip(), (Point{479, 5}));
  EXPECT_EQ(noShaft.extent, (Size{484, 35}));
  // Shaft edges collapse onto the centre line.
  EXPECT_EQ(noShaft.points[0], (Point{8, 5}));
  EXPECT_EQ(noShaft.points[6], (Point{8, 5}));

  ResetToDefaults(config_);
  config_.borderWidth = 0;
  const ArrowGeometry noBars = ComputeArrow({504, 5}, config_);
  // The tip moves 3 pixels nearer the pointer, the extent adds 2 only.
  EXPECT_EQ(noBars.Tip(), (Point{482, 5}));
  EXPECT_EQ(noBars.extent, (Size{484, 32}));
}

TEST_F(LocatorGeometry, NegativePinOffsetAndWidthPlaceTheHeadAsComputed) {
  config_.arrowPinOffset = -30;
  config_.arrowPinWidth = -4;
  const ArrowGeometry arrow = ComputeArrow({504, 5}, config_);
  // The shaft stops 30 pixels before the head's back line (x = 449).
  EXPECT_EQ(arrow.points[1], (Point{419, 2}));
  EXPECT_EQ(arrow.points[5], (Point{419, 8}));
  // The barbs lie inside the shaft's width.
  EXPECT_EQ(arrow.points[2], (Point{449, 6}));
  EXPECT_EQ(arrow.points[4], (Point{449, 4}));
}

TEST_F(LocatorGeometry, PointerNearTheAnchorPointsBack) {
  const ArrowGeometry arrow = ComputeArrow({10, 10}, config_);
  // Distance 8: L = 8 - 25 = -17, so the tip lies behind the anchor.
  EXPECT_LT(arrow.Tip().x, kArrowAnchor.x);
  EXPECT_EQ(arrow.extent, (Size{25, 35}));
  // On the anchor itself the angle is 0 and nothing is undefined.
  const ArrowGeometry onAnchor = ComputeArrow(kArrowAnchor, config_);
  EXPECT_EQ(onAnchor.Tip(), (Point{-21, 5}));
}

TEST_F(LocatorGeometry, WildRecordValuesSaturateInsteadOfOverflowing) {
  config_.borderWidth = std::numeric_limits<std::int32_t>::max();
  config_.arrowPinLength = std::numeric_limits<std::int32_t>::min();
  config_.arrowBarWidth = std::numeric_limits<std::int32_t>::min();
  const ArrowGeometry arrow = ComputeArrow({1000, 700}, config_);
  EXPECT_EQ(arrow.extent.width, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(ClampForDrawing(arrow.points[2]).x, -kDrawingLimit);
  const auto bars = BarPolygon({100, 100}, std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(bars[0].x, std::numeric_limits<std::int32_t>::max());
}

TEST_F(LocatorGeometry, BarsOnlyExtentHasNoArrowMargin) {
  EXPECT_EQ(BarsOnlyExtent({10, 10}, config_), (Size{23, 33}));
  EXPECT_EQ(BarsOnlyExtent({1000, 700}, config_), (Size{983, 683}));
  config_.borderWidth = 0;
  EXPECT_EQ(BarsOnlyExtent({10, 10}, config_), (Size{20, 30}));
}

TEST_F(LocatorGeometry, BarsFrameTheRightAndBottomEdges) {
  const auto bars = BarPolygon({389, 295}, 3);
  const Point expected[6] = {{386, 0}, {386, 292}, {0, 292}, {0, 295}, {389, 295}, {389, 0}};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(bars[i], expected[i]) << "B" << i;
}

TEST(PerformanceMonitor, PanelTextsForMeasuredTimes) {
  const auto lines = MonitorPanelLines(150, 2350, {1000, 700});
  EXPECT_EQ(lines[0], "Calculs : 150 \xC2\xB5s");
  EXPECT_EQ(lines[1], "Affichage : 2350 \xC2\xB5s");
  EXPECT_EQ(lines[2], "I/s-T/s: ~ 425 - 400");
  EXPECT_EQ(lines[3], "X, Y : 1000, 700");
}

// Only the low 24 bits of a record colour are a colour: a record from an
// old or foreign writer with the high byte set must fill like the colour
// alone (GDI would read the high byte as a palette index request).
TEST_F(LocatorGeometry, BackgroundFillIgnoresTheHighByteOfTheColour) {
  const struct {
    TColour colour;
    std::optional<TColour> fill;
  } cases[] = {
      {Rgb(255, 129, 129), Rgb(255, 129, 129)},
      {0x000000, 0x000000},
      {0xFFFFFF, 0xFFFFFF},
      {kNoFillColour, std::nullopt},
  };
  for (const auto& c : cases) {
    for (const TColour highByte : {0x00000000u, 0x01000000u, 0x02000000u, 0xFF000000u}) {
      config_.backgroundColour = c.colour | highByte;
      EXPECT_EQ(BackgroundFillColour(config_), c.fill)
          << std::hex << "colour 0x" << config_.backgroundColour;
    }
  }
}

TEST(PerformanceMonitor, ZeroTimesShowNotAvailable) {
  const auto drawingZero = MonitorPanelLines(300, 0, {-1, -1});
  EXPECT_EQ(drawingZero[0], "Calculs : 300 \xC2\xB5s");
  EXPECT_EQ(drawingZero[1], "Affich. \xC2\xB5s : Non disp.");
  EXPECT_EQ(drawingZero[2], "Im. / sec : Non disp.");
  EXPECT_EQ(drawingZero[3], "X, Y : -1, -1");
  const auto computingZero = MonitorPanelLines(0, 500, {0, 0});
  EXPECT_EQ(computingZero[0], "Calculs \xC2\xB5s : Non disp.");
  EXPECT_EQ(computingZero[2], "I/s-T/s: ~ 2000 - 2000");
}

TEST(PerformanceMonitor, HugeSpansDoNotWrapToAZeroDivisor) {
  const auto lines = MonitorPanelLines(0xFFFFFFFFu, 1, {0, 0});
  EXPECT_EQ(lines[2], "I/s-T/s: ~ 1000000 - 0");
}

TEST(PerformanceMonitor, TimestampsFromTheCounter) {
  EXPECT_EQ(MicrosecondsFromCounter(25'000'000, 10'000'000), 2'500'000u);
  EXPECT_EQ(MicrosecondsFromCounter(3, 3'579'545), 0u);
  EXPECT_EQ(MicrosecondsFromCounter(7'159'091, 3'579'545), 2'000'000u);
  // Thirty days of uptime on a 10 MHz counter: counter x 10^6 would not fit
  // in 64 bits.
  const std::uint64_t thirtyDays = 30ull * 86'400 * 10'000'000;
  EXPECT_EQ(MicrosecondsFromCounter(thirtyDays, 10'000'000), 30ull * 86'400 * 1'000'000);
  EXPECT_EQ(MicrosecondsFromCounter(123, 0), 0u);
  // Differences use the low 32 bits, so a wrap still gives the short span.
  EXPECT_EQ(ElapsedMicroseconds(0xFFFFFFF0ull, 0x1'0000'0010ull), 0x20u);
}

}  // namespace
}  // namespace vxl
