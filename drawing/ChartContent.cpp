#include "drawing/ChartContent.h"

namespace varelio::drawing {

ChartContent ContentOf(const ChartState& state, DivisionalChart chart, const QString& title)
{
    ChartContent content;
    content.title = title;
    content.signs = SignsInChart(chart, state);
    for (std::size_t b = 0; b < state.bodies.size(); ++b)
        content.retrograde[b] = state.bodies[b].retrograde;
    return content;
}

}  // namespace varelio::drawing
