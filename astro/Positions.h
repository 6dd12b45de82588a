// A sidereal longitude as the reading counts it: the sign, the nakshatra and
// its pada. Every body's numbers come from here, and its texts from them.
#pragma once

#include "astro/Records.h"

namespace varelio {

// 13°20' and 3°20' in arc-minutes.
inline constexpr int kNakshatraArcMinutes = 800;
inline constexpr int kPadaArcMinutes = 200;

// The sign (cut whole degrees, as the texts have it), the nakshatra and the
// pada; a longitude of a full turn or more has none of them. A longitude on a
// boundary belongs to the later part.
BodyPosition PositionAt(double longitudeDeg);

}  // namespace varelio
