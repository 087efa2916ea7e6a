#include "ui/FormScale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vxl::ui {
namespace {

struct LengthCase {
  int value;
  ScaleFactor factor;
  int expected;
};

// clang-format off
constexpr LengthCase kLengths[] = {
  {100,   {1000, 96},  100},
  {13,    {1500, 96},  20},    // 19.5: halves go away from zero
  {-13,   {1500, 96},  -20},
  {7,     {1500, 96},  11},    // 10.5
  {7,     {1250, 96},  9},     // 8.75
  {521,   {1000, 144}, 782},   // 781.5 at 150 % pixels per inch
  {521,   {1750, 192}, 1824},  // 1823.5
  {1,     {1000, 48},  1},     // 0.5
  {2000000, {1750, 480}, 17500000},  // no overflow on the way
};
// clang-format on

TEST(FormScale, LengthsGoToTheNearestPixel) {
  for (const LengthCase& c : kLengths) {
    EXPECT_EQ(ScaleLength(c.value, c.factor), c.expected)
        << c.value << " at " << c.factor.zoom << " / " << c.factor.dpi;
  }
}

// Every edge lies within half a pixel of the exact product, so a rectangle
// keeps its proportions within a pixel, and neighbours stay neighbours.
TEST(FormScale, EdgesStayWithinHalfAPixelAndNeighboursTouch) {
  const ScaleFactor factors[] = {{1000, 96}, {1100, 96}, {1250, 120}, {1500, 96}, {1750, 144}};
  for (const ScaleFactor f : factors) {
    const double exact = f.zoom / 1000.0 * f.dpi / 96.0;
    for (int left = 0; left < 60; left += 7) {
      for (int width = 1; width < 90; width += 3) {
        const Bounds design{left, left / 2, width, width + 1};
        const Bounds scaled = ScaleBounds(design, f);
        EXPECT_LE(std::abs(scaled.left - design.left * exact), 0.5);
        EXPECT_LE(std::abs(scaled.Right() - design.Right() * exact), 0.5);
        EXPECT_LE(std::abs(scaled.Bottom() - design.Bottom() * exact), 0.5);
        EXPECT_LE(std::abs(scaled.width - width * exact), 1.0);
        const Bounds next{design.Right(), design.top, 5, 5};
        EXPECT_EQ(ScaleBounds(next, f).left, scaled.Right());
      }
    }
  }
}

TEST(FormScale, PixelsGoBackToTheDesignTheyCameFrom) {
  const ScaleFactor factors[] = {{1000, 96}, {1100, 96}, {1250, 120}, {1500, 96}, {1750, 192}};
  for (const ScaleFactor f : factors) {
    for (int design = -300; design <= 600; ++design) {
      ASSERT_EQ(UnscaleLength(ScaleLength(design, f), f), design)
          << design << " at " << f.zoom << " / " << f.dpi;
    }
  }
  EXPECT_EQ(UnscaleLength(100, {500, 96}), 200);
  EXPECT_EQ(UnscaleLength(3, {1500, 96}), 2);  // 2.0 exactly
  EXPECT_EQ(UnscaleLength(5, {1500, 96}), 3);  // 3.33
  EXPECT_EQ(UnscaleLength(-5, {1500, 96}), -3);
}

TEST(FormScale, FontsScaleAndNeverVanish) {
  EXPECT_EQ(ScaleFontHeight(kDefaultFontHeight, {}), 13);
  EXPECT_EQ(ScaleFontHeight(kDefaultFontHeight, {1500, 96}), 20);
  EXPECT_EQ(ScaleFontHeight(kDefaultFontHeight, {1000, 144}), 20);
  EXPECT_EQ(ScaleFontHeight(1, {100, 96}), 1);
}

}  // namespace
}  // namespace vxl::ui
