// The chart drawing: which sign each style draws where (the North Indian
// houses counted from the ascendant), each body drawn inside its sign's cell
// in every style, "Asc" and the retrograde mark, the colour, the title, and
// the SVG and PNG files written whole or not at all.
#include "drawing/ChartPicture.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

using namespace varelio;
using namespace varelio::drawing;

namespace {

// Places the eye finds in the 356 x 357 chart. South: a 4 x 4 grid. East: a
// 3 x 3 grid whose corner cells are cut by their diagonals. North: the square
// below the title band (10..346 across, 20..356 down), its diagonals and the
// diamond on the sides' midpoints.
namespace north {
const QPointF kTopDiamond(178, 104), kLeftDiamond(94, 188), kBottomDiamond(178, 272), kRightDiamond(262, 188);
const QPointF kTopLeftUpper(94, 30), kTopRightUpper(262, 30);
}  // namespace north

QImage Drawn(const ChartContent& content, const ChartLook& look)
{
    QImage image(kChartSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawChart(painter, QRectF(image.rect()), content, look);
    return image;
}

// The pixels where two drawings differ.
QList<QPoint> Differing(const QImage& a, const QImage& b)
{
    QList<QPoint> points;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                points << QPoint(x, y);
    return points;
}

// The one sign whose cell holds the point; 0 for none or several.
int SignAt(ChartStyle style, const QPointF& point, int ascendant)
{
    int found = 0;
    for (int sign = 1; sign <= 12; ++sign) {
        if (SignCell(style, sign, ascendant).containsPoint(point, Qt::OddEvenFill)) {
            if (found != 0)
                return 0;
            found = sign;
        }
    }
    return found;
}

ChartContent With(BodyIndex body, int sign, int ascendant)
{
    ChartContent content;
    content.signs[kAscendant] = ascendant;
    content.signs[body] = sign;
    return content;
}

const char* StyleName(ChartStyle style)
{
    return style == ChartStyle::South ? "south" : style == ChartStyle::North ? "north" : "east";
}

}  // namespace

class ChartDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void northHousesCountTheSignsFromTheAscendant_data();
    void northHousesCountTheSignsFromTheAscendant();
    void southAndEastFixTheSigns_data();
    void southAndEastFixTheSigns();
    void eachBodyIsDrawnInItsSignsCell();
    void cellsListTheAscendantFirstAndMarkRetrogrades();
    void colourTintsTheAscendantsCellAndColoursTheBodies();
    void titleIsDrawnInEveryStyle();
    void picturesAreWrittenWholeOrNotAtAll();
};

void ChartDrawingTest::northHousesCountTheSignsFromTheAscendant_data()
{
    QTest::addColumn<int>("ascendant");
    // The signs of houses 1 (top), 4 (left), 7 (bottom), 10 (right), 2 (top
    // left, upper) and 12 (top right, upper): counter-clockwise from the top.
    QTest::addColumn<QList<int>>("signs");
    const QList<QList<int>> rows = {
        {1, 1, 4, 7, 10, 2, 12},   {2, 2, 5, 8, 11, 3, 1},   {3, 3, 6, 9, 12, 4, 2},   {4, 4, 7, 10, 1, 5, 3},
        {5, 5, 8, 11, 2, 6, 4},    {6, 6, 9, 12, 3, 7, 5},   {7, 7, 10, 1, 4, 8, 6},   {8, 8, 11, 2, 5, 9, 7},
        {9, 9, 12, 3, 6, 10, 8},   {10, 10, 1, 4, 7, 11, 9}, {11, 11, 2, 5, 8, 12, 10}, {12, 12, 3, 6, 9, 1, 11},
    };
    for (const QList<int>& row : rows)
        QTest::addRow("ascendant %d", row[0]) << row[0] << row.mid(1);
}

void ChartDrawingTest::northHousesCountTheSignsFromTheAscendant()
{
    QFETCH(int, ascendant);
    QFETCH(QList<int>, signs);
    const QPointF places[] = {north::kTopDiamond,   north::kLeftDiamond,   north::kBottomDiamond,
                              north::kRightDiamond, north::kTopLeftUpper, north::kTopRightUpper};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(SignAt(ChartStyle::North, places[i], ascendant), signs[i]);
    // No ascendant, no signs in the houses.
    QCOMPARE(SignAt(ChartStyle::North, north::kTopDiamond, 0), 0);
}

