// A reading's divisional chart as the drawing takes it.
#pragma once

#include "drawing/ChartDrawing.h"

namespace varelio::drawing {

// The bodies' signs in the chart, from the reading's longitudes, their
// retrograde marks and the title the caller words.
ChartContent ContentOf(const ChartState& state, DivisionalChart chart, const QString& title);

}  // namespace varelio::drawing
