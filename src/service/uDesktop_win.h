// The process-wide drawing surface on the whole screen, source of every
// screen copy of the service, and the locator's background effect drawn from
// it.
#pragma once

#include <windows.h>

#include "common/ConfigRecord.h"
#include "service/uDraw.h"

namespace vxl {

// Holds the screen's device context (GetDC for no window) from its first use
// to the end of the program. Used on the user-interface thread only.
class TDesktopCanvas {
 public:
  static TDesktopCanvas& Instance();
  HDC Handle() const { return dc_; }

  TDesktopCanvas(const TDesktopCanvas&) = delete;
  TDesktopCanvas& operator=(const TDesktopCanvas&) = delete;

 private:
  TDesktopCanvas();
  ~TDesktopCanvas();
  HDC dc_;
};

// Draws the background effect of the record on dc over (0, 0)-extent, from
// the same rectangle of the screen: fill with backgroundColour (unless it is
// 0x010101), then copy with the record's raster operation, or blend the
// screen over the colour for the tinted filter. Results are not examined: a
// failed copy leaves the fill.
void DrawBackgroundEffect(HDC dc, Size extent, const TConfigRecord& config);

}  // namespace vxl
