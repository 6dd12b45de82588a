// Births that tests and benchmarks share, as the input window would hold them.
#pragma once

#include "engine/Form.h"
#include "engine/Reading.h"

#include <string>

namespace varelio::samples {

// 1 January 2000, 17:30, "Indian Time, IST, +5.3", 28°38' N, 77°13' E:
// the engine's worked example.
inline FormValues DelhiForm(std::string name = "Asha Rao")
{
    FormValues form = InitialFormValues();
    form.name = std::move(name);
    form.yearIndex = 2000 - 1901;
    form.hourIndex = 17;
    form.minuteIndex = 30;
    form.zoneIndex = 34;
    form.latDeg = "28";
    form.latMin = "38";
    form.lonDeg = "77";
    form.lonMin = "13";
    form.city = "Delhi";
    form.state = "Delhi";
    form.country = "India";
    return form;
}

// 7 March 1985, 9:05, "Indian Time, IST, +5.3", 18°58' N, 72°50' E.
inline FormValues MumbaiForm()
{
    FormValues form = InitialFormValues();
    form.name = "Asha Rao";
    form.dayIndex = 7 - 1;
    form.monthIndex = 3 - 1;
    form.yearIndex = 1985 - 1901;
    form.hourIndex = 9;
    form.minuteIndex = 5;
    form.zoneIndex = 34;
    form.latDeg = "18";
    form.latMin = "58";
    form.lonDeg = "72";
    form.lonMin = "50";
    form.city = "Mumbai";
    form.state = "Maharashtra";
    form.country = "India";
    return form;
}

// The whole reading the driver computes for a valid form.
inline Reading ReadingOf(const FormValues& form)
{
    Reading reading;
    CopyFormToBirthData(form, reading.birthData);
    ComputeReading(reading);
    return reading;
}

}  // namespace varelio::samples
