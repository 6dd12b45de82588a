// The input form's values as plain data, the ordered validation the input
// window and the companion share, and the copy of a valid form into BirthData.
#pragma once

#include "engine/Records.h"

#include <optional>
#include <string>

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
std::optional<ValidationFailure> ValidateForm(const FormValues& form, bool converterAvailable);

// Copies a validated form into BirthData in the driver's order
// (zone corrections from the time-zone table row at zoneIndex).
void CopyFormToBirthData(const FormValues& form, BirthData& birth);

}  // namespace varelio
