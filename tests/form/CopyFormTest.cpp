#include "form/Form.h"

#include "tests/support/BirthForms.h"

#include <gtest/gtest.h>

#include <vector>

namespace varelio {
namespace {

using samples::Describe;

FormValues FilledForm() { return samples::MumbaiForm(); }

// The births' forms copy into the very BirthData the engine's tests start from.
TEST(CopyFormToBirthData, SharedBirthsAgreeWithTheirBirthData) {
    for (const samples::SampleBirth& sample : {samples::kDelhi2000, samples::kMumbai1985}) {
        BirthData birth;
        CopyFormToBirthData(samples::FormOf(sample), birth);
        EXPECT_EQ(Describe(birth), Describe(samples::BirthOf(sample)));
    }
}

// The one road: a refused form leaves the reading as it was; a passed one
// replaces it whole.
TEST(ComputeReadingFromForm, RefusesWithoutTouchingTheReadingOrComputesIt) {
    Reading reading;
    ASSERT_TRUE(ComputeReadingFromForm(samples::FormOf(samples::kDelhi2000), true, reading));
    const auto described = [](const Reading& r) {
        return Describe(r.birthData) + " " + std::to_string(r.chartState.bodies[kAscendant].longitudeDeg);
    };
    const std::string before = described(reading);
    FormValues refused = FilledForm();
    refused.city.clear();
    const Result<void> result = ComputeReadingFromForm(refused, true, reading);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.problem().code, ProblemCode::CityMissing);
    EXPECT_EQ(described(reading), before);

    ASSERT_TRUE(ComputeReadingFromForm(FilledForm(), true, reading));
    EXPECT_EQ(Describe(reading.birthData), Describe(samples::BirthOf(samples::kMumbai1985)));
    EXPECT_NE(described(reading), before);
}

TEST(CopyFormToBirthData, TakesListsTextsAndFlagsTrimmingOnlyThePlaces) {
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
    EXPECT_EQ(Describe(birth), "name=[  Asha ] 7/3/1985 9:5 zone=-5,-30 abs=5,30 lat=18,58 lon=72,50 e/s/dst=011 "
                               "place=[Mumbai|Maharashtra|India]");

    form.dayIndex = 30;
    form.monthIndex = 11;
    form.yearIndex = 149;
    form.hourIndex = 24;
    form.minuteIndex = 59;
    form.lonDirection = 0;
    form.latDirection = 0;
    form.zoneIndex = 50;  // Newfoundland, "-3.5"
    CopyFormToBirthData(form, birth);
    EXPECT_EQ(Describe(birth), "name=[  Asha ] 31/12/2050 24:59 zone=3,30 abs=3,30 lat=18,58 lon=72,50 "
                               "e/s/dst=101 place=[Mumbai|Maharashtra|India]");
}

TEST(CopyFormToBirthData, ZoneCorrectionsComeFromTheTableRow) {
    struct Row {
        int zone, hours, minutes, hoursAbs, minutesAbs;
    };
    const std::vector<Row> rows = {
        {34, -5, -30, 5, 30}, {50, 3, 30, 3, 30}, {70, 8, 0, 8, 0}, {0, 9, 0, 9, 0}, {46, -13, 0, 13, 0},
    };
    for (const Row& row : rows) {
        FormValues form = FilledForm();
        form.zoneIndex = row.zone;
        BirthData birth;
        CopyFormToBirthData(form, birth);
        EXPECT_EQ(std::vector<int>({birth.zoneHours, birth.zoneMinutes, birth.zoneHoursAbs, birth.zoneMinutesAbs}),
                  std::vector<int>({row.hours, row.minutes, row.hoursAbs, row.minutesAbs}))
            << "zone " << row.zone;
    }
}

TEST(CopyFormToBirthData, NumberTextThatDoesNotConvertLeavesTheFieldAlone) {
    struct Case {
        std::string text;
        std::optional<int> value;  // nothing: the previous value stays
    };
    const std::vector<Case> cases = {
        {"7", 7}, {"007", 7}, {"999", 999}, {" 12 ", 12}, {"-5", -5}, {"+5", 5}, {"32767", 32767},
        {"-32768", -32768}, {"", {}}, {" ", {}}, {"1a", {}}, {"-", {}}, {"1.5", {}}, {"32768", {}},
        {"99999999999999999999", {}}, {"\xd9\xa3", {}},
    };
    for (const Case& c : cases) {
        FormValues form = FilledForm();
        form.latDeg = form.lonMin = c.text;
        BirthData birth;
        birth.latDegrees = 41;
        birth.lonMinutes = 42;
        CopyFormToBirthData(form, birth);
        EXPECT_EQ(birth.latDegrees, c.value.value_or(41)) << "text \"" << c.text << "\"";
        EXPECT_EQ(birth.lonMinutes, c.value.value_or(42)) << "text \"" << c.text << "\"";
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
    EXPECT_EQ(Describe(birth), "name=[Asha Rao] 2/4/1999 6:8 zone=-1,0 abs=1,0 lat=18,58 lon=72,50 e/s/dst=100 "
                               "place=[Mumbai|Maharashtra|India]");
}

TEST(FormLists, EntryTextsAndLookups) {
    EXPECT_EQ(ListEntryText(FormList::Day, 30), "31");
    EXPECT_EQ(ListEntryText(FormList::Day, 31), "");
    EXPECT_EQ(ListEntryText(FormList::Year, 149), "2050");
    EXPECT_EQ(ListEntryText(FormList::Minute, -1), "");
    EXPECT_EQ(FindListEntry(FormList::Year, "1985"), 84);
    EXPECT_EQ(FindListEntry(FormList::Hour, "24"), 24);
    EXPECT_EQ(FindListEntry(FormList::Minute, "05"), -1);  // entries carry no leading zero
    EXPECT_EQ(FindListEntry(FormList::Day, " 7"), -1);
    EXPECT_EQ(FindListEntry(FormList::Day, "32"), -1);
}

}  // namespace
}  // namespace varelio
