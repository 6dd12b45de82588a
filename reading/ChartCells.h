// The texts of the twelve sign cells of the Rasi chart.
#pragma once

#include "astro/Records.h"
#include "astro/Signs.h"

#include <array>
#include <string>
#include <string_view>

namespace varelio {

// What marks the ascendant's sign in a chart.
inline constexpr std::string_view kAscendantMark = "Asc";

// Cells indexed by sign, 0 Aries .. 11 Pisces. A cell lists "Asc" first when
// it holds the ascendant, then the Sanskrit names of the Sun .. Ketu standing
// in that sign (retrograde marks included), in body order, one per line
// separated by CR LF. A body without a sign is left out.
std::array<std::string, kSignCount> RasiChartCells(const ChartState& chart);
// The same into cells, reusing their room.
void FillRasiChartCells(const ChartState& chart, std::array<std::string, kSignCount>& cells);

}  // namespace varelio
