// A ChartState built from short-form position texts, with the engine's body
// names filled in, for tests that do not run the engine.
#pragma once

#include "astro/Records.h"
#include "astro/Signs.h"

#include <array>
#include <string>

namespace varelio::samples {

enum Sign { Ari, Tau, Gem, Can, Leo, Vir, Lib, Sco, Sag, Cap, Aqu, Pis };

// Positions in body order, Sun to Midheaven.
using Positions = std::array<std::string, kBodyCount>;

inline ChartState MakeChart(const Positions& positions) {
    ChartState chart;
    for (std::size_t b = 0; b < positions.size(); ++b) {
        chart.bodyNames[b] = kBodyNamesEnglish[b];
        chart.bodyNamesSanskrit[b] = kBodyNamesSanskrit[b];
        chart.bodyPositionText[b] = positions[b];
    }
    return chart;
}

// "dd Sgn mm" for a sign (any whole number, taken round the zodiac) and whole degrees.
inline std::string Pos(int sign, int degrees = 15, int minutes = 30) {
    auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return two(degrees) + " " + std::string(SignAbbreviation(((sign % kSignCount) + kSignCount) % kSignCount)) +
           " " + two(minutes);
}

}  // namespace varelio::samples
