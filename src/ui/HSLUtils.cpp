#include "ui/HSLUtils.h"

#include <algorithm>
#include <cmath>

namespace vxl {
namespace {

double Component(std::uint32_t colour, int shift) {
  return static_cast<double>((colour >> shift) & 0xFF) / 255.0;
}

std::uint32_t ToByte(double value) {
  return static_cast<std::uint32_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

// One component from the hue's position on the wheel between p and q.
double HueToComponent(double p, double q, double t) {
  if (t < 0) t += 1;
  if (t > 1) t -= 1;
  if (t < 1.0 / 6) return p + (q - p) * 6 * t;
  if (t < 1.0 / 2) return q;
  if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
  return p;
}

}  // namespace

HSL RGBToHSL(std::uint32_t colour) {
  const double r = Component(colour, 0);
  const double g = Component(colour, 8);
  const double b = Component(colour, 16);
  const double max = std::max({r, g, b});
  const double min = std::min({r, g, b});
  HSL hsl;
  hsl.l = (max + min) / 2;
  if (max == min) return hsl;
  const double d = max - min;
  hsl.s = hsl.l > 0.5 ? d / (2 - max - min) : d / (max + min);
  if (max == r) {
    hsl.h = (g - b) / d + (g < b ? 6 : 0);
  } else if (max == g) {
    hsl.h = (b - r) / d + 2;
  } else {
    hsl.h = (r - g) / d + 4;
  }
  hsl.h /= 6;
  return hsl;
}

std::uint32_t HSLToRGB(double h, double s, double l) {
  h = std::clamp(h, 0.0, 1.0);
  s = std::clamp(s, 0.0, 1.0);
  l = std::clamp(l, 0.0, 1.0);
  double r = l;
  double g = l;
  double b = l;
  if (s > 0) {
    const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
    const double p = 2 * l - q;
    r = HueToComponent(p, q, h + 1.0 / 3);
    g = HueToComponent(p, q, h);
    b = HueToComponent(p, q, h - 1.0 / 3);
  }
  return ToByte(r) | ToByte(g) << 8 | ToByte(b) << 16;
}

}  // namespace vxl
