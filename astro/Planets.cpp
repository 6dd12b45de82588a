#include "astro/Planets.h"

#include "astro/Positions.h"
#include "astro/Angles.h"
#include "astro/Reduce.h"
#include "astro/TimeScales.h"

#include <array>
#include <cmath>
#include <utility>

namespace varelio {

namespace {

struct ElementRow {
    double a, aRate;  // AU, AU per century
    double e, eRate;  // per century
    double i, iRate;  // degrees, arc-seconds per century
    double N, NRate;
    double p, pRate;
    double L, LRate;
};

// Mean elements at J2000 with their rates per Julian century.
constexpr std::array<ElementRow, kElementCount> kElementTable{{
    {0.38709893, +0.00000066, 0.20563069, +0.00002527, 7.00487, -23.51, 48.33167, -446.30,
     77.45645, +573.57, 252.25084, +538101628.29},
    {0.72333199, +0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89,
     131.53298, -108.80, 181.97973, +210664136.06},
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25,
     102.94719, +1198.28, 100.46435, +129597740.63},
    {1.52366231, -0.00007221, 0.09341233, +0.00011902, 1.85061, -25.47, 49.57854, -1020.19,
     336.04084, +1560.78, 355.45332, +68905103.78},
    {5.20336301, +0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, +1217.17,
     14.75385, +839.93, 34.40438, +10925078.35},
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, +6.11, 113.71504, -1591.05,
     92.43194, -1948.89, 49.94432, +4401052.95},
}};

double AngleElement(double value, double rateArcSeconds, double centuries) {
    return (value + rateArcSeconds * centuries / 3600.0) * kDegToRad;
}

struct Heliocentric {
    double x, y, z;
};

Heliocentric HeliocentricPosition(int index, double daysSinceJ2000) {
    const Elements el = OrbitalElements(index, daysSinceJ2000);
    const double meanAnomaly = ReduceRadians(el.L - el.p);
    const double v = TrueAnomaly(meanAnomaly, el.e);
    const double r = el.a * (1.0 - el.e * el.e) / (1.0 + el.e * std::cos(v));
    const double u = v + el.p - el.N;
    return {r * (std::cos(el.N) * std::cos(u) - std::sin(el.N) * std::sin(u) * std::cos(el.i)),
            r * (std::sin(el.N) * std::cos(u) + std::cos(el.N) * std::sin(u) * std::cos(el.i)),
            r * std::sin(u) * std::sin(el.i)};
}

Heliocentric EarthPosition(double daysSinceJ2000) {
    const Elements el = OrbitalElements(kElementSun, daysSinceJ2000);
    const double meanAnomaly = ReduceRadians(el.L - el.p);
    const double v = TrueAnomaly(meanAnomaly, el.e);
    const double r = el.a * (1.0 - el.e * el.e) / (1.0 + el.e * std::cos(v));
    return {r * std::cos(v + el.p), r * std::sin(v + el.p), 0.0};
}

double GeocentricFrom(const Heliocentric& earth, int index, double daysSinceJ2000) {
    // The Sun's row is the Earth's orbit: the Sun sits at the origin.
    const Heliocentric body = index == kElementSun ? Heliocentric{0.0, 0.0, 0.0}
                                                   : HeliocentricPosition(index, daysSinceJ2000);
    const double longitude = ArcTan2(body.y - earth.y, body.x - earth.x) * 180.0 / kPi;
    return AddWhileBelowZero(SubtractWhileAbove(longitude, 360.0), 360.0);
}

// The planets' day number of the birth's universal moment.
double DaysOf(const BirthData& birth) {
    const CivilMoment ut = UniversalMoment(birth);
    return DaysSinceJ2000(ut.year, ut.month, ut.day, ut.hour, ut.minute, ut.second);
}

double SiderealFrom(const Heliocentric& earth, int index, double daysSinceJ2000, double ayanamsa) {
    const double ofDate = GeocentricFrom(earth, index, daysSinceJ2000) + PrecessionSinceJ2000Deg(daysSinceJ2000);
    return ReduceIntoTurn(ofDate - std::fabs(ayanamsa), 360.0);
}

}  // namespace

