// An angle cut (never rounded) into whole degrees, minutes and seconds, and
// the sign those whole degrees fall in: the numbers every position text is
// written from (words/Positions).
#pragma once

#include <cmath>
#include <optional>

namespace varelio {

// The magnitude of an angle in cut fields: 199.4624 is 199° 27' 44".
struct CutAngle {
    long long wholeDegrees = 0;
    long long minutes = 0;
    long long seconds = 0;
};

// A value too large or not finite is taken as zero, as no position has one.
CutAngle CutDegrees(double degrees);

// The sign 0 (Aries) to 11 (Pisces) of these degrees, reckoned from the cut
// whole degrees (so 29.99999 stays in Aries); nothing at 360 and beyond.
// Inline: called out of line, its optional came back through memory, a stall
// on every position and every minute the birth-time window looks at.
inline std::optional<int> SignOfLongitude(double degrees) {
    // The whole degrees alone, as the sign needs nothing finer.
    const double magnitude = std::fabs(degrees);
    // Not negative, so the conversion's cut is floor.
    const long long wholeDegrees = magnitude < 1e15 ? static_cast<long long>(magnitude) : 0;
    const long long signIndex = wholeDegrees / 30;
    if (signIndex > 11) return std::nullopt;
    return static_cast<int>(signIndex);
}

// The cut whole degrees within that sign (0 to 29).
int WholeDegreesInSign(double degrees);

}  // namespace varelio
