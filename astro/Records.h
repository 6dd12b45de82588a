// The three records of one reading: the birth details as entered, everything
// the engine computes, and the driver's display values. The application owns
// one of each; engine steps take them by reference.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

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
};

struct ReadingSummary {
    std::string ayanamsaDisplay;
    std::string lagnaAbbreviation;
    std::string lagnaSignName;
    std::string nakshatraDisplay;
    std::string rashiDisplay;
    std::string nakshatraLord;
    std::string nakshatraPada;
};

// Body order of every body table.
enum BodyIndex : int {
    kSun = 0, kMoon, kMercury, kVenus, kMars, kJupiter, kSaturn,
    kRahu, kKetu, kAscendant, kMidheaven,
};
inline constexpr int kBodyCount = 11;     // Sun .. Midheaven
inline constexpr int kBodyTableSlots = 12; // slot 11 always stays empty

// The bodies' names in body order, as the position table shows them.
inline constexpr std::array<std::string_view, kBodyCount> kBodyNamesEnglish{
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Ascendant", "Midheaven",
};
inline constexpr std::array<std::string_view, kBodyCount> kBodyNamesSanskrit{
    "Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru", "Shani", "Rahu", "Ketu", "Ascendant", "Midheaven",
};

using BodyTable = std::array<std::string, kBodyTableSlots>;

struct ChartState {
    BodyTable bodyNames;
    BodyTable bodyNamesSanskrit;
    BodyTable bodyPositionText;  // short form, e.g. "16 Gem 21"

    std::string ascendantText;   // long form
    std::string midheavenText;   // long form
    std::string ayanamsaText;    // signed form, begins with "-"
    std::string moonPositionText;
    std::string moonNakshatraName;
    std::string moonRashiName;
    std::string moonSignName;
    std::string rahuText;
    std::string ketuText;
    std::array<std::string, 6> planetPositionText; // element order: Mercury, Venus, Sun, Mars, Jupiter, Saturn

    double julianDayNumber = 0;
    double universalTime = 0;      // hours
    double centuries1900 = 0;      // T, Julian centuries since 1900 January 0.5
    double localSiderealTime = 0;  // degrees
    double obliquity = 0;          // degrees
    double ascendant = 0;          // sidereal degrees
    double midheaven = 0;          // sidereal degrees
    double ayanamsa = 0;           // degrees, negative
    double moonLongitude = 0;      // sidereal degrees
};

}  // namespace varelio
