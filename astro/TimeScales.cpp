#include "astro/TimeScales.h"

namespace varelio {

namespace {

int ZoneCorrectionMinutes(const BirthData& birth) {
    return birth.zoneHours * 60 + birth.zoneMinutes - (birth.dst ? 60 : 0);
}

}  // namespace

double UniversalTimeHours(const BirthData& birth) {
    if (birth.utcOffsetSeconds) {
        return birth.hour + birth.minute / 60.0 - *birth.utcOffsetSeconds / 3600.0;
    }
    // Grouped as local time plus one offset so that, where the zone agrees
    // with the longitude's hemisphere, the value matches the hemisphere rule
    // to the last bit.
    const double localTime = birth.hour + birth.minute / 60.0;
    const double offset = birth.zoneHours + birth.zoneMinutes / 60.0 - (birth.dst ? 1.0 : 0.0);
    return localTime + offset;
}

int OffsetUsedSeconds(const BirthData& birth) {
    return birth.utcOffsetSeconds ? *birth.utcOffsetSeconds : -ZoneCorrectionMinutes(birth) * 60;
}

// The inverse of DaysSince1970 (Hinnant's civil_from_days).
CivilMoment CivilFromMinutesSince1970(long long minutes) {
    using detail::FloorDiv;
    const long long days = FloorDiv(minutes, kMinutesPerDay);
    const long long minuteOfDay = minutes - days * kMinutesPerDay;

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

CivilMoment UniversalMoment(const BirthData& birth) {
    const long long localMinutes = DaysSince1970(birth.year, birth.month, birth.day) * kMinutesPerDay
                                   + birth.hour * 60LL + birth.minute;
    if (!birth.utcOffsetSeconds) return CivilFromMinutesSince1970(localMinutes + ZoneCorrectionMinutes(birth));
    const long long seconds = localMinutes * 60 - *birth.utcOffsetSeconds;
    const long long minutes = detail::FloorDiv(seconds, 60);
    CivilMoment moment = CivilFromMinutesSince1970(minutes);
    moment.second = static_cast<int>(seconds - minutes * 60);
    return moment;
}

}  // namespace varelio
