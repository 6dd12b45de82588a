// The Rasi chart widget: cell places, filling and clearing, and the painted
// background with its open centre.
#include "app/RasiChart.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>

using namespace varelio::app;

class RasiChartTest : public QObject {
    Q_OBJECT
private slots:
    void cellsSitAtTheirPlaces();
    void fillingReplacesEveryCell();
    void backgroundLeavesTheCentreOpen();
};

void RasiChartTest::cellsSitAtTheirPlaces()
{
    RasiChart chart;
    QCOMPARE(chart.size(), QSize(356, 357));
    QCOMPARE(chart.objectName(), QStringLiteral("picSouthRasi"));
    struct Place {
        int sign;
        QPoint content;
        QPoint number;
    };
    // Twips / 15 of the fixed layout: Pisces top left, Virgo bottom right.
    const Place places[] = {
        {11, {23, 4}, {72, 72}},   {0, {111, 4}, {168, 72}},   {2, {288, 4}, {344, 72}},
        {3, {288, 88}, {344, 160}}, {9, {23, 180}, {72, 248}},  {8, {23, 267}, {77, 336}},
        {5, {288, 267}, {342, 336}},
    };
    for (const Place& p : places) {
        auto* content = chart.findChild<QLabel*>(QStringLiteral("lblPlanets%1").arg(p.sign));
        auto* number = chart.findChild<QLabel*>(QStringLiteral("lblSouthPosition%1").arg(p.sign));
        QVERIFY(content && number);
        QCOMPARE(content->pos(), p.content);
        QCOMPARE(number->geometry().top(), p.number.y());
        QVERIFY2(number->geometry().right() + 1 >= p.number.x() + 8,
                 qPrintable(QStringLiteral("sign %1 number ends at %2").arg(p.sign).arg(number->geometry().right())));
        QCOMPARE(number->text(), QString::number(p.sign + 1));
    }
}

void RasiChartTest::fillingReplacesEveryCell()
{
    RasiChart chart;
    std::array<std::string, 12> first;
    first[0] = "Asc\r\nSurya\r\nBudha";
    first[9] = "Shani (R) ";
    chart.FillRasiChart(first);
    QCOMPARE(chart.cellText(0), QStringLiteral("Asc\nSurya\nBudha"));
    QCOMPARE(chart.cellText(9), QStringLiteral("Shani (R) "));
    auto* aries = chart.findChild<QLabel*>(QStringLiteral("lblPlanets0"));
    QVERIFY2(aries->height() >= 3 * aries->fontMetrics().height(),
             qPrintable(QStringLiteral("three lines in %1 px").arg(aries->height())));

    std::array<std::string, 12> second;
    second[6] = "Chandra";
    chart.FillRasiChart(second);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(chart.cellText(i), i == 6 ? QStringLiteral("Chandra") : QString());
    QCOMPARE(aries->pos(), QPoint(111, 4));
}

void RasiChartTest::backgroundLeavesTheCentreOpen()
{
    RasiChart chart;
    QImage image(chart.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    chart.paint(painter);
    painter.end();

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

QTEST_MAIN(RasiChartTest)
#include "tst_rasichart.moc"
