// The pointer locator's three paint routines on GDI, the performance monitor
// and the locator's double buffer. The numbers come from uDraw; this file only
// draws them.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <span>

#include "common/ConfigRecord.h"
#include "service/LocatorPositions.h"
#include "service/uDraw.h"
#include "service/uformMouseLoc.h"
#include "ui/WinHandles_win.h"
#include "ui/WinPaint_win.h"

namespace vxl {

// Now in microseconds: the performance counter, or the tick count when the
// counter cannot be read.
std::uint64_t TimestampMicroseconds();

// The monitor switch (off at every start) and the four timestamps of the
// last paint. Used on the user-interface thread only.
struct TPerformanceMonitor {
  bool on = false;
  std::array<std::uint64_t, 4> t{};
  void Toggle() { on = !on; }
  void Stamp(int i) {
    if (on) t[i] = TimestampMicroseconds();
  }
};

// The window's drawing state kept from one paint to the next, like a canvas:
// pen width and colour, brush colour. GDI pens cannot change, so a change
// makes a new one, selected into the buffer at once.
class TCanvasPens {
 public:
  void Attach(HDC dc);
  void SetPenWidth(std::int32_t width);
  void SetPenColour(TColour colour);
  void SetBrushColour(TColour colour);
  TColour PenColour() const { return penColour_; }
  TColour BrushColour() const { return brushColour_; }

 private:
  void RenewPen();
  void RenewBrush();
  HDC dc_ = nullptr;
  std::int32_t penWidth_ = 1;
  TColour penColour_ = 0;
  TColour brushColour_ = 0xFFFFFF;
  win::UniquePen pen_;
  win::UniqueBrush brush_;
};

// A double buffer cleared to black at the start of every paint (black is
// the overlays' colour key: what is not painted is not seen).
class TPaintBuffer {
 public:
  // The buffer's DC, black over width x height; null when it cannot be made.
  HDC Begin(HDC target, int width, int height) {
    HDC dc = buffer_.Prepare(target, {width, height});
    if (dc) ::PatBlt(dc, 0, 0, width, height, BLACKNESS);
    return dc;
  }
  void CopyTo(HDC target, int width, int height) { buffer_.CopyTo(target, {width, height}); }
  HDC Dc() const { return buffer_.Dc(); }

 private:
  win::DoubleBuffer buffer_;
};

class TLocatorPainter {
 public:
  TLocatorPainter(const TConfigRecord& config, const LocatorPositions& positions,
                  TPerformanceMonitor& monitor)
      : config_(config), positions_(positions), monitor_(monitor) {}
  TLocatorPainter(const TLocatorPainter&) = delete;
  TLocatorPainter& operator=(const TLocatorPainter&) = delete;

  // One paint of a window of the given size on dc, double-buffered.
  void Paint(PaintRoutine routine, HDC dc, int windowWidth, int windowHeight);

 private:
  void PaintFull(HDC dc);
  void PaintBarsAndArrow(HDC dc);
  void PaintBarsOnly(HDC dc);
  void DrawBars(HDC dc, bool autoColours);
  void DrawArrow(HDC dc, bool autoColours);
  void DrawMonitorPanel(HDC dc);
  void DrawPolygon(HDC dc, std::span<const Point> points, bool inverting);
  Size ClippedExtent() const;

  const TConfigRecord& config_;
  const LocatorPositions& positions_;
  TPerformanceMonitor& monitor_;
  TCanvasPens pens_;
  win::UniqueFont panelFont_;
  // Last, so that its DC goes before the pens and font selected into it.
  TPaintBuffer buffer_;
  // Working values of the current paint.
  ArrowGeometry arrow_;
  Size extent_;
  int windowWidth_ = 0;
  int windowHeight_ = 0;
};

}  // namespace vxl