void ChartDrawingTest::southAndEastFixTheSigns_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QPointF>("place");
    QTest::addColumn<int>("sign");
    const auto south = static_cast<int>(ChartStyle::South);
    QTest::newRow("south: Pisces top left") << south << QPointF(44, 44) << 12;
    QTest::newRow("south: Aries second in the top row") << south << QPointF(133, 44) << 1;
    QTest::newRow("south: Gemini top right") << south << QPointF(310, 44) << 3;
    QTest::newRow("south: Cancer below it") << south << QPointF(310, 133) << 4;
    QTest::newRow("south: Virgo bottom right") << south << QPointF(310, 310) << 6;
    QTest::newRow("south: Sagittarius bottom left") << south << QPointF(44, 310) << 9;
    QTest::newRow("south: Aquarius left, second row") << south << QPointF(44, 133) << 11;
    QTest::newRow("south: the centre is no sign's") << south << QPointF(178, 178) << 0;
    const auto east = static_cast<int>(ChartStyle::East);
    QTest::newRow("east: Aries top centre") << east << QPointF(178, 59) << 1;
    QTest::newRow("east: Taurus top left, by the top") << east << QPointF(90, 25) << 2;
    QTest::newRow("east: Gemini top left, by the side") << east << QPointF(25, 90) << 3;
    QTest::newRow("east: Cancer left middle") << east << QPointF(59, 178) << 4;
    QTest::newRow("east: Leo bottom left, by the side") << east << QPointF(25, 265) << 5;
    QTest::newRow("east: Virgo bottom left, by the bottom") << east << QPointF(90, 330) << 6;
    QTest::newRow("east: Libra bottom centre") << east << QPointF(178, 300) << 7;
    QTest::newRow("east: Capricorn right middle") << east << QPointF(300, 178) << 10;
    QTest::newRow("east: Aquarius top right, by the side") << east << QPointF(330, 90) << 11;
    QTest::newRow("east: Pisces top right, by the top") << east << QPointF(265, 25) << 12;
    QTest::newRow("east: the centre is no sign's") << east << QPointF(178, 178) << 0;
}

void ChartDrawingTest::southAndEastFixTheSigns()
{
    QFETCH(int, style);
    QFETCH(QPointF, place);
    QFETCH(int, sign);
    // Whatever the ascendant.
    for (int ascendant : {1, 5, 12})
        QCOMPARE(SignAt(static_cast<ChartStyle>(style), place, ascendant), sign);
}

// Drawn with and without a body, the chart differs only inside that body's
// sign's cell, in every style, for every sign (and, North, every ascendant).
void ChartDrawingTest::eachBodyIsDrawnInItsSignsCell()
{
    for (ChartStyle style : {ChartStyle::South, ChartStyle::North, ChartStyle::East}) {
        for (int ascendant : {1, 8}) {
            for (int sign = 1; sign <= 12; ++sign) {
                const ChartLook look{style, false};
                const QList<QPoint> ink = Differing(Drawn(With(kMars, sign, ascendant), look),
                                                    Drawn(With(kMars, 0, ascendant), look));
                const QPolygonF cell = SignCell(style, sign, ascendant);
                const QString where = QStringLiteral("%1, ascendant %2, Mars in %3")
                                          .arg(QLatin1String(StyleName(style))).arg(ascendant).arg(sign);
                QVERIFY2(ink.size() > 20, qPrintable(where));
                for (const QPoint& point : ink)
                    QVERIFY2(cell.containsPoint(QPointF(point) + QPointF(0.5, 0.5), Qt::OddEvenFill),
                             qPrintable(where + QStringLiteral(" at %1,%2").arg(point.x()).arg(point.y())));
            }
        }
    }
}

void ChartDrawingTest::cellsListTheAscendantFirstAndMarkRetrogrades()
{
    ChartContent content;
    content.signs[kAscendant] = 3;
    content.signs[kSaturn] = 3;
    content.signs[kJupiter] = 3;
    content.signs[kMidheaven] = 3;  // never drawn
    content.retrograde[kSaturn] = true;
    QCOMPARE(CellLines(content, 3), (QStringList{"Asc", "Guru", "Shani (R) "}));
    QCOMPARE(CellLines(content, 4), QStringList());
}

