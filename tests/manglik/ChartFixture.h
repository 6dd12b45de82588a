// A ChartState built from short-form position texts, with the engine's body
// names filled in, for tests that do not run the engine.
#pragma once

#include "engine/Records.h"

#include <array>
#include <string>

namespace varelio::testing {

inline ChartState MakeChart(const std::array<std::string, 11>& positions, std::string moonSignName = "Gemini") {
    static const std::array<const char*, 11> kNames = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter",
                                                       "Saturn", "Rahu", "Ketu", "Ascendant", "Midheaven"};
    static const std::array<const char*, 11> kSanskrit = {"Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru",
                                                          "Shani", "Rahu", "Ketu", "Ascendant", "Midheaven"};
    ChartState chart;
    for (std::size_t b = 0; b < 11; ++b) {
        chart.bodyNames[b] = kNames[b];
        chart.bodyNamesSanskrit[b] = kSanskrit[b];
        chart.bodyPositionText[b] = positions[b];
    }
    chart.moonSignName = std::move(moonSignName);
    return chart;
}

// Sign abbreviations by index, 0 Aries .. 11 Pisces.
inline std::string SignAt(int k) {
    static const std::array<const char*, 12> kSigns = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                                       "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    return kSigns[static_cast<std::size_t>(((k % 12) + 12) % 12)];
}

// "dd Sgn mm" for a sign index and whole degrees.
inline std::string Pos(int sign, int degrees = 15, int minutes = 30) {
    auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return two(degrees) + " " + SignAt(sign) + " " + two(minutes);
}

}  // namespace varelio::testing
