#include "app/ReadingChart.h"

#include <QPainter>

namespace varelio::app {

ReadingChart::ReadingChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picChart"));
    setFixedSize(drawing::kChartSize);
}

void ReadingChart::setChart(const drawing::ChartContent& content, const drawing::ChartLook& look)
{
    content_ = content;
    look_ = look;
    update();
}

void ReadingChart::draw(QPainter& painter, const QRectF& target) const
{
    drawing::DrawChart(painter, target, content_, look_, font());
}

void ReadingChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    draw(painter, rect());
}

}  // namespace varelio::app
