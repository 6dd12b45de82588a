// Station entries read as calendar day numbers, at compile time. Used by the
// lookup, in the entry format "M,D,YYYY,h,m,".
#pragma once

#include "astro/TimeScales.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace varelio::stationdays {

// The number a piece reads, ignoring surrounding blanks; -1 when it holds
// anything but digits or nothing at all.
constexpr int PieceNumber(std::string_view piece) {
    while (!piece.empty() && piece.front() == ' ') piece.remove_prefix(1);
    while (!piece.empty() && piece.back() == ' ') piece.remove_suffix(1);
    if (piece.empty() || piece.size() > 6) return -1;
    int value = 0;
    for (const char c : piece) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// 1 to 12 for a month piece that reads so, otherwise 0.
constexpr int MonthOfPiece(std::string_view piece) {
    const int value = PieceNumber(piece);
    return value >= 1 && value <= 12 ? value : 0;
}

// The calendar day of an entry "M,D,YYYY,h,m,". A malformed entry is a
// compile error where this runs at compile time.
constexpr std::int32_t EntryDay(std::string_view entry) {
    std::array<int, 5> fields{};
    for (std::size_t k = 0; k < fields.size(); ++k) {
        const std::size_t comma = entry.find(',');
        if (comma == std::string_view::npos) throw "station entry: missing comma";
        fields[k] = k == 0 ? MonthOfPiece(entry.substr(0, comma)) : PieceNumber(entry.substr(0, comma));
        entry.remove_prefix(comma + 1);
    }
    if (!entry.empty()) throw "station entry: text after the last comma";
    if (fields[0] == 0) throw "station entry: bad month";
    if (fields[1] < 1 || fields[1] > 31) throw "station entry: bad day";
    if (fields[3] < 0 || fields[3] > 23 || fields[4] < 0 || fields[4] > 59) throw "station entry: bad time";
    return static_cast<std::int32_t>(DaysSince1970(fields[2], fields[0], fields[1]));
}

struct PairDays {
    std::int32_t retrograde;
    std::int32_t direct;
};

template <std::size_t N>
consteval std::array<PairDays, N> ParsePairs(const std::array<std::string_view, N>& retrograde,
                                             const std::array<std::string_view, N>& direct) {
    std::array<PairDays, N> pairs{};
    for (std::size_t i = 0; i < N; ++i) {
        pairs[i] = {EntryDay(retrograde[i]), EntryDay(direct[i])};
        // The lookup's search relies on ordered, disjoint periods.
        if (pairs[i].retrograde >= pairs[i].direct) throw "station pair: direct before retrograde";
        if (i > 0 && pairs[i - 1].direct >= pairs[i].retrograde) throw "station pairs: overlap or disorder";
    }
    return pairs;
}

}  // namespace varelio::stationdays
