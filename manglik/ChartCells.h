// The texts of the twelve sign cells of the South Indian Rasi chart.
#pragma once

#include "engine/Records.h"

#include <array>
#include <string>

namespace varelio {

// Cells indexed by sign, 0 Aries .. 11 Pisces. A cell lists "Asc" first when
// the ascendant's sign is lagnaAbbreviation's, then the Sanskrit names of the
// Sun .. Ketu standing in that sign (retrograde marks included), in body
// order, one per line separated by CR LF. A body whose position text has no
// valid sign abbreviation is left out. Every call starts from empty cells.
std::array<std::string, 12> FillRasiChart(const std::string& lagnaAbbreviation, const ChartState& chart);

}  // namespace varelio
