// The place finder: reading the GeoNames cities on first use, one completion
// per key press for every two-letter prefix, and entering a chosen place.
#include "places/PlaceEntry.h"
#include "places/PlaceFinder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>

namespace {

using varelio::PlaceFinder;

// A fresh finder each round; the process's first round also opens the library
// and lets it unpack its data, which run alone measures the cold start:
// varelio_bench --benchmark_filter=PlaceFinderLoad
void BM_PlaceFinderLoad(benchmark::State& state) {
    double firstMilliseconds = 0;
    for (auto _ : state) {
        PlaceFinder finder;
        if (!finder.WaitUntilLoaded()) {
            state.SkipWithError("libgeonames0 is not installed");
            return;
        }
        if (firstMilliseconds == 0) firstMilliseconds = finder.loadMilliseconds();
    }
    state.counters["first_ms"] = firstMilliseconds;
}
BENCHMARK(BM_PlaceFinderLoad)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

// What opening the input window pays: starting the load returns at once, the
// reading happens on the loader's thread (not timed here).
void BM_PlaceFinderStartLoading(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        PlaceFinder finder;
        const Clock::time_point start = Clock::now();
        finder.StartLoading();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        finder.WaitUntilLoaded();
    }
}
BENCHMARK(BM_PlaceFinderStartLoading)->Iterations(5)->Unit(benchmark::kMicrosecond)->UseManualTime();

// Every prefix "aa" to "zz" in turn, each timed on its own: the worst is what a
// key press may wait for its completions.
void BM_CompleteEveryTwoLetterPrefix(benchmark::State& state) {
    PlaceFinder finder;
    if (!finder.WaitUntilLoaded()) {
        state.SkipWithError("libgeonames0 is not installed");
        return;
    }
    using Clock = std::chrono::steady_clock;
    double worstMilliseconds = 0;
    double totalMilliseconds = 0;
    std::string worstPrefix;
    std::size_t completions = 0;
    for (auto _ : state) {
        for (char first = 'a'; first <= 'z'; ++first) {
            for (char second = 'a'; second <= 'z'; ++second) {
                const std::string prefix{first, second};
                const Clock::time_point start = Clock::now();
                const std::vector<varelio::Place> found = finder.Complete(prefix);
                const std::chrono::duration<double, std::milli> took = Clock::now() - start;
                completions += found.size();
                totalMilliseconds += took.count();
                if (took.count() > worstMilliseconds) {
                    worstMilliseconds = took.count();
                    worstPrefix = prefix;
                }
                benchmark::DoNotOptimize(found.data());
            }
        }
    }
    state.counters["worst_ms"] = worstMilliseconds;
    state.counters["mean_ms"] = totalMilliseconds / (static_cast<double>(state.iterations()) * 26 * 26);
    state.counters["completions"] = static_cast<double>(completions) / static_cast<double>(state.iterations());
    state.SetLabel("worst prefix '" + worstPrefix + "'");
}
BENCHMARK(BM_CompleteEveryTwoLetterPrefix)->Unit(benchmark::kMillisecond)->UseRealTime();

// Choosing a completion: names, coordinates, and the zone row from the tz database.
void BM_EnterPlace(benchmark::State& state) {
    PlaceFinder finder;
    const std::vector<varelio::Place> places = finder.Complete("new y");
    if (places.empty()) {
        state.SkipWithError("libgeonames0 is not installed");
        return;
    }
    varelio::FormValues form = varelio::InitialFormValues();
    form.yearIndex = 89;  // 1990
    form.monthIndex = 6;
    for (auto _ : state) {
        benchmark::DoNotOptimize(varelio::EnterPlace(places.front(), form));
    }
}
BENCHMARK(BM_EnterPlace)->Unit(benchmark::kMicrosecond);

}  // namespace
