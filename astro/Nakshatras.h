// The 27 nakshatras in zodiac order, Aswini (1) first, by their lords. Their
// names are words, in words/Names.h.
#pragma once

#include "astro/Records.h"

#include <array>

namespace varelio {

inline constexpr int kNakshatraCount = 27;

// Vimshottari: Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury,
// three rounds. Indexed by nakshatra - 1.
inline constexpr std::array<BodyIndex, kNakshatraCount> kNakshatraLords = [] {
    constexpr std::array<BodyIndex, 9> kRound{kKetu, kVenus, kSun, kMoon, kMars, kRahu, kJupiter, kSaturn, kMercury};
    std::array<BodyIndex, kNakshatraCount> lords{};
    for (std::size_t n = 0; n < lords.size(); ++n) lords[n] = kRound[n % kRound.size()];
    return lords;
}();

}  // namespace varelio
