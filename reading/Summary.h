// The reading's display values derived from the engine's texts: ayanamsa
// without its sign, Lagna sign, nakshatra, rashi, nakshatra lord and pada.
#pragma once

#include "astro/Records.h"

namespace varelio {

// Fields whose source finds no match (an unknown Lagna sign, a nakshatra
// not in the segment table) keep their previous values.
void DeriveSummary(const ChartState& chart, ReadingSummary& summary);

// Sets nakshatraLord and nakshatraPada from the first segment row named
// nakshatraDisplay, provided lagnaAbbreviation is a sign abbreviation.
void LookupNakshatraLord(ReadingSummary& summary);

}  // namespace varelio
