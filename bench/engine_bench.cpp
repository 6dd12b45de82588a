// One full engine run for the Delhi birth of 2000 January 1, 17:30.
#include "astro/Angles.h"
#include "astro/Moon.h"
#include "astro/Planets.h"
#include "reading/Summary.h"
#include "tests/support/Births.h"

#include <benchmark/benchmark.h>

namespace {

void BM_EngineRun(benchmark::State& state) {
    const varelio::BirthData birth = varelio::samples::BirthOf(varelio::samples::kDelhi2000);
    varelio::ChartState chart;
    varelio::ReadingSummary summary;
    for (auto _ : state) {
        varelio::ComputeAngles(birth, chart);
        varelio::ComputeMoon(birth, chart);
        varelio::ComputePlanets(birth, chart);
        varelio::DeriveSummary(chart, summary);
        benchmark::DoNotOptimize(summary.nakshatraLord.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EngineRun);

}  // namespace
