// The three text forms in which angles leave the engine. Every field is cut,
// never rounded; the degree sign is U+00B0.
#pragma once

#include <string>
#include <string_view>

namespace varelio {

inline constexpr std::string_view kDegreeSign = "\u00B0";
inline constexpr std::string_view signAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// Three-letter abbreviation of sign 0 (Aries) to 11 (Pisces); empty outside.
std::string_view SignAbbreviation(int signIndex);

// e.g. 5° 7' 41" Ari (degrees within the sign, then the sign abbreviation).
std::string FormatLongForm(double degrees);

// e.g. -23° 51' 42" (sign times whole degrees; no sign abbreviation).
std::string FormatSignedForm(double degrees);

// e.g. 05 Ari 07, made from a long-form text.
std::string ShortForm(std::string_view longForm);

// Character-level helpers for UTF-8 texts.
std::string_view TrimBlanks(std::string_view text);
std::string_view LastCharacters(std::string_view text, std::size_t count);
std::string_view DropFirstCharacter(std::string_view text);

}  // namespace varelio
