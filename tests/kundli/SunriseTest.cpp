// Sunrise and sunset against the Swiss Ephemeris (data/sunrises.csv, see
// data/README.md), and the Hindu day they bound.
#include "kundli/Sunrise.h"

#include "KundliTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace varelio {
namespace {

// Seconds past the clock's midnight of a moment, or the table's word for none.
std::string ClockText(const SolarDay& day, double jd, int offsetSeconds) {
    if (day.daylight == Daylight::NoSunrise) return "polar-night";
    if (day.daylight == Daylight::NoSunset) return "polar-day";
    const double clockDays = jd - kJulianDay1970 + offsetSeconds / kSecondsPerDay;
    return std::to_string(std::llround((clockDays - std::floor(clockDays)) * kSecondsPerDay));
}

std::string Seconds(const std::string& hhmmss) {
    int h = 0, m = 0, s = 0;
    if (std::sscanf(hhmmss.c_str(), "%d:%d:%d", &h, &m, &s) != 3) return hhmmss;
    return std::to_string(h * 3600 + m * 60 + s);
}

TEST(Sunrise, WithinTwoMinutesOfTheSwissEphemeris) {
    std::ifstream file(VARELIO_KUNDLI_TEST_DATA "/sunrises.csv");
    std::string line;
    int rows = 0;
    double worstSeconds = 0;
    std::string worst;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("place", 0) == 0) continue;
        std::istringstream fields(line);
        std::string place, lat, lon, offset, year, month, day, rise, set;
        for (std::string* field : {&place, &lat, &lon, &offset, &year, &month, &day, &rise, &set}) {
            std::getline(fields, *field, ',');
        }
        const int offsetSeconds = std::stoi(offset);
        const long long days = DaysSince1970(std::stoi(year), std::stoi(month), std::stoi(day));
        const double noon = kJulianDay1970 + static_cast<double>(days) + 0.5 - offsetSeconds / kSecondsPerDay;
        const SolarDay solar =
            SolarDayOf(SunTrackAt(noon, std::stod(lon)), days, offsetSeconds, Latitude(std::stod(lat)));
        ++rows;
        for (const auto& [expected, jd] : {std::pair{Seconds(rise), solar.riseJdUt}, std::pair{Seconds(set), solar.setJdUt}}) {
            const std::string actual = ClockText(solar, jd, offsetSeconds);
            if (expected.find('-') != std::string::npos || actual.find('-') != std::string::npos) {
                EXPECT_EQ(actual, expected) << line;
                continue;
            }
            const double error = std::fabs(std::stod(actual) - std::stod(expected));
            if (error > worstSeconds) {
                worstSeconds = error;
                worst = line;
            }
        }
    }
    ASSERT_GE(rows, 250) << "missing or short " VARELIO_KUNDLI_TEST_DATA "/sunrises.csv";
    EXPECT_LE(worstSeconds, 120) << worst;
}

TEST(HinduDay, BeginsAtSunrise) {
    // Delhi, 28°38' N 77°13' E, Indian Time; 1 January 2000 was a Saturday.
    constexpr int kIst = 19800;
    const double latitude = 28 + 38 / 60.0, longitude = 77 + 13 / 60.0;
    const double noon = testing::JdAtClock(2000, 1, 1, 12, 0, kIst);
    const HinduDay day = HinduDayOf(noon, kIst, latitude, longitude);
    ASSERT_EQ(day.sun.daylight, Daylight::RiseAndSet);
    EXPECT_EQ(day.weekday, Weekday::Saturday);
    const CivilMoment sunrise = ClockMinuteAt(day.sun.riseJdUt, kIst);
    EXPECT_EQ(sunrise.hour * 60 + sunrise.minute, 7 * 60 + 14);
    const double minute = 1.0 / kMinutesPerDay;
    const HinduDay before = HinduDayOf(day.sun.riseJdUt - minute, kIst, latitude, longitude);
    const HinduDay after = HinduDayOf(day.sun.riseJdUt + minute, kIst, latitude, longitude);
    EXPECT_EQ(before.weekday, Weekday::Friday);
    // The sunset of 31 December.
    EXPECT_LT(before.sun.setJdUt, day.sun.riseJdUt);
    EXPECT_GT(before.sun.setJdUt, day.sun.riseJdUt - 0.75);
    EXPECT_EQ(after.weekday, Weekday::Saturday);
    EXPECT_NEAR(after.sun.riseJdUt, day.sun.riseJdUt, 1e-6);
}

TEST(HinduDay, PolarDayAndNightKeepTheCivilWeekday) {
    // Tromsø, 69°39' N 18°57' E, on the clock one hour east of UT.
    const double latitude = 69 + 39 / 60.0, longitude = 18 + 57 / 60.0;
    const HinduDay winter = HinduDayOf(testing::JdAtClock(2000, 12, 21, 3, 0, 3600), 3600, latitude, longitude);
    EXPECT_EQ(winter.sun.daylight, Daylight::NoSunrise);
    EXPECT_EQ(winter.weekday, Weekday::Thursday);
    const HinduDay summer = HinduDayOf(testing::JdAtClock(2000, 6, 21, 3, 0, 3600), 3600, latitude, longitude);
    EXPECT_EQ(summer.sun.daylight, Daylight::NoSunset);
    EXPECT_EQ(summer.weekday, Weekday::Wednesday);
    // The same place in the south of the world has them the other way round.
    EXPECT_EQ(HinduDayOf(testing::JdAtClock(2000, 6, 21, 3, 0, 3600), 3600, -latitude, longitude).sun.daylight,
              Daylight::NoSunrise);
}

}  // namespace
}  // namespace varelio
