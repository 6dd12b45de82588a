// A reading's divisional chart as the drawing takes it.
#pragma once

#include "drawing/ChartDrawing.h"

namespace varelio::drawing {

// The bodies' signs in the chart, from the reading's longitudes, with the
// title and the bodies' labels the caller words.
ChartContent ContentOf(const ChartState& state, DivisionalChart chart, const QString& title,
                       const std::array<QString, kBodyCount>& labels);

}  // namespace varelio::drawing
