// A place's latitude and longitude in decimal degrees, entered the way the
// input form holds them: whole degrees and minutes with a direction.
#pragma once

#include "form/Form.h"

namespace varelio {

struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;        // 0 to 59
    bool negative = false;  // south or west
};

// Rounded to the nearest minute; 59.5 minutes carry into the next degree, and
// an angle that rounds to 0°00′ is not negative.
DegreesMinutes ToDegreesMinutes(double angleDegrees);

// Fill the form's degree and minute texts and its direction (north positive,
// east positive).
void SetLatitude(FormValues& form, double latitudeDegrees);
void SetLongitude(FormValues& form, double longitudeDegrees);

}  // namespace varelio
