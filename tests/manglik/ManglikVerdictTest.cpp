#include "manglik/Manglik.h"

#include "tests/support/ChartFixture.h"

#include <gtest/gtest.h>

#include <map>

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

struct ReferenceRun {
    ManglikReference reference;
    BodyIndex body;
    const char* name;
};
constexpr ReferenceRun kRuns[] = {{ManglikReference::Lagna, kAscendant, "Lagna"},
                         {ManglikReference::Moon, kMoon, "Moon"},
                         {ManglikReference::Venus, kVenus, "Venus"}};

// The run's reference in referenceSign, the other two references one sign on,
// so neither can be mistaken for it.
ChartState ChartFor(const ReferenceRun& run, int referenceSign, int marsSign) {
    ChartState chart = ChartWith(referenceSign + 1, referenceSign + 1, marsSign);
    chart.bodyPositionText[kVenus] = Pos(referenceSign + 1);
    chart.bodyPositionText[run.body] = Pos(referenceSign);
    return chart;
}

const std::map<int, std::pair<std::string, bool>> kExpectedByHouse = {
    {1, {"50%", true}},    {2, {"0.0625%", true}},  {3, {"0%", false}},  {4, {"0.125%", true}},
    {5, {"0%", false}},    {6, {"0%", false}},      {7, {"25%", true}},  {8, {"100%", true}},
    {9, {"0%", false}},    {10, {"0%", false}},     {11, {"0%", false}}, {12, {"0.0625%", true}},
};

TEST(ManglikVerdict, EveryHouseFromEveryReferenceSignOnEveryRun) {
    for (int reference = 0; reference < 12; ++reference) {
        for (int house = 1; house <= 12; ++house) {
            const int marsSign = (reference + house - 1) % 12;
            const auto& [percentage, manglik] = kExpectedByHouse.at(house);
            for (const ReferenceRun& run : kRuns) {
                const ChartState chart = ChartFor(run, reference, marsSign);
                const ManglikEvaluation e = EvaluateManglik(run.reference, chart);
                SCOPED_TRACE("reference " + chart.bodyPositionText[run.body] + ", Mars " +
                             chart.bodyPositionText[kMars] + ", " + run.name + " run");
                EXPECT_EQ(e.marsHouse, house);
                EXPECT_EQ(e.doshaPercentage, percentage);
                EXPECT_EQ(e.manglik, manglik);
                EXPECT_EQ(DoshaOfHouse(house).percentage, percentage);
                EXPECT_EQ(DoshaOfHouse(house).manglik, manglik);
                EXPECT_EQ(e.captions[0], std::string("Position of Mars from ") + run.name + " is " +
                                             std::to_string(house));
                EXPECT_EQ(e.captions[1], "Percentage of Mangala dosha is " + percentage);
                EXPECT_EQ(e.captions[2], manglik ? "The person is Manglik" : "The person is Non Manglik");
            }
        }
    }
}

TEST(ManglikVerdict, RunsAreIndependent) {
    // Mars in Gemini: 3rd from an Aries ascendant, 8th from a Scorpio Moon.
    const ChartState chart = ChartWith(0, 7, 2);
    const ManglikEvaluation lagna = EvaluateManglik(ManglikReference::Lagna, chart);
    const ManglikEvaluation moon = EvaluateManglik(ManglikReference::Moon, chart);
    const ManglikEvaluation venus = EvaluateManglik(ManglikReference::Venus, chart);  // Venus in Taurus
    EXPECT_EQ(lagna.captions[0], "Position of Mars from Lagna is 3");
    EXPECT_EQ(lagna.captions[1], "Percentage of Mangala dosha is 0%");
    EXPECT_EQ(lagna.captions[2], "The person is Non Manglik");
    EXPECT_EQ(moon.captions[0], "Position of Mars from Moon is 8");
    EXPECT_EQ(moon.captions[1], "Percentage of Mangala dosha is 100%");
    EXPECT_EQ(moon.captions[2], "The person is Manglik");
    EXPECT_EQ(venus.captions[0], "Position of Mars from Venus is 2");
    EXPECT_EQ(venus.captions[1], "Percentage of Mangala dosha is 0.0625%");
}

