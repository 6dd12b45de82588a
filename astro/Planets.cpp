#include "astro/Planets.h"

#include "astro/Positions.h"
#include "astro/Angles.h"
#include "astro/Reduce.h"
#include "astro/SinCos.h"
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

// The sines and cosines of each row's angles at J2000, from which those of
// any moment are turned by the little they move (under a degree over the
// program's years) without calling libm.
struct RowTrig {
    SinCos inclination, node, perihelion;
    SinCos perihelionFromNode;  // the argument of the perihelion
};

const std::array<RowTrig, kElementCount> kTrigAtJ2000 = [] {
    const auto of = [](double degrees) { return SinCos{std::sin(degrees * kDegToRad), std::cos(degrees * kDegToRad)}; };
    std::array<RowTrig, kElementCount> trig{};
    for (std::size_t k = 0; k < trig.size(); ++k) {
        const ElementRow& row = kElementTable[k];
        trig[k] = {of(row.i), of(row.N), of(row.p), of(row.p - row.N)};
    }
    return trig;
}();

// An angle's sine and cosine at J2000 turned by its rate over the centuries.
SinCos TurnedOn(const SinCos& atJ2000, double rateArcSeconds, double centuries) {
    return SumOf(atJ2000, SmallAngle(rateArcSeconds * centuries / 3600.0 * kDegToRad));
}

struct Heliocentric {
    double x, y, z;
};

// The place in the orbit's plane, x towards the perihelion and y a quarter
// turn on in the motion, from the eccentric anomaly: the true anomaly itself
// (a tangent and an arc tangent more) is never needed.
Heliocentric InOrbitalPlane(const Elements& el) {
    const EccentricAnomaly anomaly = SolveKepler(ReduceRadians(el.L - el.p), el.e);
    return {el.a * (anomaly.cos - el.e), el.a * std::sqrt(1.0 - el.e * el.e) * anomaly.sin, 0.0};
}

// A place in the orbit's plane turned by an angle within that plane.
Heliocentric Turned(const Heliocentric& place, const SinCos& angle) {
    return {place.x * angle.cos - place.y * angle.sin, place.x * angle.sin + place.y * angle.cos, 0.0};
}

Heliocentric HeliocentricPosition(int index, double daysSinceJ2000) {
    const Elements el = OrbitalElements(index, daysSinceJ2000);
    const auto row = static_cast<std::size_t>(index);
    const ElementRow& rates = kElementTable[row];
    const RowTrig& trig = kTrigAtJ2000[row];
    const double t = daysSinceJ2000 / kDaysPerCentury;
    // From the perihelion to the ascending node, then the orbit's plane
    // tilted about the line of the nodes and turned by the node's longitude.
    const Heliocentric fromNode =
        Turned(InOrbitalPlane(el), TurnedOn(trig.perihelionFromNode, rates.pRate - rates.NRate, t));
    const SinCos node = TurnedOn(trig.node, rates.NRate, t);
    const SinCos inclination = TurnedOn(trig.inclination, rates.iRate, t);
    const double tilted = fromNode.y * inclination.cos;
    return {node.cos * fromNode.x - node.sin * tilted, node.sin * fromNode.x + node.cos * tilted,
            fromNode.y * inclination.sin};
}

Heliocentric EarthPosition(double daysSinceJ2000) {
    const Elements el = OrbitalElements(kElementSun, daysSinceJ2000);
    const double t = daysSinceJ2000 / kDaysPerCentury;
    return Turned(InOrbitalPlane(el),
                  TurnedOn(kTrigAtJ2000[kElementSun].perihelion, kElementTable[kElementSun].pRate, t));
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
    // Whole turns off in degrees, exactly, before the conversion rounds.
    el.L = ReduceIntoTurn(row.L + row.LRate * t / 3600.0, 360.0) * kDegToRad;
    return el;
}

EccentricAnomaly SolveKepler(double meanAnomaly, double eccentricity) {
    const double m = meanAnomaly;
    const double e = eccentricity;
    const double sinM = std::sin(m);
    const double cosM = std::cos(m);
    // The anomaly is M turned by d = e sin E, at most e: each guess's sine and
    // cosine are M's turned by the small angle's, from its series, so libm is
    // called once, for M. The first guess is the series of d in e to the
    // third power.
    const double sin2M = 2 * sinM * cosM;
    const double sin3M = sinM * (3 - 4 * sinM * sinM);
    double d = e * (sinM + e * (0.5 * sin2M + e * 0.125 * (3 * sin3M - sinM)));
    double sinE = sinM;
    double cosE = cosM;
    double step = 0;
    // Newton's method: its error after a step is below k times the step
    // squared, k = e / (2 (1 - e)); it stops when that is far below the last
    // place, after one to three steps for e below 0.21. The cap only guards
    // against a pathological input looping forever.
    const double k = e / (2 * (1 - e));
    for (int count = 0; count < 100; ++count) {
        const SinCos turn = SmallAngle(d);
        sinE = sinM * turn.cos + cosM * turn.sin;
        cosE = cosM * turn.cos - sinM * turn.sin;
        step = (d - e * sinE) / (1.0 - e * cosE);
        d -= step;
        if (!(k * step * step > 1e-18)) break;
    }
    // The sine and cosine were taken before the last step (under 1e-6):
    // carried over it to the second order, which leaves under 1e-18.
    const double keep = 1 - 0.5 * step * step;
    return {m + d, sinE * keep - step * cosE, cosE * keep + step * sinE};
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
