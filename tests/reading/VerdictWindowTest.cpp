#include "reading/VerdictWindow.h"

#include "astro/AngleCut.h"
#include "astro/Chart.h"
#include "astro/Angles.h"
#include "astro/Moon.h"
#include "astro/Planets.h"
#include "manglik/Manglik.h"
#include "tests/support/Births.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

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

// A birth's clock time counted from 1970-01-01 00:00, in minutes.
long long MinutesSince1970(const BirthData& birth) {
    using namespace std::chrono;
    const sys_days date = year{birth.year} / month{static_cast<unsigned>(birth.month)} /
                          day{static_cast<unsigned>(birth.day)};
    return date.time_since_epoch().count() * 1440LL + birth.hour * 60 + birth.minute;
}

// The signs of the ascendant, the Moon and Mars from the longitudes behind the
// position texts (the astro tests hold them equal to the texts), fast enough
// to walk a thousand births minute by minute; -1 for none.
struct Signs {
    int ascendant = -1;
    int moon = -1;
    int mars = -1;
};

Signs SignsAt(const BirthData& birth) {
    const auto sign = [](double longitude) { return SignOfLongitude(longitude).value_or(-1); };
    return {sign(SiderealAscendantDeg(birth)), sign(MoonSiderealLongitudeDeg(birth)),
            sign(SiderealLongitudeDeg(kElementMars, birth))};
}

int HouseOf(int reference, int mars) { return HouseFrom(reference + 1, mars + 1); }

// 1 Manglik, 0 not, -1 unknown.
int VerdictOf(int house) {
    const auto dosha = DoshaOfHouse(house);
    return dosha ? dosha->manglik : -1;
}

ChartState ChartOf(const BirthData& birth) {
    ChartState chart;
    ComputeChart(birth, chart);
    return chart;
}

VerdictWindow WindowOf(const BirthData& birth) { return ComputeVerdictWindow(birth, ChartOf(birth)); }

// The engine's Mars within its error of a sign's edge at a birth.
bool MarsNearEdge(const BirthData& birth) {
    const double into = std::fmod(SiderealLongitudeDeg(kElementMars, birth), 30.0) * 60.0;
    return std::fmin(into, 30.0 * 60.0 - into) <= kMarsErrorArcMinutes;
}

// What the Lagna and Moon windows should hold, from a walk over every minute
// of the search on either side until the verdict from each reference differs,
// with Mars's sign as marsSign gives it (the engine's, unless a test says),
// each end approximate where the engine's Mars is near an edge on the way.
template <typename MarsSign>
std::array<ReferenceWindow, 2> ScannedWindows(const BirthData& birth, MarsSign marsSign) {
    constexpr int Signs::*kReferences[] = {&Signs::ascendant, &Signs::moon};
    constexpr WindowEndCause kCauses[] = {WindowEndCause::Ascendant, WindowEndCause::Moon};
    const auto signsAt = [&](const BirthData& at) {
        Signs signs = SignsAt(at);
        signs.mars = marsSign(at);
        return signs;
    };
    const Signs entered = signsAt(birth);
    std::array<ReferenceWindow, 2> expected;
    for (std::size_t r = 0; r < 2; ++r) expected[r].house = HouseOf(entered.*kReferences[r], entered.mars);
    for (const int direction : {-1, +1}) {
        std::array<WindowEnd*, 2> ends{};
        std::array<bool, 2> done{};
        for (std::size_t r = 0; r < 2; ++r) ends[r] = direction < 0 ? &expected[r].from : &expected[r].to;
        std::optional<int> near;
        for (int k = 0; k <= kWindowSearchMinutes && !near; ++k) {
            if (MarsNearEdge(Shifted(birth, direction * k))) near = k;
        }
        Signs previous = entered;
        for (int k = 1; k <= kWindowSearchMinutes && !(done[0] && done[1]); ++k) {
            const Signs now = signsAt(Shifted(birth, direction * k));
            for (std::size_t r = 0; r < 2; ++r) {
                if (done[r]) continue;
                const int house = HouseOf(now.*kReferences[r], now.mars);
                WindowEnd& end = *ends[r];
                if (VerdictOf(house) == VerdictOf(expected[r].house)) {
                    end.houseChangesFirst = end.houseChangesFirst || house != expected[r].house;
                    continue;
                }
                done[r] = true;
                const Clock clock = ClockOf(birth, direction * (k - 1));
                end.minute = clock.minute;
                end.day = clock.day;
                end.minutesToChange = k;
                end.house = house;
                end.setBy = now.mars != previous.mars ? WindowEndCause::Mars : kCauses[r];
            }
            previous = now;
        }
        for (std::size_t r = 0; r < 2; ++r) {
            WindowEnd& end = *ends[r];
            end.approximate = end.setBy == WindowEndCause::Mars ||
                              (near && *near <= end.minutesToChange.value_or(kWindowSearchMinutes));
            if (done[r]) continue;
            const Clock clock = ClockOf(birth, direction * kWindowSearchMinutes);
            end.minute = clock.minute;
            end.day = clock.day;
        }
    }
    return expected;
}

