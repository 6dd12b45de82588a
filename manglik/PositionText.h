// Reading the pieces of a short-form position text ("05 Ari 07"): the sign
// abbreviation at characters 4 to 6 and the whole degrees at characters 1 to 2.
// Texts that are too short or malformed give empty / no values, never a crash.
#pragma once

#include <optional>
#include <string_view>

namespace varelio {

// Characters 4 to 6 (1-based); shorter when the text ends early, empty when it
// has fewer than four characters.
std::string_view SignAbbreviationOf(std::string_view positionText);

// Whole degrees within the sign from the first two characters, when both are digits.
std::optional<int> DegreesOf(std::string_view positionText);

}  // namespace varelio
