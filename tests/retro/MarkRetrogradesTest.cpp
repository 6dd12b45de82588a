// Marking the chart: which planets are flagged retrograde, from the date as
// entered.
#include "StationTexts.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

namespace varelio::testing {
namespace {

using Flags = std::array<bool, kRetrogradeCount>;

BirthData Born(int year, int month, int day, int hour = 12, int minute = 0) {
    BirthData birth;
    birth.year = static_cast<std::int16_t>(year);
    birth.month = static_cast<std::int16_t>(month);
    birth.day = static_cast<std::int16_t>(day);
    birth.hour = static_cast<std::int16_t>(hour);
    birth.minute = static_cast<std::int16_t>(minute);
    return birth;
}

Flags Marked(const BirthData& birth, ChartState chart = {}) {
    MarkRetrogrades(birth, chart);
    Flags flags{};
    for (std::size_t k = 0; k < kRetrogradeCount; ++k) flags[k] = chart.bodies[kMercury + k].retrograde;
    for (const BodyIndex other : {kSun, kMoon, kRahu, kKetu, kAscendant, kMidheaven}) {
        EXPECT_FALSE(chart.bodies[other].retrograde) << "body " << other;
    }
    return flags;
}

// The pairs of planet k, Mercury first.
const std::vector<ReadPair>& PairsOf(std::size_t k) {
    static const std::vector<std::vector<ReadPair>> all = [] {
        std::vector<std::vector<ReadPair>> tables;
        for (const PlanetTables& p : AllPlanets()) tables.push_back(ReadPairs(p));
        return tables;
    }();
    return all.at(k);
}

// The first day from 1901 on which exactly the wanted planets are retrograde,
// read from the tables with one cursor per planet walking its ascending pairs.
std::optional<BirthData> FirstDayRetrograde(const Flags& wanted) {
    using namespace std::chrono;
    std::array<std::size_t, kRetrogradeCount> cursor{};
    for (sys_days day = sys_days{1901y / January / 1}; day <= sys_days{2050y / December / 31}; day += days{1}) {
        const year_month_day ymd{day};
        const Date date{int(ymd.year()), static_cast<int>(unsigned(ymd.month())), static_cast<int>(unsigned(ymd.day()))};
        Flags flags{};
        for (std::size_t k = 0; k < kRetrogradeCount; ++k) {
            const std::vector<ReadPair>& pairs = PairsOf(k);
            while (cursor[k] < pairs.size() && pairs[cursor[k]].direct.date <= date) ++cursor[k];
            flags[k] = cursor[k] < pairs.size() && pairs[cursor[k]].retrograde.date < date;
        }
        if (flags == wanted) return Born(std::get<0>(date), std::get<1>(date), std::get<2>(date));
    }
    return std::nullopt;
}

TEST(MarkRetrogrades, FlagsFollowTheTablesForEachPlanet) {
    // No planet, each planet alone (so a mix-up of slots shows), and two at once.
    std::vector<Flags> wanted{Flags{}, Flags{false, true, false, false, true}};
    for (std::size_t k = 0; k < kRetrogradeCount; ++k) {
        Flags only{};
        only[k] = true;
        wanted.push_back(only);
    }
    for (const Flags& flags : wanted) {
        const auto birth = FirstDayRetrograde(flags);
        ASSERT_TRUE(birth.has_value());
        ChartState stale;  // flags of an earlier chart do not survive
        for (int b = kMercury; b <= kSaturn; ++b) stale.bodies[static_cast<std::size_t>(b)].retrograde = true;
        EXPECT_EQ(Marked(*birth, stale), flags) << birth->day << "." << birth->month << "." << birth->year;
    }
}

TEST(MarkRetrogrades, UsesTheLocalDateAsEnteredIgnoringZoneAndDaylightSaving) {
    // 16 March 1900 is inside Mercury's first period in any zone; at 23:00 on
    // 15 March a zone shift would carry universal time to the 16th, but the
    // local date decides.
    BirthData late = Born(1900, 3, 15, 23, 0);
    late.zoneHours = 5;
    late.dst = true;
    EXPECT_FALSE(Marked(late)[0]);

    BirthData next = Born(1900, 3, 16, 0, 0);
    next.zoneHours = -12;
    EXPECT_TRUE(Marked(next)[0]);
}

}  // namespace
}  // namespace varelio::testing
