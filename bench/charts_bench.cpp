// All seven divisional charts, every body's sign in each, for the Delhi birth
// of 2000 January 1, 17:30.
#include "charts/DivisionalCharts.h"
#include "reading/Reading.h"
#include "tests/support/Births.h"

#include <benchmark/benchmark.h>

namespace {

void BM_AllDivisionalCharts(benchmark::State& state) {
    varelio::Reading reading;
    reading.birthData = varelio::samples::BirthOf(varelio::samples::kDelhi2000);
    varelio::ComputeReading(reading);
    const varelio::ChartState& chart = reading.chartState;
    for (auto _ : state) {
        for (const varelio::Division& division : varelio::kDivisions) {
            auto signs = varelio::SignsInChart(division.chart, chart);
            benchmark::DoNotOptimize(signs);
        }
    }
}
BENCHMARK(BM_AllDivisionalCharts);

}  // namespace
