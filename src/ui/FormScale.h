// Scaling a form's design (pixels at 100 % on a 96 pixels-per-inch screen)
// to the screen: by the user's zoom in thousandths and by the monitor's
// pixels per inch.
#pragma once

#include "ui/FormTable.h"

namespace vxl::ui {

constexpr int kDesignDpi = 96;
constexpr int kNoZoom = 1000;
// Arial, 13 pixels high at 100 %: the font every form starts with.
constexpr int kDefaultFontHeight = 13;

struct ScaleFactor {
  int zoom = kNoZoom;  // thousandths: 1500 = 150 %
  int dpi = kDesignDpi;
  friend bool operator==(const ScaleFactor&, const ScaleFactor&) = default;
};

// A length at the factor, to the nearest pixel (halves away from zero).
int ScaleLength(int value, ScaleFactor factor);

// Back from screen pixels to design pixels, to the nearest; for a factor of
// 100 % or more, ScaleLength of the result gives the pixels again.
int UnscaleLength(int pixels, ScaleFactor factor);

// A rectangle at the factor. Its edges are scaled, not its size, so that
// controls that touch at 100 % still touch, and every edge is within half a
// pixel of the exact product.
Bounds ScaleBounds(const Bounds& design, ScaleFactor factor);

// A font's pixel height at the factor; never below 1.
int ScaleFontHeight(int designHeight, ScaleFactor factor);

}  // namespace vxl::ui
