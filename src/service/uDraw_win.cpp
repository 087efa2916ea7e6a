#include "service/uDraw_win.h"

#include <algorithm>

#include "service/uDesktop_win.h"
#include "ui/WinText_win.h"

namespace vxl {
namespace {

constexpr TColour kPanelYellow = RGB(255, 255, 0);
constexpr TColour kPanelNavy = RGB(0, 0, 128);
constexpr int kPanelPenWidth = 3;
constexpr int kPanelFontPoints = 14;
// Pens wider than this are drawn at this width: a hand-made record must not
// make GDI outline with a pen millions of pixels wide.
constexpr std::int32_t kMaxPenWidth = 255;

}  // namespace

std::uint64_t TimestampMicroseconds() {
  LARGE_INTEGER counter;
  LARGE_INTEGER frequency;
  if (::QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0 &&
      ::QueryPerformanceCounter(&counter)) {
    return MicrosecondsFromCounter(static_cast<std::uint64_t>(counter.QuadPart),
                                   static_cast<std::uint64_t>(frequency.QuadPart));
  }
  return static_cast<std::uint64_t>(::GetTickCount()) * 1000;
}

// --- TCanvasPens -------------------------------------------------------------

void TCanvasPens::Attach(HDC dc) {
  dc_ = dc;
  if (!pen_) RenewPen();
  if (!brush_) RenewBrush();
  ::SelectObject(dc_, pen_.get());
  ::SelectObject(dc_, brush_.get());
}

void TCanvasPens::SetPenWidth(std::int32_t width) {
  width = std::clamp(width, 0, kMaxPenWidth);
  if (width == penWidth_ && pen_) return;
  penWidth_ = width;
  RenewPen();
}

void TCanvasPens::SetPenColour(TColour colour) {
  if (colour == penColour_ && pen_) return;
  penColour_ = colour;
  RenewPen();
}

void TCanvasPens::SetBrushColour(TColour colour) {
  if (colour == brushColour_ && brush_) return;
  brushColour_ = colour;
  RenewBrush();
}

void TCanvasPens::RenewPen() {
  win::UniquePen pen(::CreatePen(PS_SOLID, penWidth_, penColour_ & 0xFFFFFF));
  if (!pen) return;
  if (dc_) ::SelectObject(dc_, pen.get());
  pen_ = std::move(pen);  // the old pen is no longer selected, so it can go
}

void TCanvasPens::RenewBrush() {
  win::UniqueBrush brush(::CreateSolidBrush(brushColour_ & 0xFFFFFF));
  if (!brush) return;
  if (dc_) ::SelectObject(dc_, brush.get());
  brush_ = std::move(brush);
}

// --- TLocatorPainter ---------------------------------------------------------

void TLocatorPainter::Paint(PaintRoutine routine, HDC dc, int windowWidth, int windowHeight) {
  HDC buffer = buffer_.Begin(dc, windowWidth, windowHeight);
  if (buffer == nullptr) return;
  windowWidth_ = windowWidth;
  windowHeight_ = windowHeight;
  pens_.Attach(buffer);
  switch (routine) {
    case PaintRoutine::Full: PaintFull(buffer); break;
    case PaintRoutine::BarsAndArrow: PaintBarsAndArrow(buffer); break;
    case PaintRoutine::BarsOnly: PaintBarsOnly(buffer); break;
  }
  buffer_.CopyTo(dc, windowWidth, windowHeight);
}

Size TLocatorPainter::ClippedExtent() const {
  return {std::min(extent_.width, windowWidth_), std::min(extent_.height, windowHeight_)};
}

void TLocatorPainter::PaintFull(HDC dc) {
  monitor_.Stamp(0);
  arrow_ = ComputeArrow(positions_.currentPosition.Load(), config_);
  extent_ = arrow_.extent;
  monitor_.Stamp(1);
  monitor_.Stamp(2);
  DrawBackgroundEffect(dc, ClippedExtent(), config_);
  DrawBars(dc, config_.borderAutoColours);
  DrawArrow(dc, config_.arrowAutoColours);
  monitor_.Stamp(3);
  DrawMonitorPanel(dc);
}

void TLocatorPainter::PaintBarsAndArrow(HDC dc) {
  monitor_.Stamp(0);
  arrow_ = ComputeArrow(positions_.currentPosition.Load(), config_);
  extent_ = arrow_.extent;
  monitor_.Stamp(1);
  monitor_.Stamp(2);
  DrawBars(dc, false);
  DrawArrow(dc, false);
  monitor_.Stamp(3);
  DrawMonitorPanel(dc);
}

void TLocatorPainter::PaintBarsOnly(HDC dc) {
  monitor_.Stamp(0);
  extent_ = BarsOnlyExtent(positions_.currentPosition.Load(), config_);
  monitor_.Stamp(1);
  monitor_.Stamp(2);
  DrawBars(dc, false);
  monitor_.Stamp(3);
  DrawMonitorPanel(dc);
}

void TLocatorPainter::DrawPolygon(HDC dc, std::span<const Point> points, bool inverting) {
  std::array<Point, ArrowGeometry::kPointCount> clamped;
  const std::size_t count = std::min(points.size(), clamped.size());
  for (std::size_t i = 0; i < count; ++i) clamped[i] = ClampForDrawing(points[i]);
  // With R2_NOT every covered pixel becomes the inverse of what the buffer
  // holds there, whatever the pen and brush colours: the automatic colours.
  if (inverting) ::SetROP2(dc, R2_NOT);
  win::DrawPolygon(dc, std::span<const Point>(clamped.data(), count));
  if (inverting) ::SetROP2(dc, R2_COPYPEN);
}

void TLocatorPainter::DrawBars(HDC dc, bool autoColours) {
  if (config_.borderWidth <= 0) return;
  const auto bars = BarPolygon(extent_, config_.borderWidth);
  if (!autoColours) {
    // In automatic colours the outline keeps the width set last.
    pens_.SetPenWidth(config_.borderPenWidth);
    pens_.SetPenColour(config_.borderPenColour);
    pens_.SetBrushColour(config_.borderBrushColour);
  }
  DrawPolygon(dc, bars, autoColours);
}

void TLocatorPainter::DrawArrow(HDC dc, bool autoColours) {
  if (config_.arrowBarWidth <= 0) return;
  pens_.SetPenWidth(config_.arrowPenWidth);
  if (!autoColours) {
    pens_.SetPenColour(config_.arrowPenColour);
    pens_.SetBrushColour(config_.arrowBrushColour);
  }
  DrawPolygon(dc, arrow_.points, autoColours);
}

void TLocatorPainter::DrawMonitorPanel(HDC dc) {
  if (!monitor_.on) return;
  const TColour penColour = pens_.PenColour();
  const TColour brushColour = pens_.BrushColour();
  pens_.SetPenWidth(kPanelPenWidth);
  pens_.SetPenColour(kPanelYellow);
  pens_.SetBrushColour(kPanelNavy);
  ::Rectangle(dc, kMonitorPanelBox.left, kMonitorPanelBox.top, kMonitorPanelBox.right,
              kMonitorPanelBox.bottom);

  if (!panelFont_) {
    const int height = -::MulDiv(kPanelFontPoints, ::GetDeviceCaps(dc, LOGPIXELSY), 72);
    panelFont_.reset(::CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH, L"MS Sans Serif"));
  }
  ::SelectObject(dc, panelFont_.get());
  ::SetTextColor(dc, kPanelYellow);
  ::SetBkColor(dc, kPanelNavy);
  ::SetBkMode(dc, OPAQUE);
  const auto lines = MonitorPanelLines(ElapsedMicroseconds(monitor_.t[0], monitor_.t[1]),
                                       ElapsedMicroseconds(monitor_.t[2], monitor_.t[3]),
                                       positions_.currentPosition.Load());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::wstring text = win::Widen(lines[i]);
    ::TextOutW(dc, kMonitorTextX, kMonitorLineY[i], text.c_str(), static_cast<int>(text.size()));
  }
  pens_.SetPenColour(penColour);
  pens_.SetBrushColour(brushColour);
}

}  // namespace vxl
