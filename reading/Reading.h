// One whole reading from BirthData: engine, retrograde marks, summary,
// Rasi chart cells, the Manglik verdicts and their birth-time window, in the
// driver's order.
#pragma once

#include "astro/Records.h"
#include "manglik/Manglik.h"
#include "reading/VerdictWindow.h"
#include "retro/Retrogrades.h"

#include <array>
#include <optional>
#include <string>

namespace varelio {

struct Reading {
    BirthData birthData;
    ChartState chartState;
    ReadingSummary summary;
    std::array<bool, kRetrogradeCount> retrogradeFlags{};  // Mercury .. Saturn
    std::array<std::string, 12> chartCells;     // sign cells, Aries first
    std::array<std::string, 6> manglikCaptions; // Lagna lines 0-2, Moon lines 3-5
    std::array<bool, 2> manglikVerdicts{};      // Lagna, Moon: true for "The person is Manglik"
    std::array<int, 2> marsHouses{};            // Lagna, Moon: 1 to 12, 0 when it could not be counted
    std::array<std::string, 2> doshaPercentages;  // Lagna, Moon: "50%", ...; empty when unknown
    std::array<std::optional<Cancellation>, 2> cancellations;  // Lagna, Moon
    ManglikEvaluation manglikFromVenus;  // the third reference; the window and the export show only the first two
    VerdictWindow verdictWindow;         // Lagna and Moon
};

// Runs every step after the form has been copied into reading.birthData:
// ComputeAngles, ComputeMoon, ComputePlanets, MarkRetrogrades, the summary,
// the chart cells, EvaluateManglik from the ascendant, the Moon and Venus, and
// the verdicts' birth-time window.
void ComputeReading(Reading& reading);

}  // namespace varelio
