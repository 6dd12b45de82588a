// One full engine run for the Delhi birth of 2000 January 1, 17:30.
#include "engine/Angles.h"
#include "engine/Moon.h"
#include "engine/Planets.h"
#include "engine/Summary.h"

#include <benchmark/benchmark.h>

namespace {

varelio::BirthData DelhiBirth() {
    varelio::BirthData birth;
    birth.day = 1;
    birth.month = 1;
    birth.year = 2000;
    birth.hour = 17;
    birth.minute = 30;
    birth.zoneHours = -5;
    birth.zoneMinutes = -30;
    birth.zoneHoursAbs = 5;
    birth.zoneMinutesAbs = 30;
    birth.lonDegrees = 77;
    birth.lonMinutes = 13;
    birth.east = true;
    birth.latDegrees = 28;
    birth.latMinutes = 38;
    return birth;
}

void BM_EngineRun(benchmark::State& state) {
    const varelio::BirthData birth = DelhiBirth();
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
