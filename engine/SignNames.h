// Sign abbreviations with their Sanskrit (rashi, Lagna) and English names.
#pragma once

#include <array>
#include <string_view>

namespace varelio {

struct SignName {
    std::string_view abbreviation;
    std::string_view sanskrit;
    std::string_view english;
};

inline constexpr std::array<SignName, 12> kSignNames{{
    {"Ari", "Mesha", "Aries"},
    {"Tau", "Vrishabha", "Taurus"},
    {"Gem", "Mithuna", "Gemini"},
    {"Can", "Kataka", "Cancer"},
    {"Leo", "Simha", "Leo"},
    {"Vir", "Kanya", "Virgo"},
    {"Lib", "Thula", "Libra"},
    {"Sco", "Vrishcika", "Scorpio"},
    {"Sag", "Dhanush", "Sagittarius"},
    {"Cap", "Makara", "Capricorn"},
    {"Aqu", "Kumbha", "Aquarius"},
    {"Pis", "Meena", "Pisces"},
}};

// The first row whose abbreviation equals the text, or nullptr.
inline const SignName* FindSignName(std::string_view abbreviation) {
    for (const SignName& row : kSignNames) {
        if (row.abbreviation == abbreviation) return &row;
    }
    return nullptr;
}

}  // namespace varelio
