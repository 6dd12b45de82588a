// The birth-time window of both verdicts (Lagna and Moon) on its own: the
// share of a whole reading that searches three hours either side of the birth.
#include "reading/VerdictWindow.h"
#include "tests/support/Births.h"

#include <benchmark/benchmark.h>

namespace {

void BM_VerdictWindow(benchmark::State& state) {
    const varelio::BirthData birth = varelio::samples::BirthOf(varelio::samples::kDelhi2000);
    for (auto _ : state) {
        varelio::VerdictWindow window = varelio::ComputeVerdictWindow(birth);
        benchmark::DoNotOptimize(window.lagna.toMinute);
        benchmark::DoNotOptimize(window.moon.toMinute);
    }
}
BENCHMARK(BM_VerdictWindow);

void BM_VerdictWindowMumbai(benchmark::State& state) {
    const varelio::BirthData birth = varelio::samples::BirthOf(varelio::samples::kMumbai1985);
    for (auto _ : state) {
        varelio::VerdictWindow window = varelio::ComputeVerdictWindow(birth);
        benchmark::DoNotOptimize(window.lagna.toMinute);
        benchmark::DoNotOptimize(window.moon.toMinute);
    }
}
BENCHMARK(BM_VerdictWindowMumbai);

}  // namespace
