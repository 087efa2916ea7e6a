#include "service/ActionPlaces.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vxl {
namespace {

// Rectangles come from other programs and sizes from the system, so sums are
// made in 64 bits: a wild rectangle gives a point at the edge of the int
// range instead of overflowing.
std::int32_t ClampToInt32(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

Point ClampedPoint(std::int64_t x, std::int64_t y) { return {ClampToInt32(x), ClampToInt32(y)}; }

}  // namespace

std::optional<Point> KeypadPosition(std::int32_t actionCode, int w, int h) {
  if (actionCode < 201 || actionCode > 209) return std::nullopt;
  const int index = actionCode - 201;  // 0..8: rows bottom to top
  const std::int64_t width = w;
  const std::int64_t height = h;
  const std::int64_t xs[] = {20, width / 2, width - 10};
  const std::int64_t ys[] = {height - 10, height / 2, 10};
  return ClampedPoint(xs[index % 3], ys[index / 3]);
}

std::string DateText(std::int32_t actionCode, CivilDate date, const std::string& dateSeparator) {
  char yy[8], yyyy[8], mm[8], dd[8];
  std::snprintf(yyyy, sizeof yyyy, "%04d", date.year % 10000);
  std::snprintf(yy, sizeof yy, "%02d", date.year % 100);
  std::snprintf(mm, sizeof mm, "%02d", date.month);
  std::snprintf(dd, sizeof dd, "%02d", date.day);
  std::string text;
  switch (actionCode) {
    case 400: text = std::string(yy) + "-" + mm + "-" + dd; break;
    case 401: text = std::string(yyyy) + "-" + mm + "-" + dd; break;
    case 402: text = std::string(mm) + "-" + dd + "-" + yyyy; break;
    case 403: text = std::string(dd) + dateSeparator + mm + dateSeparator + yyyy; break;
    default: return {};
  }
  return text + "- ";
}

Point ForegroundCorner(const Rect& window, char corner) {
  const std::int64_t y = std::int64_t{window.top} + 12;
  if (corner == 'L') return ClampedPoint(std::int64_t{window.left} + 12, y);
  return ClampedPoint(std::int64_t{window.right} - 20, y);
}

Point RectCentre(const Rect& rect) {
  const std::int64_t left = rect.left;
  const std::int64_t top = rect.top;
  return ClampedPoint(left + (rect.right - left) / 2, top + (rect.bottom - top) / 2);
}

Point AbsoluteInputPoint(Point screen, int screenWidth, int screenHeight) {
  if (screenWidth <= 0 || screenHeight <= 0) return {0, 0};
  return {static_cast<std::int32_t>(std::lround(65535.0 / screenWidth * screen.x)),
          static_cast<std::int32_t>(std::lround(65535.0 / screenHeight * screen.y))};
}

}  // namespace vxl
