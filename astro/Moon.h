// The Moon from the 25 largest terms of the lunar longitude series (epoch
// J2000.0), made sidereal with its own ayanamsa, with nakshatra and rashi.
#pragma once

#include "astro/Records.h"

namespace varelio {

inline constexpr double kEpochJ2000 = 2451545;

// Tropical geocentric longitude in degrees (0 to 360).
double MoonTropicalLongitude(double centuriesSinceJ2000);

// Negative ayanamsa in degrees; unlike AyanamsaAt, counted from J2000.0.
double MoonAyanamsaAt(double centuriesSinceJ2000);

// Index 0 to 26 of the 13°20' division holding a sidereal longitude.
int NakshatraIndex(double siderealLongitude);

// The sidereal longitude in degrees, exactly as ComputeMoon puts it into
// moonLongitude, without the texts.
double MoonSiderealLongitudeDeg(const BirthData& birth);

// Fills moonLongitude, moonPositionText, moonNakshatraName, moonRashiName
// and moonSignName.
void ComputeMoon(const BirthData& birth, ChartState& chart);

}  // namespace varelio
