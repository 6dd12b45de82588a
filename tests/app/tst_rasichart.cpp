// The Rasi chart: where the sign numbers and the bodies are drawn, filling and
// clearing the cells, the grid with its open centre, and the one drawing that
// the screen, the JPEG picture and the printout share.
#include "AppTestSupport.h"

#include "app/PictureExport.h"
#include "app/Printing.h"
#include "app/RasiChart.h"
#include "app/ReadingView.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <optional>

using namespace varelio;
using namespace varelio::app;

namespace {

QImage Drawn(const RasiChart& chart, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    chart.draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QImage OnScreen(RasiChart& chart)
{
    return chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Text pixels: the ink is purple, while the background and the grid lines,
// and their blends, are all less blue than green.
QRect InkIn(const QImage& image, const QRect& region)
{
    QRect ink;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (qBlue(image.pixel(x, y)) > qGreen(image.pixel(x, y)) + 20)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

struct SignPlace {
    int sign;
    QRect cell;     // inside the grid lines
    QPoint content; // top left of the body list's box, 38 pixels wide
    QRect number;   // the sign number's box
};

// Twips / 15 of the fixed layout: Pisces top left, Virgo bottom right.
const SignPlace kPlaces[] = {
    {11, {1, 1, 87, 88}, {23, 4}, {72, 72, 16, 13}},        {0, {89, 1, 88, 88}, {111, 4}, {168, 72, 8, 13}},
    {2, {267, 1, 88, 88}, {288, 4}, {344, 72, 8, 13}},      {3, {267, 90, 88, 88}, {288, 88}, {344, 160, 8, 13}},
    {9, {1, 179, 87, 88}, {23, 180}, {72, 248, 16, 13}},    {8, {1, 268, 87, 88}, {23, 267}, {77, 336, 8, 13}},
    {5, {267, 268, 88, 88}, {288, 267}, {342, 336, 8, 13}},
};

}  // namespace

class RasiChartTest : public QObject {
    Q_OBJECT
private slots:
    void signNumbersSitBottomRight();
    void bodiesSitTopCentre();
    void fillingReplacesEveryCell();
    void gridLeavesTheCentreOpen();
    void drawIsTheWholeChartAtAnySize();
    void pictureAndPrintShowTheScreenChart();
};

// The glyphs leave a pixel or two inside their boxes, the same in every cell:
// each cell's offset must match the first's, so one misplaced cell shows.
void RasiChartTest::signNumbersSitBottomRight()
{
    RasiChart chart;
    QCOMPARE(chart.size(), QSize(356, 357));
    QCOMPARE(chart.objectName(), QStringLiteral("picSouthRasi"));
    const QImage image = Drawn(chart, chart.size());
    std::optional<QPoint> first;
    for (const SignPlace& p : kPlaces) {
        // "10" to "12" reach left of their design box; the right edge and rows hold.
        const QRect ink = InkIn(image, p.cell);
        const QPoint inset(p.number.right() - ink.right(), ink.top() - p.number.top());
        if (!first)
            first = inset;
        const QString where = QStringLiteral("sign %1: ink %2,%3 %4x%5")
                                  .arg(p.sign).arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height());
        QVERIFY2(!ink.isEmpty() && inset == *first, qPrintable(where));
        QVERIFY2(inset.x() >= 0 && inset.x() <= 2 && inset.y() >= 0 && ink.bottom() <= p.number.bottom(),
                 qPrintable(where));
    }
}

void RasiChartTest::bodiesSitTopCentre()
{
    RasiChart chart;
    std::array<std::string, 12> cells;
    for (const SignPlace& p : kPlaces)
        cells[static_cast<std::size_t>(p.sign)] = "Ra\r\nKe";
    chart.setCells(cells);
    const QImage image = Drawn(chart, chart.size());
    const int line = chart.fontMetrics().height();
    std::optional<QPoint> first;
    for (const SignPlace& p : kPlaces) {
        const QRect ink = InkIn(image, QRect(p.cell.left(), p.cell.top(), p.cell.width(), p.number.top() - p.cell.top()));
        // Centred in the 38-pixel box below its top.
        const QPoint offset(ink.left() + ink.right() - 2 * p.content.x() - 38, ink.top() - p.content.y());
        if (!first)
            first = offset;
        const QString where = QStringLiteral("sign %1: ink %2,%3 %4x%5")
                                  .arg(p.sign).arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height());
        QVERIFY2(offset == *first, qPrintable(where));
        QVERIFY2(qAbs(offset.x()) <= 2 && offset.y() >= 0 && offset.y() <= line / 2, qPrintable(where));
        QVERIFY2(ink.bottom() > p.content.y() + line, qPrintable(where));  // two lines
    }
}

void RasiChartTest::fillingReplacesEveryCell()
{
    RasiChart chart;
    std::array<std::string, 12> first;
    first[0] = "Asc\r\nSurya\r\nBudha";
    first[9] = "Shani (R) ";
    chart.setCells(first);
    QCOMPARE(chart.cellText(0), QStringLiteral("Asc\nSurya\nBudha"));
    QCOMPARE(chart.cellText(9), QStringLiteral("Shani (R) "));

    std::array<std::string, 12> second;
    second[6] = "Chandra";
    chart.setCells(second);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(chart.cellText(i), i == 6 ? QStringLiteral("Chandra") : QString());
    // Nothing of the first filling is left on screen either.
    RasiChart fresh;
    fresh.setCells(second);
    QCOMPARE(OnScreen(chart), OnScreen(fresh));
}

void RasiChartTest::gridLeavesTheCentreOpen()
{
    RasiChart chart;
    const QImage image = Drawn(chart, chart.size());
    const QRgb background = image.pixel(178, 178);
    auto isLine = [&](int x, int y) { return qGray(image.pixel(x, y)) < qGray(background) - 60; };
    QVERIFY(qRed(background) > 200 && qBlue(background) < qRed(background));  // light orange
    // The quarter lines run the full width and height.
    QVERIFY(isLine(88, 40) && isLine(88, 178) && isLine(88, 320));
    QVERIFY(isLine(40, 89) && isLine(178, 89) && isLine(320, 89));
    // The middle lines cross the outer ring only.
    QVERIFY(isLine(177, 40) && isLine(177, 320));
    QVERIFY(!isLine(177, 150) && !isLine(150, 178));
    QVERIFY(isLine(40, 178) && isLine(320, 178));
}

void RasiChartTest::drawIsTheWholeChartAtAnySize()
{
    RasiChart chart;
    chart.setCells(samples::ReadingOf(samples::DelhiForm()).chartCells);
    // No widget on top adds anything: the screen is draw() alone.
    QCOMPARE(OnScreen(chart), Drawn(chart, chart.size()));

    // Twice the size, as on a page: the same places, twice as far out.
    const QImage big = Drawn(chart, chart.size() * 2);
    for (const SignPlace& p : kPlaces) {
        const QRect small = InkIn(Drawn(chart, chart.size()), p.cell);
        const QRect large = InkIn(big, QRect(p.cell.topLeft() * 2, p.cell.size() * 2));
        const QString where = QStringLiteral("sign %1: %2,%3 then %4,%5")
                                  .arg(p.sign).arg(small.right()).arg(small.bottom()).arg(large.right()).arg(large.bottom());
        QVERIFY2(qAbs(large.right() - 2 * small.right()) <= 3 && qAbs(large.bottom() - 2 * small.bottom()) <= 3,
                 qPrintable(where));
    }
}

void RasiChartTest::pictureAndPrintShowTheScreenChart()
{
    ReadingView view(samples::ReadingOf(samples::DelhiForm()));
    RasiChart& chart = view.rasiChart();
    const QRect place = chart.geometry();
    const QImage screen = OnScreen(chart);

    const QImage picture = CaptureWindow(view).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picture.copy(place), screen);

    // The printout at one page pixel per screen pixel.
    QImage page(view.size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        DrawScaledToFit(view, painter, QRectF(QPointF(0, 0), QSizeF(view.size())));
    }
    QCOMPARE(page.copy(place), screen);
}

QTEST_MAIN(RasiChartTest)
#include "tst_rasichart.moc"
