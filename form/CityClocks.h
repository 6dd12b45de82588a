// Clocks the tz database lacks, and which clock a found place kept at a date.
// The tz database gives one history per zone, drawn from one reference city:
// Asia/Kolkata puts all of India on Madras time before 1906 and on Indian
// Standard Time after, while Bombay and Calcutta kept their own clocks for
// decades, and before a country's standard time each place kept its own mean
// solar time. The tables' sources are in form/README.md.
#pragma once

#include "astro/TimeScales.h"
#include "form/ZoneChoice.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace varelio {

// A city's own clock, kept after its country's standard time began.
struct CityClock {
    std::uint32_t geonameId;   // the city's GeoNames id
    std::string_view city;     // GeoNames' English name of it; the clock's name is a word (words/Names.h)
    int offsetSeconds;         // east of universal time
    int lastYear;              // given up in this year; the sources name no day
};

inline constexpr std::array<CityClock, 2> kCityClocks{{
    {1275339, "Mumbai", 4 * 3600 + 51 * 60, 1955},
    {1275004, "Kolkata", 5 * 3600 + 53 * 60 + 20, 1948},
}};

// The day a country's standard time began, where the tz database has a city's
// or a railway's mean time before it instead of each place's own.
struct StandardTimeStart {
    std::string_view countryCode;  // ISO 3166
    int year, month, day;          // local clock, 00:00
};

inline constexpr std::array<StandardTimeStart, 1> kStandardTimeStarts{{
    {"IN", 1906, 1, 1},  // Indian Standard Time
}};

// The clock a place kept at a local clock time.
struct PlaceClock {
    ClockSource source = ClockSource::Zone;
    int offsetSeconds = 0;  // east of universal time
    // See ZoneNote::cityClock: the city's clock taken, or one it may still have kept; -1 for none.
    int cityClock = -1;
};

// The place's clock from what the tz database says of its zone (zone):
// - a city of kCityClocks before the year it gave its clock up, with no summer
//   or war time in the zone, keeps the city's clock; in that year, or under
//   summer or war time, the zone's clock is taken and the city's named;
// - before the country's standard time (its kStandardTimeStarts day, or the
//   zone's first period, which the tz database marks "LMT"), the place's
//   local mean time, longitude / 15° (4 minutes of time a degree, to the
//   nearest second);
// - otherwise the zone's clock.
PlaceClock ChoosePlaceClock(const ZoneFacts& zone, std::uint32_t geonameId, std::string_view countryCode,
                            double longitudeDegrees, const CivilMoment& clock);

// Local mean time east of universal time at a longitude (east positive), to the second.
int LocalMeanTimeSeconds(double longitudeDegrees);

}  // namespace varelio