TEST(ManglikVerdict, DegreesAndMinutesPlayNoPart) {
    ChartState chart = ChartWith(3, 3, 4);
    chart.bodyPositionText[kAscendant] = "29 Can 59";
    chart.bodyPositionText[kMars] = "00 Leo 00";
    EXPECT_EQ(EvaluateManglik(ManglikReference::Lagna, chart).marsHouse, 2);
}

TEST(ManglikVerdict, OnlyMarsDecides) {
    // Saturn in Libra is the 7th from Aries, Mars in Gemini the 3rd.
    const ChartState chart = MakeChart({Pos(0), Pos(2), Pos(1), Pos(1), Pos(2), Pos(5), Pos(6), Pos(5), Pos(11),
                                        Pos(0), Pos(9)});
    const ManglikEvaluation e = EvaluateManglik(ManglikReference::Lagna, chart);
    EXPECT_EQ(e.captions[0], "Position of Mars from Lagna is 3");
    EXPECT_EQ(e.captions[1], "Percentage of Mangala dosha is 0%");
    EXPECT_EQ(e.captions[2], "The person is Non Manglik");
}

TEST(ManglikVerdict, LaterEvaluationKeepsNothingFromEarlierOnes) {
    // First chart: Mars in the ascendant's sign; second: Mars 3rd from it.
    const ChartState first = ChartWith(0, 1, 0);
    const ChartState second = ChartWith(0, 1, 2);
    const ManglikEvaluation fresh = EvaluateManglik(ManglikReference::Lagna, second);
    for (int round = 0; round < 3; ++round) {
        const ManglikEvaluation a = EvaluateManglik(ManglikReference::Lagna, first);
        EXPECT_EQ(a.doshaPercentage, "50%");
        const ManglikEvaluation b = EvaluateManglik(ManglikReference::Lagna, second);
        EXPECT_EQ(b.captions, fresh.captions) << "round " << round;
        EXPECT_EQ(b.doshaPercentage, "0%");
    }
}

// The reference's own position text decides: a broken one (or a broken Mars)
// leaves the house uncounted and every caption says so.
TEST(ManglikVerdict, TextsWithoutValidSignSayUnknown) {
    struct BrokenCase {
        std::string reference;
        std::string mars;
        const char* note;
    };
    const BrokenCase cases[] = {
        {"", Pos(2), "empty reference"},
        {"05", Pos(2), "reference too short for a sign"},
        {"05 Ar", Pos(2), "reference cut inside the sign"},
        {"05 Xyz 07", Pos(2), "unknown abbreviation"},
        {"05 ari 07", Pos(2), "comparison is case-sensitive"},
        {"garbage text", Pos(2), "garbage"},
        {Pos(0), "", "empty Mars text"},
        {Pos(0), "15 Mar", "Mars text with no sign"},
    };
    for (const BrokenCase& c : cases) {
        for (const ReferenceRun& run : kRuns) {
            ChartState chart = ChartWith(0, 2, 2);
            chart.bodyPositionText[run.body] = c.reference;
            chart.bodyPositionText[kMars] = c.mars;
            // The Moon's sign name is no stand-in for its position text.
            chart.moonSignName = "Aries";
            const ManglikEvaluation e = EvaluateManglik(run.reference, chart);
            SCOPED_TRACE(std::string(c.note) + ": reference '" + c.reference + "', Mars '" + c.mars + "', " +
                         run.name + " run");
            EXPECT_EQ(e.marsHouse, 0);
            EXPECT_EQ(e.doshaPercentage, "");
            EXPECT_FALSE(e.manglik);
            EXPECT_EQ(e.captions[0], std::string("Position of Mars from ") + run.name + " is unknown");
            EXPECT_EQ(e.captions[1], "Percentage of Mangala dosha is unknown");
            EXPECT_EQ(e.captions[2], "The person's Manglik status could not be determined");
        }
    }
}

}  // namespace
}  // namespace varelio