int EngineMarsSign(const BirthData& birth) { return SignsAt(birth).mars; }

std::string Show(const WindowEnd& end) {
    constexpr const char* kCauses[] = {"ascendant", "moon", "mars", "limit"};
    return std::to_string(end.minute / 60) + ":" + std::to_string(end.minute % 60) + " (" + std::to_string(end.day) +
           ") set by " +
           kCauses[static_cast<int>(end.setBy)] + ", change " +
           (end.minutesToChange ? std::to_string(*end.minutesToChange) : std::string("none")) + " to house " +
           std::to_string(end.house) + (end.houseChangesFirst ? ", house changes first" : "") +
           (end.approximate ? ", approximate" : "");
}

std::string Show(const ReferenceWindow& w) {
    return "house " + std::to_string(w.house) + ", from " + Show(w.from) + "; to " + Show(w.to);
}

// At Delhi on the given day of January 2000.
BirthData Delhi(int day, int hour, int minute) {
    BirthData birth = samples::BirthOf(samples::kDelhi2000);
    birth.hour = samples::Short(hour);
    birth.minute = samples::Short(minute);
    return Shifted(birth, (day - 1) * 24 * 60);
}

// Births anywhere (near the poles the ascendant leaps and swings back), one in
// four on an exact offset (Kathmandu's +5:45, Bombay Time's +5:53:20, or any
// to the second) that the shifted births must keep, from one seed;
// VARELIO_WINDOW_SCAN_BIRTHS asks for more than a thousand.
TEST(VerdictWindow, EachEndIsTheFirstMinuteOfTheOtherVerdictInAMinuteByMinuteScan) {
    const char* asked = std::getenv("VARELIO_WINDOW_SCAN_BIRTHS");
    const int births = asked != nullptr ? std::atoi(asked) : 1000;
    std::mt19937 random(20240607);
    std::mt19937 clocks(20240608);  // apart, so the other draws stay as they were
    const auto pick = [&](int low, int high) { return low + static_cast<int>(random() % (high - low + 1)); };
    std::array<int, 4> causes{};
    int fromTheDayBefore = 0, toTheNextDay = 0, approximate = 0;
    for (int n = 0; n < births; ++n) {
        BirthData birth = samples::RandomBirth(pick, 4);
        if (const unsigned clock = clocks() % 8; clock < 2) {
            constexpr int kClocks[] = {5 * 3600 + 45 * 60, 5 * 3600 + 53 * 60 + 20};
            birth.utcOffsetSeconds = clock == 0 ? kClocks[clocks() % 2]
                                                : static_cast<int>(clocks() % (28 * 3600 + 1)) - 14 * 3600;
        }

        const VerdictWindow window = WindowOf(birth);
        const std::array<ReferenceWindow, 2> scanned = ScannedWindows(birth, EngineMarsSign);
        for (std::size_t r = 0; r < 2; ++r) {
            const ReferenceWindow& got = r == 0 ? window.lagna : window.moon;
            ASSERT_EQ(Show(got), Show(scanned[r])) << (r == 0 ? "Lagna, " : "Moon, ") << Describe(birth);
            EXPECT_TRUE(!got.verdictMayDiffer || window.marsNearEdge.atEnteredTime()) << Describe(birth);
            approximate += got.from.approximate + got.to.approximate;
            fromTheDayBefore += got.from.day == -1;
            toTheNextDay += got.to.day == 1;
            for (const WindowEnd* end : {&got.from, &got.to}) {
                ++causes[static_cast<std::size_t>(end->setBy)];
                // No end is a mere change of house, and only Mars's is approximate:
                // it moves at most 2' an hour.
                if (end->minutesToChange) {
                    EXPECT_NE(VerdictOf(end->house), VerdictOf(got.house));
                }
                EXPECT_EQ(end->uncertaintyMinutes >= 90, end->setBy == WindowEndCause::Mars) << Show(*end);
            }
        }
    }
    // Every kind of end turns up (one set by Mars in about one birth in 250),
    // and windows over midnight either way; Mars is near an edge for a few.
    for (const int count : causes) EXPECT_GT(count, births / 1000);
    EXPECT_GT(approximate, births / 1000);
    EXPECT_LT(approximate, births / 10);
    EXPECT_GT(fromTheDayBefore, births / 1000);
    EXPECT_GT(toTheNextDay, births / 1000);
}

