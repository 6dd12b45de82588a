// One full engine run, texts and summary included, for the Delhi birth of
// 2000 January 1, 17:30.
#include "astro/ChartTexts.h"
#include "reading/Summary.h"
#include "tests/support/Births.h"

#include <benchmark/benchmark.h>

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

}  // namespace
