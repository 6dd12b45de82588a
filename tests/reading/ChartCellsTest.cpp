#include "reading/ChartCells.h"

#include "tests/support/ChartFixture.h"

#include <gtest/gtest.h>

namespace varelio {
namespace {

using namespace samples;

std::string Show(const std::array<std::string, 12>& cells) {
    std::string out;
    for (std::size_t i = 0; i < cells.size(); ++i) out += "[" + std::to_string(i) + "] '" + cells[i] + "' ";
    return out;
}

TEST(ChartCells, AscendantFirstThenBodiesInBodyOrder) {
    const ChartState chart = MakeChart({Pos(Ari), Pos(Can), Pos(Ari), Pos(Tau), Pos(Leo), Pos(Sag), Pos(Cap),
                                        Pos(Gem), Pos(Sag), Pos(Ari), Pos(Cap)});
    const auto cells = RasiChartCells(chart);
    const std::array<std::string, 12> expected = {
        "Asc\r\nSurya\r\nBudha", "Shukra", "Rahu", "Chandra", "Mangala", "", "", "", "Guru\r\nKetu", "Shani", "",
        ""};
    EXPECT_EQ(cells, expected) << "actual " << Show(cells) << "\nexpected " << Show(expected);
}

TEST(ChartCells, RetrogradeMarkIsCarried) {
    ChartState chart = MakeChart({Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Cap), Pos(Cap), Pos(Ari),
                                  Pos(Lib), Pos(Leo), Pos(Ari)});
    chart.bodies[kSaturn].retrograde = true;
    FormatChartTexts(chart);
    const auto cells = RasiChartCells(chart);
    EXPECT_EQ(cells[Cap], "Guru\r\nShani (R) ") << Show(cells);
}

TEST(ChartCells, BodyWithoutASignIsLeftOutAndOthersStay) {
    const ChartState chart = MakeChart({Pos(Ari), kNoSign, Pos(Gem), Pos(Can), kNoSign, Pos(Vir), kNoSign, Pos(Sco),
                                        Pos(Sag), Pos(Cap), Pos(Aqu)});
    const auto cells = RasiChartCells(chart);
    const std::array<std::string, 12> expected = {"Surya", "", "Budha", "Shukra", "", "Guru", "", "Rahu", "Ketu",
                                                  "Asc", "", ""};
    EXPECT_EQ(cells, expected) << "actual " << Show(cells) << "\nexpected " << Show(expected);
}

TEST(ChartCells, MidheavenAndAscendantBodiesAreNotPlaced) {
    const ChartState chart = MakeChart({Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari),
                                        Pos(Ari), Pos(Ari), Pos(Vir), Pos(Aqu)});
    const auto cells = RasiChartCells(chart);
    EXPECT_EQ(cells[Aqu], "");
    EXPECT_EQ(cells[Vir], "Asc");
}

}  // namespace
}  // namespace varelio
