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

TEST(CaretMarkerMove, FollowsTheWindowVerticallyAndSaturates) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(MarkerTopAfterMove(282, 80, 120), 322);
  EXPECT_EQ(MarkerTopAfterMove(282, 80, 30), 232);
  EXPECT_EQ(MarkerTopAfterMove(282, kMin, kMax), kMax);
  EXPECT_EQ(MarkerTopAfterMove(-282, kMax, kMin), kMin);
}

TEST(CaretForeground, ComparesHandleAndRectangle) {
  const TWndInfo laidOut{0x10, 100, 80, 800, 600};
  struct Case {
    TWndInfo foreground;
    ForegroundChange expected;
  };
  const Case cases[] = {
      {laidOut, ForegroundChange::None},
      {{0, 0, 0, 0, 0}, ForegroundChange::None},  // between two activations
      {{0x30, 100, 80, 800, 600}, ForegroundChange::Switched},
      {{0x30, 350, 80, 800, 600}, ForegroundChange::Switched},
      {{0x10, 350, 80, 800, 600}, ForegroundChange::Moved},
      {{0x10, 100, 10, 800, 600}, ForegroundChange::Moved},
      {{0x10, 100, 80, 801, 600}, ForegroundChange::Moved},
      {{0x10, 100, 80, 800, 599}, ForegroundChange::Moved},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CompareForeground(laidOut, c.foreground), c.expected)
        << c.foreground.Handle << " at " << c.foreground.Left << "," << c.foreground.Top << " "
        << c.foreground.Width << "x" << c.foreground.Height;
  }
}

// Tick by tick, what the poll asks for as the user works.
TEST(CaretPoll, LaysOutOnlyOnChangesAndPlacesTheCaretAfterEach) {
  const TWndInfo notepad{0x10, 100, 80, 800, 600};
  const TWndInfo moved{0x10, 350, 80, 800, 600};
  const TWndInfo other{0x30, 640, 560, 500, 300};
  const Box caret{500, 300, 1, 20};
  const Box shifted{750, 300, 1, 20};
  const Box elsewhere{700, 600, 1, 20};
  constexpr auto kNone = ForegroundChange::None;
  constexpr auto kMoved = ForegroundChange::Moved;
  constexpr auto kSwitched = ForegroundChange::Switched;
  struct Step {
    const char* what;
    TWndInfo foreground;
    const Box* caret;
    CaretPollStep expected;
  };
  const Step steps[] = {
      {"first caret", notepad, &caret, {kNone, true}},
      {"nothing changed", notepad, &caret, {kNone, false}},
      {"window moved, caret with it", moved, &shifted, {kMoved, true}},
      {"still there", moved, &shifted, {kNone, false}},
      {"window back, caret reported at the same place", notepad, &caret, {kMoved, true}},
      {"resized around a caret that stays", {0x10, 100, 80, 700, 600}, &caret, {kMoved, true}},
      {"no foreground for a moment", {}, &caret, {kNone, false}},
      {"another application, no caret", other, nullptr, {kSwitched, false}},
      {"its caret appears", other, &elsewhere, {kNone, true}},
      {"caret gone", other, nullptr, {kNone, false}},
      {"caret back where it was", other, &elsewhere, {kNone, true}},
  };
  TCaretPoll poll;
  poll.LaidOutFor(notepad);
  for (const auto& s : steps) {
    const CaretPollStep step = poll.Tick(s.foreground, s.caret);
    EXPECT_EQ(step.foreground, s.expected.foreground) << s.what;
    EXPECT_EQ(step.placeCaret, s.expected.placeCaret) << s.what;
  }
}

TEST(CaretPoll, AnEventsLayoutIsNotRepeatedAndAForgottenCaretIsPlacedAgain) {
  const TWndInfo notepad{0x10, 100, 80, 800, 600};
  const TWndInfo moved{0x10, 350, 80, 800, 600};
  const Box caret{500, 300, 1, 20};
  TCaretPoll poll;
  poll.LaidOutFor(notepad);
  EXPECT_EQ(poll.Tick(notepad, &caret), (CaretPollStep{ForegroundChange::None, true}));
  // A move report laid the bars out over the moved window already.
  poll.LaidOutFor(moved);
  EXPECT_EQ(poll.Tick(moved, &caret), (CaretPollStep{ForegroundChange::None, false}));
  // Tracking starts anew.
  poll.ForgetCaret();
  EXPECT_EQ(poll.Tick(moved, &caret), (CaretPollStep{ForegroundChange::None, true}));
}

TEST(CaretView, OnlyACaretInsideTheVisibleClientAreaIsMarked) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const Rect client{200, 200, 600, 360};  // right and bottom excluded
  struct Case {
    const char* what;
    Box caret;
    bool inView;
  };
  const Case cases[] = {
      {"inside", {300, 250, 1, 16}, true},
      {"on the first row and column", {200, 200, 1, 16}, true},
      {"half scrolled out at the top", {300, 190, 1, 16}, true},
      {"half scrolled out at the bottom", {300, 350, 1, 16}, true},
      {"scrolled out above (menu bar)", {300, 140, 1, 16}, false},
      {"ending on the first row's edge", {300, 184, 1, 16}, false},
      {"scrolled out below", {300, 360, 1, 16}, false},
      {"left of the client", {199, 250, 1, 16}, false},
      {"on the right edge", {600, 250, 1, 16}, false},
      {"on the last column", {599, 250, 1, 16}, true},
      {"no width, first column", {200, 250, 0, 16}, true},
      {"no height, last row", {300, 359, 1, 0}, true},
      {"an unanswered location", {-1, -1, -1, -1}, false},
      {"huge, from far left and top", {kMin, kMin, kMax, kMax}, false},
      {"huge, reaching in from above", {300, -100, 1, kMax}, true},
      {"far right and below", {kMax, kMax, kMax, kMax}, false},
  };
  for (const auto& c : cases) EXPECT_EQ(CaretInView(c.caret, client), c.inView) << c.what;
  // A window with no visible client area shows no caret, whatever its place.
  EXPECT_FALSE(CaretInView({-1, -1, 2, 2}, Rect{}));
  EXPECT_FALSE(CaretInView({300, 250, 1, 16}, Rect{600, 200, 200, 360}));
}

}  // namespace
}  // namespace vxl
