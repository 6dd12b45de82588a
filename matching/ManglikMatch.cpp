#include "matching/ManglikMatch.h"

namespace varelio {

namespace {

// Who has it, of two: both, one (and which), neither.
ManglikBalance Balance(bool bride, bool groom, std::optional<MatchSide>& side) {
    if (bride && groom) return ManglikBalance::Both;
    if (!bride && !groom) return ManglikBalance::Neither;
    side = bride ? MatchSide::Bride : MatchSide::Groom;
    return ManglikBalance::One;
}

}  // namespace

ReferenceComparison CompareVerdicts(const ManglikVerdict& bride, const ManglikVerdict& groom) {
    ReferenceComparison result;
    result.reference = bride.reference;
    if (!bride.known() || !groom.known()) return result;
    result.balance = Balance(HasDosha(bride), HasDosha(groom), result.side);
    if (bride.manglik) result.cancelled[0] = bride.cancellation;
    if (groom.manglik) result.cancelled[1] = groom.cancellation;
    return result;
}

PersonManglik StandingOf(const ManglikVerdicts& verdicts) {
    PersonManglik person;
    bool unknown = false;
    for (const ManglikVerdict& v : verdicts) {
        if (!IsCounted(v.reference)) continue;
        unknown = unknown || !v.known();
        if (HasDosha(v)) {
            ++person.standingReferences;
            (v.reference == ManglikReference::Lagna ? person.fromLagna : person.fromMoon) = true;
        } else if (v.manglik && v.cancellation && !person.cancellation) {
            person.cancelledReference = v.reference;
            person.cancellation = v.cancellation;
        }
    }
    if (person.standingReferences > 0) {
        person.standing = ManglikStanding::Manglik;
    } else if (unknown) {
        person.standing = ManglikStanding::Unknown;
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
    result.bride = StandingOf(bride);
    result.groom = StandingOf(groom);
    const bool known =
        result.bride.standing != ManglikStanding::Unknown && result.groom.standing != ManglikStanding::Unknown;
    if (known) result.overall = Balance(result.bride.manglik(), result.groom.manglik(), result.overallSide);

    for (std::size_t r = 0; r < result.references.size(); ++r) {
        ReferenceComparison& one = result.references[r] = CompareVerdicts(bride[r], groom[r]);
        // A lone dosha from the Lagna that the other's dosha from the Moon
        // balances overall, or the other way round.
        if (IsCounted(one.reference) && one.balance == ManglikBalance::One && result.overall == ManglikBalance::Both) {
            one.balancedFrom =
                one.reference == ManglikReference::Lagna ? ManglikReference::Moon : ManglikReference::Lagna;
        }
    }
    return result;
}

}  // namespace varelio
