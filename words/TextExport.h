// The text export: the reading as 41 lines for people to read, in
// Windows-1252 with CR LF line ends. docs/file-formats.md lists the lines.
#pragma once

#include "manglik/Manglik.h"
#include "reading/Reading.h"
#include "words/Reading.h"

#include <array>
#include <string>

namespace varelio::words {

inline constexpr int kTextExportLines = 41;

// The export file is Windows-1252; the companion prints the same lines in
// UTF-8, which a terminal shows.
enum class TextEncoding { Windows1252, Utf8 };

// One "House Lord Interpretation" line for house 1 to 12, counted from the
// Lagna sign, e.g. "House 1 (Mithuna): lord Mercury in house 7". The houses
// of Mars and the Moon add "; Mars here" / "; Moon here" and, for a Manglik
// verdict that a cancellation rule softens, the rule.
template <typename Words>
typename Words::Text HouseLordLine(const Words& words, const Reading& reading, int house) {
    const auto signOf = [&](BodyIndex body) { return reading.chartState.bodies[body].sign; };
    const int lagna = signOf(kAscendant);
    if (lagna == 0 || house < 1 || house > kHouseCount) {
        return words(QT_TRANSLATE_NOOP("Words", "House %1: sign unknown"), house);
    }
    const int sign = SignInHouse(lagna, house);
    const BodyIndex lord = SignLord(sign);
    const int lordHouse = HouseFrom(lagna, signOf(lord));
    const typename Words::Text rashi = NamedFromOne(words, kRashiNames, sign);
    typename Words::Text line = lordHouse == 0
                                    ? words(QT_TRANSLATE_NOOP("Words", "House %1 (%2): lord %3, position unknown"),
                                            house, rashi, Named(words, kBodyNames, lord))
                                    : words(QT_TRANSLATE_NOOP("Words", "House %1 (%2): lord %3 in house %4"), house,
                                            rashi, Named(words, kBodyNames, lord), lordHouse);
    // The houses of Mars and the Moon, the points the verdict counts from, with
    // the cancellation of a Manglik verdict from there.
    if (signOf(kMars) == sign) {
        const auto& cancellation = reading.of(ManglikReference::Lagna).verdict.cancellation;
        line = cancellation ? words(QT_TRANSLATE_NOOP("Words", "%1; Mars here, dosha cancelled: %2"), line,
                                    CancellationReason(words, *cancellation, ManglikReference::Lagna))
                            : words(QT_TRANSLATE_NOOP("Words", "%1; Mars here"), line);
    }
    if (signOf(kMoon) == sign) {
        const auto& cancellation = reading.of(ManglikReference::Moon).verdict.cancellation;
        line = cancellation ? words(QT_TRANSLATE_NOOP("Words", "%1; Moon here, dosha from the Moon cancelled: %2"),
                                    line, CancellationReason(words, *cancellation, ManglikReference::Moon))
                            : words(QT_TRANSLATE_NOOP("Words", "%1; Moon here"), line);
    }
    return line;
}

// The lines in the words' language; a separator line is a lone CR.
template <typename Words>
std::array<typename Words::Text, kTextExportLines> TextExportLines(const Words& words, const Reading& reading) {
    const BirthData& birth = reading.birthData;
    const ChartState& chart = reading.chartState;
    const typename Words::Text separator = words.Verbatim("\r");
    std::array<typename Words::Text, kTextExportLines> lines;
    std::size_t n = 0;
    lines[n++] = DetailText(words, DetailLine::Name, birth);
    lines[n++] = DateOfBirthLine(words, birth);
    lines[n++] = DetailText(words, DetailLine::TimeOfBirthWritten, birth);
    // Unlike the time line, both coordinate lines end in a blank: the file's own.
    lines[n++] = DetailText(words, DetailLine::Latitude, birth) + words.Verbatim(" ");
    lines[n++] = DetailText(words, DetailLine::Longitude, birth) + words.Verbatim(" ");
    lines[n++] = DetailText(words, DetailLine::City, birth);
    lines[n++] = DetailText(words, DetailLine::State, birth);
    lines[n++] = DetailText(words, DetailLine::Country, birth);
    lines[n++] = separator;
    lines[n++] = words(QT_TRANSLATE_NOOP("Words", "Planetary Position"));
    for (std::size_t body = kSun; body <= kKetu; ++body) {
        lines[n++] = words(QT_TRANSLATE_NOOP3("Words", "%1 %2", "a body and its position"), words(kBodyNames[body]),
                           ShortForm(words, chart.bodies[body].longitudeDeg));
    }
    lines[n++] = separator;
    lines[n++] = words(QT_TRANSLATE_NOOP("Words", "Other Planetary Details"));
    lines[n++] = words(QT_TRANSLATE_NOOP("Words", "Ayanamsa: %1"), AyanamsaText(words, chart));
    lines[n++] = words(QT_TRANSLATE_NOOP("Words", "Lagna / Asc: %1"), LagnaName(words, chart));
    lines[n++] = words(QT_TRANSLATE_NOOP("Words", "Nakshatra: %1"), NakshatraName(words, chart));
    lines[n++] = words(QT_TRANSLATE_NOOP("Words", "Rashi / Moon Sign: %1"), RashiName(words, chart));
    lines[n++] = words(QT_TRANSLATE_NOOP("Words", "Pada: %1"), PadaText(words, chart));
    lines[n++] = words(QT_TRANSLATE_NOOP("Words", "Lord: %1"), NakshatraLord(words, chart));
    lines[n++] = separator;
    lines[n++] = words(QT_TRANSLATE_NOOP("Words", "House Lord Interpretation"));
    for (int house = 1; house <= kHouseCount; ++house) lines[n++] = HouseLordLine(words, reading, house);
    return lines;
}

// The exact bytes of the file from its lines (UTF-8). Characters
// Windows-1252 cannot store (in a name or place) are written as "?"; in
// UTF-8 every character is written as it is. Control characters become "?"
// in both.
std::string TextExportBytes(const std::array<std::string, kTextExportLines>& lines, TextEncoding encoding);

// The reading's export in English.
std::string ComposeTextExport(const Reading& reading, TextEncoding encoding = TextEncoding::Windows1252);

}  // namespace varelio::words
