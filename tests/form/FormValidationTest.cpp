#include "form/Form.h"

#include "tests/support/BirthForms.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace varelio {
namespace {

FormValues FilledForm() { return samples::MumbaiForm(); }

std::string Describe(const std::optional<ValidationFailure>& f) {
    if (!f) return "passes";
    return "step " + std::to_string(f->step) + " \"" + f->message + "\" severity " +
           std::to_string(static_cast<int>(f->severity)) + " focus " + std::to_string(static_cast<int>(f->focus));
}

constexpr auto kError = Severity::Error;
constexpr auto kInfo = Severity::Information;
const std::string kDate = "Please Enter Correct Date Or Month!";
const std::string kDate30 = "Please Enter Correct Date Or Month !";

void SetDate(FormValues& f, int day, int month, int year) {
    f.dayIndex = day - 1;
    f.monthIndex = month - 1;
    f.yearIndex = year - RangeOf(FormList::Year).firstValue;
}

TEST(ValidateForm, ReportsTheFirstFailingCheckWithItsTextSeverityAndFocus) {
    struct Case {
        std::string what;
        std::function<void(FormValues&)> change;
        std::optional<ValidationFailure> expected;  // nothing: the form passes
        bool converterAvailable = true;
    };
    const std::vector<Case> cases = {
        {"filled form", [](FormValues&) {}, std::nullopt},
        {"empty name", [](FormValues& f) { f.name.clear(); },
         ValidationFailure{1, "Please Enter Your Name", kError, FormField::Name}},
        {"empty latitude degrees", [](FormValues& f) { f.latDeg.clear(); },
         ValidationFailure{2, "Please Enter Degree of Latitude", kError, FormField::LatDeg}},
        {"empty latitude minutes", [](FormValues& f) { f.latMin.clear(); },
         ValidationFailure{3, "Please Enter Minutes of Latitude", kError, FormField::LatMin}},
        {"empty longitude degrees", [](FormValues& f) { f.lonDeg.clear(); },
         ValidationFailure{4, "Please Enter Degree of Longitude", kError, FormField::LonDeg}},
        {"empty longitude minutes", [](FormValues& f) { f.lonMin.clear(); },
         ValidationFailure{5, "Please Enter Minute of Longitude", kError, FormField::LonMin}},
        {"empty city", [](FormValues& f) { f.city.clear(); },
         ValidationFailure{6, "Please Enter Your City name", kError, FormField::City}},
        {"empty state", [](FormValues& f) { f.state.clear(); },
         ValidationFailure{7, "Please Enter Your State name", kError, FormField::State}},
        {"empty country", [](FormValues& f) { f.country.clear(); },
         ValidationFailure{8, "Please Enter Your Country name", kError, FormField::Country}},
        {"no latitude direction", [](FormValues& f) { f.latDirection = -1; },
         ValidationFailure{9, "Please Select Direction For The Latitude", kError, FormField::North}},
        {"no longitude direction", [](FormValues& f) { f.lonDirection = 2; },
         ValidationFailure{10, "Please Select Direction For The Longitude", kError, FormField::East}},
        {"29 February 2004", [](FormValues& f) { SetDate(f, 29, 2, 2004); }, std::nullopt},
        {"30 February 2004", [](FormValues& f) { SetDate(f, 30, 2, 2004); },
         ValidationFailure{11, kDate, kInfo, FormField::None}},
        {"29 February 2003", [](FormValues& f) { SetDate(f, 29, 2, 2003); },
         ValidationFailure{12, kDate, kInfo, FormField::None}},
        {"31 April", [](FormValues& f) { SetDate(f, 31, 4, 1985); },
         ValidationFailure{13, kDate30, kInfo, FormField::None}},
        {"converter missing", [](FormValues&) {},
         ValidationFailure{14, "Required File Is Missing. Please Reinstall The Software.", kError,
                           FormField::None}, false},
        {"converter missing after a wrong date", [](FormValues& f) { SetDate(f, 31, 11, 1985); },
         ValidationFailure{13, kDate30, kInfo, FormField::None}, false},
        {"blank-only names", [](FormValues& f) {
             f.name = f.state = f.country = " ";
             f.city = "  "; },
         std::nullopt},
        {"latitude 95 degrees", [](FormValues& f) { f.latDeg = "95"; }, std::nullopt},
        {"name and city empty", [](FormValues& f) { f.name.clear(); f.city.clear(); },
         ValidationFailure{1, "Please Enter Your Name", kError, FormField::Name}},
        {"city empty, no direction", [](FormValues& f) { f.city.clear(); f.latDirection = -1; },
         ValidationFailure{6, "Please Enter Your City name", kError, FormField::City}},
        {"day list without selection", [](FormValues& f) { f.dayIndex = -1; },
         ValidationFailure{11, kDate, kInfo, FormField::None}},
        {"zone past the table", [](FormValues& f) { f.zoneIndex = 71; },
         ValidationFailure{11, kDate, kInfo, FormField::None}},
        {"hour past the list", [](FormValues& f) { f.hourIndex = 25; },
         ValidationFailure{11, kDate, kInfo, FormField::None}},
    };
    for (const Case& c : cases) {
        FormValues form = FilledForm();
        c.change(form);
        EXPECT_EQ(Describe(ValidateForm(form, c.converterAvailable)), Describe(c.expected))
            << "case: " << c.what << "\nform: " << samples::Describe(form);
    }
}

TEST(ValidateForm, EveryDayOfEveryMonthMatchesTheCalendar) {
    // Within 1901-2050 the Gregorian rule agrees with divisibility by 4, so an
    // independent month length checks the three date steps.
    const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int year : {1901, 1904, 2000, 2003, 2050}) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        for (int month = 1; month <= 12; ++month) {
            const int length = lengths[month - 1] + (month == 2 && leap ? 1 : 0);
            for (int day = 1; day <= 31; ++day) {
                FormValues form = FilledForm();
                SetDate(form, day, month, year);
                EXPECT_EQ(!ValidateForm(form, true).has_value(), day <= length) << year << "-" << month << "-" << day;
            }
        }
    }
}

