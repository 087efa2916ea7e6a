// The pixel filters of the colour filter lens: each turns the captured
// screen area under the lens, 32-bit pixels 0x00RRGGBB (blue in the low
// byte, top byte 0), into what the lens shows, in place, in one pass.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vxl {

// A substitution colour that is not in use (a plain colour value: a screen
// pixel of exactly this colour is matched like any other).
constexpr std::uint32_t NoColour = 0x00123456;
// The lens's colour key: a filtered pixel of exactly this value shows the
// screen beneath.
constexpr std::uint32_t kFilterColourKey = 0x00010101;

// Filter modes, in the order of the settings dialog's list.
enum TFilterMode : std::int32_t {
  fmColourInversion = 0,
  fmBrightnessInversion = 1,
  fmColourSubstitution = 2,
  fmColourSubstitutionInverted = 3,
  fmGreyLevels = 4,
  fmGreyLevelsInverted = 5,
  fmBlackAndWhite = 6,
  fmBlackAndWhiteInverted = 7,
};

struct TColourPair {
  std::uint32_t Src = NoColour;
  std::uint32_t Dst = NoColour;
};

struct TFilterSettings {
  std::int32_t Filter = fmColourInversion;
  TColourPair ColSubst1;
  TColourPair ColSubst2;
};

// SetFilter: the pairs are kept for the two substitution modes only; every
// other mode clears all four colours to NoColour.
TFilterSettings MakeFilterSettings(std::int32_t mode, TColourPair pair1, TColourPair pair2);

// ITU-R BT.601 luma in 16-bit fixed point, rounded to nearest: 0..255.
constexpr std::uint32_t Luma(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return (19595 * r + 38470 * g + 7471 * b + 32768) >> 16;
}

// The pixel with its luma inverted through the JPEG YCbCr conversion.
std::uint32_t InvertBrightness(std::uint32_t pixel);

// Transforms count pixels in place; a mode outside 0..7 leaves them as they
// are.
void ApplyPixelFilter(std::uint32_t* pixels, std::size_t count, const TFilterSettings& settings);

}  // namespace vxl
