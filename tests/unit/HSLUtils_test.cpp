#include "ui/HSLUtils.h"

#include <gtest/gtest.h>

namespace vxl {
namespace {

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return r | g << 8 | b << 16;
}

struct Figure {
  std::uint32_t colour;
  double h, s, l;
};

// Worked by hand from the model: lightness is the mean of the extreme
// components, saturation their spread over the distance to the nearer end.
// clang-format off
constexpr Figure kFigures[] = {
  {Rgb(255, 129, 129), 0.0,        1.0,        0.7529412},
  {Rgb(0, 0, 0),       0.0,        0.0,        0.0},
  {Rgb(255, 255, 255), 0.0,        0.0,        1.0},
  {Rgb(128, 128, 128), 0.0,        0.0,        0.5019608},
  {Rgb(255, 0, 0),     0.0,        1.0,        0.5},
  {Rgb(0, 255, 0),     1.0 / 3,    1.0,        0.5},
  {Rgb(0, 0, 255),     2.0 / 3,    1.0,        0.5},
  {Rgb(0, 128, 255),   0.5830065,  1.0,        0.5},
  {Rgb(255, 0, 128),   0.9163399,  1.0,        0.5},
  {Rgb(64, 32, 16),    0.0555556,  0.6,        0.1568627},
  {Rgb(200, 220, 240), 0.5833333,  0.5714286,  0.8627451},
};
// clang-format on

TEST(HSLUtils, KnownColoursGiveTheirHueSaturationAndLightness) {
  for (const Figure& f : kFigures) {
    SCOPED_TRACE(testing::Message() << std::hex << f.colour);
    const HSL hsl = RGBToHSL(f.colour);
    EXPECT_NEAR(hsl.h, f.h, 1e-6);
    EXPECT_NEAR(hsl.s, f.s, 1e-6);
    EXPECT_NEAR(hsl.l, f.l, 1e-6);
    EXPECT_EQ(HSLToRGB(f.h, f.s, f.l), f.colour);
  }
}

TEST(HSLUtils, EveryColourComesBackUnchanged) {
  for (std::uint32_t colour = 0; colour <= 0xFFFFFF; ++colour) {
    const std::uint32_t back = HSLToRGB(RGBToHSL(colour));
    if (back != colour) {
      FAIL() << std::hex << colour << " came back as " << back;
    }
  }
}

TEST(HSLUtils, LightnessAloneMovesAColourBetweenBlackAndWhite) {
  const HSL pink = RGBToHSL(Rgb(255, 129, 129));
  EXPECT_EQ(HSLToRGB(pink.h, pink.s, 0.0), Rgb(0, 0, 0));
  EXPECT_EQ(HSLToRGB(pink.h, pink.s, 1.0), Rgb(255, 255, 255));
  EXPECT_EQ(HSLToRGB(pink.h, pink.s, 0.5), Rgb(255, 0, 0));
  EXPECT_EQ(HSLToRGB(pink.h, pink.s, 120.0 / 239), Rgb(255, 1, 1));
}

TEST(HSLUtils, OutOfRangeValuesAreClampedAndAFullTurnIsRed) {
  EXPECT_EQ(HSLToRGB(1.0, 1.0, 0.5), Rgb(255, 0, 0));
  EXPECT_EQ(HSLToRGB(0.25, 1.0, 1.5), Rgb(255, 255, 255));
  EXPECT_EQ(HSLToRGB(0.25, -1.0, 0.5), Rgb(128, 128, 128));
  EXPECT_EQ(HSLToRGB(-0.5, 1.0, 0.5), Rgb(255, 0, 0));
}

}  // namespace
}  // namespace vxl
