#include "ui/FormScale.h"

#include <cstdint>

namespace vxl::ui {

namespace {

// numerator / denominator to the nearest integer, halves away from zero.
int DivideRounded(std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t half = denominator / 2;
  return static_cast<int>(numerator >= 0 ? (numerator + half) / denominator
                                         : -((-numerator + half) / denominator));
}

}  // namespace

int ScaleLength(int value, ScaleFactor factor) {
  return DivideRounded(std::int64_t{value} * factor.zoom * factor.dpi,
                       std::int64_t{kNoZoom} * kDesignDpi);
}

int UnscaleLength(int pixels, ScaleFactor factor) {
  if (factor.zoom <= 0 || factor.dpi <= 0) return pixels;
  return DivideRounded(std::int64_t{pixels} * kNoZoom * kDesignDpi,
                       std::int64_t{factor.zoom} * factor.dpi);
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
