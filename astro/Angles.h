// Time scales, sidereal time, ascendant, midheaven and ayanamsa: the first
// engine step, on low-precision formulas referred to 1900 January 0.5.
#pragma once

#include "astro/Records.h"
#include "astro/Reduce.h"

#include <array>

namespace varelio {

inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kRadToDeg = 57.2957795130823;
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kEpoch1900 = 2415020;
inline constexpr double kDaysPerCentury = 36525;

// An angle in degrees as radians, its whole turns taken off first, exactly,
// in degrees: from -pi to pi (NearestTurnRemainder). A large rate times the
// centuries makes angles of many thousand degrees, whose turns sin and cos
// would otherwise take off themselves, after the conversion has rounded the
// whole; and they are quickest below 2.4 radians.
inline double ReducedRadians(double degrees) { return NearestTurnRemainder(degrees, 360.0) * kDegToRad; }

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

// The local sidereal time in degrees (0 to 360, or below 0 far East just
// after midnight), the obliquity, and the ascendant from them, each as
// TropicalAnglesAt computes it.
double LocalSiderealTimeDeg(double universalTimeHours, double centuriesSince1900, double longitudeDeg);
double ObliquityDeg(double centuriesSince1900);
double TropicalAscendantDeg(double localSiderealTimeDeg, double obliquityDeg, double latitudeDeg);
// The same from the latitude's tangent (LatitudeTangent), for many times at one place.
double LatitudeTangent(double latitudeDeg);
double TropicalAscendantFromTangent(double localSiderealTimeDeg, double obliquityDeg, double latitudeTangent);

// How far the local sidereal time moves in a minute of clock time, degrees.
double SiderealDegreesPerClockMinute(double centuriesSince1900);

// universal time on the same date the centuries were counted to; longitude
// West-positive, latitude North-positive, both in degrees.
TropicalAngles TropicalAnglesAt(double universalTimeHours, double centuriesSince1900, double longitudeDeg,
                                double latitudeDeg);

// The ayanamsa (negative) and the sidereal ascendant in degrees, exactly as
// ComputeAngles puts them into the chart, without the texts.
double AyanamsaOf(const BirthData& birth);
double SiderealAscendantDeg(const BirthData& birth);

// The sidereal ascendant of births at one place, on one zone and
// daylight-saving flag, at other clock times, each exactly as
// SiderealAscendantDeg gives it, with the latitude's tangent and the day
// number of the last date asked for kept.
class SiderealAscendantAtPlace {
public:
    explicit SiderealAscendantAtPlace(const BirthData& place);
    // With the day number of the place's own date known (the chart's).
    SiderealAscendantAtPlace(const BirthData& place, double julianDayOfItsDate);
    double operator()(const BirthData& birth);
    double latitudeTangent() const { return latitudeTangent_; }

private:
    double longitudeDeg_;
    double latitudeTangent_;
    int year_ = 0, month_ = 0, day_ = 0;
    double julianDay_ = 0;
};

// A passage of the sidereal ascendant over the first point of a sign, as the
// sidereal time runs on: solved, not searched for. A point of the ecliptic is
// on the eastern horizon when its oblique ascension is the sidereal time
// (cos(lambda) cos(s) + sin(lambda) cos(eps) sin(s) = -tan(phi) sin(eps)
// sin(lambda)), so each sign's first point rises at most twice a sidereal day,
// and its opposite point then sets, which the ascendant as computed also
// passes.
struct AscendantCrossing {
    double siderealDeg = 0;  // sidereal time of the passage less the starting one, degrees
    int sign = 0;            // 0 Aries .. 11 Pisces: the sign whose first point is passed
    // Degrees of ascendant per degree of sidereal time there: above 0 the
    // ascendant enters that sign, below 0 (only beyond the polar circles, where
    // it swings back) it leaves it for the one before.
    double rate = 0;
};

struct AscendantCrossings {
    std::array<AscendantCrossing, 12> crossings{};
    int count = 0;  // in the order solved, not in time
    // A sign's first point comes within kAscendantSolveToleranceDeg of the
    // horizon in the range without crossing it: too close to tell from the
    // engine's own values.
    bool grazing = false;
};

// How far the solved passages can be from the engine's own ascendant (the
// ayanamsa and obliquity held at the start over a few hours, rounding), with
// room to spare: closer calls are the caller's to check.
inline constexpr double kAscendantSolveToleranceDeg = 1e-4;

// The passages within rangeDeg of sidereal time either side of
// localSiderealTimeDeg (and some a little beyond), at the latitude given by
// its tangent, with the obliquity and ayanamsa of the starting moment.
AscendantCrossings AscendantCrossingsAround(double localSiderealTimeDeg, double rangeDeg, double obliquityDeg,
                                            double latitudeTangent, double ayanamsaDeg);

// Fills julianDayNumber, universalTime, centuries1900, localSiderealTime,
// obliquity, ayanamsa and the ascendant's and midheaven's positions.
void ComputeAngles(const BirthData& birth, ChartState& chart);

}  // namespace varelio
