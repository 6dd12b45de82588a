#include "astro/Moon.h"

#include "astro/AngleText.h"
#include "astro/Angles.h"
#include "astro/Nakshatras.h"
#include "tests/support/Births.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varelio {
namespace {

TEST(ComputeMoon, DelhiMillennium) {
    ChartState chart;
    ComputeMoon(samples::BirthOf(samples::kDelhi2000), chart);
    EXPECT_NEAR(MoonTropicalLongitude(0.0), 223.3161, 5e-5);
    EXPECT_NEAR(MoonAyanamsaAt(0.0), -23.85373, 5e-6);
    EXPECT_NEAR(chart.moonLongitude, 199.4624, 5e-5);
    EXPECT_EQ(chart.moonPositionText, "19\u00B0 27' 44\" Lib");
    EXPECT_EQ(ShortForm(chart.moonPositionText), "19 Lib 27");
    EXPECT_EQ(chart.moonNakshatraName, "Swati");
    EXPECT_EQ(chart.moonRashiName, "Thula");
    EXPECT_EQ(chart.moonSignName, "Libra");
}

// The series' mean motion: over one sidereal month the tropical Moon comes
// back to nearly the same place, and it advances 12 to 15.5 degrees a day.
TEST(MoonTropicalLongitude, MovesLikeTheMoon) {
    for (double t = -0.99; t < 0.5; t += 0.0731) {
        const double today = MoonTropicalLongitude(t);
        const double tomorrow = MoonTropicalLongitude(t + 1.0 / kDaysPerCentury);
        const double daily = std::remainder(tomorrow - today, 360.0);
        EXPECT_GT(daily, 11.5) << "T " << t;
        EXPECT_LT(daily, 15.5) << "T " << t;
        EXPECT_GE(today, 0.0);
        EXPECT_LE(today, 360.0);
    }
}

TEST(NakshatraIndex, ThirteenDegreesTwentyEach) {
    struct Case { double longitude; int expected; };
    const Case cases[] = {
        {0.0, 0},
        {13.0 + 20.0 / 60 - 1e-9, 0},
        {13.0 + 20.0 / 60, 1},
        {199.4624, 14},
        {346.0 + 40.0 / 60 - 1e-9, 25},
        {346.0 + 40.0 / 60, 26},
        {359.99999, 26},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NakshatraIndex(c.longitude), c.expected) << "longitude " << c.longitude;
    }
    EXPECT_EQ(kNakshatraNames[0], "Aswini");
    EXPECT_EQ(kNakshatraNames[1], "Bharani");
    EXPECT_EQ(kNakshatraNames[22], "Dhanishtha");
    EXPECT_EQ(kNakshatraNames[26], "Revati");
}

// Rashi and nakshatra follow the Moon's own text and longitude over a month
// of hourly births.
TEST(ComputeMoon, RashiAndNakshatraAgreeWithTheLongitude) {
    const char* english[] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                             "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    for (int hour = 0; hour < 24 * 30; hour += 5) {
        BirthData birth = samples::MakeBirth(1987, 6, 1 + hour / 24, hour % 24, 0);
        ChartState chart;
        ComputeMoon(birth, chart);
        const int sign = static_cast<int>(std::floor(chart.moonLongitude)) / 30;
        EXPECT_EQ(chart.moonSignName, english[sign]) << "longitude " << chart.moonLongitude;
        EXPECT_EQ(chart.moonNakshatraName, kNakshatraNames[static_cast<std::size_t>(
                                                std::floor(chart.moonLongitude * 60 / 800))])
            << "longitude " << chart.moonLongitude;
    }
}

TEST(ComputeMoon, DaylightSavingTakesAnHourOfMotion) {
    BirthData birth = samples::BirthOf(samples::kDelhi2000);
    ChartState plain;
    ComputeMoon(birth, plain);
    birth.dst = true;
    ChartState saving;
    ComputeMoon(birth, saving);
    // One hour earlier: the Moon stood about half a degree further back.
    const double hourly = plain.moonLongitude - saving.moonLongitude;
    EXPECT_GT(hourly, 0.45);
    EXPECT_LT(hourly, 0.65);
}

}  // namespace
}  // namespace varelio
