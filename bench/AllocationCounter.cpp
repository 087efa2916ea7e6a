#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> gAllocations{0};
}  // namespace

// Replacing the global pair confuses GCC's new/free matching, which looks only
// at the malloc inside.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  ++gAllocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace vxl::bench {

long AllocationCount() { return gAllocations; }

void ReportAllocations(benchmark::State& state, long before) {
  state.counters["allocs/iter"] = benchmark::Counter(static_cast<double>(gAllocations - before) /
                                                     static_cast<double>(state.iterations()));
}

}  // namespace vxl::bench
