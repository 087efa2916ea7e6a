// The service's colour filter component over Win32: it will own the frame,
// the lens, the settings dialog and the templates window. The windows
// themselves are not part of the service yet, so none ever exists: there is
// nothing to close, free, raise or ask, and no origin is published.
#pragma once

#include "service/FilterWindows.h"

namespace vxl::win {

class TFilterWindows final : public IFilterWindows {
 public:
  bool Exists(FilterWindowKind) override { return false; }
  void Close(FilterWindowKind) override {}
  void Free(FilterWindowKind) override {}
  void Open(FilterWindowKind) override {}
  void RaiseFrame() override {}
  void RaiseLensTopmost() override {}
  void CaptureColour(int) override {}
  void ShowPixelColour(Point, WindowRef) override {}
  const FilterOrigins& Origins() const override { return origins_; }

 private:
  FilterOrigins origins_;
};

}  // namespace vxl::win
