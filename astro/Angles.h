// Time scales, sidereal time, ascendant, midheaven and ayanamsa: the first
// engine step, on low-precision formulas referred to 1900 January 0.5.
#pragma once

#include "astro/Records.h"

namespace varelio {

inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kRadToDeg = 57.2957795130823;
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kEpoch1900 = 2415020;
inline constexpr double kDaysPerCentury = 36525;

// Decimal degrees as the engine counts them: longitude West-positive,
// latitude North-positive.
double ObserverLongitude(const BirthData& birth);
double ObserverLatitude(const BirthData& birth);

// Day number of the civil date at noon; Julian calendar up to 1582-10-15.
double JulianDayOfDate(int month, int day, int year);

// Angle in -pi..pi; y = 0 with x < 0 gives 0, not pi.
double ArcTan2(double y, double x);

// Negative ayanamsa in degrees.
double AyanamsaAt(double centuriesSince1900);

// One correction step: below 0 add 360, then above 360 subtract 360.
double WrapDegrees(double x);

struct TropicalAngles {
    double localSiderealTime = 0;  // degrees
    double obliquity = 0;          // degrees
    double ascendant = 0;          // degrees
    double midheaven = 0;          // degrees
};

// universal time on the same date the centuries were counted to; longitude
// West-positive, latitude North-positive, both in degrees.
TropicalAngles TropicalAnglesAt(double universalTimeHours, double centuriesSince1900, double longitudeDeg,
                                double latitudeDeg);

// The ayanamsa (negative) and the sidereal ascendant in degrees, exactly as
// ComputeAngles puts them into the chart, without the texts.
double AyanamsaOf(const BirthData& birth);
double SiderealAscendantDeg(const BirthData& birth);

// Fills julianDayNumber, universalTime, centuries1900, localSiderealTime,
// obliquity, ayanamsa and the ascendant's and midheaven's positions.
void ComputeAngles(const BirthData& birth, ChartState& chart);

}  // namespace varelio
