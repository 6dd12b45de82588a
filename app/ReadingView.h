// The reading view, the child of the reading window's MDI area: planetary
// positions, other Vedic details, personal details, the Rasi chart and the
// Manglik interpretation, laid out at fixed places. It shows one computed
// reading and is made anew for each; the personal details say which offset
// from universal time it used, and a place finder's note that warns (a row
// approximating the place's offset, a skipped or repeated clock time) is shown
// in red under the verdicts.
#pragma once

#include "form/ZoneChoice.h"
#include "reading/Reading.h"

#include <QWidget>

class QGroupBox;
class QLabel;

namespace varelio::app {

class RasiChart;

class ReadingView final : public QWidget {
    Q_OBJECT
public:
    explicit ReadingView(const Reading& reading, QWidget* parent = nullptr);
    ReadingView(const Reading& reading, const ZoneNote& placeNote, QWidget* parent = nullptr);

    RasiChart& rasiChart() { return *rasiChart_; }

private:
    void buildPositions(const ChartState& chart);
    void buildVedicDetails(const ReadingSummary& summary);
    void buildPersonalDetails(const BirthData& birth);
    // Lagna lines 0-2, Moon lines 3-5 from the verdicts; line 6 is the fixed
    // closing note. Between the Moon's box and the note, the birth times over
    // which each verdict holds, and a warning where a nearby time changes it.
    void buildInterpretation(const Reading& reading, const ZoneNote& placeNote);

    RasiChart* rasiChart_ = nullptr;
};

}  // namespace varelio::app
