#include "AllocationCount.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

// The replacements pair malloc with free, which GCC cannot see through.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
namespace {
std::atomic<long> gAllocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++gAllocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace vxl::test {

long AllocationCount() { return gAllocations; }

namespace {

// Where the test's blocks escape to, so that no allocation is elided.
void* volatile gKeep = nullptr;

// The tests that rely on a count of 0 would pass with a counter that never
// counts.
TEST(AllocationCount, CountsEveryAllocation) {
  const long before = AllocationCount();
  auto one = std::make_unique<int>(1);
  gKeep = one.get();
  std::vector<int> three(3);
  gKeep = three.data();
  EXPECT_EQ(AllocationCount() - before, 2);
}

}  // namespace
}  // namespace vxl::test
