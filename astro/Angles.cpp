#include "astro/Angles.h"

#include "astro/Positions.h"
#include "astro/Reduce.h"
#include "astro/TimeScales.h"

#include <cmath>

namespace varelio {

namespace {

double Sgn(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

}  // namespace

double ObserverLongitude(const BirthData& birth) {
    const double degrees = birth.lonDegrees + birth.lonMinutes / 60.0;
    return birth.east ? -degrees : degrees;
}

double ObserverLatitude(const BirthData& birth) {
    const double degrees = birth.latDegrees + birth.latMinutes / 60.0;
    return birth.south ? -degrees : degrees;
}

double JulianDayOfDate(int month, int day, int year) {
    const double a = 12.0 * (year + 4800) + month - 3;
    const double m = a - 12.0 * std::floor(a / 12.0);
    double j = std::floor((365.0 * a + 2.0 * m + 7.0) / 12.0) + day + std::floor(a / 48.0) - 32083.0;
    // The Gregorian correction only starts above this day, so 1582-10-15 is
    // still read as a Julian-calendar date.
    if (j > 2299171) j = j + std::floor(a / 4800.0) - std::floor(a / 1200.0) + 38.0;
    return j;
}

double ArcTan2(double y, double x) {
    if (x > 0) return std::atan(y / x);
    if (x == 0) return Sgn(y) * kPi / 2;
    return Sgn(y) * (kPi - std::atan(std::fabs(y / x)));
}

double AyanamsaAt(double centuriesSince1900) {
    const double t = centuriesSince1900;
    // The lunar node with its sign turned round, and twice the Sun's mean
    // longitude, for a short nutation term.
    const double node = SubtractWhileAtLeast((7.5 * t * t + 6962911.0 * t - 933060.0) / 3600.0, 360.0);
    const double twiceSun = (259205536.0 * t + 2013816.0) / 3600.0;
    const double nutation = 1.27 * std::sin(twiceSun * kDegToRad) + 17.23 * std::sin(node * kDegToRad);
    return (nutation - (5025.64 * t + 1.11 * t * t) - 80861.27) / 3600.0;
}

double WrapDegrees(double x) {
    if (x < 0) x += 360;
    if (x > 360) x -= 360;
    return x;
}

TropicalAngles TropicalAnglesAt(double universalTimeHours, double centuriesSince1900, double longitudeDeg,
                                double latitudeDeg) {
    const double t = centuriesSince1900;
    TropicalAngles angles;
    // A negative sidereal time (far East, just after midnight) is left as it is.
    angles.localSiderealTime = SubtractWhileAtLeast(
        15.0 * (universalTimeHours + 6.6460656 + 2400.0513 * t + 0.0000258 * t * t) - longitudeDeg, 360.0);
    angles.obliquity = 23.452294 - 0.0130125 * t;

    const double s = angles.localSiderealTime * kDegToRad;
    const double e = angles.obliquity * kDegToRad;

    double mc = ArcTan2(std::tan(s), std::cos(e));
    if (mc < 0) mc += kPi;
    if (std::sin(s) < 0) mc += kPi;
    angles.midheaven = mc * kRadToDeg;

    double asc = ArcTan2(std::cos(s), -std::sin(s) * std::cos(e) - std::tan(latitudeDeg * kDegToRad) * std::sin(e));
    if (asc < 0) asc += kPi;
    if (std::cos(s) < 0) asc += kPi;
    angles.ascendant = SubtractWhileAtLeast(asc * kRadToDeg, 360.0);
    return angles;
}

namespace {

struct AngleMoment {
    double ut;  // hours from midnight of the local date
    double jd;  // the local date at noon
    double t;   // centuries since 1900 January 0.5
};

AngleMoment MomentOf(const BirthData& birth) {
    const double ut = UniversalTimeHours(birth);
    const double jd = JulianDayOfDate(birth.month, birth.day, birth.year);
    return {ut, jd, (jd - kEpoch1900 + ut / 24.0 - 0.5) / kDaysPerCentury};
}

}  // namespace

double AyanamsaOf(const BirthData& birth) { return AyanamsaAt(MomentOf(birth).t); }

double SiderealAscendantDeg(const BirthData& birth) {
    const AngleMoment m = MomentOf(birth);
    const TropicalAngles tropical = TropicalAnglesAt(m.ut, m.t, ObserverLongitude(birth), ObserverLatitude(birth));
    return WrapDegrees(tropical.ascendant + AyanamsaAt(m.t));
}

void ComputeAngles(const BirthData& birth, ChartState& chart) {
    const auto [ut, jd, t] = MomentOf(birth);
    const TropicalAngles tropical = TropicalAnglesAt(ut, t, ObserverLongitude(birth), ObserverLatitude(birth));

    chart.julianDayNumber = jd;
    chart.universalTime = ut;
    chart.centuries1900 = t;
    chart.localSiderealTime = tropical.localSiderealTime;
    chart.obliquity = tropical.obliquity;
    chart.ayanamsa = AyanamsaAt(t);
    chart.bodies[kAscendant] = PositionAt(WrapDegrees(tropical.ascendant + chart.ayanamsa));
    chart.bodies[kMidheaven] = PositionAt(WrapDegrees(tropical.midheaven + chart.ayanamsa));
}

}  // namespace varelio
