#include "reading/Reading.h"

#include "astro/Angles.h"
#include "astro/Moon.h"
#include "astro/Planets.h"
#include "astro/TimeScales.h"
#include "retro/Retrogrades.h"

namespace varelio {

void ComputeReading(Reading& reading) {
    // Every number of the chart is written below.
    ChartState& chart = reading.chartState;
    ComputeAngles(reading.birthData, chart);
    ComputeMoon(reading.birthData, chart);
    ComputePlanets(reading.birthData, chart);
    MarkRetrogrades(reading.birthData, chart);

    const VerdictWindow window = ComputeVerdictWindow(reading.birthData, chart);
    for (const ManglikReference reference : kManglikReferences) {
        Evaluation& evaluation = reading.evaluations[static_cast<std::size_t>(reference)];
        evaluation.verdict = EvaluateManglik(reference, chart);
        evaluation.window.reset();
    }
    reading.evaluations[static_cast<std::size_t>(ManglikReference::Lagna)].window = window.lagna;
    reading.evaluations[static_cast<std::size_t>(ManglikReference::Moon)].window = window.moon;
    reading.marsToBoundary = window.marsToBoundary;
    reading.marsNearEdge = window.marsNearEdge;

    const BirthData& birth = reading.birthData;
    const double moonDeg = chart.bodies[kMoon].longitudeDeg;
    reading.moment = {chart.julianDayNumber - 0.5 + chart.universalTime / 24.0, OffsetUsedSeconds(birth)};
    reading.dashaBalance = DashaBalanceAt(moonDeg);
    reading.panchang = ComputePanchang(reading.moment, ObserverLatitude(birth), -ObserverLongitude(birth),
                                       chart.bodies[kSun].longitudeDeg, moonDeg);
}

}  // namespace varelio
