// Two readings matched: the Manglik comparison from their verdicts, the
// Ashtakoota from their Moons, and the conclusion a family reads first.
#pragma once

#include "matching/Ashtakoota.h"
#include "matching/ManglikMatch.h"
#include "reading/Reading.h"

#include <array>
#include <optional>

namespace varelio {

// The match concluded, as codes and numbers: the total and its band, whether
// the Manglik doshas balance, every dosha that stands, and whether the match
// is recommended. The published guidance: below 18 points the match is not
// recommended, and a Nadi or a Bhakoot dosha that no exception lifts makes it
// not recommended whatever the total (sources: README.md beside this file).
struct MatchConclusion {
    bool ashtakootaKnown = false;  // false when a Moon could not be placed
    double total = 0;
    ScoreBand band = ScoreBand::NotRecommended;
    // The Manglik comparison overall: Both balance, One stands on manglikSide.
    ManglikBalance manglik = ManglikBalance::Unknown;
    std::optional<MatchSide> manglikSide;
    // The Ashtakoota's doshas that no exception lifts, in the order found (Nadi, Bhakoot, Gana).
    std::array<Dosha, 3> standing{};
    int standingCount = 0;
    // A band of 18 or more that an unlifted Nadi or Bhakoot dosha overrides.
    bool bandOverridden = false;
    // False below 18 or with an unlifted Nadi or Bhakoot dosha; nothing without the Ashtakoota.
    std::optional<bool> recommended;

    bool stands(Dosha dosha) const;
    // Whether a Manglik dosha stands: only one side is Manglik.
    bool manglikStands() const { return manglik == ManglikBalance::One; }
};

// Whether an unlifted dosha of this kind overrides the band: Nadi and Bhakoot.
constexpr bool OverridesBand(Dosha dosha) { return dosha == Dosha::Nadi || dosha == Dosha::Bhakoot; }

MatchConclusion ConcludeMatch(const ManglikComparison& manglik, const std::optional<Ashtakoota>& ashtakoota);

struct Match {
    ManglikComparison manglik;
    std::optional<Ashtakoota> ashtakoota;  // nothing when a Moon could not be placed
    MatchConclusion conclusion;
};

ManglikVerdicts VerdictsOf(const Reading& reading);

// Both readings must have been computed (ComputeReading).
Match MatchReadings(const Reading& bride, const Reading& groom);

}  // namespace varelio
