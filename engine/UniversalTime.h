// The one birth instant the whole chart uses: local clock time plus the
// zone's signed corrections, less one hour under daylight saving. The angle
// and Moon steps take it as hours on the local civil date; the planet step
// takes the same instant as a carried civil date-time.
#pragma once

#include "engine/Records.h"

namespace varelio {

struct CivilMoment {
    int year = 0;
    int month = 0;   // 1 to 12
    int day = 0;     // 1 to 31
    int hour = 0;    // 0 to 23
    int minute = 0;  // 0 to 59
};

// Universal time in hours, counted from midnight of the local civil date;
// may lie outside 0 to 24 (it then moves the Julian date, not the calendar).
double UniversalTimeHours(const BirthData& birth);

// The same instant as a proper civil date-time in universal time.
CivilMoment PlanetUniversalMoment(const BirthData& birth);

// Proleptic Gregorian calendar arithmetic on day counts (0 = 1970-01-01).
long long DaysFromCivil(int year, int month, int day);
CivilMoment CivilFromMinutes(long long minutesSinceEpoch);

}  // namespace varelio
