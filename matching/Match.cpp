#include "matching/Match.h"

namespace varelio {

bool MatchConclusion::stands(Dosha dosha) const {
    for (int i = 0; i < standingCount; ++i) {
        if (standing[static_cast<std::size_t>(i)] == dosha) return true;
    }
    return false;
}

MatchConclusion ConcludeMatch(const ManglikComparison& manglik, const std::optional<Ashtakoota>& ashtakoota) {
    MatchConclusion conclusion;
    conclusion.manglik = manglik.overall;
    conclusion.manglikSide = manglik.overallSide;
    if (!ashtakoota) return conclusion;
    const Ashtakoota& a = *ashtakoota;
    conclusion.ashtakootaKnown = true;
    conclusion.total = a.total;
    conclusion.band = a.band;
    bool overriding = false;
    for (int i = 0; i < a.doshaCount; ++i) {
        const DoshaFinding& finding = a.doshas[static_cast<std::size_t>(i)];
        if (finding.lifted()) continue;
        conclusion.standing[static_cast<std::size_t>(conclusion.standingCount++)] = finding.dosha;
        overriding = overriding || OverridesBand(finding.dosha);
    }
    const bool bandRecommends = a.band != ScoreBand::NotRecommended;
    conclusion.bandOverridden = bandRecommends && overriding;
    conclusion.recommended = bandRecommends && !overriding;
    return conclusion;
}

ManglikVerdicts VerdictsOf(const Reading& reading) {
    ManglikVerdicts verdicts;
    for (std::size_t r = 0; r < verdicts.size(); ++r) verdicts[r] = reading.evaluations[r].verdict;
    return verdicts;
}

Match MatchReadings(const Reading& bride, const Reading& groom) {
    Match match;
    match.manglik = CompareManglik(VerdictsOf(bride), VerdictsOf(groom));
    match.ashtakoota = ComputeAshtakoota(bride.chartState.bodies[kMoon], groom.chartState.bodies[kMoon]);
    match.conclusion = ConcludeMatch(match.manglik, match.ashtakoota);
    return match;
}

}  // namespace varelio
