// The 27 nakshatras in zodiac order with their lords, and the segment table
// that gives the pada count the reading has shown for the Moon's nakshatra.
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

struct NakshatraSegment {
    std::string_view nakshatra;
    std::string_view lord;
    std::string_view padas;  // "1" to "4", kept as text
};

// Three rows per sign, Aries first: the nakshatras touching that sign,
// their lords and how many padas lie in it. Row 29's spelling differs
// from the Moon's nakshatra name on purpose, so only row 30 ever matches.
inline constexpr std::array<NakshatraSegment, 36> kNakshatraSegments{{
    {"Aswini", "Ketu", "4"},
    {"Bharani", "Venus", "4"},
    {"Krittika", "Sun", "1"},
    {"Krittika", "Sun", "3"},
    {"Rohini", "Moon", "4"},
    {"Mrigsira", "Mars", "2"},
    {"Mrigsira", "Mars", "2"},
    {"Ardra", "Rahu", "4"},
    {"Punarvasu", "Jupiter", "3"},
    {"Punarvasu", "Jupiter", "1"},
    {"Pushya", "Saturn", "4"},
    {"Aslesha", "Mercury", "4"},
    {"Magha", "Ketu", "4"},
    {"Purbha Phalguni", "Venus", "4"},
    {"Uttara Phalguni", "Sun", "1"},
    {"Uttara Phalguni", "Sun", "3"},
    {"Hasta", "Moon", "4"},
    {"Chitra", "Mars", "2"},
    {"Chitra", "Mars", "2"},
    {"Swati", "Rahu", "4"},
    {"Vishakha", "Jupiter", "3"},
    {"Vishakha", "Jupiter", "1"},
    {"Anuradha", "Saturn", "4"},
    {"Jyeshtha", "Mercury", "4"},
    {"Mula", "Ketu", "4"},
    {"Purva Ashadha", "Venus", "4"},
    {"Uttara Ashadha", "Sun", "1"},
    {"Uttara Ashadha", "Sun", "3"},
    {"Shravana", "Moon", "4"},
    {"Dhanistha", "Mars", "2"},
    {"Dhanishtha", "Mars", "2"},
    {"Shatbisha", "Rahu", "4"},
    {"Poorva Bhadrapada", "Jupiter", "3"},
    {"Poorva Bhadrapada", "Jupiter", "1"},
    {"Uttara Bhadrapada", "Saturn", "4"},
    {"Revati", "Mercury", "4"},
}};

}  // namespace varelio
