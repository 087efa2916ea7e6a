// Screen geometry shared by the portable logic; conversions to the system's
// POINT and RECT live in the Win32 files.
#pragma once

#include <cstdint>

namespace vxl {

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  constexpr std::int32_t Width() const { return right - left; }
  constexpr std::int32_t Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  // Half-open, as the system's PtInRect.
  constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace vxl
