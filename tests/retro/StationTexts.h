// Test-side reading of the station texts, written apart from the program's
// own compile-time reader so that the two can be checked against each other.
#pragma once

#include "retro/Retrogrades.h"

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
    void (*load)(StationTable&);
    std::size_t pairCount;
};

inline void PrintTo(const PlanetTables& planet, std::ostream* out) { *out << planet.name; }

// Mercury to Saturn, in body order.
inline const std::vector<PlanetTables>& AllPlanets() {
    static const std::vector<PlanetTables> planets = {
        {kMercury, "Mercury", LoadMercuryStations, 476}, {kVenus, "Venus", LoadVenusStations, 95},
        {kMars, "Mars", LoadMarsStations, 71},           {kJupiter, "Jupiter", LoadJupiterStations, 139},
        {kSaturn, "Saturn", LoadSaturnStations, 146},
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

// Reads an entry the documented way: split at ",", the month piece through
// MonthNumber, then the numbers.
inline Entry ReadEntry(const std::string& text) {
    std::vector<std::string> pieces = SplitAtComma(text);
    pieces.resize(6);
    const int month = MonthNumber(pieces[0]);
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
    StationTable table;
    planet.load(table);
    std::vector<ReadPair> pairs;
    for (std::size_t i = 0; i + 1 < table.retrogradeStations.size(); ++i) {
        pairs.push_back({ReadEntry(table.retrogradeStations[i]), ReadEntry(table.directStations[i])});
    }
    return pairs;
}

}  // namespace varelio::testing
