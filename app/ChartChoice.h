// Which chart the reading window draws and how: the View menu's chart style,
// colour and chart (Rasi or a divisional chart). The choice stays for the
// next reading and the next start, in the user's settings (QSettings under
// the application's organisation and name).
#pragma once

#include "charts/DivisionalCharts.h"
#include "drawing/ChartDrawing.h"

namespace varelio::app {

struct ChartChoice {
    drawing::ChartStyle style = drawing::ChartStyle::South;
    DivisionalChart chart = DivisionalChart::Rasi;
    bool colour = false;
    friend bool operator==(const ChartChoice&, const ChartChoice&) = default;
};

// The choice stored last; the default (South Indian Rasi, no colour) for what
// is missing or not understood.
ChartChoice StoredChartChoice();
void StoreChartChoice(const ChartChoice& choice);

}  // namespace varelio::app
