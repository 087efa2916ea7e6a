// Counts every allocation of the benchmark program, so that the paths that
// must not allocate (every mouse message, every caret move) show it.
#pragma once

#include <benchmark/benchmark.h>

namespace vxl::bench {

long AllocationCount();  // the shared counter of tests/support

// Sets the "allocs/iter" counter from the count taken before the loop.
void ReportAllocations(benchmark::State& state, long before);

}  // namespace vxl::bench
