#include "ui/WinPaint_win.h"

#include <algorithm>
#include <utility>

namespace vxl::win {

DoubleBuffer::~DoubleBuffer() {
  // The bitmap must leave the DC before either is deleted.
  if (dc_ && originalBitmap_) ::SelectObject(dc_.get(), originalBitmap_);
}

HDC DoubleBuffer::Prepare(HDC target, Size size) {
  if (size.width <= 0 || size.height <= 0) return nullptr;
  if (!dc_) dc_.reset(::CreateCompatibleDC(target));
  if (!dc_) return nullptr;
  if (size.width > capacity_.width || size.height > capacity_.height) {
    const Size grown{std::max(size.width, capacity_.width),
                     std::max(size.height, capacity_.height)};
    UniqueBitmap bitmap(::CreateCompatibleBitmap(target, grown.width, grown.height));
    if (!bitmap) return nullptr;
    HGDIOBJ previous = ::SelectObject(dc_.get(), bitmap.get());
    if (!originalBitmap_) originalBitmap_ = previous;
    bitmap_ = std::move(bitmap);  // the old bitmap is no longer selected
    capacity_ = grown;
  }
  return dc_.get();
}

void DoubleBuffer::CopyTo(HDC target, Size size) const {
  if (dc_) ::BitBlt(target, 0, 0, size.width, size.height, dc_.get(), 0, 0, SRCCOPY);
}

void DrawPolygon(HDC dc, std::span<const Point> points) {
  // The shapes painted many times a second are small: no allocation for them.
  constexpr std::size_t kOnStack = 16;
  POINT stack[kOnStack] = {};
  std::vector<POINT> heap;
  POINT* vertices = stack;
  if (points.size() > kOnStack) {
    heap.resize(points.size());
    vertices = heap.data();
  }
  for (std::size_t i = 0; i < points.size(); ++i) vertices[i] = {points[i].x, points[i].y};
  ::Polygon(dc, vertices, static_cast<int>(points.size()));
}

}  // namespace vxl::win
