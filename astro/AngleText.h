// The three text forms in which angles leave the engine. Every field is cut,
// never rounded; the degree sign is U+00B0.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varelio {

inline constexpr std::string_view kDegreeSign = "\u00B0";
// e.g. 5° 7' 41" Ari (degrees within the sign, then the sign abbreviation).
std::string FormatLongForm(double degrees);

// The sign 0 (Aries) to 11 (Pisces) that FormatLongForm writes for these
// degrees, reckoned as it does from the cut whole degrees; nothing where the
// text names no sign (360 and beyond).
std::optional<int> SignOfLongitude(double degrees);

// e.g. -23° 51' 42" (sign times whole degrees; no sign abbreviation).
std::string FormatSignedForm(double degrees);

// e.g. 05 Ari 07, made from a long-form text.
std::string ShortForm(std::string_view longForm);

// The pieces of a short-form text ("05 Ari 07"): the sign abbreviation at
// characters 4 to 6 (shorter when the text ends early, empty below four
// characters), the whole degrees from the first two characters when both are
// digits, and the sign's number when the abbreviation names one. Malformed
// texts give empty or no values, never a crash.
std::string_view SignAbbreviationOf(std::string_view positionText);
std::optional<int> DegreesOf(std::string_view positionText);
std::optional<int> SignOfPosition(std::string_view positionText);

// Character-level helpers for UTF-8 texts.
std::string_view TrimBlanks(std::string_view text);
std::string_view LastCharacters(std::string_view text, std::size_t count);
std::string_view DropFirstCharacter(std::string_view text);

}  // namespace varelio
