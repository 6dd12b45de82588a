#include "kundli/Calendar.h"

#include <cmath>

namespace varelio {

namespace {

double ClockMinutesSince1970(double jdUt, int offsetSeconds) {
    return (jdUt - kJulianDay1970) * kMinutesPerDay + offsetSeconds / 60.0;
}

}  // namespace

long long ClockDaysSince1970(double jdUt, int offsetSeconds) {
    return static_cast<long long>(std::floor(jdUt - kJulianDay1970 + offsetSeconds / kSecondsPerDay));
}

CivilMoment ClockDateAt(double jdUt, int offsetSeconds) {
    return CivilFromMinutesSince1970(static_cast<long long>(std::floor(ClockMinutesSince1970(jdUt, offsetSeconds))));
}

CivilMoment ClockMinuteAt(double jdUt, int offsetSeconds) {
    return CivilFromMinutesSince1970(std::llround(ClockMinutesSince1970(jdUt, offsetSeconds)));
}

Weekday WeekdayOfDays(long long daysSince1970) {
    const long long fromSunday = daysSince1970 + 4;  // 1970-01-01 was a Thursday
    return static_cast<Weekday>(fromSunday - detail::FloorDiv(fromSunday, kWeekdayCount) * kWeekdayCount);
}

}  // namespace varelio
