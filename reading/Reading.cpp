#include "reading/Reading.h"

#include "astro/Angles.h"
#include "astro/ChartTexts.h"
#include "astro/Moon.h"
#include "astro/Planets.h"
#include "reading/ChartCells.h"
#include "reading/Summary.h"
#include "retro/Retrogrades.h"

namespace varelio {

void ComputeReading(Reading& reading) {
    ChartState& chart = reading.chartState;
    chart = ChartState{};
    ComputeAngles(reading.birthData, chart);
    ComputeMoon(reading.birthData, chart);
    ComputePlanets(reading.birthData, chart);
    MarkRetrogrades(reading.birthData, chart);
    FormatChartTexts(chart);
    reading.summary = DeriveSummary(chart);
    reading.chartCells = RasiChartCells(chart);

    const VerdictWindow window = ComputeVerdictWindow(reading.birthData);
    for (const ManglikReference reference : kManglikReferences) {
        Evaluation& evaluation = reading.evaluations[static_cast<std::size_t>(reference)];
        evaluation.verdict = EvaluateManglik(reference, chart);
        evaluation.window.reset();
    }
    reading.evaluations[static_cast<std::size_t>(ManglikReference::Lagna)].window = window.lagna;
    reading.evaluations[static_cast<std::size_t>(ManglikReference::Moon)].window = window.moon;
    reading.marsToBoundary = window.marsToBoundary;
}

}  // namespace varelio
