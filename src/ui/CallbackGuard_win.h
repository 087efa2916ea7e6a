// The one guard every callback from the system goes through (window
// procedures, the WinEvent callback, timer threads): nothing thrown inside
// our code may unwind into the system, which cannot handle it.
#pragma once

#include <utility>

namespace vxl::win {

// Runs body and returns its result; an exception that escapes it is
// swallowed and fallback's result returned instead.
template <typename Body, typename Fallback>
auto GuardCallback(Body&& body, Fallback&& fallback) noexcept -> decltype(body()) {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    return std::forward<Fallback>(fallback)();
  }
}

}  // namespace vxl::win
