#include "astro/Planets.h"

#include "astro/AngleCut.h"
#include "astro/Angles.h"
#include "astro/Chart.h"
#include "astro/Moon.h"
#include "astro/Signs.h"
#include "tests/support/Births.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <iterator>
#include <string>

namespace varelio {
namespace {

TEST(DaysSinceJ2000, CountsFromTwoThousandNoon) {
    struct Case { int year, month, day, hour, minute; double expected; };
    const Case cases[] = {
        {2000, 1, 1, 12, 0, 0.0},
        {2000, 1, 1, 0, 0, -0.5},
        {2000, 1, 1, 18, 0, 0.25},
        {1999, 12, 31, 20, 30, -1 + 8.5 / 24},
        {2000, 3, 1, 12, 0, 60.0},
        {1900, 3, 1, 12, 0, -36465.0},
        {2050, 12, 31, 12, 0, 18627.0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(DaysSinceJ2000(c.year, c.month, c.day, c.hour, c.minute), c.expected, 1e-9)
            << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute;
    }
}

TEST(DaysSinceJ2000, MatchesTheJulianDayOverTheProgramsYears) {
    for (int year = 1901; year <= 2050; year += 3) {
        for (int month = 1; month <= 12; ++month) {
            const double fromJulianDay = JulianDayOfDate(month, 28, year) - kEpochJ2000;
            EXPECT_EQ(DaysSinceJ2000(year, month, 28, 12, 0), fromJulianDay) << year << "-" << month << "-28";
        }
    }
}

TEST(ReduceRadians, IntoOneTurn) {
    struct Case { double x, expected; };
    const Case cases[] = {
        {0.0, 0.0},
        {1.0, 1.0},
        {kTwoPi + 1.0, 1.0},
        {-1.0, kTwoPi - 1.0},
        {-kTwoPi - 1.0, kTwoPi - 1.0},
        {-2 * kTwoPi, 0.0},
        {100 * kTwoPi + 0.5, 0.5},
    };
    for (const Case& c : cases) EXPECT_NEAR(ReduceRadians(c.x), c.expected, 1e-9) << "x " << c.x;
}

// The eccentric anomaly must satisfy Kepler's equation, and its sine and
// cosine be its own to within its last place (an anomaly of 5 rad has
// 9e-16).
TEST(SolveKepler, SolvesKeplersEquation) {
    const double eccentricities[] = {0.0, 0.0068, 0.0167, 0.0934, 0.2056};
    for (double e : eccentricities) {
        for (double m = 0.0; m < kTwoPi; m += 0.137) {
            const EccentricAnomaly solved = SolveKepler(m, e);
            EXPECT_NEAR(solved.anomaly - e * std::sin(solved.anomaly), m, 1e-15) << "M " << m << " e " << e;
            EXPECT_NEAR(solved.sin, std::sin(solved.anomaly), 1e-15) << "M " << m << " e " << e;
            EXPECT_NEAR(solved.cos, std::cos(solved.anomaly), 1e-15) << "M " << m << " e " << e;
        }
    }
}

TEST(GeocentricLongitude, DelhiMillennium) {
    struct Case { int index; const char* body; double expected; };
    const Case cases[] = {
        {kElementMercury, "Mercury", 271.906}, {kElementVenus, "Venus", 241.578},
        {kElementSun, "Sun", 280.380},         {kElementMars, "Mars", 327.983},
        {kElementJupiter, "Jupiter", 25.361},  {kElementSaturn, "Saturn", 40.215},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(GeocentricLongitude(c.index, 0.0), c.expected, 5e-4) << c.body;
    }
}

// An independent check over the program's years: the Sun of the low-accuracy
// formula of Meeus (chapter 25), moved from the equinox of date to the fixed
// J2000 equinox the elements refer to, stays within a few arc-minutes.
TEST(GeocentricLongitude, SunAgreesWithTheLowAccuracySolarFormula) {
    for (double d = -36000; d <= 18600; d += 97.3) {
        const double t = d / kDaysPerCentury;
        const double meanLongitude = 280.46646 + 36000.76983 * t;
        const double anomaly = (357.52911 + 35999.05029 * t) * kDegToRad;
        const double centre = (1.914602 - 0.004817 * t) * std::sin(anomaly)
                              + (0.019993 - 0.000101 * t) * std::sin(2 * anomaly)
                              + 0.000289 * std::sin(3 * anomaly);
        const double precession = 5029.0966 / 3600 * t;
        const double reference = meanLongitude + centre - precession;
        const double difference = std::remainder(GeocentricLongitude(kElementSun, d) - reference, 360.0);
        EXPECT_LT(std::fabs(difference), 0.05) << "day " << d << " differs by " << difference;
    }
}

// The engine's worked example, 1 January 2000, 17:30 at Delhi, step by step.
TEST(ComputeChart, DelhiMillennium) {
    const BirthData birth = samples::BirthOf(samples::kDelhi2000);
    ChartState chart;
    ComputeChart(birth, chart);

    EXPECT_EQ(chart.universalTime, 12.0);
    EXPECT_EQ(chart.julianDayNumber, 2451545);
    EXPECT_NEAR(chart.centuries1900, 1.0, 1e-15);
    EXPECT_NEAR(chart.localSiderealTime, 357.6775, 5e-5);
    EXPECT_NEAR(chart.ayanamsa, -23.86183, 5e-6);
    // Cut to whole degrees, minutes and seconds, as the position texts have them.
    using Cut = std::array<long long, 3>;
    const auto cut = [](double degrees) {
        const CutAngle c = CutDegrees(degrees);
        return Cut{c.wholeDegrees, c.minutes, c.seconds};
    };
    EXPECT_EQ(cut(chart.ayanamsa), (Cut{23, 51, 42}));
    EXPECT_EQ(cut(chart.bodies[kAscendant].longitudeDeg), (Cut{60 + 16, 21, 0}));   // 16 Gem 21
    EXPECT_EQ(cut(chart.bodies[kMidheaven].longitudeDeg), (Cut{330 + 3, 36, 25}));  // 03 Pis 36
    const TropicalAngles tropical = TropicalAnglesAt(chart.universalTime, chart.centuries1900,
                                                     ObserverLongitude(birth), ObserverLatitude(birth));
    EXPECT_NEAR(tropical.ascendant, 100.2120, 5e-5);
    EXPECT_NEAR(tropical.midheaven, 357.4689, 5e-5);
    EXPECT_NEAR(chart.bodies[kAscendant].longitudeDeg, tropical.ascendant + chart.ayanamsa, 1e-12);

    EXPECT_NEAR(chart.bodies[kMoon].longitudeDeg, 199.4624, 5e-5);
    EXPECT_EQ(cut(chart.bodies[kMoon].longitudeDeg), (Cut{180 + 19, 27, 44}));  // 19 Lib 27: Swati
    EXPECT_EQ(chart.bodies[kMoon].nakshatra, 15);
    // Sun to Ketu: whole degrees and minutes, 16 Sag 31 .. 11 Cap 10.
    const std::array<std::array<long long, 2>, kKetu + 1> expected{{
        {240 + 16, 31}, {180 + 19, 27}, {240 + 8, 2}, {210 + 7, 42}, {300 + 4, 7}, {1, 29}, {16, 21}, {90 + 11, 10},
        {270 + 11, 10},
    }};
    for (int k = kSun; k <= kKetu; ++k) {
        const Cut c = cut(chart.bodies[static_cast<std::size_t>(k)].longitudeDeg);
        EXPECT_EQ((std::array<long long, 2>{c[0], c[1]}), expected[static_cast<std::size_t>(k)]) << "body " << k;
    }
    EXPECT_NEAR(RahuLongitude(0.0, chart.ayanamsa), 125.04452 + chart.ayanamsa, 1e-9);
    EXPECT_EQ(cut(chart.bodies[kSun].longitudeDeg), (Cut{240 + 16, 31, 4}));
}

// The numbers the birth-time window reads must be the very values the chart
// holds, or a window could end a minute away from the chart's change of sign.
TEST(SiderealLongitudes, AreTheValuesBehindTheTexts) {
    for (int year = 1901; year <= 2050; year += 11) {
        for (int hour : {0, 7, 13, 24}) {
            BirthData birth = samples::MakeBirth(year, 1 + year % 12, 1 + year % 28, hour, (year * 7) % 60,
                                                 {-(year % 13), year % 2 == 0 ? 0 : -30});
            birth.latDegrees = samples::Short(year % 61);
            birth.lonDegrees = samples::Short(year % 180);
            birth.east = year % 3 != 0;
            birth.dst = year % 4 == 0;
            ChartState chart;
            ComputeChart(birth, chart);
            SCOPED_TRACE(samples::Describe(birth));
            EXPECT_EQ(AyanamsaOf(birth), chart.ayanamsa);
            EXPECT_EQ(SiderealAscendantDeg(birth), chart.bodies[kAscendant].longitudeDeg);
            EXPECT_EQ(MoonSiderealLongitudeDeg(birth), chart.bodies[kMoon].longitudeDeg);
            EXPECT_EQ(SiderealLongitudeDeg(kElementSun, birth), chart.bodies[kSun].longitudeDeg);
            EXPECT_EQ(SiderealLongitudeDeg(kElementMercury, birth), chart.bodies[kMercury].longitudeDeg);
            EXPECT_EQ(SiderealLongitudeDeg(kElementVenus, birth), chart.bodies[kVenus].longitudeDeg);
            EXPECT_EQ(SiderealLongitudeDeg(kElementMars, birth), chart.bodies[kMars].longitudeDeg);
            EXPECT_EQ(SiderealLongitudeDeg(kElementJupiter, birth), chart.bodies[kJupiter].longitudeDeg);
            EXPECT_EQ(SiderealLongitudeDeg(kElementSaturn, birth), chart.bodies[kSaturn].longitudeDeg);
        }
    }
}

// The mean node of Meeus, Astronomical Algorithms (2nd ed.), example 22.a:
// 1987 April 10 at 0h, 11.2531 degrees (tropical, so no ayanamsa).
TEST(RahuLongitude, IsTheMeanNodeOfTheBooksWorkedExample) {
    EXPECT_NEAR(RahuLongitude(DaysSinceJ2000(1987, 4, 10, 0, 0), 0.0), 11.2531, 5e-5);
}

// Ketu is always Rahu plus 180 degrees: the same minutes, the opposite sign.
TEST(RahuLongitude, KetuOppositeOverManyYears) {
    BirthData birth = samples::BirthOf(samples::kDelhi2000);
    for (int year = 1901; year <= 2050; year += 7) {
        for (int month = 1; month <= 12; month += 5) {
            birth.year = static_cast<std::int16_t>(year);
            birth.month = static_cast<std::int16_t>(month);
            ChartState chart;
            ComputeChart(birth, chart);
            const CutAngle rahu = CutDegrees(chart.bodies[kRahu].longitudeDeg);
            const CutAngle ketu = CutDegrees(chart.bodies[kKetu].longitudeDeg);
            // The same degrees within the sign and minutes, the opposite sign.
            EXPECT_EQ(rahu.wholeDegrees % 30, ketu.wholeDegrees % 30) << year << "-" << month;
            EXPECT_EQ(rahu.minutes, ketu.minutes) << year << "-" << month;
            EXPECT_EQ((chart.bodies[kRahu].sign + 5) % 12 + 1, chart.bodies[kKetu].sign) << year << "-" << month;
        }
    }
}

// The form checks no ranges: three-digit degrees and minutes, hour 24, the
// poles and zones from one end of the list to the other must still give
// eleven positions with a sign.
TEST(ComputePlanets, UncheckedFormValuesStayWellFormed) {
    const int degrees[] = {0, 45, 90, 180, 999};
    const int minutes[] = {0, 59, 999};
    const samples::ZoneCorrection zones[] = {{9, 0}, {-10, -30}, {-8, 0}, {-2, 0}, {-1, 0}, {-3, 0}, {-12, 0},
                                             {6, 0}, {3, 30},    {7, 0},  {-13, 0}, {12, 0}, {10, 30}, {0, 0}};
    for (int z = 0; z < static_cast<int>(std::size(zones)); ++z) {
        const samples::ZoneCorrection zone = zones[static_cast<std::size_t>(z)];
        for (int d : degrees) {
            for (int m : minutes) {
                BirthData birth =
                    samples::MakeBirth(1901 + (d + m + 5 * z) % 150, 1 + 5 * z % 12, 28, 24, m % 60, zone);
                birth.lonDegrees = static_cast<std::int16_t>(d);
                birth.lonMinutes = static_cast<std::int16_t>(m);
                birth.latDegrees = static_cast<std::int16_t>(d);
                birth.latMinutes = static_cast<std::int16_t>(m);
                birth.east = (d + z) % 2 == 0;
                birth.south = m % 2 == 1;
                birth.dst = z % 2 == 0;
                ChartState chart;
                ComputeChart(birth, chart);
                for (int k = 0; k < kBodyCount; ++k) {
                    // Exactly 360 degrees is the one position without a sign.
                    const bool fullTurn = chart.bodies[static_cast<std::size_t>(k)].longitudeDeg == 360.0;
                    if (fullTurn) continue;
                    const int sign = chart.bodies[static_cast<std::size_t>(k)].sign;
                    EXPECT_TRUE(sign >= 1 && sign <= 12)
                        << "body " << k << " sign " << sign << " zone " << zone.hours << ":" << zone.minutes << " deg " << d << " min " << m;
                }
            }
        }
    }
}

}  // namespace
}  // namespace varelio
