#include "FilledForm.h"

#include "engine/Form.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace varelio {
namespace {

using testing::FilledForm;

struct Expected {
    int step;
    std::string message;
    MessageIcon icon;
    FormField focus;
};

struct Case {
    std::string what;
    std::function<void(FormValues&)> change;
    std::optional<Expected> expected;  // nothing: the form passes
    bool converterAvailable = true;
};

std::string Describe(const std::optional<ValidationFailure>& failure) {
    if (!failure) return "passes";
    return "step " + std::to_string(failure->step) + " \"" + failure->message + "\" icon " +
           std::to_string(static_cast<int>(failure->icon)) + " focus " +
           std::to_string(static_cast<int>(failure->focus));
}

std::string Describe(const std::optional<Expected>& expected) {
    if (!expected) return "passes";
    return "step " + std::to_string(expected->step) + " \"" + expected->message + "\" icon " +
           std::to_string(static_cast<int>(expected->icon)) + " focus " +
           std::to_string(static_cast<int>(expected->focus));
}

constexpr auto kError = MessageIcon::Error;
constexpr auto kInfo = MessageIcon::Information;
const std::string kDate = "Please Enter Correct Date Or Month!";
const std::string kDate30 = "Please Enter Correct Date Or Month !";

// Day position of a day number, year position of a year.
int Day(int day) { return day - 1; }
int Year(int year) { return year - 1901; }

TEST(ValidateForm, ReportsTheFirstFailingCheckWithItsTextIconAndFocus) {
    const std::vector<Case> cases = {
        {"filled form", [](FormValues&) {}, std::nullopt},
        {"empty name", [](FormValues& f) { f.name.clear(); },
         Expected{1, "Please Enter Your Name", kError, FormField::Name}},
        {"empty latitude degrees", [](FormValues& f) { f.latDeg.clear(); },
         Expected{2, "Please Enter Degree of Latitude", kError, FormField::LatDeg}},
        {"empty latitude minutes", [](FormValues& f) { f.latMin.clear(); },
         Expected{3, "Please Enter Minutes of Latitude", kError, FormField::LatMin}},
        {"empty longitude degrees", [](FormValues& f) { f.lonDeg.clear(); },
         Expected{4, "Please Enter Degree of Longitude", kError, FormField::LonDeg}},
        {"empty longitude minutes", [](FormValues& f) { f.lonMin.clear(); },
         Expected{5, "Please Enter Minute of Longitude", kError, FormField::LonMin}},
        {"empty city", [](FormValues& f) { f.city.clear(); },
         Expected{6, "Please Enter Your City name", kError, FormField::City}},
        {"empty state", [](FormValues& f) { f.state.clear(); },
         Expected{7, "Please Enter Your State name", kError, FormField::State}},
        {"empty country", [](FormValues& f) { f.country.clear(); },
         Expected{8, "Please Enter Your Country name", kError, FormField::Country}},
        {"no latitude direction", [](FormValues& f) { f.latDirection = -1; },
         Expected{9, "Please Select Direction For The Latitude", kError, FormField::North}},
        {"no longitude direction", [](FormValues& f) { f.lonDirection = -1; },
         Expected{10, "Please Select Direction For The Longitude", kError, FormField::East}},
        {"29 February 2004", [](FormValues& f) { f.monthIndex = 1; f.dayIndex = Day(29); f.yearIndex = Year(2004); },
         std::nullopt},
        {"30 February 2004", [](FormValues& f) { f.monthIndex = 1; f.dayIndex = Day(30); f.yearIndex = Year(2004); },
         Expected{11, kDate, kInfo, FormField::None}},
        {"31 February 2004", [](FormValues& f) { f.monthIndex = 1; f.dayIndex = Day(31); f.yearIndex = Year(2004); },
         Expected{11, kDate, kInfo, FormField::None}},
        {"28 February 2003", [](FormValues& f) { f.monthIndex = 1; f.dayIndex = Day(28); f.yearIndex = Year(2003); },
         std::nullopt},
        {"29 February 2003", [](FormValues& f) { f.monthIndex = 1; f.dayIndex = Day(29); f.yearIndex = Year(2003); },
         Expected{12, kDate, kInfo, FormField::None}},
        {"31 February 1901", [](FormValues& f) { f.monthIndex = 1; f.dayIndex = Day(31); f.yearIndex = Year(1901); },
         Expected{12, kDate, kInfo, FormField::None}},
        {"29 February 2048", [](FormValues& f) { f.monthIndex = 1; f.dayIndex = Day(29); f.yearIndex = Year(2048); },
         std::nullopt},
        {"31 April", [](FormValues& f) { f.monthIndex = 3; f.dayIndex = Day(31); },
         Expected{13, kDate30, kInfo, FormField::None}},
        {"31 June", [](FormValues& f) { f.monthIndex = 5; f.dayIndex = Day(31); },
         Expected{13, kDate30, kInfo, FormField::None}},
        {"31 September", [](FormValues& f) { f.monthIndex = 8; f.dayIndex = Day(31); },
         Expected{13, kDate30, kInfo, FormField::None}},
        {"31 November", [](FormValues& f) { f.monthIndex = 10; f.dayIndex = Day(31); },
         Expected{13, kDate30, kInfo, FormField::None}},
        {"30 April", [](FormValues& f) { f.monthIndex = 3; f.dayIndex = Day(30); }, std::nullopt},
        {"31 December", [](FormValues& f) { f.monthIndex = 11; f.dayIndex = Day(31); }, std::nullopt},
        {"converter missing", [](FormValues&) {},
         Expected{14, "Required File Is Missing. Please Reinstall The Software.", kError, FormField::None}, false},
        {"converter missing but a date wrong first",
         [](FormValues& f) { f.monthIndex = 3; f.dayIndex = Day(31); },
         Expected{13, kDate30, kInfo, FormField::None}, false},
        {"blank-only texts", [](FormValues& f) {
             f.name = " "; f.latDeg = " "; f.latMin = " "; f.lonDeg = " "; f.lonMin = " ";
             f.city = "  "; f.state = " "; f.country = " "; },
         std::nullopt},
        {"latitude 95 degrees", [](FormValues& f) { f.latDeg = "95"; }, std::nullopt},
        {"hour 24", [](FormValues& f) { f.hourIndex = 24; }, std::nullopt},
        {"name and city both empty", [](FormValues& f) { f.name.clear(); f.city.clear(); },
         Expected{1, "Please Enter Your Name", kError, FormField::Name}},
        {"city empty and no direction", [](FormValues& f) { f.city.clear(); f.latDirection = -1; },
         Expected{6, "Please Enter Your City name", kError, FormField::City}},
        {"day list without selection", [](FormValues& f) { f.dayIndex = -1; },
         Expected{11, kDate, kInfo, FormField::None}},
        {"zone position past the table", [](FormValues& f) { f.zoneIndex = 71; },
         Expected{11, kDate, kInfo, FormField::None}},
        {"hour position past the list", [](FormValues& f) { f.hourIndex = 25; },
         Expected{11, kDate, kInfo, FormField::None}},
        {"direction value 2", [](FormValues& f) { f.lonDirection = 2; },
         Expected{10, "Please Select Direction For The Longitude", kError, FormField::East}},
    };
    for (const Case& c : cases) {
        FormValues form = FilledForm();
        c.change(form);
        const auto actual = ValidateForm(form, c.converterAvailable);
        EXPECT_EQ(Describe(actual), Describe(c.expected)) << "case: " << c.what;
    }
}

TEST(ValidateForm, EveryDayOfEveryMonthMatchesTheCalendar) {
    // Within 1901-2050 the calendar's own rule gives the same answer, so this
    // checks steps 11-13 against an independent month length.
    const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int year : {1901, 1904, 2000, 2003, 2050}) {
        for (int month = 0; month < 12; ++month) {
            const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
            const int length = lengths[month] + (month == 1 && leap ? 1 : 0);
            for (int day = 1; day <= 31; ++day) {
                FormValues form = FilledForm();
                form.yearIndex = Year(year);
                form.monthIndex = month;
                form.dayIndex = Day(day);
                const bool passes = !ValidateForm(form, true).has_value();
                EXPECT_EQ(passes, day <= length) << year << "-" << month + 1 << "-" << day;
            }
        }
    }
}

TEST(InitialFormValues, StartsOnTheFirstEntriesNorthAndEast) {
    const FormValues form = InitialFormValues();
    EXPECT_EQ(form.dayIndex, 0);
    EXPECT_EQ(form.monthIndex, 0);
    EXPECT_EQ(form.yearIndex, 0);
    EXPECT_EQ(form.hourIndex, 0);
    EXPECT_EQ(form.minuteIndex, 0);
    EXPECT_EQ(form.zoneIndex, 0);
    EXPECT_EQ(form.latDirection, 0);
    EXPECT_EQ(form.lonDirection, 0);
    EXPECT_FALSE(form.dst);
    // The empty window is refused at its first check.
    const auto failure = ValidateForm(form, true);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->step, 1);
}

}  // namespace
}  // namespace varelio
