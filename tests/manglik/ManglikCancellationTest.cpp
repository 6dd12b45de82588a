#include "manglik/Manglik.h"

#include "tests/support/ChartFixture.h"

#include <gtest/gtest.h>

#include <optional>

namespace varelio {
namespace {

using namespace samples;
using enum CancellationRule;

// Ascendant 05 Aries, Mars 3rd (Gemini), Moon in Gemini: no rule applies.
// The lord of Aries is Mars, and nothing stands within 10 degrees of 05 Aries.
Positions QuietPositions() {
    return {Pos(Tau), Pos(Gem), Pos(Tau), Pos(Tau), Pos(Gem), Pos(Vir), Pos(Vir), Pos(Vir), Pos(Pis, 20),
            Pos(Ari, 5), Pos(Cap)};
}

Positions With(Positions positions, std::initializer_list<std::pair<BodyIndex, double>> changes) {
    for (const auto& [body, longitude] : changes) positions[body] = longitude;
    return positions;
}

// Signs in a cancellation count from 1 (Aries).
constexpr int N(Sign sign) { return sign + 1; }

std::string Show(const std::optional<Cancellation>& c) {
    if (!c) return "none";
    return "rule " + std::to_string(static_cast<int>(c->rule)) + " sign " + std::to_string(c->sign) + " house " +
           std::to_string(c->house) + " body " + std::to_string(c->body);
}

TEST(ManglikCancellation, FirstApplicableRuleIsReported) {
    struct Case {
        const char* note;
        Positions positions;
        ManglikReference reference;
        std::optional<Cancellation> expected;
    };
    const auto quiet = QuietPositions();
    constexpr auto kLagna = ManglikReference::Lagna;
    constexpr auto kMoonRun = ManglikReference::Moon;
    const Case cases[] = {
        {"nothing applies", quiet, kLagna, std::nullopt},
        {"Mars in Leo", With(quiet, {{kMars, Pos(Leo)}}), kLagna, Cancellation{MarsInLeoOrAquarius, N(Leo)}},
        {"Mars in Aquarius", With(quiet, {{kMars, Pos(Aqu)}}), kLagna, Cancellation{MarsInLeoOrAquarius, N(Aqu)}},
        {"2nd in Gemini", With(quiet, {{kMars, Pos(Gem)}, {kAscendant, Pos(Tau, 5)}}), kLagna,
         Cancellation{MarsInHouseAndSign, N(Gem), 2}},
        {"4th in Scorpio", With(quiet, {{kMars, Pos(Sco)}, {kAscendant, Pos(Leo, 5)}}), kLagna,
         Cancellation{MarsInHouseAndSign, N(Sco), 4}},
        {"7th in Capricorn", With(quiet, {{kMars, Pos(Cap)}, {kAscendant, Pos(Can, 5)}}), kLagna,
         Cancellation{MarsInHouseAndSign, N(Cap), 7}},
        {"8th in Pisces", With(quiet, {{kMars, Pos(Pis)}, {kAscendant, Pos(Leo, 5)}}), kLagna,
         Cancellation{MarsInHouseAndSign, N(Pis), 8}},
        {"12th in Taurus", With(quiet, {{kMars, Pos(Tau)}, {kAscendant, Pos(Gem, 5)}}), kLagna,
         Cancellation{MarsInHouseAndSign, N(Tau), 12}},
        // Mars is also the lord of Aries, so the chain goes on to rule 4.
        {"2nd in Virgo", With(quiet, {{kMars, Pos(Vir)}, {kAscendant, Pos(Leo, 5)}}), kLagna,
         Cancellation{MarsInHouseAndSign, N(Vir), 2}},
        {"4th in Aries", With(quiet, {{kMars, Pos(Ari)}, {kAscendant, Pos(Cap, 5)}}), kLagna,
         Cancellation{MarsInHouseAndSign, N(Ari), 4}},
        {"7th in Cancer", With(quiet, {{kMars, Pos(Can)}, {kAscendant, Pos(Cap, 5)}}), kLagna,
         Cancellation{MarsInHouseAndSign, N(Can), 7}},
        {"8th in Sagittarius", With(quiet, {{kMars, Pos(Sag)}, {kAscendant, Pos(Tau, 5)}}), kLagna,
         Cancellation{MarsInHouseAndSign, N(Sag), 8}},
        {"12th in Libra", With(quiet, {{kMars, Pos(Lib)}, {kAscendant, Pos(Sco, 5)}}), kLagna,
         Cancellation{MarsInHouseAndSign, N(Lib), 12}},
        {"7th but in Libra", With(quiet, {{kMars, Pos(Lib)}}), kLagna,
         Cancellation{LordInKendraOrTrikona, 0, 7, kMars}},
        {"Moon in Cancer", With(quiet, {{kMoon, Pos(Can)}}), kLagna, Cancellation{MoonInCancerOrLeo, N(Can)}},
        {"Moon in Leo", With(quiet, {{kMoon, Pos(Leo)}}), kMoonRun, Cancellation{MoonInCancerOrLeo, N(Leo)}},
        {"Moon in Capricorn", With(quiet, {{kMoon, Pos(Cap)}}), kLagna, std::nullopt},
        {"Moon without a sign", With(quiet, {{kMoon, kNoSign}}), kLagna, std::nullopt},
        {"rules 1 and 3 both apply", With(quiet, {{kMars, Pos(Leo)}, {kMoon, Pos(Can)}}), kLagna,
         Cancellation{MarsInLeoOrAquarius, N(Leo)}},
        // Taurus rising: its lord Venus in Leo, the 4th; Mars 3rd (Cancer).
        {"lord in 4th", With(quiet, {{kAscendant, Pos(Tau, 28)}, {kVenus, Pos(Leo)}, {kMars, Pos(Can)}}), kLagna,
         Cancellation{LordInKendraOrTrikona, 0, 4, kVenus}},
        {"lord Mars in 9th", With(quiet, {{kMars, Pos(Sag)}}), kLagna,
         Cancellation{LordInKendraOrTrikona, 0, 9, kMars}},
        {"lord in 2nd", With(quiet, {{kAscendant, Pos(Tau, 28)}, {kVenus, Pos(Gem)}, {kMars, Pos(Can)}}), kLagna,
         std::nullopt},
        // From a Gemini Moon: its lord Mercury stands with it in house 1.
        {"lord with the Moon", With(quiet, {{kMercury, Pos(Gem, 1)}, {kMars, Pos(Can)}}), kMoonRun,
         Cancellation{LordInKendraOrTrikona, 0, 1, kMercury}},
        {"Jupiter across Pisces-Aries", With(quiet, {{kJupiter, Pos(Pis, 28)}}), kLagna,
         Cancellation{BeneficNearReference, 0, 0, kJupiter}},
        {"Saturn 10 degrees on", With(quiet, {{kSaturn, Pos(Ari, 15, 59)}}), kLagna,
         Cancellation{BeneficNearReference, 0, 0, kSaturn}},
        {"Saturn 11 degrees on", With(quiet, {{kSaturn, Pos(Ari, 16, 0)}}), kLagna, std::nullopt},
        {"Mercury before Ketu", With(quiet, {{kMercury, Pos(Ari, 0)}, {kKetu, Pos(Ari, 6)}}), kLagna,
         Cancellation{BeneficNearReference, 0, 0, kMercury}},
        {"Rahu near the Moon", With(quiet, {{kRahu, Pos(Gem, 25)}, {kMars, Pos(Can)}}), kMoonRun,
         Cancellation{BeneficNearReference, 0, 0, kRahu}},
        {"Saturn into the next sign", With(quiet, {{kAscendant, Pos(Ari, 25, 50)}, {kSaturn, Pos(Tau, 5, 0)}}),
         kLagna, Cancellation{BeneficNearReference, 0, 0, kSaturn}},
        {"Venus close does not count", With(quiet, {{kVenus, Pos(Ari, 6)}}), kLagna, std::nullopt},
        // Counted from Venus in Gemini, Mars 2nd in Cancer.
        {"lord of Venus's sign", With(quiet, {{kVenus, Pos(Gem, 12)}, {kMars, Pos(Can)}, {kMercury, Pos(Vir)}}),
         ManglikReference::Venus, Cancellation{LordInKendraOrTrikona, 0, 4, kMercury}},
        {"close to Venus",
         With(quiet, {{kVenus, Pos(Gem, 12)}, {kMars, Pos(Can)}, {kMercury, Pos(Can)}, {kJupiter, Pos(Gem, 20)}}),
         ManglikReference::Venus, Cancellation{BeneficNearReference, 0, 0, kJupiter}},
        // Rules 1 to 3 need no reference sign.
        {"Mars in Aquarius, no ascendant", With(quiet, {{kMars, Pos(Aqu)}, {kAscendant, kNoSign}}), kLagna,
         Cancellation{MarsInLeoOrAquarius, N(Aqu)}},
        {"nothing, no ascendant", With(quiet, {{kAscendant, kNoSign}}), kLagna, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<Cancellation> got = FirstCancellation(c.reference, MakeChart(c.positions));
        EXPECT_EQ(got, c.expected) << c.note << ": got " << Show(got) << ", expected " << Show(c.expected);
    }
}

TEST(ManglikCancellation, LordCountsOnlyInHouses1_4_5_7_9And10) {
    // Taurus rising, its lord Venus walked through every house; Mars 3rd
    // (Cancer) and a Gemini Moon keep rules 1 to 3 out, and nothing else
    // stands near 28 Taurus.
    for (int house = 1; house <= 12; ++house) {
        const bool counts = house == 1 || house == 4 || house == 5 || house == 7 || house == 9 || house == 10;
        const auto got = FirstCancellation(ManglikReference::Lagna,
                                           MakeChart(With(QuietPositions(), {{kAscendant, Pos(Tau, 28)},
                                                                             {kVenus, Pos(Tau + house - 1)},
                                                                             {kMars, Pos(Can)}})));
        EXPECT_EQ(got, counts ? std::optional(Cancellation{LordInKendraOrTrikona, 0, house, kVenus}) : std::nullopt)
            << "house " << house << ": got " << Show(got);
    }
}

// The verdict names a cancellation only where there is a dosha to cancel, and
// a cancelled dosha keeps its house and verdict.
TEST(ManglikCancellation, BelongsToManglikVerdictsOnly) {
    const ChartState cancelled = MakeChart(With(QuietPositions(), {{kMars, Pos(Leo)}, {kAscendant, Pos(Leo)}}));
    const ManglikVerdict manglik = EvaluateManglik(ManglikReference::Lagna, cancelled);
    EXPECT_TRUE(manglik.manglik);
    EXPECT_EQ(manglik.house, 1);
    EXPECT_EQ(manglik.cancellation, (Cancellation{MarsInLeoOrAquarius, N(Leo)}));

    // Mars in Leo, 5th from Aries: rule 1 applies, but there is no dosha.
    const ChartState quiet = MakeChart(With(QuietPositions(), {{kMars, Pos(Leo)}}));
    const ManglikVerdict plain = EvaluateManglik(ManglikReference::Lagna, quiet);
    EXPECT_FALSE(plain.manglik);
    EXPECT_TRUE(FirstCancellation(ManglikReference::Lagna, quiet).has_value());
    EXPECT_FALSE(plain.cancellation.has_value());
}

}  // namespace
}  // namespace varelio