// The sky's changes of Mars's sign from the Swiss Ephemeris
// (tests/astro/data/mars-ingresses.csv): the first whole minute in the new
// sign, from 1970-01-01 00:00 UT, and the sign.
std::vector<std::pair<long long, int>> SkyChangesOfMarsSign() {
    std::ifstream file(VARELIO_ASTRO_TEST_DATA "/mars-ingresses.csv");
    std::vector<std::pair<long long, int>> changes;
    std::string line;
    int y = 0, m = 0, d = 0, h = 0, mi = 0, s = 0, sign = 0;
    while (std::getline(file, line)) {
        if (std::sscanf(line.c_str(), "%d,%d,%d,%d,%d,%d,%d", &y, &m, &d, &h, &mi, &s, &sign) != 7) continue;
        changes.push_back({MinutesSince1970(samples::MakeBirth(y, m, d, h, mi)) + (s > 0 ? 1 : 0), sign - 1});
    }
    return changes;
}

// Births up to eight hours either side of each of the sky's changes of Mars's
// sign from 1901 to 2050 (UT clocks), their windows walked with the sky's
// Mars: wherever the sky gives another verdict or another end than the
// engine, the reading says the verdict may differ or marks that end.
TEST(VerdictWindow, WhereTheSkysMarsGivesAnotherEndTheEndIsMarked) {
    const std::vector<std::pair<long long, int>> changes = SkyChangesOfMarsSign();
    ASSERT_GT(changes.size(), 1000u) << "missing " VARELIO_ASTRO_TEST_DATA "/mars-ingresses.csv";
    const auto skySign = [&](const BirthData& at) {
        const auto next = std::upper_bound(changes.begin(), changes.end(), std::pair{MinutesSince1970(at), 99});
        return next == changes.begin() ? -1 : std::prev(next)->second;
    };
    std::mt19937 random(20250301);
    const auto pick = [&](int low, int high) { return low + static_cast<int>(random() % (high - low + 1)); };
    int endsOff = 0, verdictsOff = 0;
    for (std::size_t c = 1; c < changes.size(); ++c) {
        for (int n = 0; n < 2; ++n) {
            BirthData birth = Shifted(samples::MakeBirth(1970, 1, 1, 0, 0), static_cast<int>(changes[c].first) + pick(-480, 480));
            birth.latDegrees = samples::Short(pick(0, 60));
            birth.lonDegrees = samples::Short(pick(0, 179));
            birth.east = pick(0, 1) == 1;
            if (birth.year < 1901 || birth.year > 2050) continue;
            const VerdictWindow window = WindowOf(birth);
            const std::array<ReferenceWindow, 2> inTheSky = ScannedWindows(birth, skySign);
            for (std::size_t r = 0; r < 2; ++r) {
                const ReferenceWindow& got = r == 0 ? window.lagna : window.moon;
                SCOPED_TRACE((r == 0 ? "Lagna, " : "Moon, ") + Describe(birth) + "; sky: " + Show(inTheSky[r]));
                if (VerdictOf(inTheSky[r].house) != VerdictOf(got.house)) {
                    ++verdictsOff;
                    EXPECT_TRUE(got.verdictMayDiffer) << Show(got);
                    continue;
                }
                for (const auto& [end, skyEnd] : {std::pair{got.from, inTheSky[r].from}, {got.to, inTheSky[r].to}}) {
                    if (end.minute == skyEnd.minute && end.day == skyEnd.day && end.minutesToChange == skyEnd.minutesToChange) continue;
                    ++endsOff;
                    EXPECT_TRUE(end.approximate) << Show(end);
                }
            }
        }
    }
    EXPECT_GT(endsOff, 100);
    EXPECT_GT(verdictsOff, 50);
}

