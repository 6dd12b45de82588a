// The reading's chart on screen: a thin widget round drawing/ChartDrawing,
// which draws it here, in the JPEG picture, the PDF page and the printout.
#pragma once

#include "drawing/ChartDrawing.h"

#include <QWidget>

class QPainter;
class QRectF;

namespace varelio::app {

class ReadingChart final : public QWidget {
    Q_OBJECT
public:
    explicit ReadingChart(QWidget* parent = nullptr);

    void setChart(const drawing::ChartContent& content, const drawing::ChartLook& look);
    const drawing::ChartContent& content() const { return content_; }
    const drawing::ChartLook& look() const { return look_; }

    // The whole chart scaled into target, in the widget's font.
    void draw(QPainter& painter, const QRectF& target) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    drawing::ChartContent content_;
    drawing::ChartLook look_;
};

}  // namespace varelio::app
