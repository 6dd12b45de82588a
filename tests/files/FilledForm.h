// A form that passes every check, for tests to spoil one field at a time,
// and printable summaries so a failing comparison shows every field.
#pragma once

#include "engine/Form.h"
#include "tests/support/SampleBirths.h"

#include <string>

namespace varelio::testing {

inline FormValues FilledForm() { return samples::MumbaiForm(); }

inline std::string Describe(const FormValues& f) {
    using std::to_string;
    return "name=" + f.name + " d/m/y=" + to_string(f.dayIndex) + "/" + to_string(f.monthIndex) + "/" +
           to_string(f.yearIndex) + " h:m=" + to_string(f.hourIndex) + ":" + to_string(f.minuteIndex) +
           " zone=" + to_string(f.zoneIndex) + " lat=" + f.latDeg + "," + f.latMin + " lon=" + f.lonDeg + "," +
           f.lonMin + " dirs=" + to_string(f.latDirection) + to_string(f.lonDirection) +
           " dst=" + to_string(f.dst) + " place=" + f.city + "|" + f.state + "|" + f.country;
}

inline std::string Describe(const BirthData& b) {
    using std::to_string;
    return "name=[" + b.name + "] " + to_string(b.day) + "/" + to_string(b.month) + "/" + to_string(b.year) + " " +
           to_string(b.hour) + ":" + to_string(b.minute) + " zone=" + to_string(b.zoneHours) + "," +
           to_string(b.zoneMinutes) + " abs=" + to_string(b.zoneHoursAbs) + "," + to_string(b.zoneMinutesAbs) +
           " lat=" + to_string(b.latDegrees) + "," + to_string(b.latMinutes) + " lon=" + to_string(b.lonDegrees) +
           "," + to_string(b.lonMinutes) + " e/s/dst=" + to_string(b.east) + to_string(b.south) + to_string(b.dst) +
           " place=[" + b.city + "|" + b.state + "|" + b.country + "]";
}

}  // namespace varelio::testing
