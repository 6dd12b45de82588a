// The 27 nakshatras in zodiac order, and the segment table that gives the
// lord and pada count of the nakshatra the Moon is in.
#pragma once

#include <array>
#include <string_view>

namespace varelio {

inline constexpr std::array<std::string_view, 27> kNakshatraNames{
    "Aswini", "Bharani", "Krittika", "Rohini", "Mrigsira", "Ardra", "Punarvasu",
    "Pushya", "Aslesha", "Magha", "Purbha Phalguni", "Uttara Phalguni", "Hasta",
    "Chitra", "Swati", "Vishakha", "Anuradha", "Jyeshtha", "Mula", "Purva Ashadha",
    "Uttara Ashadha", "Shravana", "Dhanishtha", "Shatbisha", "Poorva Bhadrapada",
    "Uttara Bhadrapada", "Revati",
};

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
