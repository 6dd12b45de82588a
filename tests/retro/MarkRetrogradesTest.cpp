// Marking the chart: which names get " (R) ", exactly once, from the date as
// entered.
#include "StationTexts.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

namespace varelio::testing {
namespace {

const BodyTable kPlainNames = {"Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru",
                               "Shani", "Rahu",    "Ketu",  "Ascendant", "Midheaven", ""};

using Flags = std::array<bool, kRetrogradeCount>;

ChartState FreshChart() {
    ChartState chart;
    chart.bodyNamesSanskrit = kPlainNames;
    return chart;
}

BirthData Born(int year, int month, int day, int hour = 12, int minute = 0) {
    BirthData birth;
    birth.year = static_cast<std::int16_t>(year);
    birth.month = static_cast<std::int16_t>(month);
    birth.day = static_cast<std::int16_t>(day);
    birth.hour = static_cast<std::int16_t>(hour);
    birth.minute = static_cast<std::int16_t>(minute);
    return birth;
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

struct DayFlags {
    std::chrono::year_month_day date;
    Flags retrograde;
};

// Every day of the input years with the planets whose periods, read from the
// tables, hold it; one cursor per planet walks its ascending pairs.
const std::vector<DayFlags>& InputYears() {
    static const std::vector<DayFlags> everyDay = [] {
        using namespace std::chrono;
        std::vector<DayFlags> out;
        std::array<std::size_t, kRetrogradeCount> cursor{};
        for (sys_days day = sys_days{1901y / January / 1}; day <= sys_days{2050y / December / 31}; day += days{1}) {
            const year_month_day ymd{day};
            const Date date{int(ymd.year()), static_cast<int>(unsigned(ymd.month())), static_cast<int>(unsigned(ymd.day()))};
            DayFlags flags{ymd, {}};
            for (std::size_t k = 0; k < kRetrogradeCount; ++k) {
                const std::vector<ReadPair>& pairs = PairsOf(k);
                while (cursor[k] < pairs.size() && pairs[cursor[k]].direct.date <= date) ++cursor[k];
                flags.retrograde[k] = cursor[k] < pairs.size() && pairs[cursor[k]].retrograde.date < date;
            }
            out.push_back(flags);
        }
        return out;
    }();
    return everyDay;
}

// The first day in the input years on which exactly the wanted planets are
// retrograde.
std::optional<std::chrono::year_month_day> FirstDayRetrograde(const Flags& wanted) {
    for (const DayFlags& day : InputYears()) {
        if (day.retrograde == wanted) return day.date;
    }
    return std::nullopt;
}

BirthData Born(const std::chrono::year_month_day& ymd) {
    return Born(int(ymd.year()), static_cast<int>(unsigned(ymd.month())), static_cast<int>(unsigned(ymd.day())));
}

TEST(MarkRetrogrades, VenusAndSaturnEachCarryTheMarkOnce) {
    const Flags venusAndSaturn = {false, true, false, false, true};
    const auto day = FirstDayRetrograde(venusAndSaturn);
    ASSERT_TRUE(day.has_value()) << "no day with only Venus and Saturn retrograde in 1901-2050";
    const BirthData birth = Born(*day);

    BodyTable expected = kPlainNames;
    expected[kVenus] = "Shukra (R) ";
    expected[kSaturn] = "Shani (R) ";

    ChartState chart = FreshChart();
    EXPECT_EQ(MarkRetrogrades(birth, chart), venusAndSaturn) << "born " << birth.day << "." << birth.month << "." << birth.year;
    EXPECT_EQ(chart.bodyNamesSanskrit, expected);

    // A second calculation names the bodies afresh and marks them again.
    chart = FreshChart();
    MarkRetrogrades(birth, chart);
    EXPECT_EQ(chart.bodyNamesSanskrit, expected);

    // Run twice without fresh names, the mark still appears once.
    MarkRetrogrades(birth, chart);
    EXPECT_EQ(chart.bodyNamesSanskrit, expected);
}

TEST(MarkRetrogrades, FlagsFollowTheLookupForEachPlanet) {
    // Days with exactly one planet retrograde, so a mix-up of slots shows.
    for (std::size_t k = 0; k < kRetrogradeCount; ++k) {
        const std::string_view name = AllPlanets()[k].name;
        Flags only{};
        only[k] = true;
        const auto day = FirstDayRetrograde(only);
        ASSERT_TRUE(day.has_value()) << name << " alone";
        ChartState chart = FreshChart();
        EXPECT_EQ(MarkRetrogrades(Born(*day), chart), only) << name << " alone";
        BodyTable expected = kPlainNames;
        expected[kMercury + k] += " (R) ";
        EXPECT_EQ(chart.bodyNamesSanskrit, expected) << name << " alone";
    }
}

TEST(MarkRetrogrades, UsesTheLocalDateAsEnteredIgnoringZoneAndDaylightSaving) {
    // 16 March 1900 is inside Mercury's first period in any zone; at 23:00 on
    // 15 March a zone shift would carry universal time to the 16th, but the
    // local date decides.
    BirthData late = Born(1900, 3, 15, 23, 0);
    late.zoneHours = 5;
    late.dst = true;
    ChartState chart = FreshChart();
    EXPECT_FALSE(MarkRetrogrades(late, chart)[0]);
    EXPECT_EQ(chart.bodyNamesSanskrit[kMercury], "Budha");

    BirthData next = Born(1900, 3, 16, 0, 0);
    next.zoneHours = -12;
    chart = FreshChart();
    EXPECT_TRUE(MarkRetrogrades(next, chart)[0]);
    EXPECT_EQ(chart.bodyNamesSanskrit[kMercury], "Budha (R) ");
}

TEST(MarkRetrogrades, NoPlanetRetrogradeLeavesEveryNamePlainAndDropsStaleMarks) {
    const auto day = FirstDayRetrograde({});
    ASSERT_TRUE(day.has_value());
    ChartState chart = FreshChart();
    for (int b = kMercury; b <= kSaturn; ++b) chart.bodyNamesSanskrit[b] += " (R)  (R) ";
    EXPECT_EQ(MarkRetrogrades(Born(*day), chart), Flags{});
    EXPECT_EQ(chart.bodyNamesSanskrit, kPlainNames);
}

}  // namespace
}  // namespace varelio::testing
