// The twelve signs, Aries (0) to Pisces (11): abbreviation, Sanskrit (rashi,
// Lagna) and English names, and the traditional lord of each.
#pragma once

#include "astro/Records.h"

#include <array>
#include <string_view>

namespace varelio {

struct SignName {
    std::string_view abbreviation;
    std::string_view sanskrit;
    std::string_view english;
    BodyIndex lord;
};

inline constexpr int kSignCount = 12;

inline constexpr std::array<SignName, kSignCount> kSignNames{{
    {"Ari", "Mesha", "Aries", kMars},
    {"Tau", "Vrishabha", "Taurus", kVenus},
    {"Gem", "Mithuna", "Gemini", kMercury},
    {"Can", "Kataka", "Cancer", kMoon},
    {"Leo", "Simha", "Leo", kSun},
    {"Vir", "Kanya", "Virgo", kMercury},
    {"Lib", "Thula", "Libra", kVenus},
    {"Sco", "Vrishcika", "Scorpio", kMars},
    {"Sag", "Dhanush", "Sagittarius", kJupiter},
    {"Cap", "Makara", "Capricorn", kSaturn},
    {"Aqu", "Kumbha", "Aquarius", kSaturn},
    {"Pis", "Meena", "Pisces", kJupiter},
}};

// Three-letter abbreviation of sign 0 (Aries) to 11 (Pisces); empty outside.
constexpr std::string_view SignAbbreviation(int signIndex) {
    if (signIndex < 0 || signIndex >= kSignCount) return {};
    return kSignNames[static_cast<std::size_t>(signIndex)].abbreviation;
}

}  // namespace varelio
