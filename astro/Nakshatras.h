// The 27 nakshatras in zodiac order, Aswini (1) first, by their lords. Their
// names are words, in words/Names.h.
#pragma once

#include "astro/Records.h"

#include <array>

namespace varelio {

inline constexpr int kNakshatraCount = 27;

// Vimshottari: Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury,
// three rounds. Indexed by nakshatra - 1.
inline constexpr std::array<BodyIndex, kNakshatraCount> kNakshatraLords{
    kKetu, kVenus, kSun, kMoon, kMars, kRahu, kJupiter, kSaturn, kMercury,
    kKetu, kVenus, kSun, kMoon, kMars, kRahu, kJupiter, kSaturn, kMercury,
    kKetu, kVenus, kSun, kMoon, kMars, kRahu, kJupiter, kSaturn, kMercury,
};

}  // namespace varelio
