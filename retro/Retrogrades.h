// The retrograde station tables of Mercury to Saturn and the
// lookup that marks the planets that were retrograde on the birth date.
//
// The station texts ("M,D,YYYY,h,m,", Universal Time, retro/StationData.h)
// are the data of record; the lookup reads them parsed into day numbers at
// compile time, so a calculation never re-reads the texts.
#pragma once

#include "astro/Records.h"
#include "astro/TimeScales.h"

namespace varelio {

// The planets the lookup knows are kMercury to kSaturn.
inline constexpr int kRetrogradeCount = kSaturn - kMercury + 1;

// True when the calendar date of birthMoment lies strictly between the two
// station dates of one of the planet's pairs. Station days themselves, times
// of day and bodies other than Mercury to Saturn all give false.
bool IsRetrogradeAt(BodyIndex planet, const CivilMoment& birthMoment);

// Looks up Mercury to Saturn at the birth's local date as entered (no zone,
// no daylight saving) and sets their positions' retrograde flags.
void MarkRetrogrades(const BirthData& birth, ChartState& chart);

}  // namespace varelio
