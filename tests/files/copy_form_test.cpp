#include "FilledForm.h"

#include "engine/Form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varelio {
namespace {

using testing::FilledForm;

TEST(CopyFormToBirthData, TakesListsTextsAndFlags) {
    FormValues form = FilledForm();
    form.name = "  Asha ";
    form.city = "  Mumbai  ";
    form.state = " Maharashtra";
    form.country = "India ";
    form.latDirection = 1;
    form.lonDirection = 1;
    form.dst = true;
    BirthData birth;
    CopyFormToBirthData(form, birth);

    EXPECT_EQ(birth.name, "  Asha ");  // the name is kept as typed
    EXPECT_EQ(birth.day, 7);
    EXPECT_EQ(birth.month, 3);
    EXPECT_EQ(birth.year, 1985);
    EXPECT_EQ(birth.hour, 9);
    EXPECT_EQ(birth.minute, 5);
    EXPECT_EQ(birth.latDegrees, 18);
    EXPECT_EQ(birth.latMinutes, 58);
    EXPECT_EQ(birth.lonDegrees, 72);
    EXPECT_EQ(birth.lonMinutes, 50);
    EXPECT_FALSE(birth.east);
    EXPECT_TRUE(birth.south);
    EXPECT_TRUE(birth.dst);
    EXPECT_EQ(birth.city, "Mumbai");
    EXPECT_EQ(birth.state, "Maharashtra");
    EXPECT_EQ(birth.country, "India");
}

TEST(CopyFormToBirthData, LastEntriesOfEveryList) {
    FormValues form = FilledForm();
    form.dayIndex = 30;
    form.monthIndex = 11;
    form.yearIndex = 149;
    form.hourIndex = 24;
    form.minuteIndex = 59;
    BirthData birth;
    CopyFormToBirthData(form, birth);
    EXPECT_EQ(birth.day, 31);
    EXPECT_EQ(birth.month, 12);
    EXPECT_EQ(birth.year, 2050);
    EXPECT_EQ(birth.hour, 24);
    EXPECT_EQ(birth.minute, 59);
}

TEST(CopyFormToBirthData, ZoneCorrectionsComeFromTheTableRow) {
    struct Row {
        int zone;
        int hours, minutes, hoursAbs, minutesAbs;
    };
    const std::vector<Row> rows = {
        {34, -5, -30, 5, 30},  // Indian Time, "+5.3"
        {50, 3, 30, 3, 30},    // Newfoundland, "-3.5"
        {70, 8, 0, 8, 0},      // Yukon War Time, the last row
        {0, 9, 0, 9, 0},       // the window's first entry
        {46, -13, 0, 13, 0},
    };
    for (const Row& row : rows) {
        FormValues form = FilledForm();
        form.zoneIndex = row.zone;
        BirthData birth;
        CopyFormToBirthData(form, birth);
        EXPECT_EQ(birth.zoneHours, row.hours) << "zone " << row.zone;
        EXPECT_EQ(birth.zoneMinutes, row.minutes) << "zone " << row.zone;
        EXPECT_EQ(birth.zoneHoursAbs, row.hoursAbs) << "zone " << row.zone;
        EXPECT_EQ(birth.zoneMinutesAbs, row.minutesAbs) << "zone " << row.zone;
    }
}

TEST(CopyFormToBirthData, NumberTextThatDoesNotConvertLeavesTheFieldAlone) {
    struct Case {
        std::string text;
        std::optional<int> value;  // nothing: the previous value stays
    };
    const std::vector<Case> cases = {
        {"7", 7}, {"007", 7}, {"999", 999}, {" 12 ", 12}, {"-5", -5}, {"+5", 5},
        {"", std::nullopt}, {" ", std::nullopt}, {"1a", std::nullopt}, {"-", std::nullopt},
        {"1.5", std::nullopt}, {"32767", 32767}, {"32768", std::nullopt}, {"-32768", -32768},
        {"99999999999999999999", std::nullopt}, {"\xd9\xa3", std::nullopt},
    };
    for (const Case& c : cases) {
        FormValues form = FilledForm();
        form.latDeg = c.text;
        form.lonMin = c.text;
        BirthData birth;
        birth.latDegrees = 41;
        birth.lonMinutes = 42;
        CopyFormToBirthData(form, birth);
        EXPECT_EQ(birth.latDegrees, c.value.value_or(41)) << "text \"" << c.text << "\"";
        EXPECT_EQ(birth.lonMinutes, c.value.value_or(42)) << "text \"" << c.text << "\"";
        EXPECT_EQ(ParseFormNumber(c.text).has_value(), c.value.has_value()) << "text \"" << c.text << "\"";
    }
}

TEST(CopyFormToBirthData, ListPositionOutsideItsListLeavesTheFieldAlone) {
    FormValues form = FilledForm();
    form.dayIndex = 31;
    form.monthIndex = -1;
    form.yearIndex = 150;
    form.hourIndex = -1;
    form.minuteIndex = 60;
    form.zoneIndex = 71;
    BirthData birth;
    birth.day = 2;
    birth.month = 4;
    birth.year = 1999;
    birth.hour = 6;
    birth.minute = 8;
    birth.zoneHours = -1;
    birth.zoneHoursAbs = 1;
    CopyFormToBirthData(form, birth);
    EXPECT_EQ(birth.day, 2);
    EXPECT_EQ(birth.month, 4);
    EXPECT_EQ(birth.year, 1999);
    EXPECT_EQ(birth.hour, 6);
    EXPECT_EQ(birth.minute, 8);
    EXPECT_EQ(birth.zoneHours, -1);
    EXPECT_EQ(birth.zoneHoursAbs, 1);
    EXPECT_EQ(birth.city, "Mumbai");  // later steps still run
}

TEST(FormLists, EntryTextsAndLookups) {
    EXPECT_EQ(ListEntryText(FormList::Day, 0), "1");
    EXPECT_EQ(ListEntryText(FormList::Day, 30), "31");
    EXPECT_EQ(ListEntryText(FormList::Day, 31), "");
    EXPECT_EQ(ListEntryText(FormList::Year, 149), "2050");
    EXPECT_EQ(ListEntryText(FormList::Hour, 24), "24");
    EXPECT_EQ(ListEntryText(FormList::Minute, -1), "");
    EXPECT_EQ(FindListEntry(FormList::Year, "1985"), 84);
    EXPECT_EQ(FindListEntry(FormList::Minute, "59"), 59);
    EXPECT_EQ(FindListEntry(FormList::Minute, "05"), -1);  // entries carry no leading zero
    EXPECT_EQ(FindListEntry(FormList::Day, " 7"), -1);
    EXPECT_EQ(FindListEntry(FormList::Day, "32"), -1);
    EXPECT_EQ(FindListEntry(FormList::Hour, ""), -1);
}

}  // namespace
}  // namespace varelio
