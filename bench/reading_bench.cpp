// A whole reading for the Delhi birth of 2000 January 1, 17:30 (engine,
// retrograde lookup, summary, chart cells, both Manglik verdicts), and the
// Manglik pieces on their own.
#include "engine/Form.h"
#include "tests/support/SampleBirths.h"
#include "engine/Reading.h"
#include "manglik/ChartCells.h"
#include "manglik/Manglik.h"

#include <benchmark/benchmark.h>

namespace {

varelio::Reading DelhiReading() {
    varelio::Reading reading;
    varelio::CopyFormToBirthData(varelio::samples::DelhiForm("Test"), reading.birthData);
    return reading;
}

void BM_ComputeReading(benchmark::State& state) {
    varelio::Reading reading = DelhiReading();
    for (auto _ : state) {
        varelio::ComputeReading(reading);
        benchmark::DoNotOptimize(reading.manglikCaptions[5].data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComputeReading);

void BM_BothManglikVerdicts(benchmark::State& state) {
    varelio::Reading reading = DelhiReading();
    varelio::ComputeReading(reading);
    const varelio::ChartState& chart = reading.chartState;
    for (auto _ : state) {
        auto lagna = varelio::EvaluateManglik(chart.bodyPositionText[varelio::kAscendant], "Mars", true, chart);
        auto moon = varelio::EvaluateManglik(chart.bodyPositionText[varelio::kMoon], "Mars", false, chart);
        benchmark::DoNotOptimize(lagna.captions[2].data());
        benchmark::DoNotOptimize(moon.captions[2].data());
    }
}
BENCHMARK(BM_BothManglikVerdicts);

void BM_FillRasiChart(benchmark::State& state) {
    varelio::Reading reading = DelhiReading();
    varelio::ComputeReading(reading);
    for (auto _ : state) {
        auto cells = varelio::FillRasiChart(reading.summary.lagnaAbbreviation, reading.chartState);
        benchmark::DoNotOptimize(cells[0].data());
    }
}
BENCHMARK(BM_FillRasiChart);

}  // namespace
