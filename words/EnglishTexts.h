// The reading's texts in English as the companion writes them for every row
// of a batch: views of the catalogue's tables and texts written in room of
// their own, with no allocation and no lookup beyond an index.
#pragma once

#include "astro/Records.h"
#include "astro/Signs.h"
#include "words/Names.h"
#include "words/Positions.h"

#include <array>
#include <string_view>

namespace varelio::words {

// An entry's English by a number counted from 1; empty outside the table.
std::string_view EnglishFromOne(const Source* table, std::size_t size, int number);
template <std::size_t N>
std::string_view EnglishFromOne(const std::array<Source, N>& table, int number) {
    return EnglishFromOne(table.data(), N, number);
}

// The summary, as words/Reading.h words it in English.
struct EnglishSummary {
    PositionText ayanamsa;          // without its sign
    std::string_view lagnaAbbreviation;
    std::string_view lagnaName;     // the Lagna's rashi
    std::string_view nakshatra;     // the Moon's
    std::string_view rashi;         // the Moon's
    std::string_view nakshatraLord;
    FixedText<4> pada;
};
EnglishSummary SummaryInEnglish(const ChartState& chart);

// A body's chart label with its retrograde mark ("Shani (R) "); the
// ascendant's and the midheaven's English names.
std::string_view SanskritNameInEnglish(BodyIndex body, bool retrograde);

// The twelve sign cells, Aries first: the ascendant's mark, then the chart
// labels of Sun .. Ketu standing in the sign, one a line, lines parted by CR LF.
using CellText = FixedText<160>;
std::array<CellText, kSignCount> ChartCellsInEnglish(const ChartState& chart);

}  // namespace varelio::words
