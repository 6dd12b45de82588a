#include "reading/ChartCells.h"

namespace varelio {

std::array<std::string, kSignCount> RasiChartCells(const ChartState& chart) {
    std::array<std::string, kSignCount> cells;
    FillRasiChartCells(chart, cells);
    return cells;
}

void FillRasiChartCells(const ChartState& chart, std::array<std::string, kSignCount>& cells) {
    for (std::string& cell : cells) cell.clear();
    if (const int lagna = chart.bodies[kAscendant].sign) cells[static_cast<std::size_t>(lagna - 1)] = kAscendantMark;
    for (std::size_t b = kSun; b <= kKetu; ++b) {
        const int sign = chart.bodies[b].sign;
        if (sign == 0) continue;
        std::string& text = cells[static_cast<std::size_t>(sign - 1)];
        if (!text.empty()) text += "\r\n";
        text += chart.bodyNamesSanskrit[b];
    }
}

}  // namespace varelio
