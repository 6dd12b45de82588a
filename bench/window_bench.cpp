// The birth-time window of both verdicts (Lagna and Moon) on its own: what a
// whole reading spends on it, once the chart of the entered time is there.
#include "astro/Chart.h"
#include "reading/VerdictWindow.h"
#include "tests/support/Births.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using namespace varelio;

struct BirthAndChart {
    BirthData birth;
    ChartState chart;
};

BirthAndChart WithChart(const BirthData& birth) {
    BirthAndChart made{birth, {}};
    ComputeChart(made.birth, made.chart);
    return made;
}

void WindowOf(benchmark::State& state, const samples::SampleBirth& sample) {
    const BirthAndChart b = WithChart(samples::BirthOf(sample));
    for (auto _ : state) {
        VerdictWindow window = ComputeVerdictWindow(b.birth, b.chart);
        benchmark::DoNotOptimize(window.lagna.to.minute);
        benchmark::DoNotOptimize(window.moon.to.minute);
    }
}

void BM_VerdictWindow(benchmark::State& state) { WindowOf(state, samples::kDelhi2000); }
BENCHMARK(BM_VerdictWindow);

void BM_VerdictWindowMumbai(benchmark::State& state) { WindowOf(state, samples::kMumbai1985); }
BENCHMARK(BM_VerdictWindowMumbai);

// 1,024 births drawn over the form's whole range, poles included: the time
// per birth on average.
void BM_VerdictWindowRandomBirths(benchmark::State& state) {
    std::mt19937 random(20261207);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::vector<BirthAndChart> births;
    for (int n = 0; n < 1024; ++n) {
        births.push_back(WithChart(samples::RandomBirth(pick, 2)));
    }
    for (auto _ : state) {
        for (const BirthAndChart& b : births) {
            VerdictWindow window = ComputeVerdictWindow(b.birth, b.chart);
            benchmark::DoNotOptimize(window.lagna.to.minute);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(births.size()));
}
BENCHMARK(BM_VerdictWindowRandomBirths);

}  // namespace
