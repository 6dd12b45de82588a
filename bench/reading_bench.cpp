// A whole reading for the Delhi birth of 2000 January 1, 17:30 (engine,
// retrograde lookup, the Manglik verdicts and their windows, the dasha balance
// and the Panchang), and the Manglik pieces on their own; every floor birth's
// reading in turn.
#include "manglik/Manglik.h"
#include "reading/Reading.h"
#include "floor/FloorBirths.h"
#include "tests/support/Births.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

varelio::Reading DelhiReading() {
    varelio::Reading reading;
    reading.birthData = varelio::samples::BirthOf(varelio::samples::kDelhi2000);
    return reading;
}

void BM_ComputeReading(benchmark::State& state) {
    varelio::Reading reading = DelhiReading();
    for (auto _ : state) {
        varelio::ComputeReading(reading);
        benchmark::DoNotOptimize(reading.evaluations[1].verdict.house);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComputeReading);

// Every floor birth's reading in turn, against BM_LibmFloorReading.
void BM_ComputeReadingFloorBirths(benchmark::State& state) {
    std::vector<varelio::Reading> readings(varelio::bench::kFloorBirthCount);
    const std::vector<varelio::BirthData> births = varelio::bench::FloorBirths();
    for (std::size_t n = 0; n < births.size(); ++n) readings[n].birthData = births[n];
    for (auto _ : state) {
        for (varelio::Reading& reading : readings) {
            varelio::ComputeReading(reading);
            benchmark::DoNotOptimize(reading.evaluations[1].verdict.house);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * varelio::bench::kFloorBirthCount);
}
BENCHMARK(BM_ComputeReadingFloorBirths);

void BM_BothManglikVerdicts(benchmark::State& state) {
    varelio::Reading reading = DelhiReading();
    varelio::ComputeReading(reading);
    const varelio::ChartState& chart = reading.chartState;
    for (auto _ : state) {
        auto lagna = varelio::EvaluateManglik(varelio::ManglikReference::Lagna, chart);
        auto moon = varelio::EvaluateManglik(varelio::ManglikReference::Moon, chart);
        benchmark::DoNotOptimize(lagna.house);
        benchmark::DoNotOptimize(moon.house);
    }
}
BENCHMARK(BM_BothManglikVerdicts);

}  // namespace

// The birth's Panchang alone (sunrise and sunset included), from the reading's
// own Sun and Moon, before and after the Delhi sunrise of 1 January 2000.
void BM_ComputePanchang(benchmark::State& state) {
    varelio::Reading reading = DelhiReading();
    varelio::ComputeReading(reading);
    const varelio::BodyPosition& sun = reading.chartState.bodies[varelio::kSun];
    const varelio::BodyPosition& moon = reading.chartState.bodies[varelio::kMoon];
    varelio::ClockMoment moment = reading.moment;
    moment.jdUt -= static_cast<double>(state.range(0)) / 24.0;  // hours earlier
    for (auto _ : state) {
        const varelio::BirthPanchang panchang =
            varelio::ComputePanchang(moment, 28 + 38 / 60.0, 77 + 13 / 60.0, sun.longitudeDeg, moon.longitudeDeg);
        benchmark::DoNotOptimize(panchang.day.sun.riseJdUt);
    }
}
BENCHMARK(BM_ComputePanchang)->Arg(0)->Arg(12);

// Every period of the dasha down to the pratyantardashas, as the deepest JSON lists them.
void BM_DashaToThirdLevel(benchmark::State& state) {
    varelio::Reading reading = DelhiReading();
    varelio::ComputeReading(reading);
    for (auto _ : state) {
        int periods = 0;
        for (const varelio::DashaPeriod& mahadasha : varelio::Mahadashas(reading.dashaBalance, reading.moment.jdUt)) {
            for (const varelio::DashaPeriod& antardasha : varelio::SubPeriods(mahadasha)) {
                periods += varelio::SubPeriods(antardasha).count;
            }
        }
        benchmark::DoNotOptimize(periods);
    }
}
BENCHMARK(BM_DashaToThirdLevel);
