// One match of two computed readings (the Delhi and the Mumbai births): the
// Manglik comparison of their verdicts and the Ashtakoota of their Moons.
#include "matching/Match.h"
#include "tests/support/Births.h"

#include <benchmark/benchmark.h>

namespace {

varelio::Reading Computed(const varelio::samples::SampleBirth& birth) {
    varelio::Reading reading;
    reading.birthData = varelio::samples::BirthOf(birth);
    varelio::ComputeReading(reading);
    return reading;
}

void BM_MatchReadings(benchmark::State& state) {
    const varelio::Reading bride = Computed(varelio::samples::kDelhi2000);
    const varelio::Reading groom = Computed(varelio::samples::kMumbai1985);
    for (auto _ : state) {
        varelio::Match match = varelio::MatchReadings(bride, groom);
        benchmark::DoNotOptimize(match);
    }
}
BENCHMARK(BM_MatchReadings);

}  // namespace
