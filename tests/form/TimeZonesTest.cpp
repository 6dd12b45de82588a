#include "form/TimeZones.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace varelio {
namespace {

double WrittenOffset(std::string_view text) {
    const std::size_t comma = text.rfind(',');
    return std::stod(std::string(text.substr(comma + 1)));
}

TEST(TimeZoneTable, CorrectionsNegateTheWrittenOffset) {
    for (int row = 0; row < kTimeZoneCount; ++row) {
        const TimeZoneRow& zone = kTimeZoneTable[static_cast<std::size_t>(row)];
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
    for (const Case& c : cases) {
        const TimeZoneRow& zone = kTimeZoneTable[static_cast<std::size_t>(c.row)];
        EXPECT_EQ(zone.timeZoneNames, c.text) << "row " << c.row;
        EXPECT_EQ(zone.timeZoneHourCorrection, c.hours) << "row " << c.row;
        EXPECT_EQ(zone.timeZoneMinuteCorrection, c.minutes) << "row " << c.row;
    }
}

}  // namespace
}  // namespace varelio
