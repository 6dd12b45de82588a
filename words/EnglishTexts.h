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

// A table's English as views, made when the program is built: no length is
// counted for a row.
template <std::size_t N>
using EnglishTable = std::array<std::string_view, N>;
template <std::size_t N>
constexpr EnglishTable<N> InEnglish(const std::array<Source, N>& table) {
    EnglishTable<N> views{};
    for (std::size_t i = 0; i < N; ++i) views[i] = table[i].text;
    return views;
}
inline constexpr auto kBodyNamesInEnglish = InEnglish(kBodyNames);
inline constexpr auto kChartLabelsInEnglish = InEnglish(kChartLabels);
inline constexpr auto kSignNamesInEnglish = InEnglish(kSignNames);
inline constexpr auto kRashiNamesInEnglish = InEnglish(kRashiNames);
inline constexpr auto kSignAbbreviationsInEnglish = InEnglish(kSignAbbreviations);
inline constexpr auto kNakshatraNamesInEnglish = InEnglish(kNakshatraNames);

// An entry by a number counted from 1 (a sign, a nakshatra); empty outside.
template <std::size_t N>
constexpr std::string_view EnglishFromOne(const EnglishTable<N>& table, int number) {
    if (number < 1 || number > static_cast<int>(N)) return {};
    return table[static_cast<std::size_t>(number - 1)];
}

// Sun to Ketu's labels put into kRetrogradeLabel's English ("Shani (R) "),
// made when the program is built.
struct MarkedLabel {
    std::array<char, 32> chars{};
    std::size_t size = 0;
    constexpr std::string_view view() const { return {chars.data(), size}; }
};
inline constexpr std::array<MarkedLabel, kKetu + 1> kMarkedLabelsInEnglish = [] {
    std::array<MarkedLabel, kKetu + 1> marked{};
    const std::string_view pattern = kRetrogradeLabel.text;
    const std::size_t at = pattern.find("%1");
    for (std::size_t b = 0; b < marked.size(); ++b) {
        for (const std::string_view part : {pattern.substr(0, at), kChartLabelsInEnglish[b], pattern.substr(at + 2)}) {
            for (const char c : part) marked[b].chars[marked[b].size++] = c;
        }
    }
    return marked;
}();

// A body's chart label with its retrograde mark ("Shani (R) "); the
// ascendant's and the midheaven's English names.
constexpr std::string_view SanskritNameInEnglish(BodyIndex body, bool retrograde) {
    if (body > kKetu) return kBodyNamesInEnglish[body];
    return retrograde ? kMarkedLabelsInEnglish[body].view() : kChartLabelsInEnglish[body];
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

// The twelve sign cells, Aries first: the ascendant's mark, then the chart
// labels of Sun .. Ketu standing in the sign, one a line, lines parted by CR LF.
using CellText = FixedText<160>;
std::array<CellText, kSignCount> ChartCellsInEnglish(const ChartState& chart);

}  // namespace varelio::words
