// Civil calendar arithmetic and the one birth instant the whole chart uses:
// local clock time plus the zone's signed corrections, less one hour under
// daylight saving. The angle and Moon steps take it as hours on the local
// civil date; the planet step takes the same instant as a carried civil
// date-time.
#pragma once

#include "astro/Records.h"

namespace varelio {

inline constexpr long long kMinutesPerDay = 24 * 60;

struct CivilMoment {
    int year = 0;
    int month = 0;   // 1 to 12
    int day = 0;     // 1 to 31
    int hour = 0;    // 0 to 23
    int minute = 0;  // 0 to 59
    int second = 0;  // 0 to 59; only an exact offset with seconds makes it other than 0
    friend bool operator==(const CivilMoment&, const CivilMoment&) = default;
};

namespace detail {
constexpr long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}
}  // namespace detail

// Days since 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's
// days_from_civil: eras of 400 years, March-based years so the leap day falls
// at the end). A day past the month's end runs on into the next month.
constexpr long long DaysSince1970(int year, int month, int day) {
    const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
    const long long era = detail::FloorDiv(y, 400);
    const long long yoe = y - era * 400;
    const long long mp = (month + 9) % 12;
    const long long doy = (153 * mp + 2) / 5 + day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The civil date-time of a minute count since 1970-01-01 00:00.
CivilMoment CivilFromMinutesSince1970(long long minutes);

// Universal time in hours, counted from midnight of the local civil date;
// may lie outside 0 to 24 (it then moves the Julian date, not the calendar).
// The birth's exact offset when it has one, else its zone row and DST flag.
double UniversalTimeHours(const BirthData& birth);

// The offset from universal time the birth's clock is taken at, local time
// minus universal time in seconds: the exact offset when it has one, else
// its zone row's, an hour more under daylight saving.
int OffsetUsedSeconds(const BirthData& birth);

// The same instant as a proper civil date-time in universal time, to the
// second.
CivilMoment UniversalMoment(const BirthData& birth);

}  // namespace varelio
