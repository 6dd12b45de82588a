#include "engine/Reading.h"

#include "engine/Angles.h"
#include "engine/Moon.h"
#include "engine/Planets.h"
#include "engine/Summary.h"
#include "manglik/ChartCells.h"
#include "manglik/Manglik.h"
#include "retro/Retrogrades.h"

namespace varelio {

void ComputeReading(Reading& reading) {
    // Start from empty records so nothing of an earlier reading can survive a
    // step that finds no match (an unknown sign or nakshatra keeps its field).
    reading.chartState = ChartState{};
    reading.summary = ReadingSummary{};
    ChartState& chart = reading.chartState;

    // Fixed order: each engine step copies texts the earlier ones produced.
    ComputeAngles(reading.birthData, chart);
    ComputeMoon(reading.birthData, chart);
    ComputePlanets(reading.birthData, chart);
    reading.retrogradeFlags = MarkRetrogrades(reading.birthData, chart);
    DeriveSummary(chart, reading.summary);
    reading.chartCells = FillRasiChart(reading.summary.lagnaAbbreviation, chart);

    ManglikEvaluation lagna = EvaluateManglik(chart.bodyPositionText[kAscendant], "Mars", true, chart);
    ManglikEvaluation moon = EvaluateManglik(chart.bodyPositionText[kMoon], "Mars", false, chart);
    for (std::size_t i = 0; i < 3; ++i) {
        reading.manglikCaptions[i] = std::move(lagna.captions[i]);
        reading.manglikCaptions[3 + i] = std::move(moon.captions[i]);
    }
    reading.manglikVerdicts = {lagna.manglik, moon.manglik};
    reading.cancellations[0] = std::move(lagna.cancellation);
    reading.cancellations[1] = std::move(moon.cancellation);
}

}  // namespace varelio
