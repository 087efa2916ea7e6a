// The service adopts a whole record on every change the configuration
// program makes (a track bar drag sends dozens a second).
#include <benchmark/benchmark.h>

#include "common/ConfigRecord.h"

namespace {

void BM_AdoptReceivedRecord(benchmark::State& state) {
  vxl::TConfigRecord source;
  vxl::ResetToDefaults(source);
  const auto image = vxl::RecordBytes(source);
  vxl::TConfigRecord target;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vxl::AdoptRecordBytes(target, image.data(), image.size()));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_AdoptReceivedRecord);

void BM_ResetToDefaults(benchmark::State& state) {
  vxl::TConfigRecord record;
  for (auto _ : state) {
    vxl::ResetToDefaults(record);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ResetToDefaults);

}  // namespace
