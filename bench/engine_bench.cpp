// One full engine run, texts and summary included, for the Delhi birth of
// 2000 January 1, 17:30, and for each of the floor births.
#include "astro/ChartTexts.h"
#include "reading/Summary.h"
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
        const varelio::ReadingSummary summary = varelio::DeriveSummary(chart);
        benchmark::DoNotOptimize(summary.nakshatraLord.data());
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
            const varelio::ReadingSummary summary = varelio::DeriveSummary(chart);
            benchmark::DoNotOptimize(summary.nakshatraLord.data());
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * varelio::bench::kFloorBirthCount);
}
BENCHMARK(BM_EngineRunFloorBirths);

}  // namespace
