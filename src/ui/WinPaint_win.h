// Painting helpers every window uses: the paint session of WM_PAINT, an
// off-screen buffer, and polygons from our points.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "common/Geometry.h"
#include "ui/WinHandles_win.h"

namespace vxl::win {

// BeginPaint/EndPaint around a WM_PAINT handler; dc() is null when the
// system gave nothing to paint on.
class PaintDC {
 public:
  explicit PaintDC(HWND wnd) : wnd_(wnd), dc_(::BeginPaint(wnd, &paint_)) {}
  ~PaintDC() { ::EndPaint(wnd_, &paint_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC dc() const { return dc_; }
  const RECT& Dirty() const { return paint_.rcPaint; }

 private:
  HWND wnd_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// A memory DC holding a bitmap compatible with a target DC, for drawing a
// whole frame off screen and copying it in one BitBlt. The bitmap is kept
// between paints and grown only when the size grows.
class DoubleBuffer {
 public:
  DoubleBuffer() = default;
  ~DoubleBuffer();
  DoubleBuffer(const DoubleBuffer&) = delete;
  DoubleBuffer& operator=(const DoubleBuffer&) = delete;

  // The buffer's DC with at least size, or null when the system refused.
  // What the last paint left in it stays.
  HDC Prepare(HDC target, Size size);
  // Copies (0, 0)-size of the buffer to the target's origin.
  void CopyTo(HDC target, Size size) const;
  HDC Dc() const { return dc_.get(); }

 private:
  UniqueMemoryDC dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ originalBitmap_ = nullptr;
  Size capacity_;
};

// Draws the polygon of any number of our points.
void DrawPolygon(HDC dc, std::span<const Point> points);

}  // namespace vxl::win
