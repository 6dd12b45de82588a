// Sign abbreviations with their Sanskrit (rashi, Lagna) and English names
// and their traditional lords.
#pragma once

#include "engine/Records.h"

#include <array>
#include <string_view>

namespace varelio {

struct SignName {
    std::string_view abbreviation;
    std::string_view sanskrit;
    std::string_view english;
    BodyIndex lord;
    std::string_view lordName;
};

inline constexpr std::array<SignName, 12> kSignNames{{
    {"Ari", "Mesha", "Aries", kMars, "Mars"},
    {"Tau", "Vrishabha", "Taurus", kVenus, "Venus"},
    {"Gem", "Mithuna", "Gemini", kMercury, "Mercury"},
    {"Can", "Kataka", "Cancer", kMoon, "Moon"},
    {"Leo", "Simha", "Leo", kSun, "Sun"},
    {"Vir", "Kanya", "Virgo", kMercury, "Mercury"},
    {"Lib", "Thula", "Libra", kVenus, "Venus"},
    {"Sco", "Vrishcika", "Scorpio", kMars, "Mars"},
    {"Sag", "Dhanush", "Sagittarius", kJupiter, "Jupiter"},
    {"Cap", "Makara", "Capricorn", kSaturn, "Saturn"},
    {"Aqu", "Kumbha", "Aquarius", kSaturn, "Saturn"},
    {"Pis", "Meena", "Pisces", kJupiter, "Jupiter"},
}};

// The first row whose abbreviation equals the text, or nullptr.
inline const SignName* FindSignName(std::string_view abbreviation) {
    for (const SignName& row : kSignNames) {
        if (row.abbreviation == abbreviation) return &row;
    }
    return nullptr;
}

}  // namespace varelio
