#include "matching/Match.h"

#include "tests/support/Births.h"

#include <gtest/gtest.h>

namespace varelio {
namespace {

using enum ManglikReference;
using enum ManglikBalance;

const Cancellation kLeoMars{CancellationRule::MarsInLeoOrAquarius, 5};

// A verdict as EvaluateManglik gives it: house 7 is Manglik, 3 is not, 0 unknown.
ManglikVerdict V(ManglikReference reference, int house, std::optional<Cancellation> cancellation = std::nullopt) {
    ManglikVerdict v;
    v.reference = reference;
    v.house = house;
    v.manglik = house == 7;
    if (v.manglik) v.cancellation = cancellation;
    return v;
}

// A reference compares who has the dosha; a cancelled dosha is none, named beside it.
TEST(ManglikMatch, OneReferenceComparesWhoHasTheDosha) {
    struct Case {
        const char* note;
        ManglikVerdict bride, groom;
        ManglikBalance balance;
        std::optional<MatchSide> side;
        std::array<std::optional<Cancellation>, 2> cancelled;
    };
    const Case cases[] = {
        {"both", V(Moon, 7), V(Moon, 7), Both, {}, {}},
        {"his cancelled: hers stands", V(Moon, 7), V(Moon, 7, kLeoMars), One, MatchSide::Bride, {{{}, kLeoMars}}},
        {"his cancelled, none of hers", V(Venus, 3), V(Venus, 7, kLeoMars), Neither, {}, {{{}, kLeoMars}}},
        {"neither", V(Moon, 3), V(Moon, 3), Neither, {}, {}},
        {"bride uncounted", V(Lagna, 0), V(Lagna, 7), Unknown, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const ReferenceComparison r = CompareVerdicts(c.bride, c.groom);
        EXPECT_EQ(r.balance, c.balance);
        EXPECT_EQ(r.side, c.side);
        EXPECT_EQ(r.cancelled, c.cancelled);
    }
}

// Overall a person is Manglik with the dosha from the Lagna or the Moon; Venus is not counted.
TEST(ManglikMatch, OverallCountsTheLagnaAndTheMoon) {
    using S = ManglikStanding;
    struct Case {
        const char* note;
        ManglikVerdicts bride, groom;
        ManglikStanding brideStanding, groomStanding;
        ManglikBalance overall;
        std::optional<MatchSide> side;
    };
    const ManglikVerdicts none{V(Lagna, 3), V(Moon, 3), V(Venus, 3)};
    const Case cases[] = {
        {"bride from the Lagna", {V(Lagna, 7), V(Moon, 3), V(Venus, 3)}, none, S::Manglik, S::NotManglik, One,
         MatchSide::Bride},
        {"bride from Venus alone", {V(Lagna, 3), V(Moon, 3), V(Venus, 7)}, none, S::NotManglik, S::NotManglik, Neither,
         {}},
        {"bride's only dosha cancelled", {V(Lagna, 3), V(Moon, 7, kLeoMars), V(Venus, 3)}, none, S::Cancelled,
         S::NotManglik, Neither, {}},
        {"from the Lagna and from the Moon", {V(Lagna, 7), V(Moon, 3), V(Venus, 3)},
         {V(Lagna, 3), V(Moon, 7), V(Venus, 3)}, S::Manglik, S::Manglik, Both, {}},
        {"groom uncounted", none, {V(Lagna, 0), V(Moon, 0), V(Venus, 0)}, S::NotManglik, S::Unknown, Unknown, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const ManglikComparison m = CompareManglik(c.bride, c.groom);
        EXPECT_EQ(m.bride.standing, c.brideStanding);
        EXPECT_EQ(m.groom.standing, c.groomStanding);
        EXPECT_EQ(m.overall, c.overall);
        EXPECT_EQ(m.overallSide, c.side);
    }
    // Her lone dosha from the Lagna is balanced by his from the Moon, and the other way round.
    const ManglikComparison across =
        CompareManglik({V(Lagna, 7), V(Moon, 3), V(Venus, 3)}, {V(Lagna, 3), V(Moon, 7), V(Venus, 3)});
    EXPECT_EQ(across.of(Lagna).balancedFrom, Moon);
    EXPECT_EQ(across.of(Moon).balancedFrom, Lagna);
    const ManglikComparison stands = CompareManglik({V(Lagna, 7), V(Moon, 3), V(Venus, 3)}, none);
    EXPECT_EQ(stands.of(Lagna).balancedFrom, std::nullopt);
}

// The conclusion: the band, overridden by an unlifted Nadi or Bhakoot dosha;
// a Gana dosha and a lone Manglik are listed, not overriding.
TEST(ManglikMatch, TheConclusionOverridesTheBandForNadiAndBhakoot) {
    const auto withDoshas = [](double total, std::initializer_list<DoshaFinding> doshas) {
        Ashtakoota a;
        a.total = total;
        a.band = BandOfTotal(total);
        for (const DoshaFinding& d : doshas) a.doshas[static_cast<std::size_t>(a.doshaCount++)] = d;
        return a;
    };
    const DoshaFinding nadi{Dosha::Nadi, 0}, liftedBhakoot{Dosha::Bhakoot, 1}, gana{Dosha::Gana, 0};
    ManglikComparison oneManglik;
    oneManglik.overall = One;
    oneManglik.overallSide = MatchSide::Groom;

    const MatchConclusion good = ConcludeMatch(oneManglik, withDoshas(28, {liftedBhakoot, gana}));
    EXPECT_EQ(good.recommended, true);
    EXPECT_FALSE(good.bandOverridden);
    EXPECT_TRUE(good.manglikStands());
    ASSERT_EQ(good.standingCount, 1);
    EXPECT_EQ(good.standing[0], Dosha::Gana);

    const MatchConclusion overridden = ConcludeMatch(oneManglik, withDoshas(28, {nadi}));
    EXPECT_EQ(overridden.recommended, false);
    EXPECT_TRUE(overridden.bandOverridden);
    EXPECT_TRUE(overridden.stands(Dosha::Nadi));

    const MatchConclusion low = ConcludeMatch(oneManglik, withDoshas(17.5, {nadi}));
    EXPECT_EQ(low.recommended, false);
    EXPECT_FALSE(low.bandOverridden);
    EXPECT_EQ(ConcludeMatch(oneManglik, std::nullopt).recommended, std::nullopt);
}

// Two computed readings: each reference compared in place, the Moons scored, the conclusion drawn.
TEST(ManglikMatch, ReadingsMatchedReferenceByReference) {
    Reading bride, groom;
    bride.birthData = samples::BirthOf(samples::kDelhi2000);
    groom.birthData = samples::BirthOf(samples::kMumbai1985);
    ComputeReading(bride);
    ComputeReading(groom);
    const Match match = MatchReadings(bride, groom);
    for (const ManglikReference r : kManglikReferences) {
        EXPECT_EQ(match.manglik.of(r).reference, r);
        EXPECT_EQ(match.manglik.of(r).balance, CompareVerdicts(bride.of(r).verdict, groom.of(r).verdict).balance);
    }
    ASSERT_TRUE(match.ashtakoota.has_value());
    EXPECT_EQ(match.ashtakoota->bride.nakshatra, bride.chartState.bodies[kMoon].nakshatra);
    EXPECT_EQ(match.ashtakoota->groom.sign, groom.chartState.bodies[kMoon].sign);
    EXPECT_EQ(match.conclusion.total, match.ashtakoota->total);
    EXPECT_EQ(match.conclusion.manglik, match.manglik.overall);
}

}  // namespace
}  // namespace varelio
