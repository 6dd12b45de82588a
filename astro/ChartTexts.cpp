#include "astro/ChartTexts.h"

#include "astro/AngleText.h"
#include "astro/Angles.h"
#include "astro/Moon.h"
#include "astro/Nakshatras.h"
#include "astro/Planets.h"
#include "astro/Signs.h"


namespace varelio {

void FormatChartTexts(ChartState& chart) {
    for (std::size_t k = 0; k < kBodyCount; ++k) {
        const BodyPosition& body = chart.bodies[k];
        chart.bodyNames[k] = kBodyNamesEnglish[k];
        chart.bodyNamesSanskrit[k] = kBodyNamesSanskrit[k];
        if (body.retrograde) chart.bodyNamesSanskrit[k] += kRetrogradeMark;
        FormatShortForm(body.longitudeDeg, chart.bodyPositionText[k]);
    }
    chart.bodyNames[kBodyCount].clear();
    chart.bodyNamesSanskrit[kBodyCount].clear();
    chart.bodyPositionText[kBodyCount].clear();

    FormatLongForm(chart.bodies[kAscendant].longitudeDeg, chart.ascendantText);
    FormatLongForm(chart.bodies[kMidheaven].longitudeDeg, chart.midheavenText);
    FormatSignedForm(chart.ayanamsa, chart.ayanamsaText);

    const BodyPosition& moon = chart.bodies[kMoon];
    FormatLongForm(moon.longitudeDeg, chart.moonPositionText);
    chart.moonNakshatraName = moon.nakshatra == 0 ? std::string_view() : kNakshatras[moon.nakshatra - 1].name;
    chart.moonRashiName = moon.sign == 0 ? std::string_view() : kSignNames[moon.sign - 1].sanskrit;
    chart.moonSignName = moon.sign == 0 ? std::string_view() : kSignNames[moon.sign - 1].english;
}

void ComputeChart(const BirthData& birth, ChartState& chart) {
    ComputeAngles(birth, chart);
    ComputeMoon(birth, chart);
    ComputePlanets(birth, chart);
    FormatChartTexts(chart);
}

}  // namespace varelio
