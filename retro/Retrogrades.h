// modRetrogrades: the retrograde station tables of Mercury to Saturn and the
// lookup that marks the planets that were retrograde on the birth date.
//
// The station texts ("M,D,YYYY,h,m,", Universal Time) are the data of record;
// the lookup reads a copy of them parsed into day numbers at compile time, so
// a calculation never re-reads the texts.
#pragma once

#include "astro/Records.h"
#include "astro/TimeScales.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace varelio {

// One planet's retrograde periods: pair i runs from retrogradeStations[i] to
// directStations[i]. Each list holds n + 1 slots; slot n stays empty.
struct StationTable {
    std::vector<std::string> retrogradeStations;
    std::vector<std::string> directStations;
};

// Each fill procedure overwrites both lists of the table with its planet's
// entries; calling it again writes the same values.
void LoadMercuryStations(StationTable& table);
void LoadVenusStations(StationTable& table);
void LoadMarsStations(StationTable& table);
void LoadJupiterStations(StationTable& table);
void LoadSaturnStations(StationTable& table);

// The month number of a station entry's month piece. A piece that reads 1 to
// 12 (surrounding blanks and leading zeros allowed) is rewritten in place as
// that plain number; any other piece gives 0 and is left as it was.
int MonthNumber(std::string& monthPiece);

// The planets the lookup knows are kMercury to kSaturn; flags come in that order.
inline constexpr int kRetrogradeCount = kSaturn - kMercury + 1;

// Appended to the Sanskrit name of a retrograde planet.
inline constexpr std::string_view kRetrogradeMark = " (R) ";

// True when the calendar date of birthMoment lies strictly between the two
// station dates of one of the planet's pairs. Station days themselves, times
// of day and bodies other than Mercury to Saturn all give false.
bool IsRetrogradeAt(BodyIndex planet, const CivilMoment& birthMoment);

// Looks up Mercury to Saturn at the birth's local date as entered (no zone,
// no daylight saving) and appends kRetrogradeMark to the Sanskrit name of each
// retrograde one, chart.bodyNamesSanskrit[kMercury + k]. A name never carries
// the mark twice, and a stale mark on a planet that is not retrograde goes.
// Returns the five flags, Mercury first.
std::array<bool, kRetrogradeCount> MarkRetrogrades(const BirthData& birth, ChartState& chart);

}  // namespace varelio
