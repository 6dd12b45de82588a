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
    // One division for both: a nakshatra is four padas, and a quarter of the
    // padas rounded is exactly the nakshatras rounded (below 0, where a
    // quarter of the tiniest might round to 0, they are divided as such).
    constexpr int kPadasPerNakshatra = kNakshatraArcMinutes / kPadaArcMinutes;
    const double padas = arcMinutes / kPadaArcMinutes;
    const double nakshatras = padas >= 0 ? padas / kPadasPerNakshatra : arcMinutes / kNakshatraArcMinutes;
    if (nakshatras >= 0 && nakshatras < kNakshatraCount) {
        // Not negative: the conversion's cut is floor, and quicker.
        const int nakshatra = static_cast<int>(nakshatras);
        position.nakshatra = nakshatra + 1;
        // From 0 to 4, exactly.
        const double into = padas - nakshatra * kPadasPerNakshatra;
        int pada = static_cast<int>(into);
        // That carries the rounding of the padas from Aries, coarser than the
        // padas within the nakshatra alone: near a pada's edge, counted anew.
        const double fraction = into - pada;
        if (fraction < 1e-12 || fraction > 1 - 1e-12) {
            pada = static_cast<int>(std::floor((arcMinutes - nakshatra * kNakshatraArcMinutes) / kPadaArcMinutes));
        }
        position.pada = std::clamp(pada, 0, kPadasPerNakshatra - 1) + 1;
    }
    return position;
}

}  // namespace varelio
