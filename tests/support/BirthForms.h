// The shared births as the input window's form (the form layer's view of
// Births.h).
#pragma once

#include "Births.h"

#include "form/Form.h"
#include "form/TimeZones.h"

#include <string>
#include <utility>

namespace varelio::samples {

// The zone corrections written beside each birth are the ones its list row gives.
constexpr bool ZoneRowAgrees(const SampleBirth& sample) {
    const TimeZoneRow& row = kTimeZoneTable[static_cast<std::size_t>(sample.zoneRow)];
    return row.timeZoneHourCorrection == sample.zone.hours && row.timeZoneMinuteCorrection == sample.zone.minutes;
}
static_assert(ZoneRowAgrees(kDelhi2000) && ZoneRowAgrees(kMumbai1985));

inline FormValues FormOf(const SampleBirth& sample) {
    FormValues form = InitialFormValues();
    form.name = sample.name;
    form.dayIndex = sample.day - RangeOf(FormList::Day).firstValue;
    form.monthIndex = sample.month - RangeOf(FormList::Month).firstValue;
    form.yearIndex = sample.year - RangeOf(FormList::Year).firstValue;
    form.hourIndex = sample.hour - RangeOf(FormList::Hour).firstValue;
    form.minuteIndex = sample.minute - RangeOf(FormList::Minute).firstValue;
    form.zoneIndex = sample.zoneRow;
    form.latDeg = std::to_string(sample.latDegrees);
    form.latMin = std::to_string(sample.latMinutes);
    form.latDirection = sample.south ? 1 : 0;
    form.lonDeg = std::to_string(sample.lonDegrees);
    form.lonMin = std::to_string(sample.lonMinutes);
    form.lonDirection = sample.east ? 0 : 1;
    form.city = sample.city;
    form.state = sample.state;
    form.country = sample.country;
    return form;
}

inline FormValues DelhiForm(std::string name = kDelhi2000.name) {
    FormValues form = FormOf(kDelhi2000);
    form.name = std::move(name);
    return form;
}

inline FormValues MumbaiForm() { return FormOf(kMumbai1985); }

// Every field on one line, so a failed comparison shows them all.
inline std::string Describe(const FormValues& f) {
    using std::to_string;
    return "name=" + f.name + " d/m/y=" + to_string(f.dayIndex) + "/" + to_string(f.monthIndex) + "/" +
           to_string(f.yearIndex) + " h:m=" + to_string(f.hourIndex) + ":" + to_string(f.minuteIndex) +
           " zone=" + to_string(f.zoneIndex) + " lat=" + f.latDeg + "," + f.latMin + " lon=" + f.lonDeg + "," +
           f.lonMin + " dirs=" + to_string(f.latDirection) + to_string(f.lonDirection) +
           " dst=" + to_string(f.dst) + " place=" + f.city + "|" + f.state + "|" + f.country;
}

}  // namespace varelio::samples
