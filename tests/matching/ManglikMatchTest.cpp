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

TEST(ManglikMatch, OneReferenceSideBySide) {
    struct Case {
        const char* note;
        ManglikVerdict bride, groom;
        ManglikBalance balance;
        std::optional<MatchSide> side;
        std::optional<Cancellation> cancellation;
    };
    const Case cases[] = {
        {"both Manglik", V(Moon, 7), V(Moon, 7, kLeoMars), BothBalanced, {}, {}},
        {"neither", V(Moon, 3), V(Moon, 3), Neither, {}, {}},
        {"bride alone", V(Lagna, 7), V(Lagna, 3), DoshaStands, MatchSide::Bride, {}},
        {"groom alone, his rule", V(Venus, 3), V(Venus, 7, kLeoMars), DoshaCancelled, MatchSide::Groom, kLeoMars},
        {"bride uncounted", V(Lagna, 0), V(Lagna, 7), Unknown, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const ReferenceComparison r = CompareVerdicts(c.bride, c.groom);
        EXPECT_EQ(r.balance, c.balance);
        EXPECT_EQ(r.side, c.side);
        EXPECT_EQ(r.cancellation, c.cancellation);
    }
}

TEST(ManglikMatch, OverallAnyStandingDoshaMakesAPersonManglik) {
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
        {"bride from the Lagna only", {V(Lagna, 7), V(Moon, 3), V(Venus, 3)}, none, S::Manglik, S::NotManglik,
         DoshaStands, MatchSide::Bride},
        {"bride's only dosha cancelled", {V(Lagna, 3), V(Moon, 7, kLeoMars), V(Venus, 3)}, none, S::Cancelled,
         S::NotManglik, Neither, {}},
        {"from different references", {V(Lagna, 7), V(Moon, 3), V(Venus, 3)}, {V(Lagna, 3), V(Moon, 3), V(Venus, 7)},
         S::Manglik, S::Manglik, BothBalanced, {}},
        {"groom's standing dosha against her cancelled one", {V(Lagna, 7, kLeoMars), V(Moon, 3), V(Venus, 3)},
         {V(Lagna, 7, kLeoMars), V(Moon, 7), V(Venus, 3)}, S::Cancelled, S::Manglik, DoshaStands, MatchSide::Groom},
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
    const PersonManglik cancelled = StandingOf({V(Lagna, 3), V(Moon, 7, kLeoMars), V(Venus, 7, kLeoMars)});
    EXPECT_EQ(cancelled.cancelledReference, Moon);
    EXPECT_EQ(cancelled.cancellation, kLeoMars);
}

// Two computed readings: each reference compared in place, the Moons scored.
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
}

}  // namespace
}  // namespace varelio
