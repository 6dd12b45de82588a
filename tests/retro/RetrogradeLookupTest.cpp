// The date lookup: named edge dates, every station day of every table, and
// agreement with a plain pair-by-pair reading of the texts on every day.
#include "StationTexts.h"

#include <gtest/gtest.h>

#include <chrono>

namespace varelio::testing {
namespace {

CivilMoment At(int year, int month, int day, int hour = 12, int minute = 0) {
    return {year, month, day, hour, minute};
}

std::string Describe(const CivilMoment& m) {
    return std::to_string(m.day) + "." + std::to_string(m.month) + "." + std::to_string(m.year) + " " +
           std::to_string(m.hour) + ":" + std::to_string(m.minute);
}

TEST(IsRetrogradeAt, NamedDates) {
    struct Case {
        BodyIndex planet;
        CivilMoment birth;
        bool retrograde;
    };
    const Case cases[] = {
        {kMercury, At(1900, 3, 16), true},
        {kMercury, At(1900, 3, 15, 23, 0), false},  // the retrograde station's own day
        {kMercury, At(1900, 4, 7, 0, 30), false},   // the direct station's own day
        {kMercury, At(1900, 4, 6), true},
        {kMercury, At(1900, 3, 14), false},
        {kMercury, At(1900, 4, 8), false},
        {kMars, At(1900, 6, 1), false},             // before the first Mars pair
        {kMars, At(1901, 2, 20), true},
        {kJupiter, At(2051, 4, 21), false},         // the last direct station of all
        {kJupiter, At(2051, 4, 20, 23, 59), true},
        {kMercury, At(2060, 6, 15), false},
        {kVenus, At(2060, 6, 15), false},
        {kMars, At(2060, 6, 15), false},
        {kJupiter, At(2060, 6, 15), false},
        {kSaturn, At(2060, 6, 15), false},
        {kSaturn, At(1850, 6, 15), false},
        // Mercury's period holds 16 March 1900; no other body has a table.
        {kSun, At(1900, 3, 16), false},
        {kMoon, At(1900, 3, 16), false},
        {kRahu, At(1900, 3, 16), false},
        {kKetu, At(1900, 3, 16), false},
        {kAscendant, At(1900, 3, 16), false},
        {kMidheaven, At(1900, 3, 16), false},
        {static_cast<BodyIndex>(-1), At(1900, 3, 16), false},
        {static_cast<BodyIndex>(kBodyCount), At(1900, 3, 16), false},
        {kMercury, At(1900, 13, 16), false},        // no such month
        {kMercury, At(1900, 0, 16), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsRetrogradeAt(c.planet, c.birth), c.retrograde)
            << "body " << c.planet << " born " << Describe(c.birth);
    }
}

std::chrono::year_month_day Ymd(const Date& date) {
    const auto [y, m, d] = date;
    return {std::chrono::year{y}, std::chrono::month{static_cast<unsigned>(m)}, std::chrono::day{static_cast<unsigned>(d)}};
}

CivilMoment Moment(std::chrono::sys_days day, int hour) {
    const std::chrono::year_month_day ymd{day};
    return {int(ymd.year()), static_cast<int>(unsigned(ymd.month())), static_cast<int>(unsigned(ymd.day())), hour, 0};
}

TEST(IsRetrogradeAt, StationDaysAreNotRetrogradeAndTheDaysBetweenAre) {
    using std::chrono::days;
    for (const PlanetTables& planet : AllPlanets()) {
        const std::vector<ReadPair> pairs = ReadPairs(planet);
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            const std::chrono::sys_days start{Ymd(pairs[i].retrograde.date)};
            const std::chrono::sys_days end{Ymd(pairs[i].direct.date)};
            const struct {
                CivilMoment birth;
                bool retrograde;
            } probes[] = {
                {Moment(start, 23), false},
                {Moment(start + days{1}, 0), true},
                {Moment(end - days{1}, 23), true},
                {Moment(end, 0), false},
            };
            for (const auto& probe : probes) {
                EXPECT_EQ(IsRetrogradeAt(planet.body, probe.birth), probe.retrograde)
                    << planet.name << " pair " << i << ", born " << Describe(probe.birth);
            }
        }
    }
}

// A date as one comparable number, yyyymmdd.
int Key(const Date& date) {
    const auto [y, m, d] = date;
    return y * 10000 + m * 100 + d;
}

struct KeyPair {
    int retrograde, direct;
};

// The documented rule, read straight from the texts: the first pair whose
// retrograde date lies before the birth date and whose direct date after it.
bool ReferenceRule(const std::vector<KeyPair>& pairs, int birth) {
    for (const KeyPair& pair : pairs) {
        if (pair.retrograde < birth && birth < pair.direct) return true;
    }
    return false;
}

TEST(IsRetrogradeAt, AgreesWithThePairByPairReadingOnEveryDay) {
    using namespace std::chrono;
    for (const PlanetTables& planet : AllPlanets()) {
        std::vector<KeyPair> pairs;
        for (const ReadPair& p : ReadPairs(planet)) pairs.push_back({Key(p.retrograde.date), Key(p.direct.date)});
        int mismatches = 0;
        int retrogradeDays = 0;
        for (sys_days day = sys_days{1899y / January / 1}; day <= sys_days{2052y / December / 31}; day += days{1}) {
            const CivilMoment birth = Moment(day, 6);
            const bool expected = ReferenceRule(pairs, Key({birth.year, birth.month, birth.day}));
            retrogradeDays += expected;
            const bool actual = IsRetrogradeAt(planet.body, birth);
            if (actual != expected && ++mismatches <= 5) {
                ADD_FAILURE() << planet.name << " born " << Describe(birth) << ": expected " << expected
                              << ", got " << actual;
            }
        }
        EXPECT_EQ(mismatches, 0) << planet.name;
        // Guards the comparison itself: a reader that never says yes would agree with nothing.
        EXPECT_GT(retrogradeDays, 1000) << planet.name;
    }
}

}  // namespace
}  // namespace varelio::testing
