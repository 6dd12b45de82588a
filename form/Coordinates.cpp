#include "form/Coordinates.h"

#include <cmath>
#include <string>

namespace varelio {

DegreesMinutes ToDegreesMinutes(double angleDegrees) {
    const long totalMinutes = std::lround(std::fabs(angleDegrees) * 60.0);
    return DegreesMinutes{static_cast<int>(totalMinutes / 60), static_cast<int>(totalMinutes % 60),
                          angleDegrees < 0 && totalMinutes != 0};
}

void SetLatitude(FormValues& form, double latitudeDegrees) {
    const DegreesMinutes angle = ToDegreesMinutes(latitudeDegrees);
    form.latDeg = std::to_string(angle.degrees);
    form.latMin = std::to_string(angle.minutes);
    form.latDirection = angle.negative ? 1 : 0;
}

void SetLongitude(FormValues& form, double longitudeDegrees) {
    const DegreesMinutes angle = ToDegreesMinutes(longitudeDegrees);
    form.lonDeg = std::to_string(angle.degrees);
    form.lonMin = std::to_string(angle.minutes);
    form.lonDirection = angle.negative ? 1 : 0;
}

}  // namespace varelio
