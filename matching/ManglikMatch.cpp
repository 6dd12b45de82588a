#include "matching/ManglikMatch.h"

namespace varelio {

namespace {

bool Stands(const ManglikVerdict& v) { return v.manglik && !v.cancellation; }

}  // namespace

ReferenceComparison CompareVerdicts(const ManglikVerdict& bride, const ManglikVerdict& groom) {
    ReferenceComparison result;
    result.reference = bride.reference;
    if (!bride.known() || !groom.known()) return result;
    if (bride.manglik == groom.manglik) {
        result.balance = bride.manglik ? ManglikBalance::BothBalanced : ManglikBalance::Neither;
        return result;
    }
    const ManglikVerdict& one = bride.manglik ? bride : groom;
    result.side = bride.manglik ? MatchSide::Bride : MatchSide::Groom;
    result.cancellation = one.cancellation;
    result.balance = one.cancellation ? ManglikBalance::DoshaCancelled : ManglikBalance::DoshaStands;
    return result;
}

PersonManglik StandingOf(const ManglikVerdicts& verdicts) {
    PersonManglik person;
    bool anyKnown = false;
    for (const ManglikVerdict& v : verdicts) {
        anyKnown = anyKnown || v.known();
        if (Stands(v)) ++person.standingReferences;
        if (v.manglik && v.cancellation && !person.cancellation) {
            person.cancelledReference = v.reference;
            person.cancellation = v.cancellation;
        }
    }
    if (!anyKnown) {
        person.standing = ManglikStanding::Unknown;
    } else if (person.standingReferences > 0) {
        person.standing = ManglikStanding::Manglik;
    } else {
        person.standing = person.cancellation ? ManglikStanding::Cancelled : ManglikStanding::NotManglik;
    }
    if (person.standing != ManglikStanding::Cancelled) {
        person.cancelledReference.reset();
        person.cancellation.reset();
    }
    return person;
}

ManglikComparison CompareManglik(const ManglikVerdicts& bride, const ManglikVerdicts& groom) {
    ManglikComparison result;
    for (std::size_t r = 0; r < result.references.size(); ++r) result.references[r] = CompareVerdicts(bride[r], groom[r]);
    result.bride = StandingOf(bride);
    result.groom = StandingOf(groom);
    const ManglikStanding b = result.bride.standing;
    const ManglikStanding g = result.groom.standing;
    if (b == ManglikStanding::Unknown || g == ManglikStanding::Unknown) return result;
    const bool brideManglik = b == ManglikStanding::Manglik;
    const bool groomManglik = g == ManglikStanding::Manglik;
    if (brideManglik == groomManglik) {
        result.overall = brideManglik ? ManglikBalance::BothBalanced : ManglikBalance::Neither;
    } else {
        result.overall = ManglikBalance::DoshaStands;
        result.overallSide = brideManglik ? MatchSide::Bride : MatchSide::Groom;
    }
    return result;
}

}  // namespace varelio
