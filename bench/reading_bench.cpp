// A whole reading for the Delhi birth of 2000 January 1, 17:30 (engine,
// retrograde lookup, the Manglik verdicts and their windows), and the Manglik
// pieces on their own.
#include "manglik/Manglik.h"
#include "reading/Reading.h"
#include "tests/support/Births.h"

#include <benchmark/benchmark.h>

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
