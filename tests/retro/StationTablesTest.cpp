// The station tables as data: shape of every entry, the counts and fixed rows,
// and plausible period lengths per planet. Their order needs no test: the
// lookup's compile-time reading of the same texts refuses disorder.
#include "StationTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace varelio::testing {
namespace {

std::string PlanetParamName(const ::testing::TestParamInfo<PlanetTables>& info) {
    return std::string(info.param.name);
}

class StationTablesTest : public ::testing::TestWithParam<PlanetTables> {};

TEST_P(StationTablesTest, ListsHoldOneEmptySlotPastTheCount) {
    const PlanetTables& planet = GetParam();
    StationTable table;
    table.retrogradeStations.assign(900, "stale");
    table.directStations.assign(3, "stale");
    planet.load(table);
    ASSERT_EQ(table.retrogradeStations.size(), planet.pairCount + 1) << planet.name;
    ASSERT_EQ(table.directStations.size(), planet.pairCount + 1) << planet.name;
    EXPECT_EQ(table.retrogradeStations.back(), "") << planet.name;
    EXPECT_EQ(table.directStations.back(), "") << planet.name;

    StationTable again = table;
    planet.load(again);
    EXPECT_EQ(again.retrogradeStations, table.retrogradeStations) << planet.name << ": a second fill differs";
    EXPECT_EQ(again.directStations, table.directStations) << planet.name << ": a second fill differs";
}

void ExpectWellFormed(std::string_view planet, std::size_t i, const std::string& entry) {
    const std::vector<std::string> pieces = SplitAtComma(entry);
    ASSERT_EQ(pieces.size(), 6u) << planet << " pair " << i << ": \"" << entry << "\"";
    EXPECT_EQ(pieces[5], "") << planet << " pair " << i << ": \"" << entry << "\"";
    for (std::size_t k = 0; k < 5; ++k) {
        const std::string& p = pieces[k];
        ASSERT_FALSE(p.empty()) << planet << " pair " << i << ": empty field in \"" << entry << "\"";
        EXPECT_EQ(p.find_first_not_of("0123456789"), std::string::npos)
            << planet << " pair " << i << ": \"" << entry << "\"";
        EXPECT_FALSE(p.size() > 1 && p[0] == '0') << planet << " pair " << i << ": leading zero in \"" << entry << "\"";
    }
    EXPECT_EQ(pieces[2].size(), 4u) << planet << " pair " << i << ": \"" << entry << "\"";
    const int month = std::stoi(pieces[0]), day = std::stoi(pieces[1]), year = std::stoi(pieces[2]);
    const int hour = std::stoi(pieces[3]), minute = std::stoi(pieces[4]);
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    EXPECT_TRUE(date.ok()) << planet << " pair " << i << ": no such date in \"" << entry << "\"";
    EXPECT_TRUE(year >= 1899 && year <= 2051) << planet << " pair " << i << ": \"" << entry << "\"";
    EXPECT_TRUE(hour >= 0 && hour <= 23) << planet << " pair " << i << ": \"" << entry << "\"";
    EXPECT_TRUE(minute >= 0 && minute <= 59) << planet << " pair " << i << ": \"" << entry << "\"";
}

TEST_P(StationTablesTest, EveryEntryIsFiveNumbersEachFollowedByAComma) {
    const PlanetTables& planet = GetParam();
    StationTable table;
    planet.load(table);
    for (std::size_t i = 0; i < planet.pairCount; ++i) {
        ExpectWellFormed(planet.name, i, table.retrogradeStations[i]);
        ExpectWellFormed(planet.name, i, table.directStations[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(Planets, StationTablesTest, ::testing::ValuesIn(AllPlanets()), PlanetParamName);

// Elapsed whole days, station moment to station moment: the length of a
// retrograde period and the distance from one retrograde station to the next.
struct PeriodBounds {
    std::string_view planet;
    int shortestPeriod, longestPeriod;
    int shortestCycle, longestCycle;
};

TEST(StationTables, PeriodLengthsArePlausiblePerPlanet) {
    const PeriodBounds bounds[] = {
        {"Mercury", 19, 24, 107, 125}, {"Venus", 40, 43, 579, 587}, {"Mars", 59, 81, 764, 810},
        {"Jupiter", 116, 124, 394, 403}, {"Saturn", 133, 141, 376, 379},
    };
    for (const PeriodBounds& b : bounds) {
        const auto planet = std::find_if(AllPlanets().begin(), AllPlanets().end(),
                                         [&](const PlanetTables& p) { return p.name == b.planet; });
        ASSERT_NE(planet, AllPlanets().end()) << b.planet;
        const std::vector<ReadPair> pairs = ReadPairs(*planet);
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            const std::int64_t period = (pairs[i].direct.minutes - pairs[i].retrograde.minutes) / 1440;
            EXPECT_TRUE(period >= b.shortestPeriod && period <= b.longestPeriod)
                << b.planet << " pair " << i << " lasts " << period << " days, expected " << b.shortestPeriod
                << " to " << b.longestPeriod;
            if (i + 1 < pairs.size()) {
                const std::int64_t cycle = (pairs[i + 1].retrograde.minutes - pairs[i].retrograde.minutes) / 1440;
                EXPECT_TRUE(cycle >= b.shortestCycle && cycle <= b.longestCycle)
                    << b.planet << " pairs " << i << " to " << i + 1 << ": " << cycle << " days, expected "
                    << b.shortestCycle << " to " << b.longestCycle;
            }
        }
    }
}

struct FixedRow {
    std::string_view planet;
    int index;  // -1: the last pair
    std::string_view retrograde, direct;
};

TEST(StationTables, FixedReferenceRowsAreKeptVerbatim) {
    const FixedRow rows[] = {
        {"Mercury", 0, "3,15,1900,13,19,", "4,7,1900,18,42,"},
        {"Mercury", 1, "7,18,1900,0,53,", "8,11,1900,14,59,"},
        {"Mercury", -1, "12,1,2050,17,17,", "12,21,2050,11,33,"},
        {"Venus", 0, "6,16,1900,22,56,", "7,30,1900,2,44,"},
        {"Venus", 1, "1,25,1902,3,30,", "3,7,1902,13,41,"},
        {"Venus", -1, "9,25,2050,22,15,", "11,6,2050,19,4,"},
        {"Mars", 0, "1,13,1901,6,16,", "4,4,1901,7,21,"},
        {"Mars", 1, "2,18,1903,14,29,", "5,9,1903,16,14,"},
        {"Mars", -1, "7,15,2050,5,50,", "9,13,2050,9,41,"},
        {"Jupiter", 0, "3,27,1900,20,39,", "7,29,1900,1,35,"},
        {"Jupiter", -1, "12,21,2050,13,21,", "4,21,2051,23,46,"},
        {"Saturn", 0, "4,14,1900,6,2,", "9,2,1900,14,39,"},
        {"Saturn", 1, "4,26,1901,3,57,", "9,14,1901,0,9,"},
        {"Saturn", -1, "5,18,2050,13,6,", "10,6,2050,11,5,"},
    };
    for (const FixedRow& row : rows) {
        const auto planet = std::find_if(AllPlanets().begin(), AllPlanets().end(),
                                         [&](const PlanetTables& p) { return p.name == row.planet; });
        ASSERT_NE(planet, AllPlanets().end()) << row.planet;
        StationTable table;
        planet->load(table);
        const std::size_t i = row.index < 0 ? planet->pairCount - 1 : static_cast<std::size_t>(row.index);
        EXPECT_EQ(table.retrogradeStations[i], row.retrograde) << row.planet << " pair " << i;
        EXPECT_EQ(table.directStations[i], row.direct) << row.planet << " pair " << i;
    }
}

}  // namespace
}  // namespace varelio::testing
