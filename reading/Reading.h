// One whole reading from BirthData: engine, retrograde marks, the Manglik
// verdicts and their birth-time windows, in the driver's order; then the
// dasha balance and the birth's Panchang. Numbers and codes only: the words of
// a reading are the edges' (words/).
#pragma once

#include "astro/Records.h"
#include "astro/Signs.h"
#include "kundli/Panchang.h"
#include "kundli/Vimshottari.h"
#include "manglik/Manglik.h"
#include "reading/VerdictWindow.h"

#include <array>
#include <optional>

namespace varelio {

// Everything the reading says from one reference: the verdict and, for the
// Lagna and the Moon, the birth times over which it holds.
struct Evaluation {
    ManglikVerdict verdict;
    std::optional<ReferenceWindow> window;
};

struct Reading {
    BirthData birthData;
    ChartState chartState;
    std::array<Evaluation, kManglikReferences.size()> evaluations;  // Lagna, Moon, Venus
    // Whole arc-minutes (cut) from Mars to the nearer edge of its sign.
    int marsToBoundary = 0;
    // Where within the windows' search Mars comes within its error of an edge.
    MarsNearEdge marsNearEdge;
    // The birth's moment and the clock it was told by: the dasha's dates and
    // the Panchang's times are read on that clock.
    ClockMoment moment;
    // The periods themselves are made from these two when asked for
    // (Mahadashas, SubPeriods in kundli/Vimshottari.h).
    DashaBalance dashaBalance;
    BirthPanchang panchang;

    const Evaluation& of(ManglikReference reference) const {
        return evaluations[static_cast<std::size_t>(reference)];
    }
};

// Runs every step after the form has been copied into reading.birthData:
// ComputeAngles, ComputeMoon, ComputePlanets, MarkRetrogrades, EvaluateManglik
// from the ascendant, the Moon and Venus, the verdicts' birth-time windows,
// the dasha balance and the Panchang.
void ComputeReading(Reading& reading);

}  // namespace varelio
