#include "formats/MatchText.h"

#include "formats/English.h"

#include <vector>

namespace varelio {
namespace {

using namespace english;

void AddSide(std::vector<std::string>& lines, MatchSide side, const Reading& reading) {
    lines.push_back(std::string(SideName(side)) + ": " + reading.birthData.name);
    lines.push_back(BirthLine(reading.birthData));
    lines.push_back(MoonLine(reading.chartState.bodies[kMoon]));
    for (const Evaluation& evaluation : reading.evaluations) lines.push_back(VerdictLine(evaluation.verdict));
    lines.emplace_back();
}

}  // namespace

std::string ComposeMatchText(const Reading& bride, const Reading& groom, const Match& match) {
    std::vector<std::string> lines{std::string(HeadingText(MatchHeading::Title)), ConclusionLine(match.conclusion), {}};
    AddSide(lines, MatchSide::Bride, bride);
    AddSide(lines, MatchSide::Groom, groom);

    const ManglikComparison& manglik = match.manglik;
    lines.push_back(std::string(HeadingText(MatchHeading::Manglik)));
    lines.push_back(OverallLine(manglik));
    lines.push_back(std::string(HeadingText(MatchHeading::ManglikCounted)));
    lines.push_back(StandingLine(MatchSide::Bride, manglik.bride));
    lines.push_back(StandingLine(MatchSide::Groom, manglik.groom));
    for (const ReferenceComparison& reference : manglik.references) lines.push_back(ComparisonLine(reference));
    lines.emplace_back();

    lines.push_back(std::string(HeadingText(MatchHeading::Ashtakoota)));
    if (!match.ashtakoota) {
        lines.push_back(std::string(HeadingText(MatchHeading::NoAshtakoota)));
    } else {
        const Ashtakoota& a = *match.ashtakoota;
        for (const KootaScore& k : a.kootas) {
            lines.push_back(std::string(KootaName(k.koota)) + ": " + PointsText(k.points, k.maximum) + ". " +
                            KootaReasonText(a, k.koota));
        }
        lines.push_back(TotalLine(a));
        lines.emplace_back();
        lines.push_back(std::string(HeadingText(MatchHeading::Doshas)));
        if (a.doshaCount == 0) lines.push_back(std::string(HeadingText(MatchHeading::NoDosha)));
        for (int i = 0; i < a.doshaCount; ++i) lines.push_back(DoshaLine(a.doshas[static_cast<std::size_t>(i)], a));
    }

    std::string file;
    for (const std::string& line : lines) {
        for (const char c : line) file += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
        file += '\n';
    }
    return file;
}

}  // namespace varelio
