// Pure computations of the service's actions: where the pointer goes, which
// date text is typed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/Geometry.h"

namespace vxl {

// Actions 201..209 move the pointer to places laid out like the numeric
// keypad (7 top left ... 3 bottom right); empty for other codes.
std::optional<Point> KeypadPosition(std::int32_t actionCode, int screenWidth, int screenHeight);

struct CivilDate {
  int year;
  int month;
  int day;
};

// Actions 400..403: today's date as "yy-mm-dd", "yyyy-mm-dd", "mm-dd-yyyy"
// or "dd/mm/yyyy" (the "/" being the regional date separator), followed by
// "- ". Empty for other codes.
std::string DateText(std::int32_t actionCode, CivilDate date, const std::string& dateSeparator);

// Actions 213 ("L") and 214 (any other letter): just inside the foreground
// window's top corners.
Point ForegroundCorner(const Rect& window, char corner);

// The centre of a taskbar part, halves rounded towards zero.
Point RectCentre(const Rect& rect);

// A screen point in the 0..65535 coordinates of absolute mouse input.
Point AbsoluteInputPoint(Point screen, int screenWidth, int screenHeight);

}  // namespace vxl
