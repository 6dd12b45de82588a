#include "drawing/ChartContent.h"

namespace varelio::drawing {

ChartContent ContentOf(const ChartState& state, DivisionalChart chart, const QString& title,
                       const std::array<QString, kBodyCount>& labels)
{
    return {title, SignsInChart(chart, state), labels};
}

}  // namespace varelio::drawing
