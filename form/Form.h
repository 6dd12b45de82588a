// The input form's values as plain data, the ordered validation the input
// window and the companion share, and the copy of a valid form into BirthData.
#pragma once

#include "astro/Records.h"
#include "form/Problem.h"
#include "form/TimeZones.h"
#include "reading/Reading.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varelio {

// The input window's lists: their first value and number of entries. An
// entry's list position is its value minus the first value; the month list
// shows month names, the zone list the time-zone table's rows.
enum class FormList { Day, Month, Year, Hour, Minute, Zone };

struct ListRange {
    int firstValue;
    int entries;
    constexpr int lastValue() const { return firstValue + entries - 1; }
    constexpr bool holdsPosition(int index) const { return index >= 0 && index < entries; }
};

constexpr ListRange RangeOf(FormList list) {
    switch (list) {
        case FormList::Day: return {1, 31};
        case FormList::Month: return {1, 12};
        case FormList::Year: return {1901, 150};
        case FormList::Hour: return {0, 25};
        case FormList::Minute: return {0, 60};
        case FormList::Zone: return {0, kTimeZoneCount};
    }
    return {0, 0};
}

// The degree and minute fields take at most this many characters.
inline constexpr int kNumberFieldLength = 3;

// List positions as the input window's lists hold them; -1 means no selection.
struct FormValues {
    std::string name;
    int dayIndex = 0;
    int monthIndex = 0;
    int yearIndex = 0;
    int hourIndex = 0;
    int minuteIndex = 0;
    int zoneIndex = 0;
    std::string latDeg, latMin, lonDeg, lonMin;
    int latDirection = 0;  // 0 North, 1 South, -1 none selected
    int lonDirection = 0;  // 0 East, 1 West, -1 none selected
    bool dst = false;
    std::string city, state, country;
    // The clock's exact offset from universal time at the birth, summer time
    // included, as ParseUtcOffset reads it ("+05:45"); empty: the zone row's
    // offset with the DST box.
    std::string utcOffset;
};

// The first failing check, or success when the form may be calculated. A
// degree or minute text that is not a number is refused like an empty one;
// one past its limit (latitude 90°, longitude 180°, minutes 59) is refused
// after it, in the same step. An exact offset ParseUtcOffset cannot read is
// refused last (step 15).
// converterAvailable: whether the JPEG writer the picture export needs is present.
// The window's lists always hold a selection; a form whose day, month, year,
// hour, minute or zone position lies outside its list (no selection) cannot
// be calculated and is refused just before the date checks, with the date
// checks' problem (ImpossibleDate, information, step 11).
Result<void> ValidateForm(const FormValues& form, bool converterAvailable);

// The window's state when it opens: every list on its first entry (day 1,
// January, 1901, hour 0, minute 0, zone row 0), "North" and "East", DST clear,
// all text fields empty.
FormValues InitialFormValues();

// Text of a number list's entry at a position ("" outside the list).
std::string ListEntryText(FormList list, int index);
// Position of the entry whose text equals text exactly, or -1.
int FindListEntry(FormList list, std::string_view text);

// A text field's number the way the driver converts it: blanks around it are
// ignored, an optional sign, decimal digits, and a value that fits a 16-bit
// integer; anything else does not convert.
std::optional<std::int16_t> ParseFormNumber(std::string_view text);

// Copies a validated form into BirthData in the driver's order
// (zone corrections from the time-zone table row at zoneIndex, the exact
// offset from utcOffset, none when it is empty). A list position outside its
// list, or a number text that does not convert, leaves its field as it was.
void CopyFormToBirthData(const FormValues& form, BirthData& birth);

// The one road from a filled form to a reading, for the windows, the
// companion and every batch row: check the form, copy it into the reading's
// birth data and compute. A refused form leaves the reading as it was.
Result<void> ComputeReadingFromForm(const FormValues& form, bool converterAvailable, Reading& reading);

}  // namespace varelio
