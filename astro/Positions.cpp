#include "astro/Positions.h"

#include "astro/AngleText.h"
#include "astro/Nakshatras.h"

#include <algorithm>
#include <cmath>

namespace varelio {

BodyPosition PositionAt(double longitudeDeg) {
    BodyPosition position;
    position.longitudeDeg = longitudeDeg;
    if (const auto sign = SignOfLongitude(longitudeDeg)) position.sign = *sign + 1;
    const double arcMinutes = longitudeDeg * 60.0;
    // One division for both: a nakshatra is four padas, and a quarter of the
    // padas rounded is exactly the nakshatras rounded (below 0, where a
    // quarter of the tiniest might round to 0, they are counted as such).
    constexpr int kPadasPerNakshatra = kNakshatraArcMinutes / kPadaArcMinutes;
    const double padas = arcMinutes / kPadaArcMinutes;
    const double nakshatra =
        padas >= 0 ? std::floor(padas / kPadasPerNakshatra) : std::floor(arcMinutes / kNakshatraArcMinutes);
    if (nakshatra >= 0 && nakshatra < kNakshatraCount) {
        position.nakshatra = static_cast<int>(nakshatra) + 1;
        double into = padas - nakshatra * kPadasPerNakshatra;
        // That carries the rounding of the padas from Aries, coarser than the
        // padas within the nakshatra alone: near a pada's edge, counted anew.
        const double fraction = into - std::floor(into);
        if (fraction < 1e-12 || fraction > 1 - 1e-12) {
            into = (arcMinutes - nakshatra * kNakshatraArcMinutes) / kPadaArcMinutes;
        }
        position.pada = std::clamp(static_cast<int>(std::floor(into)), 0, kPadasPerNakshatra - 1) + 1;
    }
    return position;
}

}  // namespace varelio
