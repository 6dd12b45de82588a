#include "form/Form.h"

#include "tests/support/BirthForms.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace varelio {
namespace {

FormValues FilledForm() { return samples::MumbaiForm(); }

// A refused form as the check reports it.
struct Refusal {
    int step;
    ProblemCode code;
    Severity severity;
    FormField focus;
};

std::string Describe(int step, ProblemCode code, Severity severity, FormField focus) {
    return "step " + std::to_string(step) + " code " + std::to_string(static_cast<int>(code)) + " severity " +
           std::to_string(static_cast<int>(severity)) + " focus " + std::to_string(static_cast<int>(focus));
}
std::string Describe(const std::optional<Refusal>& f) {
    return f ? Describe(f->step, f->code, f->severity, f->focus) : "passes";
}
std::string Describe(const Result<void>& r) {
    if (r) return "passes";
    const Problem& p = r.problem();
    return Describe(p.step, p.code, p.severity, p.focus);
}

constexpr auto kError = Severity::Error;
constexpr auto kInfo = Severity::Information;

void SetDate(FormValues& f, int day, int month, int year) {
    f.dayIndex = day - 1;
    f.monthIndex = month - 1;
    f.yearIndex = year - RangeOf(FormList::Year).firstValue;
}

TEST(ValidateForm, ReportsTheFirstFailingCheckWithItsTextSeverityAndFocus) {
    struct Case {
        std::string what;
        std::function<void(FormValues&)> change;
        std::optional<Refusal> expected;  // nothing: the form passes
        bool converterAvailable = true;
    };
    const std::vector<Case> cases = {
        {"filled form", [](FormValues&) {}, std::nullopt},
        {"empty name", [](FormValues& f) { f.name.clear(); },
         Refusal{1, ProblemCode::NameMissing, kError, FormField::Name}},
        {"empty latitude degrees", [](FormValues& f) { f.latDeg.clear(); },
         Refusal{2, ProblemCode::LatitudeDegreesMissing, kError, FormField::LatDeg}},
        {"empty latitude minutes", [](FormValues& f) { f.latMin.clear(); },
         Refusal{3, ProblemCode::LatitudeMinutesMissing, kError, FormField::LatMin}},
        {"empty longitude degrees", [](FormValues& f) { f.lonDeg.clear(); },
         Refusal{4, ProblemCode::LongitudeDegreesMissing, kError, FormField::LonDeg}},
        {"empty longitude minutes", [](FormValues& f) { f.lonMin.clear(); },
         Refusal{5, ProblemCode::LongitudeMinutesMissing, kError, FormField::LonMin}},
        {"empty city", [](FormValues& f) { f.city.clear(); },
         Refusal{6, ProblemCode::CityMissing, kError, FormField::City}},
        {"empty state", [](FormValues& f) { f.state.clear(); },
         Refusal{7, ProblemCode::StateMissing, kError, FormField::State}},
        {"empty country", [](FormValues& f) { f.country.clear(); },
         Refusal{8, ProblemCode::CountryMissing, kError, FormField::Country}},
        {"no latitude direction", [](FormValues& f) { f.latDirection = -1; },
         Refusal{9, ProblemCode::LatitudeDirectionMissing, kError, FormField::North}},
        {"no longitude direction", [](FormValues& f) { f.lonDirection = 2; },
         Refusal{10, ProblemCode::LongitudeDirectionMissing, kError, FormField::East}},
        {"29 February 2004", [](FormValues& f) { SetDate(f, 29, 2, 2004); }, std::nullopt},
        {"30 February 2004", [](FormValues& f) { SetDate(f, 30, 2, 2004); },
         Refusal{11, ProblemCode::ImpossibleDate, kInfo, FormField::None}},
        {"29 February 2003", [](FormValues& f) { SetDate(f, 29, 2, 2003); },
         Refusal{12, ProblemCode::ImpossibleDate, kInfo, FormField::None}},
        {"31 April", [](FormValues& f) { SetDate(f, 31, 4, 1985); },
         Refusal{13, ProblemCode::ImpossibleDateInThirtyDayMonth, kInfo, FormField::None}},
        {"converter missing", [](FormValues&) {},
         Refusal{14, ProblemCode::ConverterMissing, kError,
                           FormField::None}, false},
        {"converter missing after a wrong date", [](FormValues& f) { SetDate(f, 31, 11, 1985); },
         Refusal{13, ProblemCode::ImpossibleDateInThirtyDayMonth, kInfo, FormField::None}, false},
        {"blank-only names", [](FormValues& f) {
             f.name = f.state = f.country = " ";
             f.city = "  "; },
         std::nullopt},
        {"exact offset", [](FormValues& f) { f.utcOffset = " +05:45 "; }, std::nullopt},
        {"unreadable exact offset", [](FormValues& f) { f.utcOffset = "5:7"; },
         Refusal{15, ProblemCode::UtcOffsetInvalid, kError, FormField::UtcOffset}},
        {"unreadable exact offset, converter missing", [](FormValues& f) { f.utcOffset = "+5"; },
         Refusal{14, ProblemCode::ConverterMissing, kError, FormField::None}, false},
        {"name and city empty", [](FormValues& f) { f.name.clear(); f.city.clear(); },
         Refusal{1, ProblemCode::NameMissing, kError, FormField::Name}},
        {"city empty, no direction", [](FormValues& f) { f.city.clear(); f.latDirection = -1; },
         Refusal{6, ProblemCode::CityMissing, kError, FormField::City}},
        {"day list without selection", [](FormValues& f) { f.dayIndex = -1; },
         Refusal{11, ProblemCode::ImpossibleDate, kInfo, FormField::None}},
        {"zone past the table", [](FormValues& f) { f.zoneIndex = 71; },
         Refusal{11, ProblemCode::ImpossibleDate, kInfo, FormField::None}},
        {"hour past the list", [](FormValues& f) { f.hourIndex = 25; },
         Refusal{11, ProblemCode::ImpossibleDate, kInfo, FormField::None}},
    };
    for (const Case& c : cases) {
        FormValues form = FilledForm();
        c.change(form);
        EXPECT_EQ(Describe(ValidateForm(form, c.converterAvailable)), Describe(c.expected))
            << "case: " << c.what << "\nform: " << samples::Describe(form);
    }
}

// Latitude up to 90° 0', longitude up to 180° 0', minutes up to 59: past its
// limit a value is refused in its field's step, with the focus on it.
TEST(ValidateForm, CoordinatesPastTheirLimitsAreRefused) {
    using enum ProblemCode;
    struct Case {
        const char *latDeg, *latMin, *lonDeg, *lonMin;
        std::optional<Refusal> expected;
    };
    const Case cases[] = {
        {"90", "0", "180", "0", std::nullopt},
        {"0", "59", "179", "59", std::nullopt},
        {"95", "75", "72", "50", Refusal{2, LatitudeDegreesOutOfRange, kError, FormField::LatDeg}},
        {"-5", "0", "72", "50", Refusal{2, LatitudeDegreesOutOfRange, kError, FormField::LatDeg}},
        {"18", "60", "72", "50", Refusal{3, LatitudeMinutesOutOfRange, kError, FormField::LatMin}},
        {"90", "1", "72", "50", Refusal{3, LatitudePastPole, kError, FormField::LatMin}},
        {"18", "58", "181", "0", Refusal{4, LongitudeDegreesOutOfRange, kError, FormField::LonDeg}},
        {"18", "58", "72", "99", Refusal{5, LongitudeMinutesOutOfRange, kError, FormField::LonMin}},
        {"18", "58", "180", "30", Refusal{5, LongitudePastLimit, kError, FormField::LonMin}},
    };
    for (const Case& c : cases) {
        FormValues form = FilledForm();
        form.latDeg = c.latDeg;
        form.latMin = c.latMin;
        form.lonDeg = c.lonDeg;
        form.lonMin = c.lonMin;
        EXPECT_EQ(Describe(ValidateForm(form, true)), Describe(c.expected)) << samples::Describe(form);
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
                EXPECT_EQ(ValidateForm(form, true).ok(), day <= length) << year << "-" << month << "-" << day;
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
        Refusal refused;
    };
    const Field fields[] = {
        {&FormValues::latDeg, {2, ProblemCode::LatitudeDegreesMissing, kError, FormField::LatDeg}},
        {&FormValues::latMin, {3, ProblemCode::LatitudeMinutesMissing, kError, FormField::LatMin}},
        {&FormValues::lonDeg, {4, ProblemCode::LongitudeDegreesMissing, kError, FormField::LonDeg}},
        {&FormValues::lonMin, {5, ProblemCode::LongitudeMinutesMissing, kError, FormField::LonMin}},
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
                << "text \"" << text << "\" in step " << field.refused.step;
        }
    }
}

TEST(InitialFormValues, FirstEntriesNorthEastAndRefusedForTheName) {
    const FormValues form = InitialFormValues();
    EXPECT_EQ(samples::Describe(form), "name= d/m/y=0/0/0 h:m=0:0 zone=0 lat=, lon=, dirs=00 dst=0 place=||");
    EXPECT_EQ(Describe(ValidateForm(form, true)),
              Describe(Refusal{1, ProblemCode::NameMissing, kError, FormField::Name}));
}

}  // namespace
}  // namespace varelio
