// The 27 nakshatras in zodiac order with their lords.
#pragma once

#include "astro/Records.h"

#include <array>
#include <string_view>

namespace varelio {

inline constexpr int kNakshatraCount = 27;

struct Nakshatra {
    std::string_view name;
    BodyIndex lord;  // Vimshottari: Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury, three rounds
};

inline constexpr std::array<Nakshatra, kNakshatraCount> kNakshatras{{
    {"Aswini", kKetu}, {"Bharani", kVenus}, {"Krittika", kSun}, {"Rohini", kMoon}, {"Mrigsira", kMars},
    {"Ardra", kRahu}, {"Punarvasu", kJupiter}, {"Pushya", kSaturn}, {"Aslesha", kMercury},
    {"Magha", kKetu}, {"Purbha Phalguni", kVenus}, {"Uttara Phalguni", kSun}, {"Hasta", kMoon},
    {"Chitra", kMars}, {"Swati", kRahu}, {"Vishakha", kJupiter}, {"Anuradha", kSaturn},
    {"Jyeshtha", kMercury}, {"Mula", kKetu}, {"Purva Ashadha", kVenus}, {"Uttara Ashadha", kSun},
    {"Shravana", kMoon}, {"Dhanishtha", kMars}, {"Shatbisha", kRahu}, {"Poorva Bhadrapada", kJupiter},
    {"Uttara Bhadrapada", kSaturn}, {"Revati", kMercury},
}};

}  // namespace varelio
