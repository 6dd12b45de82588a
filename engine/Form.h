// The input form's values as plain data, the ordered validation the input
// window and the companion share, and the copy of a valid form into BirthData.
#pragma once

#include "engine/AngleText.h"  // TrimBlanks: one trim for the form and the engine
#include "engine/Records.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varelio {

// List positions as the input window's lists hold them; -1 means no selection.
// Day list: "1".."31"; month list: January..December; year list: "1901".."2050";
// hour list: "0".."24"; minute list: "0".."59"; zone list: the 71 table rows.
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
};

enum class MessageIcon { Error, Information, Critical };

// Where the input window moves the focus or selection after a failed check.
enum class FormField { None, Name, LatDeg, LatMin, LonDeg, LonMin, City, State, Country, North, East };

struct ValidationFailure {
    int step = 0;           // 1 to 14, in check order
    std::string message;    // the exact text to show
    MessageIcon icon = MessageIcon::Error;
    FormField focus = FormField::None;
};

// First failing check, or nothing when the form may be calculated.
// converterAvailable: whether the JPEG writer the picture export needs is present.
// The window's lists always hold a selection; a form whose day, month, year,
// hour, minute or zone position lies outside its list (no selection) cannot
// be calculated and is refused just before the date checks, with the date
// checks' text "Please Enter Correct Date Or Month!" (information, step 11).
std::optional<ValidationFailure> ValidateForm(const FormValues& form, bool converterAvailable);

// The window's state when it opens: every list on its first entry (day 1,
// January, 1901, hour 0, minute 0, zone row 0), "North" and "East", DST clear,
// all text fields empty.
FormValues InitialFormValues();

// Entries of the input window's lists.
inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December"};
inline constexpr int kDayEntries = 31;     // "1" .. "31"
inline constexpr int kYearEntries = 150;   // "1901" .. "2050"
inline constexpr int kFirstYear = 1901;
inline constexpr int kHourEntries = 25;    // "0" .. "24"
inline constexpr int kMinuteEntries = 60;  // "0" .. "59"

enum class FormList { Day, Year, Hour, Minute };

// Text of a number list's entry at a position ("" outside the list).
std::string ListEntryText(FormList list, int index);
// Position of the entry whose text equals text exactly, or -1.
int FindListEntry(FormList list, std::string_view text);

// A text field's number the way the driver converts it: blanks around it are
// ignored, an optional sign, decimal digits, and a value that fits a 16-bit
// integer; anything else does not convert.
std::optional<std::int16_t> ParseFormNumber(std::string_view text);

// Copies a validated form into BirthData in the driver's order
// (zone corrections from the time-zone table row at zoneIndex). A list position
// outside its list, or a number text that does not convert, leaves its field
// as it was.
void CopyFormToBirthData(const FormValues& form, BirthData& birth);

}  // namespace varelio
