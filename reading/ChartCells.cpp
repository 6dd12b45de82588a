#include "reading/ChartCells.h"

#include "astro/AngleText.h"
#include "astro/Signs.h"

namespace varelio {

std::array<std::string, 12> RasiChartCells(std::string_view lagnaAbbreviation, const ChartState& chart) {
    std::array<std::string, 12> cells;
    if (const auto lagna = SignIndexOf(lagnaAbbreviation)) cells[static_cast<std::size_t>(*lagna)] = "Asc";

    for (std::size_t b = kSun; b <= kKetu; ++b) {
        const auto sign = SignOfPosition(chart.bodyPositionText[b]);
        if (!sign) continue;
        std::string& text = cells[static_cast<std::size_t>(*sign)];
        if (!text.empty()) text += "\r\n";
        text += chart.bodyNamesSanskrit[b];
    }
    return cells;
}

}  // namespace varelio
