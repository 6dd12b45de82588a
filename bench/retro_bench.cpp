// Cost of marking the retrograde planets of one reading.
#include "retro/Retrogrades.h"
#include "tests/support/Births.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using varelio::BirthData;
using varelio::ChartState;

void BM_MarkRetrogrades(benchmark::State& state) {
    BirthData birth = varelio::samples::BirthOf(varelio::samples::kDelhi2000);
    ChartState chart;
    varelio::BodyTable plain;
    std::copy(varelio::kBodyNamesSanskrit.begin(), varelio::kBodyNamesSanskrit.end(), plain.begin());
    int year = 1901;
    for (auto _ : state) {
        // A new date each round, so no branch pattern is learned for one day.
        birth.year = static_cast<std::int16_t>(year);
        year = year == 2050 ? 1901 : year + 1;
        chart.bodyNamesSanskrit = plain;
        benchmark::DoNotOptimize(varelio::MarkRetrogrades(birth, chart));
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

void BM_LoadMercuryStations(benchmark::State& state) {
    varelio::StationTable table;
    for (auto _ : state) {
        varelio::LoadMercuryStations(table);
        benchmark::DoNotOptimize(table.retrogradeStations.data());
    }
}
BENCHMARK(BM_LoadMercuryStations);

}  // namespace
