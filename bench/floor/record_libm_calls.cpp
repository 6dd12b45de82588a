// Records the libm calls of the floor births' readings (FloorBirths.h), each
// call with its arguments, for the floor benchmark to replay: the whole
// reading (ComputeReading) into libm-calls-reading.bin and the engine alone
// (ComputeChart, as BM_EngineRun) into
// libm-calls-engine.bin, in the directory given.
//
// Linked with --wrap for every function in VARELIO_LIBM_FUNCTIONS, so every
// call the core's libraries make reaches a wrapper here first: the same
// object code as the benchmarks run, the calls taken where they are made.
#include "FloorBirths.h"
#include "LibmCalls.h"

#include "astro/Chart.h"
#include "reading/Reading.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

using namespace varelio;
using namespace varelio::bench;

// Where the wrappers put the calls; null outside the recorded runs. A
// wrapper has no other way to reach it.
BirthCalls* gRecording = nullptr;

void Record(Libm function, double a, double b = 0) {
    if (gRecording != nullptr) gRecording->push_back({function, 0, a, b});
}

template <typename Run>
bool RecordEach(const std::string& path, Run run) {
    std::vector<BirthCalls> births;
    for (const BirthData& birth : FloorBirths()) {
        BirthCalls calls;
        gRecording = &calls;
        run(birth);
        gRecording = nullptr;
        births.push_back(std::move(calls));
    }
    std::size_t total = 0;
    for (const BirthCalls& calls : births) total += calls.size();
    std::printf("%s: %zu calls for %zu births\n", path.c_str(), total, births.size());
    return WriteCalls(path, births);
}

}  // namespace

#define VARELIO_WRAP_1(name)                                  \
    extern "C" double __real_##name(double);                  \
    extern "C" double __wrap_##name(double a) {               \
        Record(Libm::name, a);                                \
        return __real_##name(a);                              \
    }
#define VARELIO_WRAP_2(name)                                  \
    extern "C" double __real_##name(double, double);          \
    extern "C" double __wrap_##name(double a, double b) {     \
        Record(Libm::name, a, b);                             \
        return __real_##name(a, b);                           \
    }
VARELIO_WRAP_1(sin)
VARELIO_WRAP_1(cos)
VARELIO_WRAP_1(tan)
VARELIO_WRAP_1(asin)
VARELIO_WRAP_1(acos)
VARELIO_WRAP_1(atan)
VARELIO_WRAP_2(atan2)
VARELIO_WRAP_2(fmod)
VARELIO_WRAP_1(floor)
VARELIO_WRAP_1(ceil)
VARELIO_WRAP_1(trunc)
VARELIO_WRAP_1(round)
VARELIO_WRAP_2(fmin)
VARELIO_WRAP_2(fmax)
VARELIO_WRAP_1(sqrt)
VARELIO_WRAP_2(pow)
VARELIO_WRAP_1(exp)
VARELIO_WRAP_1(log)

extern "C" void __real_sincos(double, double*, double*);
extern "C" void __wrap_sincos(double a, double* s, double* c) {
    Record(Libm::sincos, a);
    __real_sincos(a, s, c);
}
extern "C" long long __real_llround(double);
extern "C" long long __wrap_llround(double a) {
    Record(Libm::llround, a);
    return __real_llround(a);
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::string directory = argv[1];
    Reading reading;
    ChartState chart;
    const bool ok = RecordEach(directory + "/libm-calls-reading.bin",
                               [&](const BirthData& birth) {
                                   reading.birthData = birth;
                                   ComputeReading(reading);
                               }) &&
                    RecordEach(directory + "/libm-calls-engine.bin", [&](const BirthData& birth) {
                        ComputeChart(birth, chart);
                    });
    return ok ? 0 : 1;
}
