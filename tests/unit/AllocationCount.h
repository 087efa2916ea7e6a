// Counts the allocations of the whole unit test program (the global
// operator new is replaced in AllocationCount_test.cpp), so that a test can
// see that a hot path allocates nothing.
#pragma once

namespace vxl::test {

long AllocationCount();

}  // namespace vxl::test