void ChartDrawingTest::colourTintsTheAscendantsCellAndColoursTheBodies()
{
    // The share of a cell's pixels that pass a test.
    auto share = [](const QImage& image, const QPolygonF& cell, auto test) {
        int all = 0, passing = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (cell.containsPoint(QPointF(x, y) + QPointF(0.5, 0.5), Qt::OddEvenFill)) {
                    ++all;
                    passing += test(image.pixel(x, y));
                }
        return double(passing) / all;
    };
    for (ChartStyle style : {ChartStyle::South, ChartStyle::North, ChartStyle::East}) {
        const ChartContent content = With(kMars, 7, 2);
        const QImage plain = Drawn(content, {style, false});
        const QImage coloured = Drawn(content, {style, true});
        // The ascendant's cell is tinted; the others keep the chart's orange,
        // the colour by the left edge half way down, clear of lines and text.
        const auto orange = [background = plain.pixel(3, 183)](QRgb pixel) { return pixel == background; };
        QVERIFY2(share(plain, SignCell(style, 2, 2), orange) > 0.8, StyleName(style));
        QVERIFY2(share(coloured, SignCell(style, 2, 2), orange) < 0.1, StyleName(style));
        QVERIFY2(share(coloured, SignCell(style, 5, 2), orange) > 0.8, StyleName(style));
        // Mars's name is red where the plain chart's ink is purple.
        const auto red = [](QRgb pixel) { return qRed(pixel) > qBlue(pixel) + qGreen(pixel) + 60; };
        const QPolygonF mars = SignCell(style, 7, 2);
        QVERIFY2(share(plain, mars, red) == 0 && share(coloured, mars, red) > 0.005, StyleName(style));
    }
}

// The title differs from no title only outside the signs' cells: in the
// open centre (South, East) or above the square (North).
void ChartDrawingTest::titleIsDrawnInEveryStyle()
{
    for (ChartStyle style : {ChartStyle::South, ChartStyle::North, ChartStyle::East}) {
        ChartContent titled = With(kSun, 1, 1);
        titled.title = QStringLiteral("Navamsa (D9)");
        const QList<QPoint> ink = Differing(Drawn(titled, {style, false}), Drawn(With(kSun, 1, 1), {style, false}));
        QVERIFY2(ink.size() > 30, StyleName(style));
        for (const QPoint& point : ink)
            QVERIFY2(SignAt(style, QPointF(point) + QPointF(0.5, 0.5), 1) == 0,
                     qPrintable(QStringLiteral("%1 at %2,%3").arg(QLatin1String(StyleName(style))).arg(point.x()).arg(point.y())));
    }
}

void ChartDrawingTest::picturesAreWrittenWholeOrNotAtAll()
{
    QCOMPARE(PictureFormatOf(QStringLiteral("a.svg")), PictureFormat::Svg);
    QCOMPARE(PictureFormatOf(QStringLiteral("A.PNG")), PictureFormat::Png);
    QCOMPARE(PictureFormatOf(QStringLiteral("a.jpg")), std::nullopt);
    QCOMPARE(PictureFormatOf(QStringLiteral("svg")), std::nullopt);

    QTemporaryDir dir;
    ChartContent content = With(kMoon, 4, 9);
    content.title = QStringLiteral("Rasi (D1)");
    const ChartLook look{ChartStyle::North, false};
    QString error;
    // The PNG is the chart as drawn, pixel for pixel.
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    QVERIFY2(WriteChartPicture(png, PictureFormat::Png, content, look, error), qPrintable(error));
    QCOMPARE(QImage(png).convertToFormat(QImage::Format_RGB32), Drawn(content, look));
    // The SVG is a picture of the chart's size, drawn as vectors and text.
    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    QVERIFY2(WriteChartPicture(svg, PictureFormat::Svg, content, look, error), qPrintable(error));
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.viewBox(), QRect(QPoint(0, 0), kChartSize));
    QFile text(svg);
    QVERIFY(text.open(QIODevice::ReadOnly));
    QVERIFY(text.readAll().contains(">Chandra<"));

    // A file that cannot be written leaves nothing behind.
    for (const QString& path : {dir.filePath(QStringLiteral("missing/chart.png")), dir.path()}) {
        error.clear();
        QVERIFY(!WriteChartPicture(path, PictureFormat::Png, content, look, error));
        QVERIFY(!error.isEmpty());
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{"chart.png", "chart.svg"}));
}

QTEST_MAIN(ChartDrawingTest)
#include "tst_chartdrawing.moc"
