#include "places/ZoneAtBirth.h"

#include <gtest/gtest.h>

#include <string>

namespace varelio {
namespace {

constexpr int kHour = 3600;

std::string Describe(const ZoneFacts& f) {
    return "offset " + std::to_string(f.utcOffsetSeconds) + " s, standard " + std::to_string(f.standardOffsetSeconds) +
           " s, summer " + std::to_string(f.summerTime) + ", " + f.abbreviation + "/" + f.standardAbbreviation +
           ", clock " + std::to_string(static_cast<int>(f.clockTime));
}

TEST(ZoneFactsAt, ReadsTheTzDatabaseAtTheLocalClockTime) {
    struct Case {
        std::string_view zone;
        LocalClockTime clock;
        ZoneFacts expected;
    };
    const Case cases[] = {
        {"Asia/Kolkata", {2000, 1, 1, 12, 0}, {19800, 19800, false, "IST", "IST"}},
        {"Asia/Kolkata", {1943, 3, 1, 12, 0}, {23400, 19800, true, "+0630", "IST"}},
        {"Asia/Kolkata", {1901, 3, 1, 12, 0}, {19270, 19270, false, "MMT", "MMT"}},
        {"America/New_York", {1990, 7, 4, 12, 0}, {-4 * kHour, -5 * kHour, true, "EDT", "EST"}},
        {"Europe/London", {1943, 7, 1, 12, 0}, {2 * kHour, 0, true, "BDST", "GMT"}},
        {"Europe/London", {1969, 7, 1, 12, 0}, {kHour, kHour, false, "BST", "BST"}},
        {"Europe/Dublin", {2000, 1, 1, 12, 0}, {0, 0, false, "GMT", "GMT"}},
        {"Australia/Adelaide", {2010, 1, 1, 12, 0}, {37800, 34200, true, "ACDT", "ACST"}},
        // 01:30 on the morning the clocks went forward, and on the one they went back.
        {"Europe/London", {1990, 3, 25, 1, 30}, {0, 0, false, "GMT", "GMT", ClockTime::Skipped}},
        {"Europe/London", {1990, 10, 28, 1, 30}, {kHour, 0, true, "BST", "GMT", ClockTime::Repeated}},
        // Hour 24 is the next day's midnight: summer time began at 02:00 on 1 April 1990.
        {"America/New_York", {1990, 3, 31, 24, 0}, {-5 * kHour, -5 * kHour, false, "EST", "EST"}},
        {"America/New_York", {1990, 4, 1, 24, 0}, {-4 * kHour, -5 * kHour, true, "EDT", "EST"}},
    };
    for (const Case& c : cases) {
        const std::optional<ZoneFacts> actual = ZoneFactsAt(c.zone, c.clock);
        ASSERT_TRUE(actual.has_value()) << c.zone;
        const ZoneFacts& a = *actual;
        const ZoneFacts& e = c.expected;
        EXPECT_TRUE(a.utcOffsetSeconds == e.utcOffsetSeconds && a.standardOffsetSeconds == e.standardOffsetSeconds &&
                    a.summerTime == e.summerTime && a.abbreviation == e.abbreviation &&
                    a.standardAbbreviation == e.standardAbbreviation && a.clockTime == e.clockTime)
            << c.zone << " " << c.clock.year << "-" << c.clock.month << "-" << c.clock.day << " " << c.clock.hour
            << ":" << c.clock.minute << ": expected " << Describe(e) << ", got " << Describe(a);
    }
}

TEST(ZoneFactsAt, NothingForAnUnknownZoneOrAnImpossibleDate) {
    EXPECT_FALSE(ZoneFactsAt("Mars/Olympus_Mons", {2000, 1, 1, 12, 0}).has_value());
    EXPECT_FALSE(ZoneFactsAt("", {2000, 1, 1, 12, 0}).has_value());
    EXPECT_FALSE(ZoneFactsAt("Asia/Kolkata", {1990, 2, 30, 12, 0}).has_value());
    EXPECT_FALSE(ZoneFactsAt("Asia/Kolkata", {1990, 4, 31, 12, 0}).has_value());
}

}  // namespace
}  // namespace varelio
