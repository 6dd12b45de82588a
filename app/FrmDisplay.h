// The reading child window: planetary positions, other Vedic details,
// personal details, the Rasi chart and the Manglik interpretation, laid out
// at fixed places. The personal details are written when it is created; the
// driver fills the rest.
#pragma once

#include "astro/Records.h"

#include <QWidget>

#include <array>
#include <string>

class QGroupBox;
class QLabel;

namespace varelio::app {

class RasiChart;

class FrmDisplay final : public QWidget {
    Q_OBJECT
public:
    explicit FrmDisplay(const BirthData& birth, QWidget* parent = nullptr);

    void fillVedicDetails(const ReadingSummary& summary);
    void fillPositions(const ChartState& chart);
    RasiChart& rasiChart() { return *picSouthRasi_; }
    // Lagna lines 0-2, Moon lines 3-5; line 6 is the fixed closing note.
    void fillVerdicts(const std::array<std::string, 6>& captions);

private:
    QGroupBox* buildPositions();
    QGroupBox* buildVedicDetails();
    QGroupBox* buildPersonalDetails(const BirthData& birth);
    QGroupBox* buildInterpretation();

    std::array<QLabel*, kBodyCount> planet_{};
    QLabel* lblAyanamsha_ = nullptr;
    QLabel* lblLagna_ = nullptr;
    QLabel* lblRashi_ = nullptr;
    QLabel* lblNakshatra_ = nullptr;
    QLabel* lblPada_ = nullptr;
    QLabel* lblLord_ = nullptr;
    std::array<QLabel*, 7> lblResult_{};
    RasiChart* picSouthRasi_ = nullptr;
};

// "Date of Birth: March 7, 1985" and the other personal-detail lines.
QString DateOfBirthText(const BirthData& birth);
QString TimeOfBirthText(const BirthData& birth);

}  // namespace varelio::app
