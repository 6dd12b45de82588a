// The twelve signs, Aries (1) to Pisces (12), and the traditional lord of
// each. Their names are words, in words/Names.h.
#pragma once

#include "astro/Records.h"

#include <array>

namespace varelio {

inline constexpr int kSignCount = 12;

// Indexed by sign - 1.
inline constexpr std::array<BodyIndex, kSignCount> kSignLords{
    kMars, kVenus, kMercury, kMoon, kSun, kMercury, kVenus, kMars, kJupiter, kSaturn, kSaturn, kJupiter,
};

// The lord of sign 1 to 12.
constexpr BodyIndex SignLord(int sign) { return kSignLords[static_cast<std::size_t>(sign - 1)]; }

}  // namespace varelio
