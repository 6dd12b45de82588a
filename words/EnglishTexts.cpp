#include "words/EnglishTexts.h"


#include <cmath>
#include <cstring>

namespace varelio::words {

EnglishSummary SummaryInEnglish(const ChartState& chart) {
    EnglishSummary summary;
    summary.ayanamsa = SignedForm(std::fabs(chart.ayanamsa));
    const BodyPosition& lagna = chart.bodies[kAscendant];
    const BodyPosition& moon = chart.bodies[kMoon];
    summary.nakshatra = EnglishFromOne(kNakshatraNamesInEnglish, moon.nakshatra);
    summary.rashi = EnglishFromOne(kRashiNamesInEnglish, moon.sign);
    char* pada = summary.pada.begin();
    summary.pada.end(pada);
    if (lagna.sign == 0) return summary;
    summary.lagnaAbbreviation = EnglishFromOne(kSignAbbreviationsInEnglish, lagna.sign);
    summary.lagnaName = EnglishFromOne(kRashiNamesInEnglish, lagna.sign);
    if (moon.nakshatra != 0) {
        summary.nakshatraLord = kBodyNamesInEnglish[kNakshatraLords[static_cast<std::size_t>(moon.nakshatra - 1)]];
        *pada++ = static_cast<char>('0' + moon.pada % 10);
        summary.pada.end(pada);
    }
    return summary;
}

std::array<CellText, kSignCount> ChartCellsInEnglish(const ChartState& chart) {
    std::array<CellText, kSignCount> cells;
    std::array<char*, kSignCount> ends;
    for (std::size_t s = 0; s < cells.size(); ++s) ends[s] = cells[s].begin();
    const auto add = [&](int sign, std::string_view text) {
        char*& at = ends[static_cast<std::size_t>(sign - 1)];
        if (at != cells[static_cast<std::size_t>(sign - 1)].begin()) {
            std::memcpy(at, "\r\n", 2);
            at += 2;
        }
        std::memcpy(at, text.data(), text.size());
        at += text.size();
    };
    if (const int lagna = chart.bodies[kAscendant].sign) add(lagna, kAscendantMark.text);
    for (int b = kSun; b <= kKetu; ++b) {
        const BodyPosition& body = chart.bodies[static_cast<std::size_t>(b)];
        if (body.sign != 0) add(body.sign, SanskritNameInEnglish(static_cast<BodyIndex>(b), body.retrograde));
    }
    for (std::size_t s = 0; s < cells.size(); ++s) cells[s].end(ends[s]);
    return cells;
}

}  // namespace varelio::words
