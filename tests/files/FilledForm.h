// A form that passes every check, for tests to spoil one field at a time.
#pragma once

#include "engine/Form.h"

namespace varelio::testing {

inline FormValues FilledForm() {
    FormValues form = InitialFormValues();
    form.name = "Asha Rao";
    form.dayIndex = 6;     // 7
    form.monthIndex = 2;   // March
    form.yearIndex = 84;   // 1985
    form.hourIndex = 9;
    form.minuteIndex = 5;
    form.zoneIndex = 34;   // Indian Time
    form.latDeg = "18";
    form.latMin = "58";
    form.lonDeg = "72";
    form.lonMin = "50";
    form.latDirection = 0;
    form.lonDirection = 0;
    form.city = "Mumbai";
    form.state = "Maharashtra";
    form.country = "India";
    return form;
}

}  // namespace varelio::testing
