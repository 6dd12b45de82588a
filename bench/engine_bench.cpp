// One full engine run for the Delhi birth of 2000 January 1, 17:30: the
// angles, the Moon and the planets. The reading's words are the edges', and
// the companion's are timed with its rows (bench/batch).
#include "astro/Chart.h"
#include "tests/support/Births.h"

#include <benchmark/benchmark.h>

namespace {

void BM_EngineRun(benchmark::State& state) {
    const varelio::BirthData birth = varelio::samples::BirthOf(varelio::samples::kDelhi2000);
    varelio::ChartState chart;
    for (auto _ : state) {
        varelio::ComputeChart(birth, chart);
        benchmark::DoNotOptimize(chart.bodies[varelio::kMoon].nakshatra);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EngineRun);

}  // namespace
