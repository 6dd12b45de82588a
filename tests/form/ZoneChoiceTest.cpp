#include "form/TimeZones.h"
#include "form/ZoneChoice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace varelio {
namespace {

constexpr int kHour = 3600;
constexpr int kMinute = 60;

std::string Describe(const ZoneFacts& f) {
    return "offset " + std::to_string(f.utcOffsetSeconds) + " s, standard " + std::to_string(f.standardOffsetSeconds) +
           " s, summer " + std::to_string(f.summerTime) + ", " + f.abbreviation + "/" + f.standardAbbreviation;
}

std::string Describe(const ZoneRowChoice& c) {
    return "row " + std::to_string(c.zoneIndex) + " \"" +
           std::string(kTimeZoneTable[static_cast<std::size_t>(c.zoneIndex)].timeZoneNames) + "\" dst " +
           std::to_string(c.dst) + " error " + std::to_string(c.errorSeconds) + " s";
}

struct RowCase {
    const char* place;
    ZoneFacts facts;
    ZoneRowChoice expected;
    std::string_view country = {};
};

// The facts are what the tz database says of each zone on the date named.
const RowCase kRowCases[] = {
    {"Kolkata 2000", {5 * kHour + 30 * kMinute, 5 * kHour + 30 * kMinute, false, "IST", "IST"}, {34, false, 0}},
    {"Kolkata 1943, war time", {6 * kHour + 30 * kMinute, 5 * kHour + 30 * kMinute, true, "+0630", "IST"},
     {34, true, 0}},
    {"New York, July 1990", {-4 * kHour, -5 * kHour, true, "EDT", "EST"}, {27, true, 0}},
    {"Chicago, January", {-6 * kHour, -6 * kHour, false, "CST", "CST"}, {21, false, 0}},
    {"Chicago, July", {-5 * kHour, -6 * kHour, true, "CDT", "CST"}, {21, true, 0}},
    {"London, January 1990", {0, 0, false, "GMT", "GMT"}, {29, false, 0}},
    {"London, July 1990", {kHour, 0, true, "BST", "GMT"}, {29, true, 0}},
    {"London, double summer time 1943", {2 * kHour, 0, true, "BDST", "GMT"}, {15, false, 0}},
    {"London, British Standard Time 1969", {kHour, kHour, false, "BST", "BST"}, {16, false, 0}},
    {"Adelaide, January 2010", {10 * kHour + 30 * kMinute, 9 * kHour + 30 * kMinute, true, "ACDT", "ACST"},
     {6, true, 0}},
    {"St. John's, July", {-2 * kHour - 30 * kMinute, -3 * kHour - 30 * kMinute, true, "NDT", "NST"}, {50, true, 0}},
    {"Tokyo", {9 * kHour, 9 * kHour, false, "JST", "JST"}, {38, false, 0}},
    {"Karachi 1960, no abbreviation", {5 * kHour, 5 * kHour, false, "+05", "+05"}, {64, false, 0}},
    {"Kathmandu 2000", {5 * kHour + 45 * kMinute, 5 * kHour + 45 * kMinute, false, "+0545", "+0545"},
     {34, false, -15 * kMinute}},
    {"Madras mean time 1901", {5 * kHour + 21 * kMinute + 10, 5 * kHour + 21 * kMinute + 10, false, "MMT", "MMT"},
     {34, false, 8 * kMinute + 50}},
    {"São Paulo, January 2000", {-2 * kHour, -3 * kHour, true, "-02", "-03"}, {14, true, 0}, "Brazil"},
    {"São Paulo, country unnamed", {-2 * kHour, -3 * kHour, true, "-02", "-03"}, {4, true, 0}},
    {"Perth, January 2000", {8 * kHour, 8 * kHour, false, "AWST", "AWST"}, {10, false, 0}, "Australia"},
    {"Chatham Islands", {12 * kHour + 45 * kMinute, 12 * kHour + 45 * kMinute, false, "+1245", "+1245"},
     {46, false, 15 * kMinute}},
    // No summer time, so no DST row: not Iran Time with DST, which gives +4:30 exactly.
    {"Kabul, January", {4 * kHour + 30 * kMinute, 4 * kHour + 30 * kMinute, false, "+0430", "+0430"},
     {63, false, -30 * kMinute}},
    {"Caracas 2010", {-4 * kHour - 30 * kMinute, -4 * kHour - 30 * kMinute, false, "-0430", "-0430"},
     {3, false, 30 * kMinute}},
};

TEST(ChooseZoneRow, PicksTheRowAndBoxForEachZone) {
    for (const RowCase& c : kRowCases) {
        const ZoneRowChoice actual = ChooseZoneRow(c.facts, c.country);
        EXPECT_TRUE(actual.zoneIndex == c.expected.zoneIndex && actual.dst == c.expected.dst &&
                    actual.errorSeconds == c.expected.errorSeconds)
            << c.place << " (" << Describe(c.facts) << "): expected " << Describe(c.expected) << ", got "
            << Describe(actual);
    }
}

// Over every quarter hour from -12 h to +14 h, with and without summer time:
// the error is what the chosen row gives, and no row comes nearer with the
// box as the zone allows it (ticked only under summer time).
TEST(ChooseZoneRow, NoRowComesNearerThanTheChosenOne) {
    for (int offset = -12 * kHour; offset <= 14 * kHour; offset += 15 * kMinute) {
        for (const bool summer : {false, true}) {
            const ZoneFacts facts{offset, summer ? offset - kHour : offset, summer, "", ""};
            const ZoneRowChoice choice = ChooseZoneRow(facts);
            ASSERT_EQ(ZoneRowUtcOffsetSeconds(choice.zoneIndex, choice.dst) - offset, choice.errorSeconds)
                << Describe(facts) << " -> " << Describe(choice);
            for (int row = 0; row < kTimeZoneCount; ++row) {
                for (const bool dst : {false, true}) {
                    if (dst && !summer) {
                        EXPECT_FALSE(choice.dst) << Describe(facts);
                        continue;
                    }
                    EXPECT_LE(std::abs(choice.errorSeconds), std::abs(ZoneRowUtcOffsetSeconds(row, dst) - offset))
                        << Describe(facts) << " -> " << Describe(choice) << ", but row " << row << " dst " << dst
                        << " is nearer";
                }
            }
        }
    }
}

TEST(ZoneRowAbbreviation, TakesTheSecondFieldWithoutBlanks) {
    const std::pair<int, std::string_view> cases[] = {{34, "IST"}, {0, "AHDT"}, {11, "AT"}, {35, "IDLE"}, {61, "UT"}};
    for (const auto& [row, expected] : cases) {
        EXPECT_EQ(ZoneRowAbbreviation(row), expected) << "row " << row;
    }
}

// The exact-offset field's text: read back what it is written as, and
// refuse anything that is not a clock's offset.
TEST(UtcOffsetField, WrittenAndReadBack) {
    const std::pair<std::string_view, std::optional<int>> cases[] = {
        {"+05:45", 20700},   {"-04:30", -16200},  {"+05:53:20", 21200}, {"5:45", 20700},
        {" +00:00 ", 0},     {"\u221204:30", -16200}, {"+14:00", 14 * kHour}, {"-14:00", -14 * kHour},
        {"", std::nullopt},  {"+14:01", std::nullopt}, {"+5", std::nullopt},  {"+5:7", std::nullopt},
        {"+05:60", std::nullopt}, {"+05:45:60", std::nullopt}, {"+05:45:", std::nullopt}, {"++5:45", std::nullopt},
        {"+005:45", std::nullopt}, {"+05:45x", std::nullopt}, {"UTC+5:45", std::nullopt},
        // Runs of digits long enough to overflow an int are refused, not added up.
        {"+99999999999:45", std::nullopt}, {"+05:0000000000045", std::nullopt}, {"5:45:99999999999", std::nullopt},
    };
    for (const auto& [text, seconds] : cases) EXPECT_EQ(ParseUtcOffset(text), seconds) << text;
    const std::pair<int, std::string_view> written[] = {
        {20700, "+05:45"}, {-16200, "-04:30"}, {21200, "+05:53:20"}, {0, "+00:00"}, {-61, "-00:01:01"}};
    for (const auto& [seconds, text] : written) EXPECT_EQ(UtcOffsetFieldText(seconds), text) << seconds;
    for (int seconds = -kMaxUtcOffsetSeconds; seconds <= kMaxUtcOffsetSeconds; seconds += 617) {
        EXPECT_EQ(ParseUtcOffset(UtcOffsetFieldText(seconds)), seconds) << UtcOffsetFieldText(seconds);
    }
}

TEST(UtcOffsetText, SignHoursMinutesAndSecondsWhenThereAreAny) {
    const std::pair<int, std::string_view> cases[] = {
        {0, "UTC+0:00"}, {19800, "UTC+5:30"}, {-12600, "UTC-3:30"}, {-4 * kHour, "UTC-4:00"},
        {19270, "UTC+5:21:10"}, {-61, "UTC-0:01:01"}, {14 * kHour, "UTC+14:00"}};
    for (const auto& [seconds, expected] : cases) EXPECT_EQ(UtcOffsetText(seconds), expected) << seconds << " s";
}

}  // namespace
}  // namespace varelio
