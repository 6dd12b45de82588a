#include "astro/Planets.h"

#include "astro/AngleText.h"
#include "astro/Angles.h"
#include "astro/ChartTexts.h"
#include "astro/Moon.h"
#include "astro/Signs.h"
#include "tests/support/Births.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(chart.ayanamsaText, "-23\u00B0 51' 42\"");
    EXPECT_EQ(chart.ascendantText, "16\u00B0 21' 0\" Gem");
    EXPECT_EQ(chart.midheavenText, "3\u00B0 36' 25\" Pis");
    const TropicalAngles tropical = TropicalAnglesAt(chart.universalTime, chart.centuries1900,
                                                     ObserverLongitude(birth), ObserverLatitude(birth));
    EXPECT_NEAR(tropical.ascendant, 100.2120, 5e-5);
    EXPECT_NEAR(tropical.midheaven, 357.4689, 5e-5);
    EXPECT_NEAR(chart.bodies[kAscendant].longitudeDeg, tropical.ascendant + chart.ayanamsa, 1e-12);

    EXPECT_NEAR(chart.bodies[kMoon].longitudeDeg, 199.4624, 5e-5);
    EXPECT_EQ(chart.moonPositionText, "19\u00B0 27' 44\" Lib");
    EXPECT_EQ(chart.moonNakshatraName, "Swati");
    EXPECT_EQ(chart.moonRashiName, "Thula");
    EXPECT_EQ(chart.moonSignName, "Libra");

    const char* expected[kBodyTableSlots] = {
        "16 Sag 31", "19 Lib 27", "08 Sag 02", "07 Sco 42", "04 Aqu 07", "01 Ari 29",
        "16 Ari 21", "11 Can 10", "11 Cap 10", "16 Gem 21", "03 Pis 36", "",
    };
    const char* english[kBodyTableSlots] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter",
                                            "Saturn", "Rahu", "Ketu", "Ascendant", "Midheaven", ""};
    const char* sanskrit[kBodyTableSlots] = {"Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru",
                                             "Shani", "Rahu", "Ketu", "Ascendant", "Midheaven", ""};
    for (std::size_t k = 0; k < kBodyTableSlots; ++k) {
        EXPECT_EQ(chart.bodyPositionText[k], expected[k]) << "body " << k;
        EXPECT_EQ(chart.bodyNames[k], english[k]) << "body " << k;
        EXPECT_EQ(chart.bodyNamesSanskrit[k], sanskrit[k]) << "body " << k;
    }
    EXPECT_NEAR(RahuLongitude(0.0, chart.ayanamsa), 125.04452 + chart.ayanamsa, 1e-9);
    EXPECT_EQ(FormatLongForm(chart.bodies[kSun].longitudeDeg), "16\u00B0 31' 4\" Sag");
}

TEST(FormatChartTexts, MarksFollowTheFlagsAndStaleTextsGo) {
    ChartState chart;
    ComputeChart(samples::BirthOf(samples::kDelhi2000), chart);
    chart.bodyNamesSanskrit[kMars] = "Mangala (R) ";
    chart.bodyPositionText[11] = "left over";
    chart.bodies[kSaturn].retrograde = true;
    FormatChartTexts(chart);
    EXPECT_EQ(chart.bodyNamesSanskrit[kMars], "Mangala");
    EXPECT_EQ(chart.bodyNamesSanskrit[kSaturn], "Shani (R) ");
    EXPECT_EQ(chart.bodyPositionText[11], "");
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
            const std::string& rahu = chart.bodyPositionText[kRahu];
            const std::string& ketu = chart.bodyPositionText[kKetu];
            ASSERT_EQ(rahu.size(), 9u) << rahu;
            ASSERT_EQ(ketu.size(), 9u) << ketu;
            EXPECT_EQ(rahu.substr(0, 2), ketu.substr(0, 2)) << rahu << " / " << ketu;
            EXPECT_EQ(rahu.substr(7), ketu.substr(7)) << rahu << " / " << ketu;
            EXPECT_EQ((chart.bodies[kRahu].sign + 5) % 12 + 1, chart.bodies[kKetu].sign) << rahu << " / " << ketu;
        }
    }
}

bool IsShortForm(const std::string& text) {
    if (text.size() != 9 || text[2] != ' ' || text[6] != ' ') return false;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    bool known = false;
    for (int s = 0; s < 12; ++s) known = known || text.substr(3, 3) == SignAbbreviation(s);
    return known && digit(text[0]) && digit(text[1]) && digit(text[7]) && digit(text[8]);
}

// The form checks no ranges: three-digit degrees and minutes, hour 24, the
// poles and zones from one end of the list to the other must still give
// eleven well-formed positions.
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
                    EXPECT_TRUE(IsShortForm(chart.bodyPositionText[static_cast<std::size_t>(k)]))
                        << "body " << k << " \"" << chart.bodyPositionText[static_cast<std::size_t>(k)]
                        << "\" zone " << zone.hours << ":" << zone.minutes << " deg " << d << " min " << m;
                }
            }
        }
    }
}

}  // namespace
}  // namespace varelio
