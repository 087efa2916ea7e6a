#include "ui/FormScale.h"

#include <cstdint>

namespace vxl::ui {

int ScaleLength(int value, ScaleFactor factor) {
  const std::int64_t numerator = std::int64_t{value} * factor.zoom * factor.dpi;
  const std::int64_t denominator = std::int64_t{kNoZoom} * kDesignDpi;
  const std::int64_t half = denominator / 2;
  const std::int64_t scaled =
      numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
  return static_cast<int>(scaled);
}

Bounds ScaleBounds(const Bounds& design, ScaleFactor factor) {
  const int left = ScaleLength(design.left, factor);
  const int top = ScaleLength(design.top, factor);
  return {left, top, ScaleLength(design.Right(), factor) - left,
          ScaleLength(design.Bottom(), factor) - top};
}

int ScaleFontHeight(int designHeight, ScaleFactor factor) {
  const int height = ScaleLength(designHeight, factor);
  return height < 1 ? 1 : height;
}

}  // namespace vxl::ui
