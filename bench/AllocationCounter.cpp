#include "AllocationCounter.h"

#include "AllocationCount.h"

namespace vxl::bench {

long AllocationCount() { return test::AllocationCount(); }

void ReportAllocations(benchmark::State& state, long before) {
  state.counters["allocs/iter"] = benchmark::Counter(
      static_cast<double>(AllocationCount() - before) / static_cast<double>(state.iterations()));
}

}  // namespace vxl::bench
