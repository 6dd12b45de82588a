// The Moon from the 25 largest terms of the lunar longitude series (epoch
// J2000.0), made sidereal with its own ayanamsa, with nakshatra and rashi.
#pragma once

#include "engine/Records.h"

#include <array>
#include <string_view>

namespace varelio {

inline constexpr double kEpochJ2000 = 2451545;

inline constexpr std::array<std::string_view, 27> kNakshatraNames{
    "Aswini", "Bharani", "Krittika", "Rohini", "Mrigsira", "Ardra", "Punarvasu",
    "Pushya", "Aslesha", "Magha", "Purbha Phalguni", "Uttara Phalguni", "Hasta",
    "Chitra", "Swati", "Vishakha", "Anuradha", "Jyeshtha", "Mula", "Purva Ashadha",
    "Uttara Ashadha", "Shravana", "Dhanishtha", "Shatbisha", "Poorva Bhadrapada",
    "Uttara Bhadrapada", "Revati",
};

// Tropical geocentric longitude in degrees (0 to 360), T in Julian
// centuries from J2000.0.
double MoonTropicalLongitude(double centuries);

// Negative ayanamsa in degrees, T in Julian centuries from J2000.0.
double MoonAyanamsaAt(double centuries);

// Index 0 to 26 of the 13°20' division holding a sidereal longitude.
int NakshatraIndex(double siderealLongitude);

// Fills moonLongitude, moonPositionText, moonNakshatraName, moonRashiName
// and moonSignName.
void ComputeMoon(const BirthData& birth, ChartState& chart);

}  // namespace varelio
