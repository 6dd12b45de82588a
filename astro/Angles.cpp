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
    // Whole numbers throughout: the floors of their quotients are floor
    // divisions, exactly, and quicker in integers.
    using detail::FloorDiv;
    const long long a = 12LL * (year + 4800LL) + month - 3;
    const long long m = a - 12 * FloorDiv(a, 12);
    long long j = FloorDiv(365 * a + 2 * m + 7, 12) + day + FloorDiv(a, 48) - 32083;
    // The Gregorian correction only starts above this day, so 1582-10-15 is
    // still read as a Julian-calendar date.
    if (j > 2299171) j = j + FloorDiv(a, 4800) - FloorDiv(a, 1200) + 38;
    return static_cast<double>(j);
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
    const double nutation = 1.27 * std::sin(ReducedRadians(twiceSun)) + 17.23 * std::sin(ReducedRadians(node));
    return (nutation - (5025.64 * t + 1.11 * t * t) - 80861.27) / 3600.0;
}

double WrapDegrees(double x) {
    if (x < 0) x += 360;
    if (x > 360) x -= 360;
    return x;
}

namespace {

// Sidereal time at 0h UT on 1900 January 0.5 in hours, and its gain per
// century of universal time (hours) with the square's coefficient.
constexpr double kSiderealHoursAtEpoch = 6.6460656;
constexpr double kSiderealGainPerCentury = 2400.0513;
constexpr double kSiderealGainSquare = 0.0000258;

}  // namespace

double LocalSiderealTimeDeg(double universalTimeHours, double centuriesSince1900, double longitudeDeg) {
    const double t = centuriesSince1900;
    // A negative sidereal time (far East, just after midnight) is left as it is.
    return SubtractWhileAtLeast(15.0 * (universalTimeHours + kSiderealHoursAtEpoch + kSiderealGainPerCentury * t +
                                        kSiderealGainSquare * t * t) -
                                    longitudeDeg,
                                360.0);
}

double SiderealDegreesPerClockMinute(double centuriesSince1900) {
    constexpr double kHoursPerCentury = 24.0 * kDaysPerCentury;
    return 15.0 / 60.0 *
           (1.0 + (kSiderealGainPerCentury + 2.0 * kSiderealGainSquare * centuriesSince1900) / kHoursPerCentury);
}

double ObliquityDeg(double centuriesSince1900) { return 23.452294 - 0.0130125 * centuriesSince1900; }

double LatitudeTangent(double latitudeDeg) { return std::tan(latitudeDeg * kDegToRad); }

double TropicalAscendantDeg(double localSiderealTimeDeg, double obliquityDeg, double latitudeDeg) {
    return TropicalAscendantFromTangent(localSiderealTimeDeg, obliquityDeg, LatitudeTangent(latitudeDeg));
}

namespace {

// The sines and cosines of the sidereal time and the obliquity, which the
// ascendant and the midheaven share.
struct SiderealTrig {
    double sinS, cosS, sinE, cosE;
};

SiderealTrig TrigOf(double localSiderealTimeDeg, double obliquityDeg) {
    const double s = ReducedRadians(localSiderealTimeDeg);
    const double e = obliquityDeg * kDegToRad;
    return {std::sin(s), std::cos(s), std::sin(e), std::cos(e)};
}

double AscendantFrom(const SiderealTrig& trig, double latitudeTangent) {
    double asc = ArcTan2(trig.cosS, -trig.sinS * trig.cosE - latitudeTangent * trig.sinE);
    if (asc < 0) asc += kPi;
    if (trig.cosS < 0) asc += kPi;
    return SubtractWhileAtLeast(asc * kRadToDeg, 360.0);
}

}  // namespace

double TropicalAscendantFromTangent(double localSiderealTimeDeg, double obliquityDeg, double latitudeTangent) {
    return AscendantFrom(TrigOf(localSiderealTimeDeg, obliquityDeg), latitudeTangent);
}

TropicalAngles TropicalAnglesAt(double universalTimeHours, double centuriesSince1900, double longitudeDeg,
                                double latitudeDeg) {
    TropicalAngles angles;
    angles.localSiderealTime = LocalSiderealTimeDeg(universalTimeHours, centuriesSince1900, longitudeDeg);
    angles.obliquity = ObliquityDeg(centuriesSince1900);
    const SiderealTrig trig = TrigOf(angles.localSiderealTime, angles.obliquity);

    // The tangent of the sidereal time from its sine and cosine.
    double mc = ArcTan2(trig.sinS / trig.cosS, trig.cosE);
    if (mc < 0) mc += kPi;
    if (trig.sinS < 0) mc += kPi;
    angles.midheaven = mc * kRadToDeg;
    angles.ascendant = AscendantFrom(trig, LatitudeTangent(latitudeDeg));
    return angles;
}

