// Test-side reading of the station texts, written apart from the program's
// own compile-time reader so that the two can be checked against each other.
#pragma once

#include "retro/Retrogrades.h"
#include "retro/StationData.h"

#include <span>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace varelio::testing {

struct PlanetTables {
    BodyIndex body;
    std::string_view name;
    std::span<const std::string_view> retrograde;  // the data of record
    std::span<const std::string_view> direct;
};

inline void PrintTo(const PlanetTables& planet, std::ostream* out) { *out << planet.name; }

// Mercury to Saturn, in body order.
inline const std::vector<PlanetTables>& AllPlanets() {
    namespace sd = stationdata;
    static const std::vector<PlanetTables> planets = {
        {kMercury, "Mercury", sd::kMercuryRetrograde, sd::kMercuryDirect},
        {kVenus, "Venus", sd::kVenusRetrograde, sd::kVenusDirect},
        {kMars, "Mars", sd::kMarsRetrograde, sd::kMarsDirect},
        {kJupiter, "Jupiter", sd::kJupiterRetrograde, sd::kJupiterDirect},
        {kSaturn, "Saturn", sd::kSaturnRetrograde, sd::kSaturnDirect},
    };
    return planets;
}

inline std::vector<std::string> SplitAtComma(const std::string& text) {
    std::vector<std::string> pieces(1);
    for (const char c : text) {
        if (c == ',') pieces.emplace_back(); else pieces.back() += c;
    }
    return pieces;
}

// A calendar date that compares in time order.
using Date = std::tuple<int, int, int>;  // year, month, day

struct Entry {
    Date date;
    int hour = 0;
    int minute = 0;
    // Whole minutes since an arbitrary start, for elapsed-time spans.
    std::int64_t minutes = 0;
};

inline std::int64_t DaysSinceYearOne(int y, int m, int d) {
    static constexpr int kBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const int past = y - 1;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return std::int64_t{past} * 365 + past / 4 - past / 100 + past / 400 + kBefore[m - 1] + (leap && m > 2) + d - 1;
}

// Reads an entry "M,D,YYYY,h,m," the documented way: split at ",", then the numbers.
inline Entry ReadEntry(std::string_view text) {
    std::vector<std::string> pieces = SplitAtComma(std::string(text));
    pieces.resize(6);
    const int month = std::stoi(pieces[0]);
    Entry e;
    e.date = {std::stoi(pieces[2]), month, std::stoi(pieces[1])};
    e.hour = std::stoi(pieces[3]);
    e.minute = std::stoi(pieces[4]);
    const auto [y, m, d] = e.date;
    e.minutes = DaysSinceYearOne(y, m, d) * 1440 + e.hour * 60 + e.minute;
    return e;
}

struct ReadPair {
    Entry retrograde, direct;
};

inline std::vector<ReadPair> ReadPairs(const PlanetTables& planet) {
    std::vector<ReadPair> pairs;
    for (std::size_t i = 0; i < planet.retrograde.size(); ++i) {
        pairs.push_back({ReadEntry(planet.retrograde[i]), ReadEntry(planet.direct[i])});
    }
    return pairs;
}

}  // namespace varelio::testing
