#include "engine/UniversalTime.h"

namespace varelio {

namespace {

constexpr long long kMinutesPerDay = 24 * 60;

long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

int ZoneCorrectionMinutes(const BirthData& birth) {
    return birth.zoneHours * 60 + birth.zoneMinutes - (birth.dst ? 60 : 0);
}

}  // namespace

double UniversalTimeHours(const BirthData& birth) {
    // Grouped as local time plus one offset so that, where the zone agrees
    // with the longitude's hemisphere, the value matches the hemisphere rule
    // to the last bit.
    const double localTime = birth.hour + birth.minute / 60.0;
    const double offset = birth.zoneHours + birth.zoneMinutes / 60.0 - (birth.dst ? 1.0 : 0.0);
    return localTime + offset;
}

// Howard Hinnant's days_from_civil: eras of 400 years, March-based years so
// the leap day falls at the end.
long long DaysFromCivil(int year, int month, int day) {
    const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
    const long long era = FloorDiv(y, 400);
    const long long yoe = y - era * 400;
    const long long mp = (month + 9) % 12;
    const long long doy = (153 * mp + 2) / 5 + day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilMoment CivilFromMinutes(long long minutesSinceEpoch) {
    const long long days = FloorDiv(minutesSinceEpoch, kMinutesPerDay);
    const long long minuteOfDay = minutesSinceEpoch - days * kMinutesPerDay;

    const long long z = days + 719468;
    const long long era = FloorDiv(z, 146097);
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long day = doy - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    const long long year = yoe + era * 400 + (month <= 2 ? 1 : 0);

    CivilMoment moment;
    moment.year = static_cast<int>(year);
    moment.month = static_cast<int>(month);
    moment.day = static_cast<int>(day);
    moment.hour = static_cast<int>(minuteOfDay / 60);
    moment.minute = static_cast<int>(minuteOfDay % 60);
    return moment;
}

CivilMoment PlanetUniversalMoment(const BirthData& birth) {
    const long long localMinutes = DaysFromCivil(birth.year, birth.month, birth.day) * kMinutesPerDay
                                   + birth.hour * 60LL + birth.minute;
    return CivilFromMinutes(localMinutes + ZoneCorrectionMinutes(birth));
}

}  // namespace varelio