AscendantCrossings AscendantCrossingsAround(double localSiderealTimeDeg, double rangeDeg, double obliquityDeg,
                                            double latitudeTangent, double ayanamsaDeg) {
    AscendantCrossings result;
    const double s0 = localSiderealTimeDeg * kDegToRad;
    const double cosS0 = std::cos(s0);
    const double sinS0 = std::sin(s0);
    const double e = obliquityDeg * kDegToRad;
    const double cosE = std::cos(e);
    const double sinE = std::sin(e);
    // As TropicalAscendantDeg has it: the horizon's term of the denominator.
    const double k = latitudeTangent * sinE;
    // Below cos(range) for any range, so no passage within it is passed over
    // (those just beyond are the caller's to drop).
    const double rangeRad = rangeDeg * kDegToRad;
    const double cosRange = 1.0 - rangeRad * rangeRad / 2.0;
    // The ascendant enters a sign where it equals the sign's first point less
    // the (negative) ayanamsa; the six first points from Aries's on, each
    // solved with its opposite one.
    const double aries = -ayanamsaDeg * kDegToRad;
    const double cosAries = std::cos(aries);
    const double sinAries = std::sin(aries);
    constexpr double kHalfRoot3 = 0.86602540378443865;
    constexpr std::array<double, 6> kCos{1, kHalfRoot3, 0.5, 0, -0.5, -kHalfRoot3};
    constexpr std::array<double, 6> kSin{0, 0.5, kHalfRoot3, 1, kHalfRoot3, 0.5};
    // (cos s, denominator) is never longer than this; a point whose equation
    // misses by less than tolerance times it comes within the tolerance.
    const double reach = 1.0 + cosE + std::fabs(k);
    const double tolerance = kAscendantSolveToleranceDeg * kDegToRad * reach;
    for (std::size_t pair = 0; pair < kCos.size(); ++pair) {
        const double cosL = kCos[pair] * cosAries - kSin[pair] * sinAries;
        const double sinL = kSin[pair] * cosAries + kCos[pair] * sinAries;
        // a cos s + b sin s = c
        const double a = cosL;
        const double b = sinL * cosE;
        const double c = -k * sinL;
        const double r2 = a * a + b * b;
        const double disc = r2 - c * c;
        if (disc < 0) {
            const double r = std::sqrt(r2);
            if (std::fabs(c) - r <= tolerance) {
                // Closest where cos(s - the angle of (a, b)) is the sign of c.
                const double towards = c > 0 ? 1.0 / r : -1.0 / r;
                if ((a * cosS0 + b * sinS0) * towards >= cosRange) result.grazing = true;
            }
            continue;
        }
        const double q = std::sqrt(disc);
        const double inverse = 1.0 / r2;
        for (const double root : {q, -q}) {
            const double cosS = (a * c - b * root) * inverse;
            const double sinS = (b * c + a * root) * inverse;
            const double cosD = cosS * cosS0 + sinS * sinS0;
            if (cosD < cosRange) continue;
            const double sinD = sinS * cosS0 - cosS * sinS0;
            const double denominator = -sinS * cosE - k;
            AscendantCrossing& crossing = result.crossings[static_cast<std::size_t>(result.count++)];
            // Within a quarter turn atan is atan2, and quicker.
            crossing.siderealDeg = (cosD > 0 ? std::atan(sinD / cosD) : std::atan2(sinD, cosD)) * kRadToDeg;
            // (cos s, denominator) points along (sin, cos) of the point itself,
            // or of its opposite one, which the ascendant then is.
            crossing.sign = static_cast<int>(pair) + (cosS * sinL + denominator * cosL > 0 ? 0 : 6);
            crossing.rate = (cosE + k * sinS) / (cosS * cosS + denominator * denominator);
        }
    }
    return result;
}

namespace {

struct AngleMoment {
    double ut;  // hours from midnight of the local date
    double jd;  // the local date at noon
    double t;   // centuries since 1900 January 0.5
};

double CenturiesAt(double jd, double ut) { return (jd - kEpoch1900 + ut / 24.0 - 0.5) / kDaysPerCentury; }

AngleMoment MomentOf(const BirthData& birth) {
    const double ut = UniversalTimeHours(birth);
    const double jd = JulianDayOfDate(birth.month, birth.day, birth.year);
    return {ut, jd, CenturiesAt(jd, ut)};
}

}  // namespace

double AyanamsaOf(const BirthData& birth) { return AyanamsaAt(MomentOf(birth).t); }

double SiderealAscendantDeg(const BirthData& birth) { return SiderealAscendantAtPlace(birth)(birth); }

SiderealAscendantAtPlace::SiderealAscendantAtPlace(const BirthData& place)
    : longitudeDeg_(ObserverLongitude(place)), latitudeTangent_(LatitudeTangent(ObserverLatitude(place))) {}

SiderealAscendantAtPlace::SiderealAscendantAtPlace(const BirthData& place, double julianDayOfItsDate)
    : SiderealAscendantAtPlace(place) {
    year_ = place.year;
    month_ = place.month;
    day_ = place.day;
    julianDay_ = julianDayOfItsDate;
}

double SiderealAscendantAtPlace::operator()(const BirthData& birth) {
    if (birth.year != year_ || birth.month != month_ || birth.day != day_) {
        year_ = birth.year;
        month_ = birth.month;
        day_ = birth.day;
        julianDay_ = JulianDayOfDate(birth.month, birth.day, birth.year);
    }
    const double ut = UniversalTimeHours(birth);
    const double t = CenturiesAt(julianDay_, ut);
    const double tropical =
        TropicalAscendantFromTangent(LocalSiderealTimeDeg(ut, t, longitudeDeg_), ObliquityDeg(t), latitudeTangent_);
    return WrapDegrees(tropical + AyanamsaAt(t));
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
