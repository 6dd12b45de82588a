#include "astro/Angles.h"

#include "tests/support/Births.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace varelio {
namespace {

TEST(JulianDayOfDate, CivilDatesAtNoon) {
    struct Case { int year, month, day; double expected; };
    const Case cases[] = {
        {2000, 1, 1, 2451545},
        {1900, 1, 1, 2415021},   // one day after the 1900 epoch (January 0.5)
        {1970, 1, 1, 2440588},
        {2050, 12, 31, 2470172},
        {2004, 2, 29, 2453065},
        {1901, 1, 1, 2415386},
        // The Gregorian correction only starts above 2299171.
        {1582, 10, 15, 2299171},
        {1582, 10, 16, 2299162},
        {1582, 10, 4, 2299160},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JulianDayOfDate(c.month, c.day, c.year), c.expected)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(JulianDayOfDate, ConsecutiveDaysAcrossTheProgramsYears) {
    const int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    double previous = JulianDayOfDate(12, 31, 1900);
    for (int year = 1901; year <= 2050; ++year) {
        for (int month = 1; month <= 12; ++month) {
            int days = monthDays[month - 1];
            if (month == 2 && year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)) days = 29;
            for (int day = 1; day <= days; ++day) {
                const double jd = JulianDayOfDate(month, day, year);
                ASSERT_EQ(jd, previous + 1) << year << "-" << month << "-" << day;
                previous = jd;
            }
        }
    }
}

TEST(ArcTan2, QuadrantsAndAxes) {
    struct Case { double y, x, expected; };
    const Case cases[] = {
        {1, 1, kPi / 4},
        {1, -1, kPi - kPi / 4},
        {-1, -1, -(kPi - kPi / 4)},
        {-1, 1, -kPi / 4},
        {2, 0, kPi / 2},
        {-2, 0, -kPi / 2},
        {0, 0, 0},
        {0, 3, 0},
        // The deliberate difference from atan2: the negative x axis gives 0.
        {0, -3, 0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(ArcTan2(c.y, c.x), c.expected, 1e-14) << "y " << c.y << " x " << c.x;
    }
}

TEST(WrapDegrees, OneCorrectionStepOnly) {
    struct Case { double x, expected; };
    const Case cases[] = {
        {-10, 350}, {370, 10}, {360, 360}, {0, 0}, {-400, -40}, {800, 440},
    };
    for (const Case& c : cases) EXPECT_EQ(WrapDegrees(c.x), c.expected) << "x " << c.x;
}

TEST(AyanamsaAt, PrecessionPlusShortNutation) {
    // Without the nutation term the ayanamsa is -22.4614 at the epoch and
    // -23.8578 a century later; the term never exceeds 18.5 arc-seconds.
    EXPECT_NEAR(AyanamsaAt(0), -80861.27 / 3600, 18.5 / 3600);
    EXPECT_NEAR(AyanamsaAt(1), -(80861.27 + 5025.64 + 1.11) / 3600, 18.5 / 3600);
    EXPECT_NEAR(AyanamsaAt(1), -23.86183, 5e-6);
    const double atEpoch = (1.27 * std::sin(2013816.0 / 3600 * kDegToRad)
                            + 17.23 * std::sin((-933060.0 / 3600) * kDegToRad) - 80861.27) / 3600;
    EXPECT_NEAR(AyanamsaAt(0), atEpoch, 1e-12);
}

// The ascendant is the ecliptic point rising in the East: its equatorial
// position must lie on the horizon (altitude 0) and in the eastern half.
TEST(TropicalAnglesAt, AscendantSitsOnTheEasternHorizon) {
    const double latitudes[] = {-50, -23.5, 0, 10, 28.6, 51.5, 60};
    for (double latitude : latitudes) {
        for (double ut = 0; ut < 24; ut += 1.7) {
            const TropicalAngles a = TropicalAnglesAt(ut, 0.9, -77.2, latitude);
            const double lambda = a.ascendant * kDegToRad;
            const double eps = a.obliquity * kDegToRad;
            const double ra = std::atan2(std::sin(lambda) * std::cos(eps), std::cos(lambda));
            const double dec = std::asin(std::sin(lambda) * std::sin(eps));
            const double hourAngle = a.localSiderealTime * kDegToRad - ra;
            const double phi = latitude * kDegToRad;
            const double altitude = std::asin(std::sin(phi) * std::sin(dec)
                                              + std::cos(phi) * std::cos(dec) * std::cos(hourAngle));
            EXPECT_NEAR(altitude, 0.0, 1e-9) << "latitude " << latitude << " ut " << ut;
            EXPECT_LT(std::sin(hourAngle), 1e-9) << "rising, not setting; latitude " << latitude << " ut " << ut;
            // The midheaven culminates: its right ascension equals the sidereal time.
            const double mc = a.midheaven * kDegToRad;
            const double mcRa = std::atan2(std::sin(mc) * std::cos(eps), std::cos(mc));
            EXPECT_NEAR(std::remainder(mcRa - a.localSiderealTime * kDegToRad, 2 * kPi), 0.0, 1e-9)
                << "latitude " << latitude << " ut " << ut;
        }
    }
}

// The solved passages against the ascendant itself, stepped through the range
// a hundredth of a degree of sidereal time at a time: each lies on a sign's
// first point, passing it the way the rate says, and every change of sign the
// steps see has its passage, near the equator and beyond the polar circle,
// where the ascendant swings back.
TEST(AscendantCrossingsAround, EveryChangeOfSignAndNothingElse) {
    constexpr double kObliquity = 23.44;
    constexpr double kAyanamsa = -23.86;
    constexpr double kRange = 45;
    const auto sidereal = [&](double lst, double latitude) {
        return WrapDegrees(TropicalAscendantDeg(lst, kObliquity, latitude) + kAyanamsa);
    };
    for (const double latitude : {0.0, -28.6, 51.5, 66.0, 70.0, -80.0, 89.5}) {
        for (const double start : {3.0, 97.0, 200.0, 301.0}) {
            const AscendantCrossings solved =
                AscendantCrossingsAround(start, kRange, kObliquity, LatitudeTangent(latitude), kAyanamsa);
            SCOPED_TRACE("latitude " + std::to_string(latitude) + ", sidereal time " + std::to_string(start));
            EXPECT_FALSE(solved.grazing);
            for (int i = 0; i < solved.count; ++i) {
                const AscendantCrossing& c = solved.crossings[static_cast<std::size_t>(i)];
                const double at = start + c.siderealDeg;
                EXPECT_NEAR(std::remainder(sidereal(at, latitude) - 30.0 * c.sign, 360.0), 0.0, 1e-9);
                const double moved = std::remainder(sidereal(at + 1e-4, latitude) - sidereal(at - 1e-4, latitude), 360.0);
                EXPECT_EQ(moved > 0, c.rate > 0) << "crossing at " << at;
            }
            int changes = 0;
            for (double lst = start - kRange; lst < start + kRange - 0.01; lst += 0.01) {
                const auto signAt = [&](double s) { return static_cast<int>(sidereal(s, latitude) / 30.0); };
                if (signAt(lst) == signAt(lst + 0.01)) continue;
                ++changes;
                bool found = false;
                for (int i = 0; i < solved.count; ++i) {
                    const double at = start + solved.crossings[static_cast<std::size_t>(i)].siderealDeg;
                    found = found || (at >= lst - 1e-9 && at <= lst + 0.01 + 1e-9);
                }
                EXPECT_TRUE(found) << "sign changes between " << lst << " and " << lst + 0.01;
            }
            EXPECT_GE(solved.count, changes);
        }
    }
}

TEST(ComputeAngles, HourOutsideTheDayMovesTheJulianDate) {
    // US Eastern Standard Time at a West longitude, 20:00 local: UT 25.0.
    BirthData birth = samples::MakeBirth(2000, 1, 1, 20, 0, {5, 0});
    birth.lonDegrees = 74;
    ChartState chart;
    ComputeAngles(birth, chart);
    EXPECT_EQ(chart.universalTime, 25.0);
    EXPECT_EQ(chart.julianDayNumber, 2451545);
    EXPECT_NEAR(chart.centuries1900 * kDaysPerCentury, 2451545 - kEpoch1900 + 25.0 / 24 - 0.5, 1e-9);
}

}  // namespace
}  // namespace varelio
