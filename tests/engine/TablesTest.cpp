#include "engine/Tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace varelio {
namespace {

double WrittenOffset(std::string_view text) {
    const std::size_t comma = text.rfind(',');
    return std::stod(std::string(text.substr(comma + 1)));
}

TEST(TimeZoneTable, CorrectionsNegateTheWrittenOffset) {
    const auto& zones = InitTables().timeZoneTable;
    for (int row = 0; row < kTimeZoneCount; ++row) {
        const TimeZoneRow& zone = zones[static_cast<std::size_t>(row)];
        if (row == 34) continue;  // "+5.3" stands for five and a half hours, checked below
        const double offset = WrittenOffset(zone.timeZoneNames);
        const double correction = zone.timeZoneHourCorrection + zone.timeZoneMinuteCorrection / 60.0;
        EXPECT_DOUBLE_EQ(correction, -offset) << "row " << row << " \"" << zone.timeZoneNames << "\"";
        EXPECT_TRUE(zone.timeZoneMinuteCorrection == 0 || std::abs(zone.timeZoneMinuteCorrection) == 30)
            << "row " << row << " minutes " << zone.timeZoneMinuteCorrection;
    }
}

TEST(TimeZoneTable, RowsNamedInTheList) {
    struct Case { int row; std::string_view text; short hours; short minutes; };
    const Case cases[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
        {11, "Azores Time, AT, -2.0", 2, 0},
        {34, "Indian Time, IST, +5.3", -5, -30},
        {35, "Int'l Date Line East,IDLE,+12.0", -12, 0},
        {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
        {52, "North Sumatra Time,NST,+6.5", -6, -30},
        {57, "South Australia Daylight Time,SDT,+10.5", -10, -30},
        {61, "Universal Time, UT, 0.0", 0, 0},
        {70, "Yukon War Time,YWT,-8.0", 8, 0},
    };
    const auto& zones = InitTables().timeZoneTable;
    for (const Case& c : cases) {
        const TimeZoneRow& zone = zones[static_cast<std::size_t>(c.row)];
        EXPECT_EQ(zone.timeZoneNames, c.text) << "row " << c.row;
        EXPECT_EQ(zone.timeZoneHourCorrection, c.hours) << "row " << c.row;
        EXPECT_EQ(zone.timeZoneMinuteCorrection, c.minutes) << "row " << c.row;
    }
}

TEST(SignAbbreviationList, TwelveSignsThenAnEmptySlot) {
    const auto& list = InitTables().signAbbreviationList;
    const std::string_view expected[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                         "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis", ""};
    for (std::size_t k = 0; k < list.size(); ++k) EXPECT_EQ(list[k], expected[k]) << "slot " << k;
}

TEST(NakshatraSegments, EachSignHoldsNinePadas) {
    const auto& rows = InitTables().nakshatraSegments;
    for (std::size_t sign = 0; sign < 12; ++sign) {
        int padas = 0;
        for (std::size_t r = 3 * sign; r < 3 * sign + 3; ++r) padas += std::stoi(std::string(rows[r].padas));
        EXPECT_EQ(padas, 9) << "sign " << sign;
    }
}

TEST(NakshatraSegments, SplitNakshatrasShareLordAndCompleteFourPadas) {
    std::map<std::string_view, std::pair<std::string_view, int>> seen;
    for (const NakshatraSegment& row : InitTables().nakshatraSegments) {
        auto [it, fresh] = seen.try_emplace(row.nakshatra, row.lord, 0);
        EXPECT_EQ(it->second.first, row.lord) << row.nakshatra;
        it->second.second += std::stoi(std::string(row.padas));
    }
    // The two spellings of the same nakshatra each carry 2 padas.
    for (const auto& [name, entry] : seen) {
        const int expected = (name == "Dhanistha" || name == "Dhanishtha") ? 2 : 4;
        EXPECT_EQ(entry.second, expected) << name;
    }
    EXPECT_EQ(seen.size(), 28u) << "27 nakshatras plus the second spelling";
}

TEST(NakshatraSegments, DhanishthaSpelledTwoWays) {
    const auto& rows = InitTables().nakshatraSegments;
    EXPECT_EQ(rows[29].nakshatra, "Dhanistha");
    EXPECT_EQ(rows[30].nakshatra, "Dhanishtha");
    EXPECT_EQ(rows[29].lord, "Mars");
    EXPECT_EQ(rows[30].padas, "2");
}

}  // namespace
}  // namespace varelio
