#include "places/PlaceEntry.h"

#include "formats/ReadingFile.h"
#include "form/TimeZones.h"

#include "tests/support/BirthForms.h"
#include "TestFinder.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace varelio {
namespace {

constexpr int kHour = 3600;
constexpr int kMinute = 60;

FormValues FormAt(int year, int month, int day, int hour, int minute) {
    FormValues form = InitialFormValues();
    form.name = "Test";
    form.yearIndex = year - RangeOf(FormList::Year).firstValue;
    form.monthIndex = month - 1;
    form.dayIndex = day - 1;
    form.hourIndex = hour;
    form.minuteIndex = minute;
    return form;
}

Place FindPlace(std::string_view query) {
    const PlaceLookup found = testing::TestFinder().Find(query);
    EXPECT_TRUE(found.place.has_value()) << query << " not found; is libgeonames0 installed?";
    return found.place.value_or(Place{});
}

TEST(EnterPlace, FillsCoordinatesZoneRowAndDstForTheBirth) {
    struct Case {
        std::string_view query;
        int year, month, day, hour;
        std::string_view latitude, longitude;  // "degrees minutes N|S", "degrees minutes E|W"
        int zoneRow;
        bool dst;
        int utcOffsetSeconds;  // the tz database's
    };
    const Case cases[] = {
        {"Mumbai", 2000, 1, 1, 12, "19 4 N", "72 53 E", 34, false, 5 * kHour + 30 * kMinute},
        {"New York", 1990, 7, 4, 12, "40 43 N", "74 0 W", 27, true, -4 * kHour},
        {"London, England", 1990, 1, 1, 12, "51 31 N", "0 8 W", 29, false, 0},
        {"London, England", 1990, 7, 1, 12, "51 31 N", "0 8 W", 29, true, kHour},
        {"London, England", 1943, 7, 1, 12, "51 31 N", "0 8 W", 15, false, 2 * kHour},
        {"Delhi", 1943, 3, 1, 12, "28 39 N", "77 14 E", 34, true, 6 * kHour + 30 * kMinute},
        {"Adelaide", 2010, 1, 1, 12, "34 56 S", "138 36 E", 6, true, 10 * kHour + 30 * kMinute},
        {"Kathmandu", 1980, 1, 1, 12, "27 42 N", "85 19 E", 34, false, 5 * kHour + 30 * kMinute},
    };
    for (const Case& c : cases) {
        FormValues form = FormAt(c.year, c.month, c.day, c.hour, 0);
        const ZoneEntry entry = EnterPlace(FindPlace(c.query), form);
        const std::string what = std::string(c.query) + " " + std::to_string(c.day) + "/" + std::to_string(c.month) +
                                 "/" + std::to_string(c.year) + ": " + entry.note.zoneId + " | " +
                                 samples::Describe(form);
        EXPECT_EQ(form.latDeg + " " + form.latMin + " " + (form.latDirection == 0 ? "N" : "S"), c.latitude) << what;
        EXPECT_EQ(form.lonDeg + " " + form.lonMin + " " + (form.lonDirection == 0 ? "E" : "W"), c.longitude) << what;
        EXPECT_EQ(form.zoneIndex, c.zoneRow) << what;
        EXPECT_EQ(form.dst, c.dst) << what;
        EXPECT_EQ(form.utcOffset, "") << what;
        EXPECT_TRUE(entry.found && !entry.note.warning()) << what;
        EXPECT_EQ(entry.facts.utcOffsetSeconds, c.utcOffsetSeconds) << what;
        EXPECT_TRUE(ValidateForm(form, true).ok()) << what;
    }
}

// The clock of the birth: an offset no row gives goes into the exact offset;
// Bombay and Calcutta kept their own clocks for years after Indian Standard
// Time, and before it each place kept its local mean time (longitude / 15).
// The universal time these give is the time scales' tests'.
TEST(EnterPlace, TheBirthsOwnClockGivesItsOffset) {
    struct Case {
        std::string_view query;
        int year, month, day, hour, minute;
        ClockSource clock;
        int cityClock;                // the row of kCityClocks the note names, or -1
        int zoneRow;
        bool dst;
        std::string_view utcOffset;  // the exact offset the form gets
    };
    using enum ClockSource;
    const Case cases[] = {
        {"Kathmandu", 1995, 10, 26, 1, 30, Zone, -1, 34, false, "+05:45"},
        {"Caracas", 2010, 6, 1, 12, 0, Zone, -1, 3, false, "-04:30"},
        {"Kabul", 2000, 1, 15, 12, 0, Zone, -1, 63, false, "+04:30"},
        {"Mumbai", 1950, 6, 1, 10, 0, CityTime, 0, 64, false, "+04:51"},
        {"Mumbai", 1960, 6, 1, 10, 0, Zone, -1, 34, false, ""},
        {"Mumbai", 1955, 6, 1, 10, 0, Zone, 0, 34, false, ""},
        {"Kolkata", 1940, 6, 1, 10, 0, CityTime, 1, 65, false, "+05:53:20"},
        {"Kolkata", 1943, 6, 1, 10, 0, Zone, 1, 34, true, ""},
        {"Delhi", 1903, 6, 1, 12, 0, LocalMeanTime, -1, 64, false, "+05:08:56"},
        {"Kathmandu", 1910, 6, 1, 12, 0, LocalMeanTime, -1, 34, false, "+05:41:17"},
    };
    for (const Case& c : cases) {
        FormValues form = FormAt(c.year, c.month, c.day, c.hour, c.minute);
        form.utcOffset = "-01:00";  // from an earlier birth
        const ZoneEntry entry = EnterPlace(FindPlace(c.query), form);
        const std::string what = std::string(c.query) + " " + std::to_string(c.year) + ": " +
                                 entry.note.zoneId + " | " + samples::Describe(form);
        EXPECT_EQ(entry.note.clock, c.clock) << what;
        EXPECT_EQ(entry.note.cityClock, c.cityClock) << what;
        EXPECT_EQ(form.zoneIndex, c.zoneRow) << what;
        EXPECT_EQ(form.dst, c.dst) << what;
        EXPECT_EQ(form.utcOffset, c.utcOffset) << what;
        EXPECT_EQ(entry.note.exactOffsetEntered, !c.utcOffset.empty()) << what;
        EXPECT_FALSE(entry.note.warning()) << what;
        EXPECT_TRUE(ValidateForm(form, true).ok()) << what;
    }
}

TEST(EnterZone, ChoosesAgainForANewDateAndKeepsTheRowWhenItCannot) {
    FormValues form = FormAt(1990, 1, 1, 12, 0);
    const Place london = FindPlace("London, England");
    EnterPlace(london, form);
    ASSERT_EQ(form.dst, false) << samples::Describe(form);
    form.monthIndex = 6;
    const ZoneEntry july = EnterZone(london, form);
    EXPECT_TRUE(july.found && form.zoneIndex == 29 && form.dst) << july.note.zoneId << " | " << samples::Describe(form);

    form.dayIndex = 30;  // 31 February
    form.monthIndex = 1;
    const ZoneEntry impossible = EnterZone(london, form);
    EXPECT_TRUE(!impossible.found && impossible.note.warning() && form.zoneIndex == 29 && form.dst)
        << samples::Describe(form);
    EXPECT_EQ(impossible.note.kind, ZoneNote::Kind::DateNotInCalendar);
    EXPECT_EQ(impossible.note.zoneId, "Europe/London");
}

TEST(EnterPlace, AZoneTheTzDatabaseLacksLeavesTheRowAndSaysSo) {
    Place place = FindPlace("Mumbai");
    place.zoneId = "Mars/Olympus_Mons";
    FormValues form = FormAt(2000, 1, 1, 12, 0);
    form.zoneIndex = 3;
    const ZoneEntry entry = EnterPlace(place, form);
    EXPECT_FALSE(entry.found);
    EXPECT_TRUE(entry.note.warning());
    EXPECT_EQ(form.zoneIndex, 3);
    EXPECT_EQ(form.city + "|" + form.latDeg, "Mumbai|19");
    EXPECT_EQ(entry.note.kind, ZoneNote::Kind::ZoneUnknown);
}

// "São Paulo" keeps its ã, which a reading file stores; the file accepts the
// entered names of every place, whatever letters GeoNames spells them with.
TEST(EnterPlace, EveryPlaceIsEnteredInNamesAReadingFileStores) {
    FormValues saoPaulo = FormAt(2000, 1, 1, 12, 0);
    const Place place = FindPlace("São Paulo");
    EnterPlace(place, saoPaulo);
    EXPECT_EQ(place.cityAscii, "Sao Paulo");
    BirthData birth;
    CopyFormToBirthData(saoPaulo, birth);
    EXPECT_TRUE(ComposeReadingFile(birth, saoPaulo.zoneIndex).ok()) << samples::Describe(saoPaulo);

    int places = 0;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        for (const Place& p : testing::TestFinder().Complete(std::string(1, letter), SIZE_MAX)) {
            ++places;
            FormValues form = FormAt(2000, 1, 1, 12, 0);
            EnterPlace(p, form);
            CopyFormToBirthData(form, birth);
            const Result<std::string> file = ComposeReadingFile(birth, 0);
            EXPECT_TRUE(file.ok()) << p.Label() << " entered as " << form.city << ", " << form.state << ", "
                                   << form.country << ": " << file.problem().detail << " refused";
        }
    }
    EXPECT_GT(places, 20000);
}

}  // namespace
}  // namespace varelio
