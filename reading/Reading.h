// One whole reading from BirthData: engine, retrograde marks, the Manglik
// verdicts and their birth-time windows, in the driver's order. Numbers and
// codes only: the words of a reading are the edges' (words/).
#pragma once

#include "astro/Records.h"
#include "astro/Signs.h"
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

    const Evaluation& of(ManglikReference reference) const {
        return evaluations[static_cast<std::size_t>(reference)];
    }
};

// Runs every step after the form has been copied into reading.birthData:
// ComputeAngles, ComputeMoon, ComputePlanets, MarkRetrogrades, EvaluateManglik
// from the ascendant, the Moon and Venus, and the verdicts' birth-time windows.
void ComputeReading(Reading& reading);

}  // namespace varelio
