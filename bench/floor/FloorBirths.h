// The births the libm floor is measured on: the recorder replays their
// readings' libm calls into a file, and the benchmarks run the same readings,
// so that a reading's time can be set against the time of its libm calls
// alone.
#pragma once

#include "astro/Records.h"
#include "tests/support/Births.h"

#include <cstdint>
#include <random>
#include <vector>

namespace varelio::bench {

inline constexpr int kFloorBirthCount = 256;

// Drawn over the form's whole range, poles included, with the engine's own
// generator and no library distribution, so every build draws the same births.
inline std::vector<BirthData> FloorBirths() {
    std::mt19937 random(20261207);
    const auto pick = [&](int low, int high) {
        return low + static_cast<int>(random() % static_cast<std::uint32_t>(high - low + 1));
    };
    std::vector<BirthData> births;
    for (int n = 0; n < kFloorBirthCount; ++n) births.push_back(samples::RandomBirth(pick, 4));
    return births;
}

}  // namespace varelio::bench
