// Moments as Julian days in universal time, read on the birth's own clock:
// the civil date and time there, and the weekday.
#pragma once

#include "astro/TimeScales.h"

#include <cstdint>

namespace varelio {

// The Julian day of 1970 January 1, 0h UT.
inline constexpr double kJulianDay1970 = 2440587.5;
inline constexpr double kSecondsPerDay = 86400;

// A moment and the clock it is told by (its offset east of universal time).
struct ClockMoment {
    double jdUt = 0;
    int offsetSeconds = 0;
};

// Vara: the days of the week, Sunday (Ravivara) first.
enum class Weekday : std::uint8_t { Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };
inline constexpr int kWeekdayCount = 7;

// The civil date on the clock offsetSeconds east of UT, as days since 1970-01-01.
long long ClockDaysSince1970(double jdUt, int offsetSeconds);

// The civil date and time on that clock, cut to the minute: the day a moment falls on.
CivilMoment ClockDateAt(double jdUt, int offsetSeconds);

// The same to the nearest minute, as an almanac gives a time.
CivilMoment ClockMinuteAt(double jdUt, int offsetSeconds);

// The weekday of a civil date given as days since 1970-01-01 (a Thursday).
Weekday WeekdayOfDays(long long daysSince1970);

}  // namespace varelio
