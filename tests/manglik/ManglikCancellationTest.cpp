#include "manglik/Manglik.h"

#include "tests/support/ChartFixture.h"

#include <gtest/gtest.h>

namespace varelio {
namespace {

using namespace samples;

ManglikReference ReferenceOf(bool lagnaRun) { return lagnaRun ? ManglikReference::Lagna : ManglikReference::Moon; }

// Ascendant 05 Aries, Mars 3rd (Gemini), Moon in Gemini: no rule applies.
// The lord of Aries is Mars, and nothing stands within 10 degrees of 05 Aries.
Positions QuietPositions() {
    return {Pos(Tau), Pos(Gem), Pos(Tau), Pos(Tau), Pos(Gem), Pos(Vir), Pos(Vir), Pos(Vir), Pos(Pis, 20),
            Pos(Ari, 5), Pos(Cap)};
}

struct RuleCase {
    const char* note;
    Positions positions;
    bool lagnaRun;
    int expectedRule;  // 0: none applies
    std::string expectedReason;
};

Positions With(Positions positions, std::initializer_list<std::pair<int, std::string>> changes) {
    for (const auto& [body, text] : changes) positions[static_cast<std::size_t>(body)] = text;
    return positions;
}

TEST(ManglikCancellation, FirstApplicableRuleIsReported) {
    const auto quiet = QuietPositions();
    const RuleCase cases[] = {
        {"nothing applies", quiet, true, 0, ""},
        {"Mars in Leo", With(quiet, {{kMars, Pos(Leo)}}), true, 1, "Mars in Leo"},
        {"Mars in Aquarius", With(quiet, {{kMars, Pos(Aqu)}}), true, 1, "Mars in Aquarius"},
        {"2nd in Gemini", With(quiet, {{kMars, Pos(Gem)}, {kAscendant, Pos(Tau, 5)}}), true, 2,
         "Mars in house 2 in Gemini"},
        {"4th in Scorpio", With(quiet, {{kMars, Pos(Sco)}, {kAscendant, Pos(Leo, 5)}}), true, 2,
         "Mars in house 4 in Scorpio"},
        {"7th in Capricorn", With(quiet, {{kMars, Pos(Cap)}, {kAscendant, Pos(Can, 5)}}), true, 2,
         "Mars in house 7 in Capricorn"},
        {"8th in Pisces", With(quiet, {{kMars, Pos(Pis)}, {kAscendant, Pos(Leo, 5)}}), true, 2,
         "Mars in house 8 in Pisces"},
        {"12th in Taurus", With(quiet, {{kMars, Pos(Tau)}, {kAscendant, Pos(Gem, 5)}}), true, 2,
         "Mars in house 12 in Taurus"},
        // Mars is also the lord of Aries, so the chain goes on to rule 4.
        {"2nd in Virgo", With(quiet, {{kMars, Pos(Vir)}, {kAscendant, Pos(Leo, 5)}}), true, 2,
         "Mars in house 2 in Virgo"},
        {"4th in Aries", With(quiet, {{kMars, Pos(Ari)}, {kAscendant, Pos(Cap, 5)}}), true, 2,
         "Mars in house 4 in Aries"},
        {"7th in Cancer", With(quiet, {{kMars, Pos(Can)}, {kAscendant, Pos(Cap, 5)}}), true, 2,
         "Mars in house 7 in Cancer"},
        {"8th in Sagittarius", With(quiet, {{kMars, Pos(Sag)}, {kAscendant, Pos(Tau, 5)}}), true, 2,
         "Mars in house 8 in Sagittarius"},
        {"12th in Libra", With(quiet, {{kMars, Pos(Lib)}, {kAscendant, Pos(Sco, 5)}}), true, 2,
         "Mars in house 12 in Libra"},
        {"7th but in Libra", With(quiet, {{kMars, Pos(Lib)}}), true, 4,
         "Lord of the Lagna sign, Mars, stands in house 7"},
        {"Moon in Cancer", With(quiet, {{kMoon, Pos(Can)}}), true, 3, "Moon sign is Cancer"},
        {"Moon in Leo", With(quiet, {{kMoon, Pos(Leo)}}), false, 3, "Moon sign is Leo"},
        {"Moon in Capricorn", With(quiet, {{kMoon, Pos(Cap)}}), true, 0, ""},
        {"Moon's text without a sign", With(quiet, {{kMoon, "Cancer"}}), true, 0, ""},
        {"rules 1 and 3 both apply", With(quiet, {{kMars, Pos(Leo)}, {kMoon, Pos(Can)}}), true, 1, "Mars in Leo"},
        // Taurus rising: its lord Venus in Leo, the 4th; Mars 3rd (Cancer).
        {"lord in 4th", With(quiet, {{kAscendant, Pos(Tau, 28)}, {kVenus, Pos(Leo)}, {kMars, Pos(Can)}}),
         true, 4, "Lord of the Lagna sign, Venus, stands in house 4"},
        {"lord in 5th", With(quiet, {{kAscendant, Pos(Tau, 28)}, {kVenus, Pos(Vir)}, {kMars, Pos(Can)}}),
         true, 4, "Lord of the Lagna sign, Venus, stands in house 5"},
        {"lord Mars in 9th", With(quiet, {{kMars, Pos(Sag)}}), true, 4,
         "Lord of the Lagna sign, Mars, stands in house 9"},
        {"lord in 2nd", With(quiet, {{kAscendant, Pos(Tau, 28)}, {kVenus, Pos(Gem)}, {kMars, Pos(Can)}}),
         true, 0, ""},
        // Moon run from a Gemini Moon: its lord Mercury stands with it in house 1.
        {"lord with the Moon", With(quiet, {{kMercury, Pos(Gem, 1)}, {kMars, Pos(Can)}}), false, 4,
         "Lord of the Moon sign, Mercury, stands in house 1"},
        {"Jupiter across Pisces-Aries", With(quiet, {{kJupiter, Pos(Pis, 28)}}), true, 5,
         "Jupiter is close to the ascendant"},
        {"Saturn 10 degrees on", With(quiet, {{kSaturn, "15 Ari 59"}}), true, 5,
         "Saturn is close to the ascendant"},
        {"Saturn 11 degrees on", With(quiet, {{kSaturn, "16 Ari 00"}}), true, 0, ""},
        {"Mercury before Ketu", With(quiet, {{kMercury, Pos(Ari, 0)}, {kKetu, Pos(Ari, 6)}}), true, 5,
         "Mercury is close to the ascendant"},
        {"Rahu near the Moon", With(quiet, {{kRahu, Pos(Gem, 25)}, {kMars, Pos(Can)}}), false, 5,
         "Rahu is close to the Moon"},
        {"Saturn into the next sign", With(quiet, {{kAscendant, "25 Ari 50"}, {kSaturn, "05 Tau 00"}}),
         true, 5, "Saturn is close to the ascendant"},
        // Degrees past 29 put the arc one degree off, but Aries is two signs from Gemini.
        {"two signs apart is never close", With(quiet, {{kAscendant, "00 Gem 00"}, {kSaturn, "59 Ari 00"}}),
         true, 0, ""},
        {"Venus close does not count", With(quiet, {{kVenus, Pos(Ari, 6)}}), true, 0, ""},
        {"close but degrees unreadable", With(quiet, {{kJupiter, "x5 Ari 00"}}), true, 0, ""},
    };
    for (const RuleCase& c : cases) {
        const ChartState chart = MakeChart(c.positions);
        const std::string& reference = chart.bodyPositionText[c.lagnaRun ? kAscendant : kMoon];
        const ManglikEvaluation e = EvaluateManglik(ReferenceOf(c.lagnaRun), chart);
        SCOPED_TRACE(std::string(c.note) + ": reference " + reference + ", Mars " + chart.bodyPositionText[kMars]);
        if (c.expectedRule == 0) {
            EXPECT_FALSE(e.cancellation.has_value()) << "got rule " << e.cancellation->rule << " '"
                                                     << e.cancellation->reason << "'";
            continue;
        }
        ASSERT_TRUE(e.cancellation.has_value()) << "expected rule " << c.expectedRule;
        EXPECT_EQ(e.cancellation->rule, c.expectedRule);
        EXPECT_EQ(e.cancellation->reason, c.expectedReason);
    }
}

// From Venus the reference-dependent rules name Venus. Venus in Gemini;
// Mars 3rd (Leo would cancel by rule 1, so Cancer, the 2nd, is used).
TEST(ManglikCancellation, VenusRunNamesVenus) {
    struct Case {
        Positions positions;
        const char* reason;
    };
    const Case cases[] = {
        {With(QuietPositions(), {{kVenus, Pos(Gem, 12)}, {kMars, Pos(Can)}, {kMercury, Pos(Vir)}}),
         "Lord of the Venus sign, Mercury, stands in house 4"},
        {With(QuietPositions(), {{kVenus, Pos(Gem, 12)}, {kMars, Pos(Can)}, {kMercury, Pos(Can)},
                                 {kJupiter, Pos(Gem, 20)}}),
         "Jupiter is close to Venus"},
    };
    for (const Case& c : cases) {
        const ChartState chart = MakeChart(c.positions);
        const ManglikEvaluation e = EvaluateManglik(ManglikReference::Venus, chart);
        ASSERT_TRUE(e.cancellation.has_value()) << c.reason;
        EXPECT_EQ(e.cancellation->reason, c.reason);
        EXPECT_EQ(e.marsHouse, 2) << c.reason;
    }
}

TEST(ManglikCancellation, LordCountsOnlyInHouses1_4_5_7_9And10) {
    // Taurus rising, its lord Venus walked through every house; Mars 3rd
    // (Cancer) and a Gemini Moon keep rules 1 to 3 out, and nothing else
    // stands near 28 Taurus.
    for (int house = 1; house <= 12; ++house) {
        const bool counts = house == 1 || house == 4 || house == 5 || house == 7 || house == 9 || house == 10;
        const ChartState chart = MakeChart(
            With(QuietPositions(), {{kAscendant, Pos(Tau, 28)}, {kVenus, Pos(Tau + house - 1)}, {kMars, Pos(Can)}}));
        const ManglikEvaluation e = EvaluateManglik(ManglikReference::Lagna, chart);
        SCOPED_TRACE("Venus " + chart.bodyPositionText[kVenus] + ", house " + std::to_string(house));
        if (!counts) {
            EXPECT_FALSE(e.cancellation.has_value()) << "got rule " << e.cancellation->rule;
            continue;
        }
        ASSERT_TRUE(e.cancellation.has_value()) << "expected rule 4";
        EXPECT_EQ(e.cancellation->reason,
                  "Lord of the Lagna sign, Venus, stands in house " + std::to_string(house));
    }
}

TEST(ManglikCancellation, NeverChangesTheCaptions) {
    // Mars in Leo from a Leo ascendant: cancelled by rule 1, still house 1 and Manglik.
    const ChartState chart = MakeChart(With(QuietPositions(), {{kMars, Pos(Leo)}, {kAscendant, Pos(Leo)}}));
    const ManglikEvaluation e = EvaluateManglik(ManglikReference::Lagna, chart);
    ASSERT_TRUE(e.cancellation.has_value());
    EXPECT_EQ(e.cancellation->rule, 1);
    EXPECT_EQ(e.captions[1], "Percentage of Mangala dosha is 50%");
    EXPECT_EQ(e.captions[2], "The person is Manglik");
}

TEST(ManglikCancellation, RulesNeedingNoReferenceStillApplyToBrokenReference) {
    const ChartState chart = MakeChart(With(QuietPositions(), {{kMars, Pos(Aqu)}, {kAscendant, "broken"}}));
    const ManglikEvaluation e = EvaluateManglik(ManglikReference::Lagna, chart);
    ASSERT_TRUE(e.cancellation.has_value());
    EXPECT_EQ(e.cancellation->rule, 1);
    EXPECT_EQ(e.captions[2], "The person's Manglik status could not be determined");

    const ChartState unplaced = MakeChart(With(QuietPositions(), {{kAscendant, ""}}));
    EXPECT_FALSE(EvaluateManglik(ManglikReference::Lagna, unplaced).cancellation.has_value());
}

// Rule 3 reads the Moon's sign from its position text; the sign name the Moon
// step also leaves in the chart plays no part.
TEST(ManglikCancellation, MoonRuleReadsTheMoonsPositionNotItsSignName) {
    ChartState named = MakeChart(QuietPositions());  // Moon in Gemini
    named.moonSignName = "Cancer";
    EXPECT_FALSE(EvaluateManglik(ManglikReference::Lagna, named).cancellation.has_value());

    ChartState placed = MakeChart(With(QuietPositions(), {{kMoon, Pos(Leo)}}));
    placed.moonSignName = "Gemini";
    const ManglikEvaluation e = EvaluateManglik(ManglikReference::Lagna, placed);
    ASSERT_TRUE(e.cancellation.has_value());
    EXPECT_EQ(e.cancellation->reason, "Moon sign is Leo");
}

}  // namespace
}  // namespace varelio
