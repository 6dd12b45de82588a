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
    const auto cells = RasiChartCells("Ari", chart);
    const std::array<std::string, 12> expected = {
        "Asc\r\nSurya\r\nBudha", "Shukra", "Rahu", "Chandra", "Mangala", "", "", "", "Guru\r\nKetu", "Shani", "",
        ""};
    EXPECT_EQ(cells, expected) << "actual " << Show(cells) << "\nexpected " << Show(expected);
}

TEST(ChartCells, AscendantCellFollowsLagnaAbbreviationOnly) {
    const ChartState chart = MakeChart({Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari),
                                        Pos(Ari), Pos(Lib), Pos(Ari), Pos(Ari)});
    EXPECT_EQ(RasiChartCells("Pis", chart)[Pis], "Asc");
    EXPECT_EQ(RasiChartCells("Pis", chart)[Ari].substr(0, 5), "Surya");
    for (const char* broken : {"", "Pi", "pis", "Pisces"}) {
        const auto cells = RasiChartCells(broken, chart);
        for (const std::string& cell : cells) {
            EXPECT_EQ(cell.find("Asc"), std::string::npos) << "lagna '" << broken << "': " << Show(cells);
        }
    }
}

TEST(ChartCells, RetrogradeMarkIsCarried) {
    ChartState chart = MakeChart({Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Cap), Pos(Cap), Pos(Ari),
                                  Pos(Lib), Pos(Leo), Pos(Ari)});
    chart.bodyNamesSanskrit[kSaturn] += " (R) ";
    const auto cells = RasiChartCells("Leo", chart);
    EXPECT_EQ(cells[Cap], "Guru\r\nShani (R) ") << Show(cells);
}

TEST(ChartCells, BodyWithoutValidSignIsLeftOutAndOthersStay) {
    ChartState chart = MakeChart({Pos(Ari), Pos(Tau), Pos(Gem), Pos(Can), Pos(Leo), Pos(Vir), Pos(Lib), Pos(Sco),
                                  Pos(Sag), Pos(Cap), Pos(Aqu)});
    chart.bodyPositionText[kMoon] = "";
    chart.bodyPositionText[kMars] = "12 Xyz 00";
    chart.bodyPositionText[kSaturn] = "12 Li";
    const auto cells = RasiChartCells("Cap", chart);
    const std::array<std::string, 12> expected = {"Surya", "", "Budha", "Shukra", "", "Guru", "", "Rahu", "Ketu",
                                                  "Asc", "", ""};
    EXPECT_EQ(cells, expected) << "actual " << Show(cells) << "\nexpected " << Show(expected);
}

TEST(ChartCells, MidheavenAndAscendantBodiesAreNotPlaced) {
    const ChartState chart = MakeChart({Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari),
                                        Pos(Ari), Pos(Ari), Pos(Vir), Pos(Aqu)});
    const auto cells = RasiChartCells("Tau", chart);
    EXPECT_EQ(cells[Vir], "");
    EXPECT_EQ(cells[Aqu], "");
    EXPECT_EQ(cells[Tau], "Asc");
}

}  // namespace
}  // namespace varelio
