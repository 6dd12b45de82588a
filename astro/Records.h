// The records of one reading: the birth details as entered and everything the
// engine computes, as numbers. The application owns one of each; engine steps
// take them by reference.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace varelio {

// Texts are UTF-8 inside the program; files decide their own bytes.
struct BirthData {
    std::string name;          // as typed, not trimmed
    std::int16_t day = 0;      // 1 to 31
    std::int16_t month = 0;    // 1 = January .. 12 = December
    std::int16_t year = 0;     // 1901 to 2050
    std::int16_t hour = 0;     // 0 to 24
    std::int16_t minute = 0;   // 0 to 59
    std::int16_t zoneHoursAbs = 0;
    std::int16_t zoneMinutesAbs = 0;
    std::int16_t lonDegrees = 0;
    std::int16_t lonMinutes = 0;
    std::int16_t latDegrees = 0;
    std::int16_t latMinutes = 0;
    bool east = false;
    bool south = false;
    bool dst = false;
    std::string city;          // trimmed
    std::string state;         // trimmed
    std::string country;       // trimmed
    // Added to local clock time they give universal time ("+5.3" is -5 and -30).
    std::int16_t zoneHours = 0;
    std::int16_t zoneMinutes = 0;
    // The clock's exact offset east of universal time at the birth, summer
    // time included ("+05:53:20" is 21200); when given, universal time is
    // taken from it and not from the zone row and DST flag above.
    std::optional<std::int32_t> utcOffsetSeconds;
};

// Body order of every body table.
enum BodyIndex : int {
    kSun = 0, kMoon, kMercury, kVenus, kMars, kJupiter, kSaturn,
    kRahu, kKetu, kAscendant, kMidheaven,
};
inline constexpr int kBodyCount = 11;  // Sun .. Midheaven

// One body's place as numbers; every position text is written from these.
struct BodyPosition {
    double longitudeDeg = 0;  // sidereal, 0 to 360
    int sign = 0;             // 1 Aries .. 12 Pisces, reckoned from the cut whole degrees; 0: none
    int nakshatra = 0;        // 1 Aswini .. 27 Revati; 0: none
    int pada = 0;             // 1 to 4, the quarter of the nakshatra; 0: none
    bool retrograde = false;  // Mercury to Saturn, from the station tables
};

struct ChartState {
    std::array<BodyPosition, kBodyCount> bodies;  // Sun .. Midheaven

    double julianDayNumber = 0;
    double universalTime = 0;      // hours
    double centuries1900 = 0;      // T, Julian centuries since 1900 January 0.5
    double localSiderealTime = 0;  // degrees
    double obliquity = 0;          // degrees
    double ayanamsa = 0;           // degrees, negative
};

}  // namespace varelio
