// Cost of marking the retrograde planets of one reading.
#include "retro/Retrogrades.h"
#include "tests/support/Births.h"

#include <benchmark/benchmark.h>


namespace {

using varelio::BirthData;
using varelio::ChartState;

void BM_MarkRetrogrades(benchmark::State& state) {
    BirthData birth = varelio::samples::BirthOf(varelio::samples::kDelhi2000);
    ChartState chart;
    int year = 1901;
    for (auto _ : state) {
        // A new date each round, so no branch pattern is learned for one day.
        birth.year = static_cast<std::int16_t>(year);
        year = year == 2050 ? 1901 : year + 1;
        varelio::MarkRetrogrades(birth, chart);
        benchmark::DoNotOptimize(chart.bodies[varelio::kMars].retrograde);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MarkRetrogrades);

void BM_IsRetrogradeAtMercury(benchmark::State& state) {
    varelio::CivilMoment moment{1901, 1, 1, 12, 0};
    for (auto _ : state) {
        moment.year = moment.year == 2050 ? 1901 : moment.year + 1;
        benchmark::DoNotOptimize(varelio::IsRetrogradeAt(varelio::kMercury, moment));
    }
}
BENCHMARK(BM_IsRetrogradeAtMercury);

}  // namespace
