#include "form/Form.h"

#include "astro/Blanks.h"
#include "form/ZoneChoice.h"

#include <cstdlib>
#include <limits>

namespace varelio {
namespace {

// Position 29 is day 30 and position 30 is day 31.
constexpr int kDay29 = 28;
constexpr int kDay30 = 29;
constexpr int kDay31 = 30;
constexpr int kFebruary = 1;

Problem Fail(int step, ProblemCode code, Severity severity, FormField focus) {
    return Problem{code, severity, focus, step, {}};
}

void SetIfInList(std::int16_t& field, FormList list, int index) {
    const ListRange range = RangeOf(list);
    if (range.holdsPosition(index)) {
        field = static_cast<std::int16_t>(range.firstValue + index);
    }
}

void SetIfNumber(std::int16_t& field, std::string_view text) {
    if (const auto value = ParseFormNumber(text)) {
        field = *value;
    }
}

bool IsNumber(std::string_view text) { return ParseFormNumber(text).has_value(); }

constexpr int kLastMinute = 59;

// A latitude or longitude past its limit: degrees above it, minutes above 59,
// or the limit itself with minutes.
std::optional<Problem> PastLimit(const std::string& degreesText, const std::string& minutesText, int limit,
                                 int degreesStep, int minutesStep, bool latitude) {
    using enum ProblemCode;
    const int degrees = *ParseFormNumber(degreesText);
    const int minutes = *ParseFormNumber(minutesText);
    const FormField degreesField = latitude ? FormField::LatDeg : FormField::LonDeg;
    const FormField minutesField = latitude ? FormField::LatMin : FormField::LonMin;
    if (degrees < 0 || degrees > limit) {
        return Fail(degreesStep, latitude ? LatitudeDegreesOutOfRange : LongitudeDegreesOutOfRange, Severity::Error,
                    degreesField);
    }
    if (minutes < 0 || minutes > kLastMinute) {
        return Fail(minutesStep, latitude ? LatitudeMinutesOutOfRange : LongitudeMinutesOutOfRange, Severity::Error,
                    minutesField);
    }
    if (degrees == limit && minutes > 0) {
        return Fail(minutesStep, latitude ? LatitudePastPole : LongitudePastLimit, Severity::Error, minutesField);
    }
    return std::nullopt;
}

}  // namespace

FormValues InitialFormValues() { return FormValues{}; }

std::string ListEntryText(FormList list, int index) {
    const ListRange range = RangeOf(list);
    if (!range.holdsPosition(index)) {
        return {};
    }
    return std::to_string(range.firstValue + index);
}

int FindListEntry(FormList list, std::string_view text) {
    for (int i = 0; i < RangeOf(list).entries; ++i) {
        if (ListEntryText(list, i) == text) {
            return i;
        }
    }
    return -1;
}

std::optional<std::int16_t> ParseFormNumber(std::string_view text) {
    std::string_view digits = TrimBlanks(text);
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    long value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int16_t>::max() + 1L) {
            return std::nullopt;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

Result<void> ValidateForm(const FormValues& form, bool converterAvailable) {
    constexpr auto kError = Severity::Error;
    constexpr auto kInformation = Severity::Information;
    using enum ProblemCode;

    // A degree or minute that is not a number would leave the reading on an
    // earlier value, so it is refused like a missing one.
    if (form.name.empty()) return Fail(1, NameMissing, kError, FormField::Name);
    if (!IsNumber(form.latDeg)) return Fail(2, LatitudeDegreesMissing, kError, FormField::LatDeg);
    if (!IsNumber(form.latMin)) return Fail(3, LatitudeMinutesMissing, kError, FormField::LatMin);
    if (!IsNumber(form.lonDeg)) return Fail(4, LongitudeDegreesMissing, kError, FormField::LonDeg);
    if (!IsNumber(form.lonMin)) return Fail(5, LongitudeMinutesMissing, kError, FormField::LonMin);
    if (auto past = PastLimit(form.latDeg, form.latMin, 90, 2, 3, true)) return *past;
    if (auto past = PastLimit(form.lonDeg, form.lonMin, 180, 4, 5, false)) return *past;
    if (form.city.empty()) return Fail(6, CityMissing, kError, FormField::City);
    if (form.state.empty()) return Fail(7, StateMissing, kError, FormField::State);
    if (form.country.empty()) return Fail(8, CountryMissing, kError, FormField::Country);
    if (form.latDirection != 0 && form.latDirection != 1) {
        return Fail(9, LatitudeDirectionMissing, kError, FormField::North);
    }
    if (form.lonDirection != 0 && form.lonDirection != 1) {
        return Fail(10, LongitudeDirectionMissing, kError, FormField::East);
    }

    const std::pair<FormList, int> positions[] = {
        {FormList::Day, form.dayIndex},   {FormList::Month, form.monthIndex},   {FormList::Year, form.yearIndex},
        {FormList::Hour, form.hourIndex}, {FormList::Minute, form.minuteIndex}, {FormList::Zone, form.zoneIndex},
    };
    for (const auto& [list, index] : positions) {
        if (!RangeOf(list).holdsPosition(index)) return Fail(11, ImpossibleDate, kInformation, FormField::None);
    }

    // Divisible by 4 is the whole leap rule: 1901 to 2050 holds no century
    // year where the Gregorian rule would differ.
    const bool leapYear = (RangeOf(FormList::Year).firstValue + form.yearIndex) % 4 == 0;
    const bool february = form.monthIndex == kFebruary;
    if (leapYear && february && (form.dayIndex == kDay30 || form.dayIndex == kDay31)) {
        return Fail(11, ImpossibleDate, kInformation, FormField::None);
    }
    if (!leapYear && february && form.dayIndex >= kDay29 && form.dayIndex <= kDay31) {
        return Fail(12, ImpossibleDate, kInformation, FormField::None);
    }
    const bool thirtyDayMonth = form.monthIndex == 3 || form.monthIndex == 5 || form.monthIndex == 8 ||
                                form.monthIndex == 10;
    if (thirtyDayMonth && form.dayIndex == kDay31) {
        return Fail(13, ImpossibleDateInThirtyDayMonth, kInformation, FormField::None);
    }

    if (!converterAvailable) return Fail(14, ConverterMissing, kError, FormField::None);
    if (!TrimBlanks(form.utcOffset).empty() && !ParseUtcOffset(form.utcOffset)) {
        return Fail(15, UtcOffsetInvalid, kError, FormField::UtcOffset);
    }
    return {};
}

void CopyFormToBirthData(const FormValues& form, BirthData& birth) {
    birth.name = form.name;
    SetIfInList(birth.month, FormList::Month, form.monthIndex);
    SetIfInList(birth.day, FormList::Day, form.dayIndex);
    SetIfInList(birth.year, FormList::Year, form.yearIndex);
    SetIfInList(birth.hour, FormList::Hour, form.hourIndex);
    SetIfInList(birth.minute, FormList::Minute, form.minuteIndex);

    if (RangeOf(FormList::Zone).holdsPosition(form.zoneIndex)) {
        const TimeZoneRow& row = kTimeZoneTable[static_cast<std::size_t>(form.zoneIndex)];
        birth.zoneHoursAbs = static_cast<std::int16_t>(std::abs(row.timeZoneHourCorrection));
        birth.zoneMinutesAbs = static_cast<std::int16_t>(std::abs(row.timeZoneMinuteCorrection));
        birth.zoneHours = row.timeZoneHourCorrection;
        birth.zoneMinutes = row.timeZoneMinuteCorrection;
    }

    SetIfNumber(birth.lonDegrees, form.lonDeg);
    SetIfNumber(birth.lonMinutes, form.lonMin);
    SetIfNumber(birth.latDegrees, form.latDeg);
    SetIfNumber(birth.latMinutes, form.latMin);

    birth.east = form.lonDirection == 0;
    birth.south = form.latDirection == 1;
    birth.dst = form.dst;
    birth.city = TrimBlanks(form.city);
    birth.state = TrimBlanks(form.state);
    birth.country = TrimBlanks(form.country);
    birth.utcOffsetSeconds = ParseUtcOffset(form.utcOffset);
}

Result<void> ComputeReadingFromForm(const FormValues& form, bool converterAvailable, Reading& reading) {
    if (auto checked = ValidateForm(form, converterAvailable); !checked) return checked;
    CopyFormToBirthData(form, reading.birthData);
    ComputeReading(reading);
    return {};
}

}  // namespace varelio
