// What the kundli tests share: a clock moment from a civil date and time.
#pragma once

#include "kundli/Calendar.h"

namespace varelio::testing {

// The moment at a clock time on a civil date, the clock offsetSeconds east of UT.
inline double JdAtClock(int year, int month, int day, int hour, int minute, int offsetSeconds) {
    return kJulianDay1970 + static_cast<double>(DaysSince1970(year, month, day)) +
           (hour * 60 + minute) / static_cast<double>(kMinutesPerDay) - offsetSeconds / kSecondsPerDay;
}

}  // namespace varelio::testing
