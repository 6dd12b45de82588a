// The engine's steps of a chart in their order.
#pragma once

#include "astro/Records.h"

namespace varelio {

// The angles, the Moon and the planets of a birth: the chart without the
// retrograde lookup.
void ComputeChart(const BirthData& birth, ChartState& chart);

}  // namespace varelio
