// Two readings matched: the Manglik comparison from their verdicts and the
// Ashtakoota from their Moons.
#pragma once

#include "matching/Ashtakoota.h"
#include "matching/ManglikMatch.h"
#include "reading/Reading.h"

#include <optional>

namespace varelio {

struct Match {
    ManglikComparison manglik;
    std::optional<Ashtakoota> ashtakoota;  // nothing when a Moon could not be placed
};

ManglikVerdicts VerdictsOf(const Reading& reading);

// Both readings must have been computed (ComputeReading).
Match MatchReadings(const Reading& bride, const Reading& groom);

}  // namespace varelio
