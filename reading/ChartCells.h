// The texts of the twelve sign cells of the South Indian Rasi chart.
#pragma once

#include "astro/Records.h"

#include <array>
#include <string>
#include <string_view>

namespace varelio {

// Cells indexed by sign, 0 Aries .. 11 Pisces. A cell lists "Asc" first when
// the ascendant's sign is lagnaAbbreviation's, then the Sanskrit names of the
// Sun .. Ketu standing in that sign (retrograde marks included), in body
// order, one per line separated by CR LF. A body whose position text has no
// valid sign abbreviation is left out.
std::array<std::string, 12> RasiChartCells(std::string_view lagnaAbbreviation, const ChartState& chart);

}  // namespace varelio
