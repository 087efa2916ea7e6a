#include "service/ActionPlaces.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace vxl {
namespace {

TEST(ActionPositions, KeypadLayoutOnAFullHdScreen) {
  struct Case {
    int code;
    Point point;
  } cases[] = {
      {201, {20, 1070}}, {202, {960, 1070}}, {203, {1910, 1070}},
      {204, {20, 540}},  {205, {960, 540}},  {206, {1910, 540}},
      {207, {20, 10}},   {208, {960, 10}},   {209, {1910, 10}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KeypadPosition(c.code, 1920, 1080), c.point) << c.code;
  }
  EXPECT_EQ(KeypadPosition(205, 1281, 1025), (Point{640, 512})) << "halves round down";
  EXPECT_FALSE(KeypadPosition(200, 1920, 1080));
  EXPECT_FALSE(KeypadPosition(210, 1920, 1080));
}

TEST(ActionDates, FourFormatsWithTheTrailingHyphenAndBlank) {
  const CivilDate ninthOfApril{2024, 4, 9};
  EXPECT_EQ(DateText(400, ninthOfApril, "/"), "24-04-09- ");
  EXPECT_EQ(DateText(401, ninthOfApril, "/"), "2024-04-09- ");
  EXPECT_EQ(DateText(402, ninthOfApril, "/"), "04-09-2024- ");
  EXPECT_EQ(DateText(403, ninthOfApril, "/"), "09/04/2024- ");
  EXPECT_EQ(DateText(403, ninthOfApril, "."), "09.04.2024- ");
  EXPECT_EQ(DateText(400, {2005, 12, 31}, "/"), "05-12-31- ");
  EXPECT_EQ(DateText(404, ninthOfApril, "/"), "");
}

TEST(ActionPositions, ForegroundCornersAndPartCentres) {
  const Rect window{100, 50, 900, 650};
  EXPECT_EQ(ForegroundCorner(window, 'L'), (Point{112, 62}));
  EXPECT_EQ(ForegroundCorner(window, 'R'), (Point{880, 62}));
  EXPECT_EQ(ForegroundCorner(window, 'x'), (Point{880, 62}));
  EXPECT_EQ(RectCentre({0, 1040, 47, 1080}), (Point{23, 1060}));
  EXPECT_EQ(RectCentre({-41, -41, 0, 0}), (Point{-21, -21})) << "rounds towards zero";
}

// Rectangles come from other programs and screen sizes from the system;
// extreme ones must give clamped points, not overflowing arithmetic (the
// sanitizer build aborts on the latter).
TEST(ActionPositions, ExtremeRectanglesGivePointsClampedToTheIntRange) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const struct {
    Rect rect;
    Point centre;
    Point left;
    Point right;
  } cases[] = {
      {{kMin, kMin, kMax, kMax}, {-1, -1}, {kMin + 12, kMin + 12}, {kMax - 20, kMin + 12}},
      {{kMax, kMax, kMin, kMin}, {0, 0}, {kMax, kMax}, {kMin, kMax}},
      {{kMin, 0, kMax, 0}, {-1, 0}, {kMin + 12, 12}, {kMax - 20, 12}},
      {{kMin, kMax - 5, -1, kMax}, {-1073741825, kMax - 3}, {kMin + 12, kMax}, {-21, kMax}},
  };
  for (const auto& c : cases) {
    const Rect& r = c.rect;
    const auto where = ::testing::Message() << "(" << r.left << ", " << r.top << ", " << r.right
                                            << ", " << r.bottom << ")";
    EXPECT_EQ(RectCentre(r), c.centre) << where;
    EXPECT_EQ(ForegroundCorner(r, 'L'), c.left) << where;
    EXPECT_EQ(ForegroundCorner(r, 'R'), c.right) << where;
  }
  EXPECT_EQ(KeypadPosition(203, kMin, kMin), (Point{kMin, kMin}));
  EXPECT_EQ(KeypadPosition(205, kMin, kMax), (Point{kMin / 2, kMax / 2}));
  EXPECT_EQ(KeypadPosition(207, kMin, kMin), (Point{20, 10}));
}

TEST(ActionPositions, AbsoluteInputCoordinatesRoundToNearest) {
  EXPECT_EQ(AbsoluteInputPoint({0, 0}, 1280, 1024), (Point{0, 0}));
  EXPECT_EQ(AbsoluteInputPoint({640, 512}, 1280, 1024), (Point{32768, 32768}));
  EXPECT_EQ(AbsoluteInputPoint({1279, 1023}, 1280, 1024), (Point{65484, 65471}));
  EXPECT_EQ(AbsoluteInputPoint({10, 10}, 0, 0), (Point{0, 0}));
}

}  // namespace
}  // namespace vxl
