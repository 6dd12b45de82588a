// Birth records used across the engine tests.
#pragma once

#include "engine/Records.h"
#include "engine/Tables.h"

namespace varelio::test {

// Fills the zone fields from a row of the time-zone table, as the form does.
inline void SetZoneRow(BirthData& birth, int row) {
    const TimeZoneRow& zone = InitTables().timeZoneTable.at(static_cast<std::size_t>(row));
    birth.zoneHours = zone.timeZoneHourCorrection;
    birth.zoneMinutes = zone.timeZoneMinuteCorrection;
    birth.zoneHoursAbs = static_cast<std::int16_t>(zone.timeZoneHourCorrection < 0 ? -zone.timeZoneHourCorrection
                                                                                  : zone.timeZoneHourCorrection);
    birth.zoneMinutesAbs = static_cast<std::int16_t>(
        zone.timeZoneMinuteCorrection < 0 ? -zone.timeZoneMinuteCorrection : zone.timeZoneMinuteCorrection);
}

inline BirthData MakeBirth(int year, int month, int day, int hour, int minute, int zoneRow) {
    BirthData birth;
    birth.year = static_cast<std::int16_t>(year);
    birth.month = static_cast<std::int16_t>(month);
    birth.day = static_cast<std::int16_t>(day);
    birth.hour = static_cast<std::int16_t>(hour);
    birth.minute = static_cast<std::int16_t>(minute);
    SetZoneRow(birth, zoneRow);
    return birth;
}

// Delhi, 2000 January 1, 17:30 Indian time (zone row 34), no DST.
inline BirthData DelhiMillennium() {
    BirthData birth = MakeBirth(2000, 1, 1, 17, 30, 34);
    birth.name = "Worked Example";
    birth.lonDegrees = 77;
    birth.lonMinutes = 13;
    birth.east = true;
    birth.latDegrees = 28;
    birth.latMinutes = 38;
    birth.south = false;
    birth.city = "Delhi";
    return birth;
}

}  // namespace varelio::test