// A degree or minute that is not a number is refused with the same step,
// text and focus as an empty one; blanks around a number and leading zeros
// are fine.
TEST(ValidateForm, DegreeAndMinuteTextsMustBeNumbers) {
    struct Field {
        std::string FormValues::*text;
        ValidationFailure refused;
    };
    const Field fields[] = {
        {&FormValues::latDeg, {2, "Please Enter Degree of Latitude", kError, FormField::LatDeg}},
        {&FormValues::latMin, {3, "Please Enter Minutes of Latitude", kError, FormField::LatMin}},
        {&FormValues::lonDeg, {4, "Please Enter Degree of Longitude", kError, FormField::LonDeg}},
        {&FormValues::lonMin, {5, "Please Enter Minute of Longitude", kError, FormField::LonMin}},
    };
    const std::pair<std::string, bool> texts[] = {
        {"", false}, {"O5", false}, {"5x", false}, {" ", false}, {"-", false}, {"5.", false},
        {" 5", true}, {"05", true},  {"5", true},
    };
    for (const Field& field : fields) {
        for (const auto& [text, number] : texts) {
            FormValues form = FilledForm();
            form.*(field.text) = text;
            const auto expected = number ? std::nullopt : std::optional(field.refused);
            EXPECT_EQ(Describe(ValidateForm(form, true)), Describe(expected))
                << "text \"" << text << "\" in " << field.refused.message;
        }
    }
}

TEST(InitialFormValues, FirstEntriesNorthEastAndRefusedForTheName) {
    const FormValues form = InitialFormValues();
    EXPECT_EQ(samples::Describe(form), "name= d/m/y=0/0/0 h:m=0:0 zone=0 lat=, lon=, dirs=00 dst=0 place=||");
    EXPECT_EQ(Describe(ValidateForm(form, true)),
              Describe(ValidationFailure{1, "Please Enter Your Name", kError, FormField::Name}));
}

}  // namespace
}  // namespace varelio
