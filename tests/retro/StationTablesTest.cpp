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

void ExpectWellFormed(std::string_view planet, std::size_t i, std::string_view entry) {
    const std::vector<std::string> pieces = SplitAtComma(std::string(entry));
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
    ASSERT_EQ(planet.retrograde.size(), planet.direct.size()) << planet.name;
    for (std::size_t i = 0; i < planet.retrograde.size(); ++i) {
        ExpectWellFormed(planet.name, i, planet.retrograde[i]);
        ExpectWellFormed(planet.name, i, planet.direct[i]);
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

}  // namespace
}  // namespace varelio::testing
