// The chart's texts, every one formatted from the bodies' numbers: the long
// and short position forms, the ayanamsa, the Moon's nakshatra, rashi and
// sign, and the bodies' names with the retrograde mark.
#pragma once

#include "astro/Records.h"

#include <string_view>

namespace varelio {

// Appended to the Sanskrit name of a retrograde planet.
inline constexpr std::string_view kRetrogradeMark = " (R) ";

// Fills every text field of the chart from its numbers; texts of an earlier
// chart never survive.
void FormatChartTexts(ChartState& chart);

// The engine's three steps in their order and the texts: the chart of a birth
// without the retrograde lookup.
void ComputeChart(const BirthData& birth, ChartState& chart);

}  // namespace varelio