// Mars entering each sign in 2000, 90 minutes after a birth at Delhi: where
// that brings the other verdict, the window ends there, set by Mars, give or
// take its 3' error over its speed (here taken over the day around it).
TEST(VerdictWindow, AnEndSetByMarsIsGivenOrTakenItsError) {
    const BirthData start = Delhi(1, 0, 0);
    int ends = 0;
    for (int hour = 1; hour < 366 * 24; ++hour) {
        const Signs before = SignsAt(Shifted(start, (hour - 1) * 60));
        if (SignsAt(Shifted(start, hour * 60)).mars == before.mars) continue;
        int minute = (hour - 1) * 60;
        while (SignsAt(Shifted(start, minute + 1)).mars == before.mars) ++minute;
        const BirthData birth = Shifted(start, minute + 1 - 90);  // the first minute in the new sign is 90 on
        const double dayAround = std::fabs(std::remainder(SiderealLongitudeDeg(kElementMars, Shifted(birth, 90 + 720)) -
                                                              SiderealLongitudeDeg(kElementMars, Shifted(birth, 90 - 720)),
                                                          360.0));
        const int expected = static_cast<int>(std::ceil(kMarsErrorArcMinutes / 60.0 / (dayAround / 1440)));
        const Signs entered = SignsAt(birth);
        const Signs after = SignsAt(Shifted(birth, 90));
        const VerdictWindow window = WindowOf(birth);
        for (const auto& [reference, end] : {std::pair{&Signs::ascendant, window.lagna.to}, {&Signs::moon, window.moon.to}}) {
            if (VerdictOf(HouseOf(entered.*reference, entered.mars)) == VerdictOf(HouseOf(after.*reference, after.mars)) ||
                end.minutesToChange < 90) {
                continue;
            }
            ++ends;
            SCOPED_TRACE(Describe(birth) + ": " + Show(end));
            EXPECT_EQ(end.minutesToChange, 90);
            EXPECT_EQ(end.setBy, WindowEndCause::Mars);
            EXPECT_NEAR(end.uncertaintyMinutes, expected, expected * 0.05);
        }
    }
    EXPECT_GT(ends, 2);
}

TEST(VerdictWindow, MarsToBoundaryIsTheTextsDistanceToTheNearerSignEdge) {
    struct Case {
        int degrees, minutes;  // Mars's place within its sign, cut
        int expected;
    };
    const Case cases[] = {{0, 20, 20}, {29, 45, 14}, {10, 0, 600}};
    for (const Case& c : cases) {
        bool found = false;
        // Mars moves at most about 3' an hour: every 20 minutes meets each text.
        for (int step = 0; step < 200 * 72 && !found; ++step) {
            const BirthData birth = Shifted(samples::MakeBirth(2000, 1, 1, 0, 0), 20 * step);
            const ChartState chart = ChartOf(birth);
            const CutAngle mars = CutDegrees(chart.bodies[kMars].longitudeDeg);
            if (mars.wholeDegrees % 30 != c.degrees || mars.minutes != c.minutes) continue;
            found = true;
            EXPECT_EQ(ComputeVerdictWindow(birth, chart).marsToBoundary, c.expected)
                << "Mars " << mars.wholeDegrees << " deg " << mars.minutes << "', " << Describe(birth);
        }
        EXPECT_TRUE(found) << "no birth with Mars at " << c.degrees << " deg " << c.minutes << "'";
    }
}

// A window with the other verdict's birth `before` and `after` minutes away
// (none: the limit), in the given houses; `first` marks a side whose house
// changes first.
ReferenceWindow Window(int house, std::optional<int> before, int houseBefore, std::optional<int> after, int houseAfter,
                       bool first = false) {
    ReferenceWindow w;
    w.house = house;
    w.from.minutesToChange = before;
    w.from.house = houseBefore;
    w.to.minutesToChange = after;
    w.to.house = houseAfter;
    w.to.houseChangesFirst = first;
    return w;
}

TEST(NearbyVerdictChange, OnlyWhenTheNearestOtherHouseGivesTheOtherVerdict) {
    struct Case {
        ReferenceWindow window;
        std::optional<TimeWarning> expected;
    };
    const Case cases[] = {
        {Window(3, 40, 2, 6, 4), TimeWarning{6, true, true}},
        {Window(3, 40, 2, 6, 4, true), std::nullopt},  // a house of the same verdict comes first
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
