// The colour filter windows as one component of the service: the frame, the
// lens, the settings dialog and the templates window, at most one of each,
// owned by the main window. The decisions reach them through this interface;
// the frame timer thread reads where the frame and lens stand from the
// published origins, never from the windows.
#pragma once

#include <atomic>
#include <optional>

#include "common/Geometry.h"
#include "service/LocatorPositions.h"

namespace vxl {

enum class FilterWindowKind { Frame, Lens, Settings, Templates };

// Top-left corners of the frame and lens windows while they exist. Written
// on the user-interface thread as the windows open, move and close; read
// without a lock by the frame timer thread, which may see a corner one move
// old.
class FilterOrigins {
 public:
  std::optional<Point> Frame() const { return Load(frameExists_, frame_); }
  std::optional<Point> Lens() const { return Load(lensExists_, lens_); }
  void SetFrame(std::optional<Point> origin) { Store(origin, frameExists_, frame_); }
  void SetLens(std::optional<Point> origin) { Store(origin, lensExists_, lens_); }

 private:
  static std::optional<Point> Load(const std::atomic<bool>& exists, const AtomicPoint& at) {
    if (!exists.load(std::memory_order_acquire)) return std::nullopt;
    return at.Load();
  }
  static void Store(std::optional<Point> origin, std::atomic<bool>& exists, AtomicPoint& at) {
    if (origin) at.Store(*origin);
    exists.store(origin.has_value(), std::memory_order_release);
  }

  std::atomic<bool> frameExists_{false};
  std::atomic<bool> lensExists_{false};
  AtomicPoint frame_;
  AtomicPoint lens_;
};

class IFilterWindows {
 public:
  virtual ~IFilterWindows() = default;

  virtual bool Exists(FilterWindowKind kind) = 0;
  // Asks the window to close; it reports back by WM_VXL_FILTERS.
  virtual void Close(FilterWindowKind kind) = 0;
  // Destroys the window at once and marks it absent.
  virtual void Free(FilterWindowKind kind) = 0;
  // Creates and shows the frame (opened with no template), the settings
  // dialog or the templates window.
  virtual void Open(FilterWindowKind kind) = 0;
  virtual void RaiseFrame() = 0;
  virtual void RaiseLensTopmost() = 0;
  // The settings dialog takes the colour under the pointer as its first or
  // second colour (which = 1 or 2).
  virtual void CaptureColour(int which) = 0;
  // The settings dialog shows the colour under the pointer.
  virtual void ShowPixelColour(Point position, WindowRef window) = 0;
  // Safe to read from any thread.
  virtual const FilterOrigins& Origins() const = 0;
};

}  // namespace vxl
