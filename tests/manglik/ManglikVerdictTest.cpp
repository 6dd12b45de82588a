#include "manglik/Manglik.h"

#include "tests/support/ChartFixture.h"

#include <gtest/gtest.h>

namespace varelio {
namespace {

using samples::MakeChart;
using samples::Pos;

// Ascendant in lagnaSign, Moon in moonSign, Mars in marsSign; the rest parked
// where they decide nothing about Mars.
ChartState ChartWith(int lagnaSign, int moonSign, int marsSign) {
    return MakeChart({Pos(0), Pos(moonSign), Pos(1), Pos(1), Pos(marsSign), Pos(5), Pos(5), Pos(5), Pos(11),
                      Pos(lagnaSign), Pos(9)});
}

// The run's reference in referenceSign, the other two references one sign on,
// so neither can be mistaken for it.
ChartState ChartFor(ManglikReference reference, int referenceSign, int marsSign) {
    samples::Positions at{Pos(0), Pos(referenceSign + 1), Pos(1), Pos(referenceSign + 1), Pos(marsSign), Pos(5),
                          Pos(5), Pos(5), Pos(11), Pos(referenceSign + 1), Pos(9)};
    at[ReferenceBody(reference)] = Pos(referenceSign);
    return MakeChart(at);
}

TEST(ManglikVerdict, EveryHouseFromEveryReferenceSignOnEveryRun) {
    struct Weight { double percent; bool manglik; };
    const Weight byHouse[] = {{50, true},   {0.0625, true}, {0, false}, {0.125, true}, {0, false}, {0, false},
                              {25, true},   {100, true},    {0, false}, {0, false},    {0, false}, {0.0625, true}};
    for (int referenceSign = 0; referenceSign < 12; ++referenceSign) {
        for (int house = 1; house <= 12; ++house) {
            const Weight& expected = byHouse[house - 1];
            for (const ManglikReference reference : kManglikReferences) {
                const ManglikVerdict v =
                    EvaluateManglik(reference, ChartFor(reference, referenceSign, referenceSign + house - 1));
                SCOPED_TRACE("reference sign " + std::to_string(referenceSign) + ", house " + std::to_string(house));
                EXPECT_EQ(v.reference, reference);
                EXPECT_EQ(v.house, house);
                EXPECT_EQ(v.doshaPercent, expected.percent);
                EXPECT_EQ(v.manglik, expected.manglik);
            }
        }
    }
}

TEST(ManglikVerdict, ReferencesAreIndependentAndOnlyMarsDecides) {
    // Mars in Gemini: 3rd from an Aries ascendant, 8th from a Scorpio Moon,
    // 2nd from Venus in Taurus; Saturn in Libra (7th from Aries) changes nothing.
    ChartState chart = ChartWith(0, 7, 2);
    chart.bodies[kSaturn] = PositionAt(Pos(6));
    EXPECT_EQ(EvaluateManglik(ManglikReference::Lagna, chart).house, 3);
    EXPECT_EQ(EvaluateManglik(ManglikReference::Moon, chart).house, 8);
    EXPECT_EQ(EvaluateManglik(ManglikReference::Venus, chart).house, 2);
}

TEST(ManglikVerdict, DegreesPlayNoPart) {
    const ChartState chart = MakeChart({Pos(0), Pos(3), Pos(1), Pos(1), Pos(4, 0, 0), Pos(5), Pos(5), Pos(5),
                                        Pos(11), Pos(3, 29, 59), Pos(9)});
    EXPECT_EQ(EvaluateManglik(ManglikReference::Lagna, chart).house, 2);
}

// A reference or Mars without a sign leaves the house uncounted.
TEST(ManglikVerdict, WithoutASignTheVerdictIsUnknown) {
    for (const BodyIndex unplaced : {kAscendant, kMoon, kVenus, kMars}) {
        ChartState chart = ChartWith(0, 2, 0);
        chart.bodies[unplaced] = PositionAt(samples::kNoSign);
        for (const ManglikReference reference : kManglikReferences) {
            if (unplaced != kMars && unplaced != ReferenceBody(reference)) continue;
            const ManglikVerdict v = EvaluateManglik(reference, chart);
            EXPECT_FALSE(v.known()) << "body " << unplaced;
            EXPECT_FALSE(v.manglik) << "body " << unplaced;
            EXPECT_FALSE(v.cancellation.has_value()) << "body " << unplaced;
        }
    }
}

}  // namespace
}  // namespace varelio
