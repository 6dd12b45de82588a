// One full engine run for the Delhi birth of 2000 January 1, 17:30, and for
// each of the floor births: the angles, the Moon and the planets. The
// reading's words are the edges', and the companion's are timed with its rows
// (bench/batch).
#include "astro/Chart.h"
#include "floor/FloorBirths.h"
#include "tests/support/Births.h"

#include <benchmark/benchmark.h>

#include <vector>

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

// Every floor birth's engine run in turn, against BM_LibmFloorEngine.
void BM_EngineRunFloorBirths(benchmark::State& state) {
    const std::vector<varelio::BirthData> births = varelio::bench::FloorBirths();
    varelio::ChartState chart;
    for (auto _ : state) {
        for (const varelio::BirthData& birth : births) {
            varelio::ComputeChart(birth, chart);
            benchmark::DoNotOptimize(chart.bodies[varelio::kMoon].nakshatra);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * varelio::bench::kFloorBirthCount);
}
BENCHMARK(BM_EngineRunFloorBirths);

}  // namespace
