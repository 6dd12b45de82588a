#include "reading/VerdictWindow.h"

#include "astro/AngleText.h"
#include "astro/ChartTexts.h"
#include "astro/Angles.h"
#include "astro/Moon.h"
#include "astro/Planets.h"
#include "tests/support/Births.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <random>
#include <string>

namespace varelio {
namespace {

using samples::Describe;

// The birth `minutes` later on the local clock, the date carried by the
// calendar of <chrono>, not the program's own.
BirthData Shifted(BirthData birth, int minutes) {
    using namespace std::chrono;
    const sys_days date = year{birth.year} / month{static_cast<unsigned>(birth.month)} /
                          day{static_cast<unsigned>(birth.day)};
    const sys_time<std::chrono::minutes> moment = date + hours{birth.hour} + std::chrono::minutes{birth.minute + minutes};
    const sys_days newDate = floor<days>(moment);
    const year_month_day ymd{newDate};
    const hh_mm_ss<std::chrono::minutes> clock{moment - newDate};
    birth.year = samples::Short(static_cast<int>(ymd.year()));
    birth.month = samples::Short(static_cast<int>(static_cast<unsigned>(ymd.month())));
    birth.day = samples::Short(static_cast<int>(static_cast<unsigned>(ymd.day())));
    birth.hour = samples::Short(static_cast<int>(clock.hours().count()));
    birth.minute = samples::Short(static_cast<int>(clock.minutes().count()));
    return birth;
}

// The minute of the day and the date's distance in days from the birth's own date.
struct Clock {
    int minute = 0;
    int day = 0;
};
Clock ClockOf(const BirthData& birth, int minutes) {
    const BirthData at = Shifted(birth, minutes);
    using namespace std::chrono;
    const auto dateOf = [](const BirthData& b) {
        return sys_days{year{b.year} / month{static_cast<unsigned>(b.month)} / day{static_cast<unsigned>(b.day)}};
    };
    return {at.hour * 60 + at.minute, static_cast<int>((dateOf(at) - dateOf(birth)).count())};
}

struct Houses {
    int lagna = 0;
    int moon = 0;
};

// The houses of Mars from the longitudes behind the position texts (the astro
// tests hold them equal to the texts), fast enough to walk a thousand births
// minute by minute.
Houses HousesFromLongitudes(const BirthData& birth) {
    const auto mars = SignOfLongitude(SiderealLongitudeDeg(kElementMars, birth));
    const auto house = [&](std::optional<int> sign) { return sign && mars ? (*mars - *sign + 12) % 12 + 1 : 0; };
    return {house(SignOfLongitude(SiderealAscendantDeg(birth))), house(SignOfLongitude(MoonSiderealLongitudeDeg(birth)))};
}

int AscendantSign(const BirthData& birth) {
    ChartState chart;
    ComputeAngles(birth, chart);
    return chart.bodies[kAscendant].sign;
}

// What the Lagna and Moon windows should hold, from a walk over every minute
// of the search on either side until both houses have changed.
std::array<ReferenceWindow, 2> ScannedWindows(const BirthData& birth) {
    constexpr int Houses::*kReferences[] = {&Houses::lagna, &Houses::moon};
    const Houses entered = HousesFromLongitudes(birth);
    std::array<ReferenceWindow, 2> expected;
    for (std::size_t r = 0; r < 2; ++r) expected[r].house = entered.*kReferences[r];
    for (const int direction : {-1, +1}) {
        std::array<int, 2> end{direction * kWindowSearchMinutes, direction * kWindowSearchMinutes};
        std::array<bool, 2> changed{};
        for (int k = 1; k <= kWindowSearchMinutes && !(changed[0] && changed[1]); ++k) {
            const Houses houses = HousesFromLongitudes(Shifted(birth, direction * k));
            for (std::size_t r = 0; r < 2; ++r) {
                const int house = houses.*kReferences[r];
                if (changed[r] || house == expected[r].house) continue;
                changed[r] = true;
                end[r] = direction * (k - 1);
                (direction < 0 ? expected[r].minutesBefore : expected[r].minutesAfter) = k;
                (direction < 0 ? expected[r].houseBefore : expected[r].houseAfter) = house;
            }
        }
        for (std::size_t r = 0; r < 2; ++r) {
            const Clock clock = ClockOf(birth, end[r]);
            (direction < 0 ? expected[r].fromMinute : expected[r].toMinute) = clock.minute;
            (direction < 0 ? expected[r].fromDay : expected[r].toDay) = clock.day;
            (direction < 0 ? expected[r].fromCapped : expected[r].toCapped) = !changed[r];
        }
    }
    return expected;
}

std::string Show(const ReferenceWindow& w) {
    const auto minutes = [](const std::optional<int>& m) { return m ? std::to_string(*m) : std::string("none"); };
    return "house " + std::to_string(w.house) + ", " + ClockText(w.fromMinute) + " (" + std::to_string(w.fromDay) +
           ") to " + ClockText(w.toMinute) +
           " (" + std::to_string(w.toDay) + "), capped " + std::to_string(w.fromCapped) +
           std::to_string(w.toCapped) + ", change " + minutes(w.minutesBefore) + " before to house " +
           std::to_string(w.houseBefore) + ", " + minutes(w.minutesAfter) + " after to house " +
           std::to_string(w.houseAfter);
}

// At Delhi on the given day of January 2000.
BirthData Delhi(int day, int hour, int minute) {
    BirthData birth = samples::BirthOf(samples::kDelhi2000);
    birth.hour = samples::Short(hour);
    birth.minute = samples::Short(minute);
    return Shifted(birth, (day - 1) * 24 * 60);
}

TEST(VerdictWindow, AgreesWithAMinuteByMinuteScanForRandomBirths) {
    std::mt19937 random(20240607);
    const auto pick = [&](int low, int high) { return low + static_cast<int>(random() % (high - low + 1)); };
    for (int n = 0; n < 1000; ++n) {
        const int zoneHours = pick(-13, 12);
        BirthData birth = samples::MakeBirth(pick(1901, 2050), pick(1, 12), pick(1, 28), pick(0, 24), pick(0, 59),
                                             {zoneHours, pick(0, 1) * (zoneHours < 0 ? -30 : 30)});
        birth.dst = pick(0, 3) == 0;
        birth.latDegrees = samples::Short(pick(0, 89));  // near the poles the ascendant leaps
        birth.latMinutes = samples::Short(pick(0, 59));
        birth.south = pick(0, 1) == 1;
        birth.lonDegrees = samples::Short(pick(0, 179));
        birth.lonMinutes = samples::Short(pick(0, 59));
        birth.east = pick(0, 1) == 1;

        const VerdictWindow window = ComputeVerdictWindow(birth);
        const std::array<ReferenceWindow, 2> scanned = ScannedWindows(birth);
        EXPECT_EQ(Show(window.lagna), Show(scanned[0])) << "Lagna, " << Describe(birth);
        EXPECT_EQ(Show(window.moon), Show(scanned[1])) << "Moon, " << Describe(birth);
    }
}

// Every sign the ascendant enters on the Delhi day: entered six minutes before
// the first minute in the new sign, the window ends five minutes on.
TEST(VerdictWindow, EndsTheMinuteBeforeTheAscendantReachesTheNextSign) {
    const BirthData midnight = Delhi(1, 0, 0);
    int crossings = 0;
    for (int minute = 1; minute < 24 * 60; ++minute) {
        if (AscendantSign(Shifted(midnight, minute)) == AscendantSign(Shifted(midnight, minute - 1))) continue;
        ++crossings;
        const BirthData birth = Shifted(midnight, minute - 6);
        const ReferenceWindow lagna = ComputeVerdictWindow(birth).lagna;
        SCOPED_TRACE(Describe(birth) + ": " + Show(lagna));
        EXPECT_EQ(lagna.toMinute, ClockOf(birth, 5).minute);
        EXPECT_EQ(lagna.minutesAfter, 6);
        EXPECT_FALSE(lagna.toCapped);
        EXPECT_EQ(lagna.houseAfter, HousesFromLongitudes(Shifted(birth, 6)).lagna);
    }
    EXPECT_EQ(crossings, 12);
}

TEST(VerdictWindow, MarsToBoundaryIsTheTextsDistanceToTheNearerSignEdge) {
    struct Case {
        int degrees, minutes;  // Mars's text within its sign
        int expected;
    };
    const Case cases[] = {{0, 20, 20}, {29, 45, 14}, {10, 0, 600}};
    for (const Case& c : cases) {
        bool found = false;
        // Mars moves at most about 3' an hour: every 20 minutes meets each text.
        for (int step = 0; step < 200 * 72 && !found; ++step) {
            const BirthData birth = Shifted(samples::MakeBirth(2000, 1, 1, 0, 0), 20 * step);
            ChartState chart;
            ComputeChart(birth, chart);
            const std::string& mars = chart.bodyPositionText[kMars];
            if (std::stoi(mars.substr(0, 2)) != c.degrees || std::stoi(mars.substr(7)) != c.minutes) continue;
            found = true;
            EXPECT_EQ(ComputeVerdictWindow(birth).marsToBoundary, c.expected) << "Mars " << mars << ", "
                                                                                << Describe(birth);
        }
        EXPECT_TRUE(found) << "no birth with Mars at " << c.degrees << " deg " << c.minutes << "'";
    }
}

TEST(VerdictWindow, WindowPastMidnightNamesTheNextDay) {
    bool found = false;
    for (int day = 1; day <= 28 && !found; ++day) {
        const BirthData birth = Delhi(day, 23, 50);
        const ReferenceWindow lagna = ComputeVerdictWindow(birth).lagna;
        if (lagna.minutesAfter.value_or(kWindowSearchMinutes) <= 10) continue;
        found = true;
        SCOPED_TRACE(Describe(birth) + ": " + Show(lagna));
        const Clock to = ClockOf(birth, lagna.minutesAfter ? *lagna.minutesAfter - 1 : kWindowSearchMinutes);
        EXPECT_EQ(lagna.toMinute, to.minute);
        EXPECT_EQ(lagna.toDay, 1);
        EXPECT_EQ(lagna.fromDay, 0);
    }
    EXPECT_TRUE(found);
}

// The ascendant enters its sign at 23:58 the evening before a birth at 00:05.
TEST(VerdictWindow, ChangeBeforeMidnightOfABirthJustAfterIt) {
    bool found = false;
    for (int day = 2; day < 2 + 2 * 365 && !found; ++day) {
        const BirthData birth = Delhi(day, 0, 5);
        if (AscendantSign(Shifted(birth, -8)) == AscendantSign(Shifted(birth, -7))) continue;  // 23:57, 23:58
        found = true;
        const ReferenceWindow lagna = ComputeVerdictWindow(birth).lagna;
        SCOPED_TRACE(Describe(birth) + ": " + Show(lagna));
        EXPECT_EQ(lagna.fromMinute, 23 * 60 + 58);
        EXPECT_EQ(lagna.fromDay, -1);
        EXPECT_EQ(lagna.minutesBefore, 8);
    }
    EXPECT_TRUE(found);
}

ReferenceWindow Window(int house, std::optional<int> before, int houseBefore, std::optional<int> after, int houseAfter) {
    ReferenceWindow w;
    w.house = house;
    w.minutesBefore = before;
    w.houseBefore = houseBefore;
    w.minutesAfter = after;
    w.houseAfter = houseAfter;
    w.fromCapped = !before;
    w.toCapped = !after;
    return w;
}

TEST(NearbyVerdictChange, OnlyWhenANearbyBirthGetsTheOtherVerdict) {
    struct Case {
        ReferenceWindow window;
        std::optional<TimeWarning> expected;
    };
    const Case cases[] = {
        {Window(3, 40, 2, 6, 4), TimeWarning{6, true, true}},
        {Window(1, 1, 12, 9, 2), std::nullopt},  // Manglik either way
        {Window(7, 1, 6, std::nullopt, 0), TimeWarning{1, false, false}},
        {Window(5, 15, 4, 15, 7), TimeWarning{15, true, true}},  // a tie goes to the later birth
        {Window(5, 15, 4, 15, 6), TimeWarning{15, false, true}},
        {Window(5, 4, 6, 15, 4), TimeWarning{15, true, true}},
        {Window(5, 16, 4, 16, 4), std::nullopt},
        {Window(0, 3, 4, 3, 4), std::nullopt},  // no house to compare with
    };
    for (const Case& c : cases) {
        const auto got = NearbyVerdictChange(c.window);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << Show(c.window);
        if (!got) continue;
        EXPECT_EQ(got->minutes, c.expected->minutes) << Show(c.window);
        EXPECT_EQ(got->later, c.expected->later) << Show(c.window);
        EXPECT_EQ(got->manglik, c.expected->manglik) << Show(c.window);
    }
}

}  // namespace
}  // namespace varelio
