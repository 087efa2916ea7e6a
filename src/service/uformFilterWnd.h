// The pixel filters of the colour filter lens: each turns the captured
// screen area under the lens, 32-bit pixels 0x00RRGGBB (blue in the low
// byte, top byte 0), into what the lens shows, in one pass.
//
// A frame can be filtered on several paths: the reference, plain per-pixel
// arithmetic written from the formulas (and the fallback where no vector
// unit applies), and vector paths for SSE2 and AVX2 that give exactly the
// reference's pixels, whatever their top byte.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vxl {

// A substitution colour that is not in use (a plain colour value: a screen
// pixel of exactly this colour is matched like any other).
constexpr std::uint32_t NoColour = 0x00123456;
// NoColour as a Windows colour value 0x00BBGGRR, as the colour pickers hold it.
constexpr std::uint32_t kNoColourPicker = 0x00563412;
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
constexpr std::int32_t kFilterModeCount = 8;

constexpr bool IsSubstitutionMode(std::int32_t mode) {
  return mode == fmColourSubstitution || mode == fmColourSubstitutionInverted;
}

struct TColourPair {
  std::uint32_t Src = NoColour;
  std::uint32_t Dst = NoColour;
  friend constexpr bool operator==(const TColourPair&, const TColourPair&) = default;
};

struct TFilterSettings {
  std::int32_t Filter = fmColourInversion;
  TColourPair ColSubst1;
  TColourPair ColSubst2;
};

// SetFilter: the pairs are kept for the two substitution modes only; every
// other mode clears all four colours to NoColour.
TFilterSettings MakeFilterSettings(std::int32_t mode, TColourPair pair1, TColourPair pair2);

// Colour forms. The pickers hold Windows colours 0x00BBGGRR (already
// resolved from system colours), the lens 0x00RRGGBB; in the inverting
// substitution mode the lens keeps the inverse of the picked colour, so that
// the user names colours as the inverted picture shows them. NoColour is
// never inverted, so a deactivated colour stays deactivated.
std::uint32_t ToFilterForm(std::uint32_t windowsColour, bool inverted);
std::uint32_t ToPickerForm(std::uint32_t filterColour, bool inverted);

// ITU-R BT.601 luma in 16-bit fixed point, rounded to nearest: 0..255.
constexpr std::uint32_t Luma(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return (19595 * r + 38470 * g + 7471 * b + 32768) >> 16;
}

// The pixel with its luma inverted through the JPEG YCbCr conversion.
std::uint32_t InvertBrightness(std::uint32_t pixel);

// One pixel through the reference; a mode outside 0..7 leaves it unchanged.
std::uint32_t FilterPixel(std::uint32_t pixel, const TFilterSettings& settings);

enum class TFilterPath { Reference, Sse2, Avx2 };

// Whether this build has the path and this processor can run it.
bool IsFilterPathAvailable(TFilterPath path);
// The fastest available path, chosen once per process.
TFilterPath FastestFilterPath();

// Filters count pixels from in to out on a path (the reference when the
// path is not available). out may be in itself; the two must not overlap
// otherwise.
void FilterPixels(TFilterPath path, const std::uint32_t* in, std::uint32_t* out, std::size_t count,
                  const TFilterSettings& settings);

// What the lens does to every frame: in place, on the fastest path.
void ApplyPixelFilter(std::uint32_t* pixels, std::size_t count, const TFilterSettings& settings);

}  // namespace vxl
