#include "manglik/ChartCells.h"

#include "engine/SignNames.h"
#include "manglik/PositionText.h"

#include <string_view>

namespace varelio {

namespace {

// Cell i holds sign i, Aries first.
int CellOf(std::string_view abbreviation) {
    for (int i = 0; i < 12; ++i) {
        if (kSignNames[static_cast<std::size_t>(i)].abbreviation == abbreviation) return i;
    }
    return -1;
}

}  // namespace

std::array<std::string, 12> FillRasiChart(const std::string& lagnaAbbreviation, const ChartState& chart) {
    std::array<std::string, 12> cells;
    const int lagnaCell = CellOf(lagnaAbbreviation);
    if (lagnaCell >= 0) cells[lagnaCell] = "Asc";

    for (int b = kSun; b <= kKetu; ++b) {
        const int cell = CellOf(SignAbbreviationOf(chart.bodyPositionText[b]));
        if (cell < 0) continue;
        std::string& text = cells[cell];
        if (!text.empty()) text += "\r\n";
        text += chart.bodyNamesSanskrit[b];
    }
    return cells;
}

}  // namespace varelio
