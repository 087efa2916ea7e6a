#include "config/uframeUIZoom.h"

#include "config/uformConfig.h"

namespace vxl {

bool ConfigZoomStepAllowed(int percent, int zoomScale, int workAreaHeight, int windowHeight) {
  return ZoomFits(workAreaHeight, windowHeight, ZoomFactor(percent * 10, zoomScale));
}

std::optional<std::int32_t> FilterZoomForStep(int percent) {
  if (percent < kZoomStepMin || percent > kZoomStepMax) return std::nullopt;
  return percent * 10;
}

}  // namespace vxl
