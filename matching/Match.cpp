#include "matching/Match.h"

namespace varelio {

ManglikVerdicts VerdictsOf(const Reading& reading) {
    ManglikVerdicts verdicts;
    for (std::size_t r = 0; r < verdicts.size(); ++r) verdicts[r] = reading.evaluations[r].verdict;
    return verdicts;
}

Match MatchReadings(const Reading& bride, const Reading& groom) {
    Match match;
    match.manglik = CompareManglik(VerdictsOf(bride), VerdictsOf(groom));
    match.ashtakoota = ComputeAshtakoota(bride.chartState.bodies[kMoon], groom.chartState.bodies[kMoon]);
    return match;
}

}  // namespace varelio
