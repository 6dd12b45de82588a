// The text file of a match: its conclusion, then two readings set side by
// side, for people to read. A new kind of file with no older reader to please, so it is UTF-8
// (a name is written as typed) with LF line ends; docs/file-formats.md lists
// the lines. The companion's --match --format text prints the same bytes.
#pragma once

#include "matching/Match.h"
#include "reading/Reading.h"
#include "words/Match.h"

#include <string>
#include <vector>

namespace varelio::words {

// The lines in the words' language.
template <typename Words>
std::vector<typename Words::Text> MatchTextLines(const Words& words, const Reading& bride, const Reading& groom,
                                                 const Match& match) {
    using Text = typename Words::Text;
    std::vector<Text> lines{HeadingText(words, MatchHeading::Title), ConclusionLine(words, match.conclusion), Text()};
    for (const MatchSide side : kMatchSides) {
        const Reading& reading = side == MatchSide::Bride ? bride : groom;
        lines.push_back(SideLine(words, side, reading.birthData));
        lines.push_back(BirthLine(words, reading.birthData));
        lines.push_back(MoonLine(words, reading.chartState.bodies[kMoon]));
        for (const Evaluation& evaluation : reading.evaluations)
            lines.push_back(VerdictLine(words, evaluation.verdict));
        lines.emplace_back();
    }

    const ManglikComparison& manglik = match.manglik;
    lines.push_back(HeadingText(words, MatchHeading::Manglik));
    lines.push_back(OverallLine(words, manglik));
    lines.push_back(HeadingText(words, MatchHeading::ManglikCounted));
    lines.push_back(StandingLine(words, MatchSide::Bride, manglik.bride));
    lines.push_back(StandingLine(words, MatchSide::Groom, manglik.groom));
    for (const ReferenceComparison& reference : manglik.references) lines.push_back(ComparisonLine(words, reference));
    lines.emplace_back();

    lines.push_back(HeadingText(words, MatchHeading::Ashtakoota));
    if (!match.ashtakoota) {
        lines.push_back(HeadingText(words, MatchHeading::NoAshtakoota));
        return lines;
    }
    const Ashtakoota& a = *match.ashtakoota;
    for (const KootaScore& k : a.kootas) lines.push_back(KootaLine(words, a, k));
    lines.push_back(TotalLine(words, a));
    lines.emplace_back();
    lines.push_back(HeadingText(words, MatchHeading::Doshas));
    if (a.doshaCount == 0) lines.push_back(HeadingText(words, MatchHeading::NoDosha));
    for (int i = 0; i < a.doshaCount; ++i) lines.push_back(DoshaLine(words, a.doshas[static_cast<std::size_t>(i)], a));
    return lines;
}

// The exact bytes of the file from its lines (UTF-8). Control characters in
// a name or place become "?", so they cannot break the lines.
std::string MatchTextBytes(const std::vector<std::string>& lines);

// The match's file in English.
std::string ComposeMatchText(const Reading& bride, const Reading& groom, const Match& match);

}  // namespace varelio::words
