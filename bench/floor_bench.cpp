// The libm floor of a reading: the same libm calls, with the same arguments,
// that the floor births' readings make (recorded by floor/record_libm_calls
// at build time), replayed alone. Set against BM_ComputeReadingFloorBirths
// and BM_EngineRunFloorBirths, which run those readings, in the same run
// (floor/floor_ratio.py), it says how much of a reading is anything but libm.
//
// Each function's calls are replayed in a loop of their own, in the order
// made, a direct call each and the results summed: the least any code making
// those calls could spend on them.
#include "floor/FloorBirths.h"
#include "floor/LibmCalls.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace varelio::bench;

struct ByFunction {
    std::array<std::vector<double>, kLibmNames.size()> a, b;
    std::size_t calls = 0;
};

// The calls this build's core makes, or those another build recorded
// (VARELIO_FLOOR_CALLS=DIR): the floor of the reading as an earlier version
// of the engine made it, to set this one against.
ByFunction Load(const char* file) {
    const char* other = std::getenv("VARELIO_FLOOR_CALLS");
    const std::string directory = other != nullptr && *other != '\0' ? other : VARELIO_LIBM_CALLS_DIR;
    const std::vector<BirthCalls> births = ReadCalls(directory + "/" + file);
    if (births.size() != static_cast<std::size_t>(kFloorBirthCount)) {
        std::fprintf(stderr, "%s/%s: not recorded for the floor births; build the libm_calls target\n",
                     directory.c_str(), file);
        std::exit(1);
    }
    ByFunction calls;
    for (const BirthCalls& birth : births) {
        for (const LibmCall& call : birth) {
            const auto f = static_cast<std::size_t>(call.function);
            calls.a[f].push_back(call.a);
            calls.b[f].push_back(call.b);
            ++calls.calls;
        }
    }
    return calls;
}

template <typename F>
double Each(const ByFunction& calls, Libm function, F f) {
    const auto k = static_cast<std::size_t>(function);
    double sum = 0;
    for (std::size_t i = 0; i < calls.a[k].size(); ++i) sum += f(calls.a[k][i], calls.b[k][i]);
    return sum;
}

// Not inlined, so a profile can count it alone (callgrind --toggle-collect).
[[gnu::noinline]] double Replay(const ByFunction& c) {
    using L = Libm;
    double sum = 0;
    sum += Each(c, L::sin, [](double a, double) { return std::sin(a); });
    sum += Each(c, L::cos, [](double a, double) { return std::cos(a); });
    sum += Each(c, L::tan, [](double a, double) { return std::tan(a); });
    sum += Each(c, L::asin, [](double a, double) { return std::asin(a); });
    sum += Each(c, L::acos, [](double a, double) { return std::acos(a); });
    sum += Each(c, L::atan, [](double a, double) { return std::atan(a); });
    sum += Each(c, L::atan2, [](double a, double b) { return std::atan2(a, b); });
    sum += Each(c, L::sincos, [](double a, double) {
        double s = 0, co = 0;
        ::sincos(a, &s, &co);
        return s + co;
    });
    sum += Each(c, L::fmod, [](double a, double b) { return std::fmod(a, b); });
    sum += Each(c, L::floor, [](double a, double) { return std::floor(a); });
    sum += Each(c, L::ceil, [](double a, double) { return std::ceil(a); });
    sum += Each(c, L::trunc, [](double a, double) { return std::trunc(a); });
    sum += Each(c, L::round, [](double a, double) { return std::round(a); });
    sum += Each(c, L::llround, [](double a, double) { return static_cast<double>(std::llround(a)); });
    sum += Each(c, L::fmin, [](double a, double b) { return std::fmin(a, b); });
    sum += Each(c, L::fmax, [](double a, double b) { return std::fmax(a, b); });
    sum += Each(c, L::sqrt, [](double a, double) { return std::sqrt(a); });
    sum += Each(c, L::pow, [](double a, double b) { return std::pow(a, b); });
    sum += Each(c, L::exp, [](double a, double) { return std::exp(a); });
    sum += Each(c, L::log, [](double a, double) { return std::log(a); });
    return sum;
}

void LibmFloor(benchmark::State& state, const char* file) {
    const ByFunction calls = Load(file);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Replay(calls));
    }
    state.counters["calls"] = static_cast<double>(calls.calls);
    state.SetItemsProcessed(state.iterations() * kFloorBirthCount);
}

void BM_LibmFloorReading(benchmark::State& state) { LibmFloor(state, "libm-calls-reading.bin"); }
BENCHMARK(BM_LibmFloorReading);

void BM_LibmFloorEngine(benchmark::State& state) { LibmFloor(state, "libm-calls-engine.bin"); }
BENCHMARK(BM_LibmFloorEngine);

}  // namespace
