#include "manglik/ChartCells.h"
#include "manglik/PositionText.h"

#include "ChartFixture.h"

#include <gtest/gtest.h>

namespace varelio {
namespace {

using testing::MakeChart;
using testing::Pos;

enum Sign { Ari, Tau, Gem, Can, Leo, Vir, Lib, Sco, Sag, Cap, Aqu, Pis };

std::string Show(const std::array<std::string, 12>& cells) {
    std::string out;
    for (std::size_t i = 0; i < cells.size(); ++i) out += "[" + std::to_string(i) + "] '" + cells[i] + "' ";
    return out;
}

TEST(ChartCells, AscendantFirstThenBodiesInBodyOrder) {
    const ChartState chart = MakeChart({Pos(Ari), Pos(Can), Pos(Ari), Pos(Tau), Pos(Leo), Pos(Sag), Pos(Cap),
                                        Pos(Gem), Pos(Sag), Pos(Ari), Pos(Cap)});
    const auto cells = FillRasiChart("Ari", chart);
    const std::array<std::string, 12> expected = {
        "Asc\r\nSurya\r\nBudha", "Shukra", "Rahu", "Chandra", "Mangala", "", "", "", "Guru\r\nKetu", "Shani", "",
        ""};
    EXPECT_EQ(cells, expected) << "actual " << Show(cells) << "\nexpected " << Show(expected);
}

TEST(ChartCells, AscendantCellFollowsLagnaAbbreviationOnly) {
    const ChartState chart = MakeChart({Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari),
                                        Pos(Ari), Pos(Lib), Pos(Ari), Pos(Ari)});
    EXPECT_EQ(FillRasiChart("Pis", chart)[Pis], "Asc");
    EXPECT_EQ(FillRasiChart("Pis", chart)[Ari].substr(0, 5), "Surya");
    for (const char* broken : {"", "Pi", "pis", "Pisces"}) {
        const auto cells = FillRasiChart(broken, chart);
        for (const std::string& cell : cells) {
            EXPECT_EQ(cell.find("Asc"), std::string::npos) << "lagna '" << broken << "': " << Show(cells);
        }
    }
}

TEST(ChartCells, RetrogradeMarkIsCarried) {
    ChartState chart = MakeChart({Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Cap), Pos(Cap), Pos(Ari),
                                  Pos(Lib), Pos(Leo), Pos(Ari)});
    chart.bodyNamesSanskrit[kSaturn] += " (R) ";
    const auto cells = FillRasiChart("Leo", chart);
    EXPECT_EQ(cells[Cap], "Guru\r\nShani (R) ") << Show(cells);
}

TEST(ChartCells, BodyWithoutValidSignIsLeftOutAndOthersStay) {
    ChartState chart = MakeChart({Pos(Ari), Pos(Tau), Pos(Gem), Pos(Can), Pos(Leo), Pos(Vir), Pos(Lib), Pos(Sco),
                                  Pos(Sag), Pos(Cap), Pos(Aqu)});
    chart.bodyPositionText[kMoon] = "";
    chart.bodyPositionText[kMars] = "12 Xyz 00";
    chart.bodyPositionText[kSaturn] = "12 Li";
    const auto cells = FillRasiChart("Cap", chart);
    const std::array<std::string, 12> expected = {"Surya", "", "Budha", "Shukra", "", "Guru", "", "Rahu", "Ketu",
                                                  "Asc", "", ""};
    EXPECT_EQ(cells, expected) << "actual " << Show(cells) << "\nexpected " << Show(expected);
}

TEST(ChartCells, MidheavenAndAscendantBodiesAreNotPlaced) {
    const ChartState chart = MakeChart({Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari), Pos(Ari),
                                        Pos(Ari), Pos(Ari), Pos(Vir), Pos(Aqu)});
    const auto cells = FillRasiChart("Tau", chart);
    EXPECT_EQ(cells[Vir], "");
    EXPECT_EQ(cells[Aqu], "");
    EXPECT_EQ(cells[Tau], "Asc");
}

TEST(PositionText, PiecesOfShortAndBrokenTexts) {
    struct Case {
        std::string text;
        std::string sign;
        std::optional<int> degrees;
    };
    const Case cases[] = {
        {"05 Ari 07", "Ari", 5}, {"29 Pis 59", "Pis", 29}, {"00 Leo 00", "Leo", 0}, {"", "", std::nullopt},
        {"5", "", std::nullopt}, {"05 ", "", 5},           {"05 A", "A", 5},        {"5 Ari 07", "ri ", std::nullopt},
        {"-1 Gem 00", "Gem", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SignAbbreviationOf(c.text), c.sign) << "text '" << c.text << "'";
        EXPECT_EQ(DegreesOf(c.text), c.degrees) << "text '" << c.text << "'";
    }
}

}  // namespace
}  // namespace varelio
