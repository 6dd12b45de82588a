#include "astro/AngleCut.h"

#include <cmath>

namespace varelio {

CutAngle CutDegrees(double degrees) {
    // The engine's angles are finite and small; anything else would make the
    // integer conversions below undefined, so it is taken as zero.
    if (!(std::fabs(degrees) < 1e15)) return {};
    const double magnitude = std::fabs(degrees);
    const double whole = std::floor(magnitude);
    const double minutesExact = (magnitude - whole) * 60.0;
    const double minutes = std::floor(minutesExact);
    const double seconds = std::floor((minutesExact - minutes) * 60.0);
    return {static_cast<long long>(whole), static_cast<long long>(minutes), static_cast<long long>(seconds)};
}

int WholeDegreesInSign(double degrees) {
    const long long whole = CutDegrees(degrees).wholeDegrees;
    return static_cast<int>(whole - 30 * (whole / 30));
}

}  // namespace varelio
