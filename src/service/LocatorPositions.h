// Where the pointer locator points. Written by the frame timer thread and the
// user-interface thread, read by both without a lock: each coordinate is one
// aligned 32-bit word, and a reader may see a position one tick old.
#pragma once

#include <atomic>
#include <cstdint>

#include "common/Geometry.h"

namespace vxl {

class AtomicPoint {
 public:
  explicit AtomicPoint(Point p = {}) : x_(p.x), y_(p.y) {}
  Point Load() const {
    return {x_.load(std::memory_order_relaxed), y_.load(std::memory_order_relaxed)};
  }
  void Store(Point p) {
    x_.store(p.x, std::memory_order_relaxed);
    y_.store(p.y, std::memory_order_relaxed);
  }

 private:
  std::atomic<std::int32_t> x_;
  std::atomic<std::int32_t> y_;
};

struct LocatorPositions {
  AtomicPoint currentPosition;
  AtomicPoint previousPosition;
};

}  // namespace vxl
