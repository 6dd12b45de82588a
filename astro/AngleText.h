// The three text forms in which angles leave the engine. Every field is cut,
// never rounded; the degree sign is U+00B0.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace varelio {

inline constexpr std::string_view kDegreeSign = "\u00B0";
// e.g. 5° 7' 41" Ari (degrees within the sign, then the sign abbreviation).
std::string FormatLongForm(double degrees);
void FormatLongForm(double degrees, std::string& text);  // into text, reusing its room

// The sign 0 (Aries) to 11 (Pisces) that FormatLongForm writes for these
// degrees, reckoned as it does from the cut whole degrees; nothing where the
// text names no sign (360 and beyond). Inline: called out of line, its
// optional came back through memory, a stall on every position and every
// minute the birth-time window looks at.
inline std::optional<int> SignOfLongitude(double degrees) {
    // Cut's whole degrees alone, as the sign needs nothing finer.
    const double magnitude = std::fabs(degrees);
    // Not negative, so the conversion's cut is floor.
    const long long wholeDegrees = magnitude < 1e15 ? static_cast<long long>(magnitude) : 0;
    const long long signIndex = wholeDegrees / 30;
    if (signIndex > 11) return std::nullopt;
    return static_cast<int>(signIndex);
}

// The cut whole degrees within that sign (0 to 29).
int WholeDegreesInSign(double degrees);

// e.g. -23° 51' 42" (sign times whole degrees; no sign abbreviation).
std::string FormatSignedForm(double degrees);
void FormatSignedForm(double degrees, std::string& text);

// e.g. 05 Ari 07: two-digit whole degrees within the sign, the sign
// abbreviation and two-digit minutes, all cut, as the long form has them.
std::string FormatShortForm(double degrees);
void FormatShortForm(double degrees, std::string& text);

// Character-level helpers for UTF-8 texts.
std::string_view TrimBlanks(std::string_view text);

}  // namespace varelio
