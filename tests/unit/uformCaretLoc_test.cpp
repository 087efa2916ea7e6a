#include "service/uformCaretLoc.h"

#include <gtest/gtest.h>

#include <limits>

namespace vxl {
namespace {

using Points4 = std::array<Point, 4>;
using Points3 = std::array<Point, 3>;

class CaretGeometry : public ::testing::Test {
 protected:
  CaretGeometry() { ResetToDefaults(config); }

  CaretPlacement Place(const Box& caret) {
    CaretPlacement placement;
    EXPECT_TRUE(LayoutBars(config, active, edit, kScreenWidth, placement));
    PlaceCaret(config, caret, placement);
    return placement;
  }

  static constexpr std::int32_t kScreenWidth = 1280;
  TConfigRecord config;
  TWndInfo active{0x10, 100, 80, 800, 600};
  TWndInfo edit{0x20, 200, 250, 300, 120};
};

TEST_F(CaretGeometry, DefaultsMarkACaretInTheActiveWindow) {
  const CaretPlacement p = Place({500, 300, 1, 20});
  EXPECT_EQ(p.windowLeft, 100);
  EXPECT_EQ(p.windowWidth, 828);
  EXPECT_EQ(p.clientHeight, 57);
  EXPECT_EQ(p.windowTop, 282);
  EXPECT_EQ(p.CaretX, 400);
  EXPECT_EQ(p.CaretY, 18);
  EXPECT_EQ(p.BarStart, 0);
  EXPECT_EQ(p.BarEnd, 400);
  EXPECT_EQ(p.BottomBar, (Points4{{{0, 39}, {400, 39}, {400, 41}, {0, 41}}}));
  EXPECT_EQ(p.TopBar, (Points4{{{0, 16}, {400, 16}, {400, 18}, {0, 18}}}));
  EXPECT_EQ(p.TopTriangle, (Points3{{{386, 0}, {415, 0}, {400, 15}}}));
  EXPECT_EQ(p.BottomTriangle, (Points3{{{400, 40}, {386, 57}, {415, 57}}}));
}

TEST_F(CaretGeometry, EachBarTypePlacesTheWindowAndTheBars) {
  struct Case {
    std::int32_t barType;
    std::int32_t left, width, barStart, barEnd;
  };
  // Caret at screen x 500: client x 500 - left.
  const Case cases[] = {
      {0, 186, 328, 0, 0},     // hidden bars: no length
      {1, 0, 900, 0, 500},     // screen edge to caret
      {2, 100, 828, 0, 400},   // active window edge to caret
      {3, 186, 328, 14, 314},  // edit zone edge to caret
      {4, 0, 1280, 0, 1280},   // screen width
      {5, 100, 800, 0, 800},   // active window width
      {6, 186, 328, 14, 314},  // edit zone width: screen 200 to 500
  };
  for (const auto& c : cases) {
    config.caretBarType = c.barType;
    const CaretPlacement p = Place({500, 300, 1, 20});
    EXPECT_EQ(p.windowLeft, c.left) << "type " << c.barType;
    EXPECT_EQ(p.windowWidth, c.width) << "type " << c.barType;
    EXPECT_EQ(p.BarStart, c.barStart) << "type " << c.barType;
    EXPECT_EQ(p.BarEnd, c.barEnd) << "type " << c.barType;
    EXPECT_EQ(p.CaretX, 500 - c.left) << "type " << c.barType;
    EXPECT_EQ(p.BottomBar[0].x, c.barStart) << "type " << c.barType;
    EXPECT_EQ(p.BottomBar[1].x, c.barEnd) << "type " << c.barType;
  }
}

TEST_F(CaretGeometry, ABarTypeOutOfRangeChangesNothing) {
  config.caretBarType = 2;
  CaretPlacement before = Place({500, 300, 1, 20});
  for (std::int32_t barType : {7, -1, 1000}) {
    config.caretBarType = barType;
    CaretPlacement p = before;
    EXPECT_FALSE(LayoutBars(config, edit, active, kScreenWidth, p));
    EXPECT_EQ(p.windowLeft, before.windowLeft);
    EXPECT_EQ(p.windowWidth, before.windowWidth);
    EXPECT_EQ(p.BarEnd, before.BarEnd);
    // The caret still moves the marker vertically, with the old bar ends.
    PlaceCaret(config, {500, 500, 1, 20}, p);
    EXPECT_EQ(p.windowTop, 482);
    EXPECT_EQ(p.BarEnd, before.BarEnd);
  }
}

TEST_F(CaretGeometry, ThePreviewCaretIsFramedByTheTriangles) {
  config.caretBarWidth = 5;
  config.caretGapTop = 3;
  config.caretGapBottom = 4;
  config.caretTriangleHeight = 10;
  config.caretTriangleHalfWidth = 8;
  const std::int32_t x = 250, y = 319;
  const CaretPlacement p = Place({x, y, 2, 16});
  EXPECT_EQ(p.clientHeight, 16 + 2 * 5 + 3 + 4 + 2 * 10);
  EXPECT_EQ(p.windowTop + p.CaretY, y);
  EXPECT_EQ(p.windowLeft + p.TopTriangle[0].x, x - 8);
  EXPECT_EQ(p.windowLeft + p.TopTriangle[1].x, x + 8 + 1);
  EXPECT_EQ(p.windowLeft + p.BottomTriangle[1].x, x - 8);
  EXPECT_EQ(p.windowLeft + p.BottomTriangle[2].x, x + 8 + 1);
  // The gaps separate the bars from the caret's rows.
  EXPECT_EQ(p.TopBar[2].y, p.CaretY - 3);
  EXPECT_EQ(p.BottomBar[0].y, p.CaretY + 16 + 4);
}

TEST_F(CaretGeometry, AnUnansweredLocationIsPlacedLikeAnyOther) {
  const CaretPlacement p = Place({-1, -1, -1, -1});
  EXPECT_EQ(p.windowTop, -1 - 0 - 2 - 16);
  EXPECT_EQ(p.clientHeight, -1 + 4 + 0 + 1 + 32);
  EXPECT_EQ(p.CaretX, -101);
}

TEST_F(CaretGeometry, AHandMadeRecordSaturatesInsteadOfOverflowing) {
  config.caretBarWidth = std::numeric_limits<std::int32_t>::max();
  config.caretGapTop = std::numeric_limits<std::int32_t>::max();
  const CaretPlacement p = Place({500, 300, 1, 20});
  EXPECT_EQ(p.clientHeight, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(p.windowTop, std::numeric_limits<std::int32_t>::min());
}

// The rectangles come from other applications' accessibility boxes: any
// value may arrive. What does not fit is saturated, never wrapped.
TEST_F(CaretGeometry, ExtremeRectanglesSaturateInsteadOfOverflowing) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  struct Case {
    std::int32_t barType;
    TWndInfo active, edit;
    std::int32_t left, width, barStart, barEnd;
  };
  const Case cases[] = {
      // Edit zone at the far left: its left margin cannot go further.
      {0, active, {0x20, kMin, 0, 300, 20}, kMin, 328, 0, 0},
      {3, active, {0x20, kMin + 5, 0, 300, 20}, kMin, 328, 14, 300},
      {6, active, {0x20, 200, 0, kMax, 20}, 186, kMax, 14, kMax},
      {6, active, {0x20, 200, 0, kMax - 20, 20}, 186, kMax, 14, kMax - 6},
      // Active window reaching past the last screen column.
      {1, {0x10, kMax, 0, kMax, 20}, edit, 0, kMax, 0, kMax},
      {2, {0x10, 100, 0, kMax, 20}, edit, 100, kMax, 0, kMax},
      {5, {0x10, kMin, 0, kMax, 20}, edit, kMin, kMax, 0, kMax},
      // A negative width as some boxes report it.
      {6, active, {0x20, kMin, 0, kMin, 20}, kMin, kMin + 28, 14, kMin + 14},
  };
  for (const auto& c : cases) {
    config.caretBarType = c.barType;
    CaretPlacement p;
    ASSERT_TRUE(LayoutBars(config, c.active, c.edit, kScreenWidth, p));
    EXPECT_EQ(p.windowLeft, c.left) << "type " << c.barType;
    EXPECT_EQ(p.windowWidth, c.width) << "type " << c.barType;
    EXPECT_EQ(p.BarStart, c.barStart) << "type " << c.barType;
    EXPECT_EQ(p.BarEnd, c.barEnd) << "type " << c.barType;
  }
}

TEST(CaretBarType, StepsThroughTheSevenTypes) {
  EXPECT_EQ(NextBarType(0), 1);
  EXPECT_EQ(NextBarType(5), 6);
  EXPECT_EQ(NextBarType(6), 0);
  EXPECT_EQ(NextBarType(40), 0);
}

}  // namespace
}  // namespace vxl
