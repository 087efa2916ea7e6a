// Counts every allocation of the program it is linked into (the global
// operator new is replaced in AllocationCount.cpp), so that the unit tests
// and the benchmarks can show that a hot path allocates nothing.
#pragma once

namespace vxl::test {

long AllocationCount();

}  // namespace vxl::test
