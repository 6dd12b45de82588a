// Sun, Mercury to Saturn from mean Keplerian elements (J2000 ecliptic, linear
// rates, no perturbations), carried to the equinox of date and made sidereal;
// the mean lunar node of date as Rahu and Ketu.
#pragma once

#include "astro/Records.h"

namespace varelio {

inline constexpr double kTwoPi = 6.28318530717958;

// How far the engine's Mars may be from the sky, in arc-minutes: the worst of
// its longitudes at 7,891 moments from 1901 to 2050, a week apart, against the
// Swiss Ephemeris (tests/astro/data/mars-longitudes.csv, see the README
// there) is 5.50' (September 2035), and half an arc-minute more covers the
// moments between them.
inline constexpr double kMarsErrorArcMinutes = 6;

// Element rows: Mercury, Venus, the Earth's orbit (seen as the Sun), Mars,
// Jupiter, Saturn.
enum ElementIndex : int {
    kElementMercury = 0, kElementVenus, kElementSun, kElementMars, kElementJupiter, kElementSaturn,
};
inline constexpr int kElementCount = 6;

struct Elements {
    double a = 0;  // semi-major axis, AU
    double e = 0;  // eccentricity
    double i = 0;  // inclination, radians
    double N = 0;  // longitude of the ascending node, radians
    double p = 0;  // longitude of perihelion, radians
    double L = 0;  // mean longitude, radians, reduced into 0..2 pi
};

// Days since 2000 January 1, 12:00 UT (J2000.0); no century leap-year rule,
// so exact from 1900 March 1 to 2100 February 28.
double DaysSinceJ2000(int year, int month, int day, int hour, int minute, int second = 0);

Elements OrbitalElements(int index, double daysSinceJ2000);

// Kepler's equation, M = E - e sin E, solved for the eccentric anomaly E by
// Newton's method, to the last place for e below 0.21, with E's sine and
// cosine.
struct EccentricAnomaly {
    double anomaly = 0;  // radians
    double sin = 0;
    double cos = 1;
};
EccentricAnomaly SolveKepler(double meanAnomaly, double eccentricity);

// x reduced into 0..2 pi.
double ReduceRadians(double x);

// Geocentric ecliptic longitude in degrees, 0 to 360.
double GeocentricLongitude(int index, double daysSinceJ2000);

// General precession in longitude from J2000.0 to the moment, degrees
// (IAU 2006, to the square of the centuries): what carries a longitude on the
// J2000 equinox to the equinox of date, from which the ayanamsa is counted.
double PrecessionSinceJ2000Deg(double daysSinceJ2000);

// Sidereal longitude in degrees, 0 to 360, of an element row's body at a
// birth: the geocentric longitude plus the precession since J2000, less the
// magnitude of the ayanamsa ComputeAngles gives. Exactly the value behind
// that body's position.
double SiderealLongitudeDeg(int index, const BirthData& birth);

// Tropical longitude of the Moon's mean ascending node on the ecliptic and
// equinox of date, degrees, not reduced: Meeus, Astronomical Algorithms
// (2nd ed.), 125.04452 - 1934.136261 T + 0.0020708 T^2 + T^3 / 450000 with T
// in Julian centuries from J2000.0. The book counts T in dynamical time; the
// day number here is universal time, and the minute or so between them moves
// the node by under a second of arc.
double MeanLunarNodeDeg(double daysSinceJ2000);

// Sidereal longitude of the mean ascending node (Rahu), 0 to 360 degrees:
// the mean node less the magnitude of the ayanamsa.
double RahuLongitude(double daysSinceJ2000, double ayanamsa);

// Fills the positions of the Sun, Mercury to Saturn, Rahu and Ketu; needs
// ComputeAngles first (the ayanamsa).
void ComputePlanets(const BirthData& birth, ChartState& chart);

}  // namespace varelio
