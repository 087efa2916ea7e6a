// Conversions between Windows colours (0x00BBGGRR) and hue, saturation and
// lightness by the standard HSL model: every value in 0..1, lightness the
// mean of the largest and smallest component, hue and saturation 0 for
// greys. The way back rounds each component to the nearest of 0..255.
#pragma once

#include <cstdint>

namespace vxl {

struct HSL {
  double h = 0;  // 0..1, one turn of the colour wheel (0 = red)
  double s = 0;
  double l = 0;
};

HSL RGBToHSL(std::uint32_t colour);
// Values outside 0..1 are clamped; a hue of 1 is red again.
std::uint32_t HSLToRGB(double h, double s, double l);
inline std::uint32_t HSLToRGB(const HSL& hsl) { return HSLToRGB(hsl.h, hsl.s, hsl.l); }

}  // namespace vxl
