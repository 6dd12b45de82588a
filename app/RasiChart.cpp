#include "app/RasiChart.h"

#include "app/Twips.h"

#include <QFontMetrics>
#include <QPainter>

namespace varelio::app {

namespace {

constexpr int kChartWidth = 356;
constexpr int kChartHeight = 357;

const QColor kBackground(255, 222, 173);
const QColor kLines(90, 40, 20);
const QColor kInk(64, 0, 64);

struct CellPlace {
    int contentLeft, contentTop;                 // twips
    int numberLeft, numberTop, numberWidth;      // twips
};

// Index is the sign, Aries first; the places never rotate with the ascendant.
constexpr CellPlace kCells[12] = {
    {1665, 60, 2520, 1080, 120},    // Aries
    {3000, 60, 3840, 1080, 120},    // Taurus
    {4320, 60, 5160, 1080, 120},    // Gemini
    {4320, 1320, 5160, 2400, 120},  // Cancer
    {4320, 2700, 5160, 3720, 120},  // Leo
    {4320, 4005, 5130, 5040, 120},  // Virgo
    {3000, 4005, 3840, 5040, 120},  // Libra
    {1665, 4005, 2520, 5040, 120},  // Scorpio
    {345, 4005, 1150, 5040, 120},   // Sagittarius
    {345, 2700, 1080, 3720, 240},   // Capricorn
    {345, 1320, 1080, 2400, 240},   // Aquarius
    {345, 60, 1080, 1080, 240},     // Pisces
};

// A cell's body list: at least the design box, grown from its top left corner
// to fit the lines, which are centred in it.
QRect ContentBox(const CellPlace& place, const QFontMetrics& metrics, const QString& text)
{
    const QSize needed = metrics.boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignTop, text).size();
    return {QPoint(Px(place.contentLeft), Px(place.contentTop)), needed.expandedTo(QSize(Px(570), Px(195)))};
}

// The design boxes of the sign numbers fit one digit; "10" to "12" need a
// little more, taken on the left.
QRect NumberBox(const CellPlace& place, const QFontMetrics& metrics, const QString& number)
{
    const QRect box = TwipsRect(place.numberLeft, place.numberTop, place.numberWidth, 195);
    const int needed = metrics.boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignRight, number).width();
    return box.width() >= needed ? box : box.adjusted(box.width() - needed, 0, 0, 0);
}

void DrawGrid(QPainter& painter)
{
    const int w = kChartWidth - 1;
    const int h = kChartHeight - 1;
    painter.fillRect(QRect(0, 0, kChartWidth, kChartHeight), kBackground);
    painter.setPen(QPen(kLines, 1));
    painter.drawRect(0, 0, w, h);

    const int x1 = w / 4, x2 = w / 2, x3 = w * 3 / 4;
    const int y1 = h / 4, y2 = h / 2, y3 = h * 3 / 4;
    painter.drawLine(x1, 0, x1, h);
    painter.drawLine(x3, 0, x3, h);
    painter.drawLine(0, y1, w, y1);
    painter.drawLine(0, y3, w, y3);
    // The middle lines cross only the outer ring, leaving the centre as one square.
    painter.drawLine(x2, 0, x2, y1);
    painter.drawLine(x2, y3, x2, h);
    painter.drawLine(0, y2, x1, y2);
    painter.drawLine(x3, y2, w, y2);
}

}  // namespace

RasiChart::RasiChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picSouthRasi"));
    setFixedSize(kChartWidth, kChartHeight);
}

void RasiChart::setCells(const std::array<std::string, 12>& cells)
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        cells_[i] = QString::fromStdString(cells[i]);
        cells_[i].replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    update();
}

QString RasiChart::cellText(int sign) const
{
    return cells_.at(static_cast<std::size_t>(sign));
}

void RasiChart::draw(QPainter& painter, const QRectF& target) const
{
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / kChartWidth, target.height() / kChartHeight);
    DrawGrid(painter);

    painter.setFont(font());
    painter.setPen(kInk);
    const QFontMetrics metrics = fontMetrics();
    // Text is placed in whole pixels of the chart's own size, as on screen;
    // the scale above carries it to a picture or a page.
    const int direction = Qt::TextForceLeftToRight;
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        const CellPlace& place = kCells[i];
        if (!cells_[i].isEmpty())
            painter.drawText(ContentBox(place, metrics, cells_[i]), Qt::AlignHCenter | Qt::AlignTop | direction,
                             cells_[i]);
        const QString number = QString::number(i + 1);
        painter.drawText(NumberBox(place, metrics, number), Qt::AlignRight | Qt::AlignVCenter | direction, number);
    }
    painter.restore();
}

void RasiChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    draw(painter, rect());
}

}  // namespace varelio::app
