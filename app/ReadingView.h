// The reading view, the child of the reading window's MDI area: planetary
// positions, other Vedic details, personal details, the chart and the
// Manglik interpretation, laid out by Qt's layouts at the places it always had,
// growing where a text (a translation) needs more room. It shows one computed
// reading and is made anew for each; the chart shown changes with the View
// menu's choice. The personal details say which offset from universal time it
// used, and a place finder's note that warns (a row approximating the place's
// offset, a skipped or repeated clock time) is shown in red under the verdicts.
#pragma once

#include "app/ChartChoice.h"
#include "form/ZoneChoice.h"
#include "reading/Reading.h"

#include <QWidget>

class QGroupBox;
class QLabel;

namespace varelio::app {

class ReadingChart;

class ReadingView final : public QWidget {
    Q_OBJECT
public:
    explicit ReadingView(const Reading& reading, const ChartChoice& choice = {}, QWidget* parent = nullptr);
    ReadingView(const Reading& reading, const ZoneNote& placeNote, const ChartChoice& choice = {},
                QWidget* parent = nullptr);

    ReadingChart& chart() { return *chart_; }
    const ChartChoice& chartChoice() const { return choice_; }
    // Draws the chart the choice names, titled with its name.
    void setChartChoice(const ChartChoice& choice);

private:
    // The three frames along the top: the bodies' positions, the Vedic
    // details and the personal details.
    QGroupBox* buildPositions(const ChartState& chart);
    QGroupBox* buildVedicDetails(const ChartState& chart);
    QGroupBox* buildPersonalDetails(const BirthData& birth);
    // Lagna lines 0-2, Moon lines 3-5 from the verdicts, under a box whose
    // dosha is cancelled the first rule that cancels it; line 6 is the fixed
    // closing note. Between the Moon's box and the note, the birth times over
    // which each verdict holds, and a warning where a nearby time changes it.
    // The lines wrap to the frame's width: the note and the frame move down
    // as far as they need.
    QGroupBox* buildInterpretation(const Reading& reading, const ZoneNote& placeNote);

    ChartState chartState_;
    ChartChoice choice_;
    ReadingChart* chart_ = nullptr;
};

}  // namespace varelio::app
