// The Rasi chart in the South Indian layout: a painted 4 x 4 grid with the
// centre block open, twelve sign cells in fixed places, each with a content
// label and a sign-number label laid over the background.
#pragma once

#include <QWidget>

#include <array>
#include <string>

class QLabel;
class QPainter;

namespace varelio::app {

class RasiChart final : public QWidget {
    Q_OBJECT
public:
    explicit RasiChart(QWidget* parent = nullptr);

    // Cell texts, Aries first; the engine separates lines by CR LF.
    void setCells(const std::array<std::string, 12>& cells);
    QString cellText(int sign) const;

    // The background alone, so a capture or a print can draw it too.
    void paint(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QLabel*, 12> lblPlanets_{};
    std::array<QLabel*, 12> lblSouthPosition_{};
};

}  // namespace varelio::app
