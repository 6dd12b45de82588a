#include "reading/Reading.h"

#include "astro/Angles.h"
#include "astro/Moon.h"
#include "astro/Planets.h"
#include "reading/ChartCells.h"
#include "reading/Summary.h"

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
    reading.chartCells = RasiChartCells(reading.summary.lagnaAbbreviation, chart);

    const ManglikReference references[] = {ManglikReference::Lagna, ManglikReference::Moon};
    for (std::size_t run = 0; run < 2; ++run) {
        ManglikEvaluation verdict = EvaluateManglik(references[run], chart);
        for (std::size_t line = 0; line < 3; ++line) {
            reading.manglikCaptions[3 * run + line] = std::move(verdict.captions[line]);
        }
        reading.manglikVerdicts[run] = verdict.manglik;
        reading.marsHouses[run] = verdict.marsHouse;
        reading.doshaPercentages[run] = std::move(verdict.doshaPercentage);
        reading.cancellations[run] = std::move(verdict.cancellation);
    }
    reading.manglikFromVenus = EvaluateManglik(ManglikReference::Venus, chart);
    reading.verdictWindow = ComputeVerdictWindow(reading.birthData);
}

}  // namespace varelio
