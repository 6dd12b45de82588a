// The Moon from the 25 largest terms of the lunar longitude series (epoch
// J2000.0), made sidereal with its own ayanamsa.
#pragma once

#include "astro/Records.h"

namespace varelio {

inline constexpr double kEpochJ2000 = 2451545;

// Tropical geocentric longitude in degrees (0 to 360).
double MoonTropicalLongitude(double centuriesSinceJ2000);

// Negative ayanamsa in degrees; unlike AyanamsaAt, counted from J2000.0.
double MoonAyanamsaAt(double centuriesSinceJ2000);

// The sidereal longitude in degrees, exactly as ComputeMoon puts it into the
// Moon's position.
double MoonSiderealLongitudeDeg(const BirthData& birth);

// Fills the Moon's position.
void ComputeMoon(const BirthData& birth, ChartState& chart);

}  // namespace varelio
