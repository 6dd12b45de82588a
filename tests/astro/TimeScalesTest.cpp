#include "astro/TimeScales.h"

#include "astro/Angles.h"
#include "astro/Moon.h"
#include "astro/Planets.h"
#include "tests/support/Births.h"

#include <gtest/gtest.h>

#include <ostream>

namespace varelio {

std::ostream& operator<<(std::ostream& out, const CivilMoment& m) {
    return out << m.year << "-" << m.month << "-" << m.day << " " << m.hour << ":" << m.minute << ":" << m.second;
}

namespace {

using samples::MakeBirth;
using samples::ZoneCorrection;

// The corrections of a few rows of the input window's zone list.
constexpr ZoneCorrection kIndian{-5, -30};        // "+5.3"
constexpr ZoneCorrection kUsEastern{5, 0};        // "-5.0"
constexpr ZoneCorrection kNewfoundland{3, 30};    // "-3.5"
constexpr ZoneCorrection kIran{-3, -30};          // "+3.5"
constexpr ZoneCorrection kCentralEurope{-1, 0};   // "+1.0"
constexpr ZoneCorrection kGreenwich{0, 0};
constexpr ZoneCorrection kJapan{-9, 0};           // "+9.0"
constexpr ZoneCorrection kHawaii{10, 30};         // "-10.5"

TEST(DaysSince1970, KnownDaysAndRoundTrip) {
    static_assert(DaysSince1970(1970, 1, 1) == 0);
    EXPECT_EQ(DaysSince1970(2000, 3, 1), 11017);
    EXPECT_EQ(DaysSince1970(1969, 12, 31), -1);
    EXPECT_EQ(DaysSince1970(1900, 3, 1), -25508);
    // A day past the month's end runs on into the next month.
    EXPECT_EQ(DaysSince1970(2001, 2, 29), DaysSince1970(2001, 3, 1));
    for (long long day = -30000; day < 30000; day += 13) {
        const CivilMoment m = CivilFromMinutesSince1970(day * 1440 + 61);
        ASSERT_EQ(DaysSince1970(m.year, m.month, m.day), day) << m;
        ASSERT_EQ(m.hour, 1);
        ASSERT_EQ(m.minute, 1);
    }
    EXPECT_EQ(CivilFromMinutesSince1970(-1), (CivilMoment{1969, 12, 31, 23, 59}));
}

// Births whose zone direction matches the longitude hemisphere: the one
// universal time equals what the hemisphere rule gives.
TEST(UniversalTimeHours, AgreesWithTheHemisphereRuleWhereZoneAndLongitudeAgree) {
    struct Case { const char* what; int hour, minute; ZoneCorrection zone; bool east, dst; double expected; };
    const Case cases[] = {
        {"India 05:30", 5, 30, kIndian, true, false, 0.0},
        {"India 05:30 with DST", 5, 30, kIndian, true, true, -1.0},
        {"India 17:30", 17, 30, kIndian, true, false, 12.0},
        {"US Eastern 20:00", 20, 0, kUsEastern, false, false, 25.0},
        {"US Eastern 20:00 with DST", 20, 0, kUsEastern, false, true, 24.0},
        {"Newfoundland 23:15", 23, 15, kNewfoundland, false, false, 26.75},
        {"Iran 01:10", 1, 10, kIran, true, false, 1 + 10.0 / 60 - 3.5},
    };
    for (const Case& c : cases) {
        BirthData birth = MakeBirth(2000, 1, 1, c.hour, c.minute, c.zone);
        birth.east = c.east;
        birth.dst = c.dst;
        // The rule as the hemisphere would apply it.
        double offset = birth.zoneHoursAbs + birth.zoneMinutesAbs / 60.0;
        if (c.dst) offset += c.east ? 1 : -1;
        const double local = c.hour + c.minute / 60.0;
        const double hemisphereRule = c.east ? local - offset : local + offset;
        EXPECT_EQ(UniversalTimeHours(birth), hemisphereRule) << c.what;
        EXPECT_NEAR(UniversalTimeHours(birth), c.expected, 1e-12) << c.what;
    }
}

// Madrid keeps Central European Time although it lies West of Greenwich:
// universal time is one hour before the clock, not one hour after it.
TEST(UniversalTimeHours, ZoneSignWinsOverTheHemisphere) {
    BirthData birth = MakeBirth(1990, 7, 14, 12, 0, kCentralEurope);
    birth.lonDegrees = 3;
    birth.lonMinutes = 41;
    birth.east = false;
    EXPECT_EQ(UniversalTimeHours(birth), 11.0);
    EXPECT_EQ(UniversalMoment(birth), (CivilMoment{1990, 7, 14, 11, 0}));
    birth.dst = true;
    EXPECT_EQ(UniversalTimeHours(birth), 10.0);
    EXPECT_EQ(UniversalMoment(birth), (CivilMoment{1990, 7, 14, 10, 0}));

    ChartState chart;
    ComputeAngles(birth, chart);
    EXPECT_EQ(chart.universalTime, 10.0);
}

TEST(UniversalMoment, CarriesAcrossDaysMonthsAndYears) {
    struct Case { const char* what; int y, mo, d, h, mi; ZoneCorrection zone; bool dst; CivilMoment expected; };
    const Case cases[] = {
        {"same day", 2000, 6, 15, 23, 30, kIndian, false, {2000, 6, 15, 18, 0}},
        {"previous day", 2000, 6, 15, 2, 0, kIndian, false, {2000, 6, 14, 20, 30}},
        {"previous year", 2000, 1, 1, 2, 0, kIndian, false, {1999, 12, 31, 20, 30}},
        {"next year", 1999, 12, 31, 20, 0, kUsEastern, false, {2000, 1, 1, 1, 0}},
        {"hour 24", 2000, 2, 28, 24, 0, kGreenwich, false, {2000, 2, 29, 0, 0}},
        {"hour 24 at a year end", 2003, 12, 31, 24, 0, kGreenwich, false, {2004, 1, 1, 0, 0}},
        {"leap day back", 2004, 3, 1, 1, 0, kJapan, false, {2004, 2, 29, 16, 0}},
        {"no leap day in 2001", 2001, 3, 1, 1, 0, kJapan, false, {2001, 2, 28, 16, 0}},
        {"half-hour zone forward", 1975, 4, 30, 23, 45, kHawaii, false, {1975, 5, 1, 10, 15}},
        {"DST takes an hour back", 2000, 1, 1, 5, 30, kIndian, true, {1999, 12, 31, 23, 0}},
    };
    for (const Case& c : cases) {
        BirthData birth = MakeBirth(c.y, c.mo, c.d, c.h, c.mi, c.zone);
        birth.dst = c.dst;
        EXPECT_EQ(UniversalMoment(birth), c.expected) << c.what;
    }
}

// Angles and Moon count the instant from the local civil date, the planets
// from the carried universal date: both must name the same moment.
TEST(UniversalMoment, SameInstantAsTheAngleStep) {
    const ZoneCorrection zones[] = {{9, 0}, {-10, -30}, kCentralEurope, kUsEastern, kIndian,
                                    {12, 0}, {-13, 0},   kNewfoundland,  kGreenwich};
    for (const ZoneCorrection zone : zones) {
        for (int dst = 0; dst <= 1; ++dst) {
            for (int hour = 0; hour <= 24; hour += 3) {
                BirthData birth = MakeBirth(1999, 12, 31, hour, 47, zone);
                birth.dst = dst == 1;
                birth.east = zone.hours < 0;
                ChartState chart;
                ComputeAngles(birth, chart);
                const double angleDays = chart.julianDayNumber - kEpochJ2000 + chart.universalTime / 24 - 0.5;
                const CivilMoment ut = UniversalMoment(birth);
                const double planetDays = DaysSinceJ2000(ut.year, ut.month, ut.day, ut.hour, ut.minute);
                EXPECT_NEAR(planetDays, angleDays, 1e-9)
                    << "zone " << zone.hours << ":" << zone.minutes << " dst " << dst << " hour " << hour << " -> "
                    << ut;
            }
        }
    }
}

// An exact offset decides universal time whatever the zone row and DST flag
// say, to the second; every step of the engine takes the same instant.
TEST(UniversalMoment, AnExactOffsetWinsOverTheRowToTheSecond) {
    struct Case {
        const char* what;
        int y, mo, d, h, mi;
        int offsetSeconds;
        CivilMoment expected;
    };
    const Case cases[] = {
        {"Kathmandu, +5:45", 1995, 10, 26, 1, 30, 20700, {1995, 10, 25, 19, 45, 0}},
        {"Caracas 2010, -4:30", 2010, 6, 1, 22, 0, -16200, {2010, 6, 2, 2, 30, 0}},
        {"Kabul in January, +4:30", 2000, 1, 15, 12, 0, 16200, {2000, 1, 15, 7, 30, 0}},
        {"Bombay Time 1950, +4:51", 1950, 6, 1, 10, 0, 17460, {1950, 6, 1, 5, 9, 0}},
        {"Calcutta Time 1940, +5:53:20", 1940, 6, 1, 10, 0, 21200, {1940, 6, 1, 4, 6, 40}},
        {"a negative offset with seconds", 2000, 1, 1, 0, 0, -61, {2000, 1, 1, 0, 1, 1}},
    };
    for (const Case& c : cases) {
        // The row and box would say otherwise: Indian Time with DST.
        BirthData birth = MakeBirth(c.y, c.mo, c.d, c.h, c.mi, kIndian);
        birth.dst = true;
        birth.utcOffsetSeconds = c.offsetSeconds;
        EXPECT_EQ(UniversalMoment(birth), c.expected) << c.what;
        EXPECT_NEAR(UniversalTimeHours(birth), c.h + c.mi / 60.0 - c.offsetSeconds / 3600.0, 1e-12) << c.what;

        ChartState chart;
        ComputeAngles(birth, chart);
        const double angleDays = chart.julianDayNumber - kEpochJ2000 + chart.universalTime / 24 - 0.5;
        const CivilMoment ut = UniversalMoment(birth);
        EXPECT_NEAR(DaysSinceJ2000(ut.year, ut.month, ut.day, ut.hour, ut.minute, ut.second), angleDays, 1e-9) << c.what;
    }
}

}  // namespace
}  // namespace varelio
