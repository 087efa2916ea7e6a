#include "service/uDesktop_win.h"

#include "ui/WinHandles_win.h"

namespace vxl {

TDesktopCanvas& TDesktopCanvas::Instance() {
  static TDesktopCanvas canvas;
  return canvas;
}

TDesktopCanvas::TDesktopCanvas() : dc_(::GetDC(nullptr)) {}

TDesktopCanvas::~TDesktopCanvas() {
  if (dc_) ::ReleaseDC(nullptr, dc_);
}

void DrawBackgroundEffect(HDC dc, Size extent, const TConfigRecord& config) {
  const int width = extent.width;
  const int height = extent.height;
  if (width <= 0 || height <= 0) return;
  if (const auto fill = BackgroundFillColour(config)) {
    win::UniqueBrush brush(::CreateSolidBrush(*fill));
    const RECT region{0, 0, width, height};
    ::FillRect(dc, &region, brush.get());
  }
  HDC screen = TDesktopCanvas::Instance().Handle();
  if (!config.backgroundTinted) {
    // Without CAPTUREBLT: the layered locator itself is not part of the copy.
    // An unknown raster operation is passed on as it stands; GDI draws
    // whatever that ternary operation means.
    ::BitBlt(dc, 0, 0, width, height, screen, 0, 0, config.backgroundRasterOp);
    return;
  }
  // The screen at constant alpha over the colour: result = S*a + C*(1-a). The
  // screen's own alpha byte is not a dependable value, so it is not used.
  BLENDFUNCTION blend{AC_SRC_OVER, 0, config.backgroundTransparency, 0};
  ::GdiAlphaBlend(dc, 0, 0, width, height, screen, 0, 0, width, height, blend);
}

}  // namespace vxl
