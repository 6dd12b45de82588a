// A ChartState built from sidereal longitudes, its numbers filled in as the
// engine fills them, for tests that do not run the engine.
#pragma once

#include "astro/Positions.h"
#include "astro/Signs.h"

#include <array>

namespace varelio::samples {

enum Sign { Ari, Tau, Gem, Can, Leo, Vir, Lib, Sco, Sag, Cap, Aqu, Pis };

// Longitudes in body order, Sun to Midheaven.
using Positions = std::array<double, kBodyCount>;

// A longitude that names no sign (a full turn): the body cannot be placed.
inline constexpr double kNoSign = 360.0;

inline ChartState MakeChart(const Positions& longitudes) {
    ChartState chart;
    for (std::size_t b = 0; b < longitudes.size(); ++b) chart.bodies[b] = PositionAt(longitudes[b]);
    return chart;
}

// The longitude of whole degrees and minutes into a sign (0 Aries, any whole
// number taken round the zodiac).
inline double Pos(int sign, int degrees = 15, int minutes = 30) {
    return ((sign % kSignCount) + kSignCount) % kSignCount * 30.0 + degrees + minutes / 60.0;
}

}  // namespace varelio::samples
