#include "service/ActionPlaces.h"

#include <cmath>
#include <cstdio>

namespace vxl {

std::optional<Point> KeypadPosition(std::int32_t actionCode, int w, int h) {
  if (actionCode < 201 || actionCode > 209) return std::nullopt;
  const int index = actionCode - 201;  // 0..8: rows bottom to top
  const int xs[] = {20, w / 2, w - 10};
  const int ys[] = {h - 10, h / 2, 10};
  return Point{xs[index % 3], ys[index / 3]};
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
  if (corner == 'L') return {window.left + 12, window.top + 12};
  return {window.right - 20, window.top + 12};
}

Point RectCentre(const Rect& rect) {
  return {rect.left + (rect.right - rect.left) / 2, rect.top + (rect.bottom - rect.top) / 2};
}

Point AbsoluteInputPoint(Point screen, int screenWidth, int screenHeight) {
  if (screenWidth <= 0 || screenHeight <= 0) return {0, 0};
  return {static_cast<std::int32_t>(std::lround(65535.0 / screenWidth * screen.x)),
          static_cast<std::int32_t>(std::lround(65535.0 / screenHeight * screen.y))};
}

}  // namespace vxl
