#include "engine/UniversalTime.h"

#include "Births.h"
#include "engine/Angles.h"
#include "engine/Moon.h"
#include "engine/Planets.h"

#include <gtest/gtest.h>

#include <ostream>

namespace varelio {

bool operator==(const CivilMoment& a, const CivilMoment& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute;
}

std::ostream& operator<<(std::ostream& out, const CivilMoment& m) {
    return out << m.year << "-" << m.month << "-" << m.day << " " << m.hour << ":" << m.minute;
}

namespace {

TEST(DaysFromCivil, KnownDaysAndRoundTrip) {
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(DaysFromCivil(2000, 3, 1), 11017);
    EXPECT_EQ(DaysFromCivil(1969, 12, 31), -1);
    EXPECT_EQ(DaysFromCivil(1900, 3, 1), -25508);
    for (long long day = -30000; day < 30000; day += 13) {
        const CivilMoment m = CivilFromMinutes(day * 1440 + 61);
        ASSERT_EQ(DaysFromCivil(m.year, m.month, m.day), day) << m;
        ASSERT_EQ(m.hour, 1);
        ASSERT_EQ(m.minute, 1);
    }
}

// Births whose zone direction matches the longitude hemisphere: the one
// universal time equals what the hemisphere rule gives.
TEST(UniversalTimeHours, AgreesWithTheHemisphereRuleWhereZoneAndLongitudeAgree) {
    struct Case { const char* what; int hour, minute, zoneRow; bool east, dst; double expected; };
    const Case cases[] = {
        {"India 05:30", 5, 30, 34, true, false, 0.0},
        {"India 05:30 with DST", 5, 30, 34, true, true, -1.0},
        {"India 17:30", 17, 30, 34, true, false, 12.0},
        {"US Eastern 20:00", 20, 0, 27, false, false, 25.0},
        {"US Eastern 20:00 with DST", 20, 0, 27, false, true, 24.0},
        {"Newfoundland 23:15", 23, 15, 50, false, false, 26.75},
        {"Iran 01:10", 1, 10, 37, true, false, 1 + 10.0 / 60 - 3.5},
    };
    for (const Case& c : cases) {
        BirthData birth = test::MakeBirth(2000, 1, 1, c.hour, c.minute, c.zoneRow);
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
    BirthData birth = test::MakeBirth(1990, 7, 14, 12, 0, 20);
    birth.lonDegrees = 3;
    birth.lonMinutes = 41;
    birth.east = false;
    EXPECT_EQ(UniversalTimeHours(birth), 11.0);
    EXPECT_EQ(PlanetUniversalMoment(birth), (CivilMoment{1990, 7, 14, 11, 0}));
    birth.dst = true;
    EXPECT_EQ(UniversalTimeHours(birth), 10.0);
    EXPECT_EQ(PlanetUniversalMoment(birth), (CivilMoment{1990, 7, 14, 10, 0}));

    ChartState chart;
    ComputeAngles(birth, chart);
    EXPECT_EQ(chart.universalTime, 10.0);
}

TEST(PlanetUniversalMoment, CarriesAcrossDaysMonthsAndYears) {
    struct Case { const char* what; int y, mo, d, h, mi, zoneRow; bool dst; CivilMoment expected; };
    const Case cases[] = {
        {"same day", 2000, 6, 15, 23, 30, 34, false, {2000, 6, 15, 18, 0}},
        {"previous day", 2000, 6, 15, 2, 0, 34, false, {2000, 6, 14, 20, 30}},
        {"previous year", 2000, 1, 1, 2, 0, 34, false, {1999, 12, 31, 20, 30}},
        {"next year", 1999, 12, 31, 20, 0, 27, false, {2000, 1, 1, 1, 0}},
        {"hour 24", 2000, 2, 28, 24, 0, 29, false, {2000, 2, 29, 0, 0}},
        {"hour 24 at a year end", 2003, 12, 31, 24, 0, 29, false, {2004, 1, 1, 0, 0}},
        {"leap day back", 2004, 3, 1, 1, 0, 38, false, {2004, 2, 29, 16, 0}},
        {"no leap day in 2001", 2001, 3, 1, 1, 0, 38, false, {2001, 2, 28, 16, 0}},
        {"half-hour zone forward", 1975, 4, 30, 23, 45, 32, false, {1975, 5, 1, 10, 15}},
        {"DST takes an hour back", 2000, 1, 1, 5, 30, 34, true, {1999, 12, 31, 23, 0}},
    };
    for (const Case& c : cases) {
        BirthData birth = test::MakeBirth(c.y, c.mo, c.d, c.h, c.mi, c.zoneRow);
        birth.dst = c.dst;
        EXPECT_EQ(PlanetUniversalMoment(birth), c.expected) << c.what;
    }
}

// Angles and Moon count the instant from the local civil date, the planets
// from the carried universal date: both must name the same moment.
TEST(PlanetUniversalMoment, SameInstantAsTheAngleStep) {
    const int zoneRows[] = {0, 5, 20, 27, 34, 36, 46, 50, 61};
    for (int zoneRow : zoneRows) {
        for (int dst = 0; dst <= 1; ++dst) {
            for (int hour = 0; hour <= 24; hour += 3) {
                BirthData birth = test::MakeBirth(1999, 12, 31, hour, 47, zoneRow);
                birth.dst = dst == 1;
                birth.east = zoneRow % 2 == 0;
                ChartState chart;
                ComputeAngles(birth, chart);
                const double angleDays = chart.julianDayNumber - kEpochJ2000 + chart.universalTime / 24 - 0.5;
                const CivilMoment ut = PlanetUniversalMoment(birth);
                const double planetDays = DayNumber(ut.year, ut.month, ut.day, ut.hour, ut.minute);
                EXPECT_NEAR(planetDays, angleDays, 1e-9)
                    << "zone row " << zoneRow << " dst " << dst << " hour " << hour << " -> " << ut;
            }
        }
    }
}

}  // namespace
}  // namespace varelio
