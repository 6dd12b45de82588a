// The Rasi chart in the South Indian layout: a 4 x 4 grid with the centre
// block open, twelve sign cells in fixed places, each showing its bodies at
// the top and its sign number at the bottom right.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <string>

class QPainter;
class QRectF;

namespace varelio::app {

class RasiChart final : public QWidget {
    Q_OBJECT
public:
    explicit RasiChart(QWidget* parent = nullptr);

    // Cell texts, Aries first; the reading separates lines by CR LF.
    void setCells(const std::array<std::string, 12>& cells);
    // A cell's text with its lines separated by LF.
    QString cellText(int sign) const;

    // The whole chart (grid, cell texts, sign numbers) scaled into target, in
    // the widget's font. The screen, the JPEG picture and the printout all
    // come from this one routine.
    void draw(QPainter& painter, const QRectF& target) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QString, 12> cells_;
};

}  // namespace varelio::app
