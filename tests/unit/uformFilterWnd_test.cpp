#include "service/uformFilterWnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace vxl {
namespace {

// A colour in the lens's pixel form 0x00RRGGBB.
constexpr std::uint32_t Px(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return (r << 16) | (g << 8) | b;
}
constexpr std::uint32_t GreyPx(std::uint32_t v) { return Px(v, v, v); }

std::uint32_t Filtered(std::uint32_t pixel, const TFilterSettings& settings) {
  ApplyPixelFilter(&pixel, 1, settings);
  return pixel;
}

std::uint32_t Filtered(std::uint32_t pixel, std::int32_t mode) {
  return Filtered(pixel, MakeFilterSettings(mode, {}, {}));
}

struct Case {
  std::int32_t mode;
  std::uint32_t in;
  std::uint32_t out;
};

TEST(PixelFilters, EachModeGivesTheExactPixel) {
  // A pixel with luma 127 and one with 128, for the black-and-white edge.
  const std::uint32_t luma127 = Px(127, 127, 127);
  const std::uint32_t luma128 = Px(128, 128, 128);
  ASSERT_EQ(Luma(127, 127, 127), 127u);
  ASSERT_EQ(Luma(128, 128, 128), 128u);
  const Case cases[] = {
      {fmColourInversion, Px(0, 0, 0), Px(255, 255, 255)},
      {fmColourInversion, Px(18, 52, 86), Px(237, 203, 169)},
      {fmGreyLevels, Px(255, 0, 0), GreyPx(76)},
      {fmGreyLevels, Px(0, 255, 0), GreyPx(150)},
      {fmGreyLevels, Px(0, 0, 255), GreyPx(29)},
      {fmGreyLevels, Px(255, 255, 255), GreyPx(255)},
      {fmGreyLevelsInverted, Px(255, 0, 0), GreyPx(179)},
      {fmBlackAndWhite, luma127, GreyPx(0)},
      {fmBlackAndWhite, luma128, GreyPx(255)},
      {fmBlackAndWhiteInverted, luma127, GreyPx(255)},
      {fmBlackAndWhiteInverted, luma128, GreyPx(0)},
      {fmBrightnessInversion, Px(0, 0, 0), Px(255, 255, 255)},
      {fmBrightnessInversion, Px(255, 255, 255), Px(0, 0, 0)},
      {fmBrightnessInversion, Px(255, 0, 0), Px(255, 103, 103)},
      {fmBrightnessInversion, Px(128, 128, 128), Px(127, 127, 127)},
      {8, Px(1, 2, 3), Px(1, 2, 3)},
      {-1, Px(1, 2, 3), Px(1, 2, 3)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Filtered(c.in, c.mode), c.out) << "mode " << c.mode << " pixel " << std::hex << c.in;
  }
}

TEST(PixelFilters, BrightnessInversionKeepsTheHueAndTheTopByteZero) {
  // Every filter keeps the top byte 0, whatever the colour.
  for (std::uint32_t r = 0; r < 256; r += 15) {
    for (std::uint32_t g = 0; g < 256; g += 15) {
      for (std::uint32_t b = 0; b < 256; b += 15) {
        for (std::int32_t mode = 0; mode < 8; ++mode) {
          ASSERT_EQ(Filtered(Px(r, g, b), mode) >> 24, 0u) << mode;
        }
      }
    }
  }
  // Pure blue stays bluish and gets lighter.
  const std::uint32_t blue = InvertBrightness(Px(0, 0, 255));
  EXPECT_GT(blue & 0xFF, (blue >> 16) & 0xFF);
  EXPECT_GT(Luma((blue >> 16) & 0xFF, (blue >> 8) & 0xFF, blue & 0xFF), 29u);
}

TEST(PixelFilters, SubstitutionsMatchWholePixelsInOrder) {
  const std::uint32_t red = Px(255, 0, 0), blue = Px(0, 0, 255), green = Px(0, 255, 0);
  const TFilterSettings redToBlue = MakeFilterSettings(fmColourSubstitution, {red, blue}, {});
  EXPECT_EQ(Filtered(red, redToBlue), blue);
  EXPECT_EQ(Filtered(Px(254, 0, 0), redToBlue), Px(254, 0, 0));
  EXPECT_EQ(Filtered(NoColour, redToBlue), NoColour) << "pair 2 unused maps NoColour to itself";

  // Both sources equal: pair 1 wins.
  const TFilterSettings both = MakeFilterSettings(fmColourSubstitution, {red, blue}, {red, green});
  EXPECT_EQ(Filtered(red, both), blue);

  // Mode 3 with nothing chosen gives the colour inversion, NoColour included.
  const TFilterSettings inverted = MakeFilterSettings(fmColourSubstitutionInverted, {}, {});
  for (std::uint32_t p : {Px(0, 0, 0), Px(18, 52, 86), NoColour, Px(200, 10, 30)}) {
    EXPECT_EQ(Filtered(p, inverted), Filtered(p, fmColourInversion)) << std::hex << p;
  }
  EXPECT_EQ(Filtered(NoColour, inverted), Px(237, 203, 169));
  // Its destinations are stored inverted and come out as picked.
  const TFilterSettings picked =
      MakeFilterSettings(fmColourSubstitutionInverted, {red ^ 0xFFFFFF, blue ^ 0xFFFFFF}, {});
  EXPECT_EQ(Filtered(red ^ 0xFFFFFF, picked), blue);
}

TEST(PixelFilters, OtherModesForgetTheSubstitutionColours) {
  const TColourPair pair{Px(1, 1, 1), Px(2, 2, 2)};
  const TFilterSettings grey = MakeFilterSettings(fmGreyLevels, pair, pair);
  EXPECT_EQ(grey.ColSubst1.Src, NoColour);
  EXPECT_EQ(grey.ColSubst2.Dst, NoColour);
  const TFilterSettings kept = MakeFilterSettings(fmColourSubstitution, pair, pair);
  EXPECT_EQ(kept.ColSubst1.Src, pair.Src);
  EXPECT_EQ(kept.ColSubst2.Dst, pair.Dst);
}

TEST(PixelFilters, AWholeBitmapIsFilteredInOnePass) {
  std::vector<std::uint32_t> bitmap = {Px(0, 0, 0), Px(255, 0, 0), Px(18, 52, 86)};
  ApplyPixelFilter(bitmap.data(), bitmap.size(), MakeFilterSettings(fmGreyLevels, {}, {}));
  EXPECT_EQ(bitmap, (std::vector<std::uint32_t>{GreyPx(0), GreyPx(76), GreyPx(46)}));
  ApplyPixelFilter(nullptr, 0, MakeFilterSettings(fmBrightnessInversion, {}, {}));
}

}  // namespace
}  // namespace vxl
