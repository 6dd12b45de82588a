#include "kundli/Sunrise.h"

#include "astro/Angles.h"

#include <cmath>

namespace varelio {

namespace {

constexpr double kJ2000 = 2451545;
constexpr double kDaysPerJulianCentury = 36525;

// The Greenwich mean sidereal time (Meeus 12.4) and its gain a day.
constexpr double kSiderealDegAtJ2000 = 280.46061837;
constexpr double kSiderealDegPerDay = 360.98564736629;

// The Sun's mean longitude and mean anomaly (Meeus 25.2, 25.3), degrees, and
// their rates a Julian century; the equation of the centre's terms (25.4).
constexpr double kMeanLongitudeDeg = 280.46646;
constexpr double kMeanLongitudeDegPerCentury = 36000.76983;
constexpr double kMeanAnomalyDeg = 357.52911;
constexpr double kMeanAnomalyDegPerCentury = 35999.05029;
constexpr double kCentreDeg = 1.914602;
constexpr double kCentreTwiceDeg = 0.019993;
// Aberration (20.5") and the mean of the nutation in longitude, left as a
// constant: its swing of 17" moves a sunrise by a few seconds at most.
constexpr double kAberrationDeg = 0.00569;
// The mean longitude less the mean anomaly and the aberration at J2000: the
// longitude of the perihelion, as the longitude is reckoned from the anomaly.
constexpr double kPerihelionRad = (kMeanLongitudeDeg - kMeanAnomalyDeg - kAberrationDeg) * kDegToRad;

// The obliquity of the ecliptic (Meeus 22.2) at J2000 and its change a
// century, radians; over the program's years sin and cos of it are taken to
// the first order about J2000.
constexpr double kObliquityRad = 23.4392911 * kDegToRad;
constexpr double kObliquityRadPerCentury = -0.0130042 * kDegToRad;

// Sines and cosines std::sin cannot give at compile time.
const double kSinSunriseAltitude = std::sin(kSunriseAltitudeDeg * kDegToRad);
const double kSinObliquity = std::sin(kObliquityRad);
const double kCosObliquity = std::cos(kObliquityRad);
// tan²(ε/2) and its change with ε, for the reduction to the equator.
const double kHalfObliquityTan2 = std::pow(std::tan(kObliquityRad / 2), 2);
const double kHalfObliquityTan2PerRad = std::tan(kObliquityRad / 2) / std::pow(std::cos(kObliquityRad / 2), 2);
const double kSinPerihelion = std::sin(kPerihelionRad);
const double kCosPerihelion = std::cos(kPerihelionRad);

// Below this sine of the half-day's hour angle (near the polar day and
// night) the hour angle is solved again at each event rather than followed
// along its derivative.
constexpr double kSteepSemiArcSine = 0.25;

// sin and cos of a declination turned by a small angle (at most a degree or
// so): third- and second-order terms are exact to 1e-9.
void TurnDeclination(const SunTrack& sun, double turnRad, double& sine, double& cosine) {
    const double sinTurn = turnRad * (1 - turnRad * turnRad / 6);
    const double cosTurn = 1 - turnRad * turnRad / 2;
    sine = sun.sinDeclination * cosTurn + sun.cosDeclination * sinTurn;
    cosine = sun.cosDeclination * cosTurn - sun.sinDeclination * sinTurn;
}

}  // namespace

Latitude::Latitude(double latitudeDeg)
    : sine(std::sin(latitudeDeg * kDegToRad)), cosine(std::cos(latitudeDeg * kDegToRad)) {}

SunTrack SunTrackAt(double jdUt, double longitudeEastDeg) {
    const double days = jdUt - kJ2000;
    const double t = days * (1 / kDaysPerJulianCentury);
    // Its whole turns off in degrees first: the right ascension below is
    // counted from it, and the hour angle comes to the same whole turns on.
    const double meanAnomaly = ReducedRadians(kMeanAnomalyDeg + kMeanAnomalyDegPerCentury * t);
    const double sinM = std::sin(meanAnomaly);
    const double cosM = std::cos(meanAnomaly);
    const double sin2M = 2 * sinM * cosM;
    const double cos2M = cosM * cosM - sinM * sinM;
    const double centreDeg = (kCentreDeg - 0.004817 * t) * sinM + kCentreTwiceDeg * sin2M;
    // The longitude is the mean anomaly turned by the perihelion's longitude
    // (less the aberration), which moves 1.7° a century, and by the centre,
    // at most 2°: that small turn is taken by its series rather than by
    // another sine and cosine.
    const double turn = ((kMeanLongitudeDegPerCentury - kMeanAnomalyDegPerCentury) * t + centreDeg) * kDegToRad;
    const double turn2 = turn * turn;
    const double sinTurn = turn * (1 - turn2 / 6 * (1 - turn2 / 20));
    const double cosTurn = 1 - turn2 / 2 * (1 - turn2 / 12 * (1 - turn2 / 30));
    const double sinOffset = kSinPerihelion * cosTurn + kCosPerihelion * sinTurn;
    const double cosOffset = kCosPerihelion * cosTurn - kSinPerihelion * sinTurn;
    const double sinL = sinM * cosOffset + cosM * sinOffset;
    const double cosL = cosM * cosOffset - sinM * sinOffset;
    const double longitude = meanAnomaly + kPerihelionRad + turn;
    const double obliquityShift = kObliquityRadPerCentury * t;
    const double sinE = kSinObliquity + kCosObliquity * obliquityShift;
    const double cosE = kCosObliquity - kSinObliquity * obliquityShift;

    // The right ascension from the longitude by the series in y = tan²(ε/2)
    // (the reduction to the equator; the terms left out are below a second).
    const double y = kHalfObliquityTan2 + kHalfObliquityTan2PerRad * obliquityShift;
    const double sin2L = 2 * sinL * cosL;
    const double cos2L = cosL * cosL - sinL * sinL;
    const double sin4L = 2 * sin2L * cos2L;
    const double rightAscensionDeg = (longitude - y * sin2L + y * y / 2 * sin4L) * kRadToDeg;

    // How fast the longitude runs (the centre's terms differentiated), and
    // with it the right ascension and declination (on the ecliptic,
    // cos(dec) cos(ra) = cos(lon)).
    const double anomalyRadPerDay = kMeanAnomalyDegPerCentury / kDaysPerJulianCentury * kDegToRad;
    const double longitudeDegPerDay = kMeanLongitudeDegPerCentury / kDaysPerJulianCentury +
                                      (kCentreDeg * cosM + 2 * kCentreTwiceDeg * cos2M) * anomalyRadPerDay;
    const double siderealDeg =
        kSiderealDegAtJ2000 + kSiderealDegPerDay * days + 0.000387933 * t * t - t * t * t / 38710000;

    SunTrack sun;
    sun.jdUt = jdUt;
    sun.sinDeclination = sinE * sinL;
    sun.cosDeclination = std::sqrt(1 - sun.sinDeclination * sun.sinDeclination);
    const double secDeclination = 1 / sun.cosDeclination;
    // Not reduced: SolarDayOf takes whole turns off where it needs them.
    sun.hourAngleDeg = siderealDeg + longitudeEastDeg - rightAscensionDeg;
    sun.hourAngleDegPerDay = kSiderealDegPerDay - longitudeDegPerDay * cosE * secDeclination * secDeclination;
    sun.daysPerHourAngleDeg = 1 / sun.hourAngleDegPerDay;
    sun.declinationRadPerDay = longitudeDegPerDay * kDegToRad * sinE * cosL * secDeclination;
    return sun;
}

SolarDay SolarDayOf(const SunTrack& sun, long long daysSince1970, int clockOffsetSeconds, const Latitude& latitude) {
    const double perDeg = sun.daysPerHourAngleDeg;
    const double noonJd =
        kJulianDay1970 + static_cast<double>(daysSince1970) + 0.5 - clockOffsetSeconds * (1 / kSecondsPerDay);
    const double hourAngleAtNoon = sun.hourAngleDeg + sun.hourAngleDegPerDay * (noonJd - sun.jdUt);
    SolarDay day;
    const double turns = std::floor(hourAngleAtNoon * (1 / 360.0) + 0.5);  // the nearest whole number
    day.transitJdUt = noonJd - (hourAngleAtNoon - 360.0 * turns) * perDeg;

    // The hour angle at which the Sun, with its declination at jd, stands at
    // the altitude of rising and setting (cos H0 = (sin h0 - sin φ sin δ) /
    // (cos φ cos δ)); the parts are kept for the derivative below.
    double sinDec = 0, cosDec = 1, cosSemiArc = 0;
    const auto horizonAt = [&](double jd) {
        TurnDeclination(sun, sun.declinationRadPerDay * (jd - sun.jdUt), sinDec, cosDec);
        const double above = kSinSunriseAltitude - latitude.sine * sinDec;
        const double across = latitude.cosine * cosDec;
        if (above >= across) return Daylight::NoSunrise;
        if (above <= -across) return Daylight::NoSunset;
        cosSemiArc = above / across;
        return Daylight::RiseAndSet;
    };
    day.daylight = horizonAt(day.transitJdUt);
    if (day.daylight != Daylight::RiseAndSet) return day;
    const double semiArcDeg = std::acos(cosSemiArc) * kRadToDeg;
    const double sinSemiArc = std::sqrt(1 - cosSemiArc * cosSemiArc);
    // The declination at the rising differs from the transit's by up to a
    // tenth of a degree: the half-day's hour angle moves by dH0/dδ times
    // that, or where that is steep, is solved there again.
    const double semiArcPerDec =
        (latitude.sine * cosDec - cosSemiArc * latitude.cosine * sinDec) / (sinSemiArc * latitude.cosine * cosDec);
    for (const int side : {-1, 1}) {
        const double estimate = day.transitJdUt + side * semiArcDeg * perDeg;
        double arcDeg = semiArcDeg + semiArcPerDec * sun.declinationRadPerDay * (estimate - day.transitJdUt) * kRadToDeg;
        if (sinSemiArc < kSteepSemiArcSine) {
            const Daylight there = horizonAt(estimate);
            if (there != Daylight::RiseAndSet) {
                day.daylight = there;
                return day;
            }
            arcDeg = std::acos(cosSemiArc) * kRadToDeg;
        }
        (side < 0 ? day.riseJdUt : day.setJdUt) = day.transitJdUt + side * arcDeg * perDeg;
    }
    return day;
}

HinduDay HinduDayOf(double jdUt, int clockOffsetSeconds, double latitudeDeg, double longitudeEastDeg) {
    const SunTrack sun = SunTrackAt(jdUt, longitudeEastDeg);
    const Latitude latitude(latitudeDeg);
    const long long today = ClockDaysSince1970(jdUt, clockOffsetSeconds);
    const auto dayOf = [&](long long days, const SolarDay& solar) { return HinduDay{days, WeekdayOfDays(days), solar}; };
    const HinduDay civil = dayOf(today, SolarDayOf(sun, today, clockOffsetSeconds, latitude));
    if (civil.sun.daylight != Daylight::RiseAndSet) return civil;
    if (jdUt < civil.sun.riseJdUt) {
        const SolarDay before = SolarDayOf(sun, today - 1, clockOffsetSeconds, latitude);
        // Without a sunrise to begin it the day is the civil one, with the reason.
        return before.daylight == Daylight::RiseAndSet ? dayOf(today - 1, before) : dayOf(today, before);
    }
    // The next sunrise comes at least half a turn of the hour angle after
    // this transit; only a moment past that, before the civil date ends
    // (on a clock behind the Sun), can be in the next day.
    if (jdUt - civil.sun.transitJdUt >= 180.0 * sun.daysPerHourAngleDeg) {
        const SolarDay next = SolarDayOf(sun, today + 1, clockOffsetSeconds, latitude);
        if (next.daylight == Daylight::RiseAndSet && jdUt >= next.riseJdUt) return dayOf(today + 1, next);
    }
    return civil;
}

}  // namespace varelio
