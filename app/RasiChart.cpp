#include "app/RasiChart.h"

#include "app/Twips.h"

#include <QLabel>
#include <QPainter>

namespace varelio::app {

namespace {

constexpr int kChartWidth = 356;
constexpr int kChartHeight = 357;

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

}  // namespace

RasiChart::RasiChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picSouthRasi"));
    setFixedSize(kChartWidth, kChartHeight);

    QPalette ink = palette();
    ink.setColor(QPalette::WindowText, QColor(64, 0, 64));
    for (int i = 0; i < 12; ++i) {
        const CellPlace& place = kCells[i];
        auto* content = new QLabel(this);
        content->setObjectName(QStringLiteral("lblPlanets%1").arg(i));
        content->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        content->setTextFormat(Qt::PlainText);
        content->setPalette(ink);
        content->setGeometry(TwipsRect(place.contentLeft, place.contentTop, 570, 195));
        lblPlanets_[i] = content;

        auto* number = new QLabel(QString::number(i + 1), this);
        number->setObjectName(QStringLiteral("lblSouthPosition%1").arg(i));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setPalette(ink);
        // The design widths fit one digit; "10" to "12" need a little more.
        const QRect box = TwipsRect(place.numberLeft, place.numberTop, place.numberWidth, 195);
        const int needed = number->sizeHint().width();
        number->setGeometry(box.width() >= needed ? box : box.adjusted(box.width() - needed, 0, 0, 0));
        lblSouthPosition_[i] = number;
    }
}

void RasiChart::setCells(const std::array<std::string, 12>& cells)
{
    for (int i = 0; i < 12; ++i) {
        QLabel* label = lblPlanets_[i];
        QString text = QString::fromStdString(cells[i]);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        label->setText(text);
        // Grows from its top left corner to fit the text, never below design size.
        const QSize fit = label->sizeHint().expandedTo(QSize(Px(570), Px(195)));
        label->resize(fit);
    }
}

QString RasiChart::cellText(int sign) const
{
    return lblPlanets_.at(sign)->text();
}

void RasiChart::paint(QPainter& painter) const
{
    const int w = kChartWidth - 1;
    const int h = kChartHeight - 1;
    painter.fillRect(QRect(0, 0, kChartWidth, kChartHeight), QColor(255, 222, 173));
    painter.setPen(QPen(QColor(90, 40, 20), 1));
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

void RasiChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter);
}

}  // namespace varelio::app