double PrecessionSinceJ2000Deg(double daysSinceJ2000) {
    const double t = daysSinceJ2000 / kDaysPerCentury;
    return (5028.796195 * t + 1.1054348 * t * t) / 3600.0;
}

double SiderealLongitudeDeg(int index, const BirthData& birth) {
    const double d = DaysOf(birth);
    return SiderealFrom(EarthPosition(d), index, d, AyanamsaOf(birth));
}

double DaysSinceJ2000(int year, int month, int day, int hour, int minute, int second) {
    const double y = year;
    const double m = month;
    return 367.0 * y - std::floor(7.0 * (y + std::floor((m + 9.0) / 12.0)) / 4.0) + std::floor(275.0 * m / 9.0)
           + day - 730531.5 + (hour + minute / 60.0 + second / 3600.0) / 24.0;
}

Elements OrbitalElements(int index, double daysSinceJ2000) {
    const ElementRow& row = kElementTable.at(static_cast<std::size_t>(index));
    const double t = daysSinceJ2000 / kDaysPerCentury;
    Elements el;
    el.a = row.a + row.aRate * t;
    el.e = row.e + row.eRate * t;
    el.i = AngleElement(row.i, row.iRate, t);
    el.N = AngleElement(row.N, row.NRate, t);
    el.p = AngleElement(row.p, row.pRate, t);
    el.L = ReduceRadians(AngleElement(row.L, row.LRate, t));
    return el;
}

double TrueAnomaly(double meanAnomaly, double eccentricity) {
    const double m = meanAnomaly;
    const double e = eccentricity;
    double anomaly = m + e * std::sin(m) * (1.0 + e * std::cos(m));
    // Newton's method converges in a handful of steps for e below 0.21; the
    // cap only guards against a pathological input looping forever.
    for (int step = 0; step < 100; ++step) {
        const double next = anomaly - (anomaly - e * std::sin(anomaly) - m) / (1.0 - e * std::cos(anomaly));
        const double change = std::fabs(anomaly - next);
        anomaly = next;
        if (!(change > 1e-12)) break;
    }
    double v = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(anomaly / 2.0));
    if (v < 0) v += kTwoPi;
    return v;
}

double ReduceRadians(double x) {
    const double b = x / kTwoPi;
    // For negative b this is floor(b) + 1, which differs from truncation only
    // at whole numbers, where the result then lands on 0 after the fix-up.
    const double whole = b >= 0 ? std::trunc(b) : std::floor(b) + 1.0;
    double r = kTwoPi * (b - whole);
    if (r < 0) r += kTwoPi;
    return r;
}

double GeocentricLongitude(int index, double daysSinceJ2000) {
    return GeocentricFrom(EarthPosition(daysSinceJ2000), index, daysSinceJ2000);
}

double MeanLunarNodeDeg(double daysSinceJ2000) {
    const double t = daysSinceJ2000 / kDaysPerCentury;
    return 125.04452 - 1934.136261 * t + 0.0020708 * t * t + t * t * t / 450000.0;
}

double RahuLongitude(double daysSinceJ2000, double ayanamsa) {
    return ReduceIntoTurn(MeanLunarNodeDeg(daysSinceJ2000) - std::fabs(ayanamsa), 360.0);
}

void ComputePlanets(const BirthData& birth, ChartState& chart) {
    // Element rows in body order.
    constexpr std::array<std::pair<int, BodyIndex>, kElementCount> kRows{{
        {kElementSun, kSun}, {kElementMercury, kMercury}, {kElementVenus, kVenus},
        {kElementMars, kMars}, {kElementJupiter, kJupiter}, {kElementSaturn, kSaturn},
    }};
    const double d = DaysOf(birth);
    const Heliocentric earth = EarthPosition(d);
    for (const auto& [element, body] : kRows) {
        chart.bodies[body] = PositionAt(SiderealFrom(earth, element, d, chart.ayanamsa));
    }
    const double rahu = RahuLongitude(d, chart.ayanamsa);
    chart.bodies[kRahu] = PositionAt(rahu);
    chart.bodies[kKetu] = PositionAt(std::fabs(SubtractWhileAbove(rahu + 180.0, 360.0)));
}

}  // namespace varelio
