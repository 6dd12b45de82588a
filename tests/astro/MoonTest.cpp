#include "astro/Moon.h"

#include "astro/Angles.h"
#include "astro/Chart.h"
#include "tests/support/Births.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varelio {
namespace {

TEST(MoonSeries, ValuesAtTheEpoch) {
    EXPECT_NEAR(MoonTropicalLongitude(0.0), 223.3161, 5e-5);
    EXPECT_NEAR(MoonAyanamsaAt(0.0), -23.85373, 5e-6);
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

// The Moon's sign and nakshatra follow its longitude over a month of hourly
// births.
TEST(ComputeMoon, SignAndNakshatraAgreeWithTheLongitude) {
    for (int hour = 0; hour < 24 * 30; hour += 5) {
        BirthData birth = samples::MakeBirth(1987, 6, 1 + hour / 24, hour % 24, 0);
        ChartState chart;
        ComputeChart(birth, chart);
        const double longitude = chart.bodies[kMoon].longitudeDeg;
        EXPECT_EQ(chart.bodies[kMoon].sign, static_cast<int>(std::floor(longitude)) / 30 + 1) << "longitude " << longitude;
        EXPECT_EQ(chart.bodies[kMoon].nakshatra, static_cast<int>(std::floor(longitude * 60 / 800)) + 1)
            << "longitude " << longitude;
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
    const double hourly = plain.bodies[kMoon].longitudeDeg - saving.bodies[kMoon].longitudeDeg;
    EXPECT_GT(hourly, 0.45);
    EXPECT_LT(hourly, 0.65);
}

}  // namespace
}  // namespace varelio
