#include "AllocationCount.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vxl::test {

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
