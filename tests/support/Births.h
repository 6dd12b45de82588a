// The births that tests and benchmarks share, each written down once as the
// input window holds it. This header needs the astro layer alone and gives
// them as BirthData; BirthForms.h gives the same births as input forms.
#pragma once

#include "astro/Records.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace varelio::samples {

// A zone's corrections: added to local clock time they give universal time.
struct ZoneCorrection {
    int hours = 0;
    int minutes = 0;
};

inline constexpr ZoneCorrection kIndianTime{-5, -30};  // "+5.3", list row 34

struct SampleBirth {
    const char* name;
    int day, month, year, hour, minute;
    int zoneRow;          // position in the input window's time-zone list
    ZoneCorrection zone;  // that row's corrections; BirthForms.h checks them against the table
    int latDegrees, latMinutes;
    bool south;
    int lonDegrees, lonMinutes;
    bool east;
    const char* city;
    const char* state;
    const char* country;
};

// 1 January 2000, 17:30 Indian Time, 28°38' N, 77°13' E: the engine's worked example.
inline constexpr SampleBirth kDelhi2000{
    "Asha Rao", 1, 1, 2000, 17, 30, 34, kIndianTime, 28, 38, false, 77, 13, true, "Delhi", "Delhi", "India"};

// 7 March 1985, 9:05 Indian Time, 18°58' N, 72°50' E.
inline constexpr SampleBirth kMumbai1985{
    "Asha Rao", 7, 3, 1985, 9, 5, 34, kIndianTime, 18, 58, false, 72, 50, true, "Mumbai", "Maharashtra", "India"};

inline std::int16_t Short(int value) { return static_cast<std::int16_t>(value); }

// Date, clock time and zone only: all that the time scales read.
inline BirthData MakeBirth(int year, int month, int day, int hour, int minute, ZoneCorrection zone = {}) {
    BirthData birth;
    birth.year = Short(year);
    birth.month = Short(month);
    birth.day = Short(day);
    birth.hour = Short(hour);
    birth.minute = Short(minute);
    birth.zoneHours = Short(zone.hours);
    birth.zoneMinutes = Short(zone.minutes);
    birth.zoneHoursAbs = Short(std::abs(zone.hours));
    birth.zoneMinutesAbs = Short(std::abs(zone.minutes));
    return birth;
}

// A birth anywhere in the form's range, poles included, drawn by
// pick(low, high); DST is on for one draw in dstOneIn.
template <typename Pick>
BirthData RandomBirth(Pick& pick, int dstOneIn) {
    const int zoneHours = pick(-13, 12);
    BirthData birth = MakeBirth(pick(1901, 2050), pick(1, 12), pick(1, 28), pick(0, 24), pick(0, 59),
                                {zoneHours, pick(0, 1) * (zoneHours < 0 ? -30 : 30)});
    birth.dst = pick(0, dstOneIn - 1) == 0;
    birth.latDegrees = Short(pick(0, 89));
    birth.latMinutes = Short(pick(0, 59));
    birth.south = pick(0, 1) == 1;
    birth.lonDegrees = Short(pick(0, 179));
    birth.lonMinutes = Short(pick(0, 59));
    birth.east = pick(0, 1) == 1;
    return birth;
}

// Every field, as copying the birth's input form fills it.
inline BirthData BirthOf(const SampleBirth& sample) {
    BirthData birth = MakeBirth(sample.year, sample.month, sample.day, sample.hour, sample.minute, sample.zone);
    birth.name = sample.name;
    birth.latDegrees = Short(sample.latDegrees);
    birth.latMinutes = Short(sample.latMinutes);
    birth.south = sample.south;
    birth.lonDegrees = Short(sample.lonDegrees);
    birth.lonMinutes = Short(sample.lonMinutes);
    birth.east = sample.east;
    birth.city = sample.city;
    birth.state = sample.state;
    birth.country = sample.country;
    return birth;
}

// Every field on one line, so a failed comparison shows them all.
inline std::string Describe(const BirthData& b) {
    using std::to_string;
    return "name=[" + b.name + "] " + to_string(b.day) + "/" + to_string(b.month) + "/" + to_string(b.year) + " " +
           to_string(b.hour) + ":" + to_string(b.minute) + " zone=" + to_string(b.zoneHours) + "," +
           to_string(b.zoneMinutes) + " abs=" + to_string(b.zoneHoursAbs) + "," + to_string(b.zoneMinutesAbs) +
           " lat=" + to_string(b.latDegrees) + "," + to_string(b.latMinutes) + " lon=" + to_string(b.lonDegrees) +
           "," + to_string(b.lonMinutes) + " e/s/dst=" + to_string(b.east) + to_string(b.south) + to_string(b.dst) +
           " place=[" + b.city + "|" + b.state + "|" + b.country + "]" +
           (b.utcOffsetSeconds ? " utcOffsetSeconds=" + to_string(*b.utcOffsetSeconds) : std::string());
}

}  // namespace varelio::samples
