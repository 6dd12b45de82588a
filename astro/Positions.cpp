#include "astro/Positions.h"

#include "astro/AngleCut.h"
#include "astro/Nakshatras.h"

#include <algorithm>
#include <cmath>

namespace varelio {

BodyPosition PositionAt(double longitudeDeg) {
    BodyPosition position;
    position.longitudeDeg = longitudeDeg;
    if (const auto sign = SignOfLongitude(longitudeDeg)) position.sign = *sign + 1;
    const double arcMinutes = longitudeDeg * 60.0;
    const double nakshatra = std::floor(arcMinutes / kNakshatraArcMinutes);
    if (nakshatra >= 0 && nakshatra < kNakshatraCount) {
        position.nakshatra = static_cast<int>(nakshatra) + 1;
        const double into = arcMinutes - nakshatra * kNakshatraArcMinutes;
        position.pada = std::clamp(static_cast<int>(std::floor(into / kPadaArcMinutes)), 0, 3) + 1;
    }
    return position;
}

}  // namespace varelio
