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

// A width and height: a screen's, a window's, the region (0, 0)-(W, H) a
// paint covers.
struct Size {
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend constexpr bool operator==(const Size&, const Size&) = default;
};

// A rectangle by its edges, right and bottom excluded.
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

// A rectangle by its corner and size, as accessibility locations give it.
struct Box {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend constexpr bool operator==(const Box&, const Box&) = default;
};

// A window handle as it crosses into portable code and messages (0 = none);
// handles fit in 32 bits even in the 64-bit build, but the full width is
// kept.
using WindowRef = std::uintptr_t;

}  // namespace vxl
