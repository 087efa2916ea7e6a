// The zoom page's rules: the up-downs count in per cent, the program in
// thousandths.
#pragma once

#include <cstdint>
#include <optional>

namespace vxl {

constexpr int kZoomStepMin = 100;
constexpr int kZoomStepMax = 175;

// Whether the configuration window may go to percent (the test ApplyZoom
// makes, made before the up-down moves).
bool ConfigZoomStepAllowed(int percent, int zoomScale, int workAreaHeight, int windowHeight);
// The record's filterZoom for a step of the second up-down; empty when the
// step is outside 100..175 (the record keeps its value).
std::optional<std::int32_t> FilterZoomForStep(int percent);

}  // namespace vxl
