// The reading's display values, formatted from the chart's numbers: ayanamsa
// without its sign, Lagna sign, nakshatra, rashi, nakshatra lord and pada.
#pragma once

#include "astro/Records.h"

namespace varelio {

// The pada is the Moon's own quarter of its nakshatra. An unknown Lagna sign
// leaves the Lagna's values and the nakshatra's lord and pada empty.
ReadingSummary DeriveSummary(const ChartState& chart);

}  // namespace varelio
