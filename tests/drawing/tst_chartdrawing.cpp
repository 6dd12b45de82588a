// The chart drawing: the order each style draws the signs in (the North Indian
// houses counted from the ascendant), each body drawn inside its sign's cell
// in every style, "Asc" and the retrograde mark, the colour, the title, and
// the SVG and PNG pictures.
#include "drawing/ChartPicture.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <random>

using namespace varelio;
using namespace varelio::drawing;

namespace {

constexpr ChartStyle kStyles[] = {ChartStyle::South, ChartStyle::North, ChartStyle::East};

QImage Drawn(const ChartContent& content, const ChartLook& look)
{
    QImage image(kChartSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawChart(painter, QRectF(image.rect()), content, look);
    return image;
}

// What is wrong with the ink by which two drawings differ: a pixel outside
// place, or too few pixels to be the text drawn; empty when nothing is.
template <typename Place>
QString StrayInk(const QImage& a, const QImage& b, Place place)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y))
                continue;
            if (!place(QPointF(x + 0.5, y + 0.5)))
                return QStringLiteral("ink at %1,%2").arg(x).arg(y);
            ++count;
        }
    }
    return count > 30 ? QString() : QStringLiteral("only %1 pixels").arg(count);
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

// The signs met on a ring round the chart's middle, starting just left of its
// top, each sign once, in the order met: "1 2 3 ...".
QString SignsRound(ChartStyle style, int ascendant, bool clockwise)
{
    const QPointF middle = QRectF(QPointF(0, 0), kChartSize).center();
    QList<int> signs;
    for (int degree = 0; degree < 360; ++degree) {
        const double turn = (1 + (clockwise ? -degree : degree)) * M_PI / 180;
        const int sign = SignAt(style, middle + 150 * QPointF(-std::sin(turn), -std::cos(turn)), ascendant);
        if (sign != 0 && !signs.contains(sign))
            signs << sign;
    }
    QStringList words;
    for (int sign : signs)
        words << QString::number(sign);
    return words.join(QLatin1Char(' '));
}

// A body's line as the windows word it, marked when retrograde.
QString Label(int body, bool retrograde = false)
{
    static const char* const kNames[] = {"Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru",
                                         "Shani", "Rahu", "Ketu", "Asc", ""};
    return QLatin1String(kNames[body]) + (retrograde ? QStringLiteral(" (R) ") : QString());
}

ChartContent With(BodyIndex body, int sign, int ascendant)
{
    ChartContent content;
    content.signs[kAscendant] = ascendant;
    content.signs[body] = sign;
    for (int b = kSun; b < kBodyCount; ++b)
        content.labels[static_cast<std::size_t>(b)] = Label(b);
    return content;
}

QString StyleName(ChartStyle style)
{
    return QLatin1String(style == ChartStyle::South ? "south" : style == ChartStyle::North ? "north" : "east");
}

// The share of a cell's pixels (x, y) at which test holds.
template <typename Test>
double Share(const QPolygonF& cell, Test test)
{
    int all = 0, passing = 0;
    for (int y = 0; y < kChartSize.height(); ++y)
        for (int x = 0; x < kChartSize.width(); ++x)
            if (cell.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill)) {
                ++all;
                passing += test(x, y);
            }
    return double(passing) / all;
}

}  // namespace

class ChartDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void signsGoRoundInEachStylesOrder();
    void bodiesAndTitleAreDrawnWhereTheyBelong();
    void cellsListTheAscendantFirstAndMarkRetrogrades();
    void colourTintsTheAscendantsCellAndColoursTheBodies();
    void linesKeepClearOfTheCellsEdgesAndNumber();
    void bodyColoursStandOutSevenToOne();
    void picturesAreTheDrawing();
};

// South: Aries second in the top row, then clockwise. East: Aries at the top
// centre, then counter-clockwise. Both whatever the ascendant. North: the
// ascendant's sign in the top diamond (house 1), then counter-clockwise.
void ChartDrawingTest::signsGoRoundInEachStylesOrder()
{
    for (ChartStyle style : kStyles) {
        for (int ascendant = 1; ascendant <= 12; ++ascendant) {
            const int first = style == ChartStyle::North ? ascendant : 1;
            QStringList expected;
            for (int i = 0; i < 12; ++i)
                expected << QString::number((first + i - 1) % 12 + 1);
            const QString signs = SignsRound(style, ascendant, style == ChartStyle::South);
            QVERIFY2(signs == expected.join(QLatin1Char(' ')),
                     qPrintable(QStringLiteral("%1, ascendant %2: %3").arg(StyleName(style)).arg(ascendant).arg(signs)));
        }
    }
    // No ascendant, no signs in the houses.
    QVERIFY(SignsRound(ChartStyle::North, 0, false).isEmpty());
}

// Drawn with and without a body, the chart differs only inside that body's
// sign's cell, in every style, for every sign (and, North, every ascendant);
// with and without a title, only outside the signs' cells: in the open centre
// (South, East) or above the square (North).
void ChartDrawingTest::bodiesAndTitleAreDrawnWhereTheyBelong()
{
    for (ChartStyle style : kStyles) {
        const ChartLook look{style, false};
        for (int ascendant : {1, 8}) {
            for (int sign = 1; sign <= 12; ++sign) {
                const QPolygonF cell = SignCell(style, sign, ascendant);
                const QString stray =
                    StrayInk(Drawn(With(kMars, sign, ascendant), look), Drawn(With(kMars, 0, ascendant), look),
                             [&](const QPointF& p) { return cell.containsPoint(p, Qt::OddEvenFill); });
                QVERIFY2(stray.isEmpty(), qPrintable(QStringLiteral("%1, ascendant %2, Mars in %3: %4")
                                                         .arg(StyleName(style)).arg(ascendant).arg(sign).arg(stray)));
            }
        }
        ChartContent titled = With(kSun, 1, 1);
        titled.title = QStringLiteral("Navamsa (D9)");
        const QString stray = StrayInk(Drawn(titled, look), Drawn(With(kSun, 1, 1), look),
                                       [&](const QPointF& p) { return SignAt(style, p, 1) == 0; });
        QVERIFY2(stray.isEmpty(), qPrintable(QStringLiteral("%1 title: %2").arg(StyleName(style), stray)));
    }
}

void ChartDrawingTest::cellsListTheAscendantFirstAndMarkRetrogrades()
{
    ChartContent content = With(kSaturn, 3, 3);
    content.signs[kJupiter] = 3;
    content.signs[kMidheaven] = 3;  // never drawn
    content.labels[kSaturn] = Label(kSaturn, true);
    QCOMPARE(CellLines(content, 3), (QStringList{"Asc", "Guru", "Shani (R) "}));
    QCOMPARE(CellLines(content, 4), QStringList());
}

void ChartDrawingTest::colourTintsTheAscendantsCellAndColoursTheBodies()
{
    for (ChartStyle style : kStyles) {
        const ChartContent content = With(kMars, 7, 2);
        const QImage plain = Drawn(content, {style, false});
        const QImage coloured = Drawn(content, {style, true});
        // Only the ascendant's cell is tinted.
        const auto same = [&](int x, int y) { return plain.pixel(x, y) == coloured.pixel(x, y); };
        QVERIFY2(Share(SignCell(style, 2, 2), same) < 0.1, qPrintable(StyleName(style)));
        QVERIFY2(Share(SignCell(style, 5, 2), same) > 0.8, qPrintable(StyleName(style)));
        // Mars's name is red where the plain chart's ink is purple.
        const auto red = [](const QImage& image) {
            return [&image](int x, int y) {
                const QRgb pixel = image.pixel(x, y);
                return qRed(pixel) > qBlue(pixel) + qGreen(pixel) + 60;
            };
        };
        const QPolygonF mars = SignCell(style, 7, 2);
        QVERIFY2(Share(mars, red(plain)) == 0 && Share(mars, red(coloured)) > 0.005, qPrintable(StyleName(style)));
    }
}

// North and East: every line of a cell inside it, clear of the others and of
// the sign's number, on charts with random births' signs (Mercury and Venus by
// the Sun, Ketu opposite Rahu) and with seven lines in every cell.
void ChartDrawingTest::linesKeepClearOfTheCellsEdgesAndNumber()
{
    std::mt19937 random(24);
    std::uniform_int_distribution<int> anySign(1, 12), near(-1, 1), coin(0, 3);
    std::vector<ChartContent> charts(300);
    for (ChartContent& chart : charts) {
        for (int body = kSun; body <= kAscendant; ++body) {
            chart.signs[body] = anySign(random);
            chart.labels[body] = Label(body, coin(random) == 0);
        }
        for (BodyIndex inner : {kMercury, kVenus})
            chart.signs[inner] = (chart.signs[kSun] + near(random) + 11) % 12 + 1;
        chart.signs[kKetu] = (chart.signs[kRahu] + 5) % 12 + 1;
    }
    for (int sign = 1; sign <= 12; ++sign) {
        ChartContent crowded = With(kSun, sign, 1);
        for (int body = kMoon; body <= kJupiter; ++body) {
            crowded.signs[body] = sign;
            crowded.labels[body] = Label(body, true);
        }
        charts.push_back(crowded);
    }
    for (ChartStyle style : {ChartStyle::North, ChartStyle::East}) {
        for (const ChartContent& chart : charts) {
            for (int sign = 1; sign <= 12; ++sign) {
                const CellLayout layout = LayOutCell(style, chart, sign);
                const QPolygonF cell = SignCell(style, sign, chart.signs[kAscendant]);
                bool clear = layout.lines.size() == std::size_t(CellLines(chart, sign).size());
                for (std::size_t i = 0; i < layout.lines.size(); ++i) {
                    const QRectF line = layout.lines[i];
                    for (const QPointF& corner : {line.topLeft(), line.topRight(), line.bottomLeft(), line.bottomRight()})
                        clear = clear && cell.containsPoint(corner, Qt::OddEvenFill);
                    for (std::size_t j = i + 1; j < layout.lines.size(); ++j)
                        clear = clear && !line.intersects(layout.lines[j]);
                    clear = clear && !line.intersects(layout.number);
                }
                QVERIFY2(clear, qPrintable(QStringLiteral("%1, sign %2: %3").arg(StyleName(style)).arg(sign)
                                               .arg(CellLines(chart, sign).join(QLatin1Char(',')))));
            }
        }
    }
}

// Relative luminance, as the WCAG contrast ratio takes it.
static double Luminance(QRgb pixel)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) + 0.0722 * linear(qBlue(pixel));
}

// Each body's colour against its cell, plain and tinted (the ascendant's): the
// darkest pixel of its name, drawn four times the size so that its strokes
// hold the pen's own colour, against the cell drawn without it.
void ChartDrawingTest::bodyColoursStandOutSevenToOne()
{
    constexpr int kScale = 4;
    const auto drawn = [](const ChartContent& content) {
        QImage image(kChartSize * kScale, QImage::Format_RGB32);
        QPainter painter(&image);
        DrawChart(painter, QRectF(image.rect()), content, {ChartStyle::North, true});
        return image;
    };
    for (int body = kSun; body <= kKetu; ++body) {
        for (int ascendant : {5, 7}) {  // the body's house 1 is tinted with the ascendant in sign 5
            const ChartContent content = With(static_cast<BodyIndex>(body), 5, ascendant);
            const CellLayout layout = LayOutCell(ChartStyle::North, content, 5);
            const QRect name = QRectF(layout.lines.back().topLeft() * kScale, layout.lines.back().size() * kScale)
                                   .toAlignedRect();
            const QImage with = drawn(content), without = drawn(With(static_cast<BodyIndex>(body), 0, ascendant));
            double darkest = 1;
            for (int y = name.top(); y <= name.bottom(); ++y)
                for (int x = name.left(); x <= name.right(); ++x)
                    darkest = std::min(darkest, Luminance(with.pixel(x, y)));
            const double ratio = (Luminance(without.pixel(name.center())) + 0.05) / (darkest + 0.05);
            QVERIFY2(ratio >= 7, qPrintable(QStringLiteral("body %1, ascendant %2: %3:1").arg(body).arg(ascendant).arg(ratio)));
        }
    }
}

void ChartDrawingTest::picturesAreTheDrawing()
{
    // A bare ending names no picture (the endings themselves: tests/cli/ProcessTest.cpp).
    QCOMPARE(PictureFormatOf(QStringLiteral("svg")), std::nullopt);

    ChartContent content = With(kMoon, 4, 9);
    content.title = QStringLiteral("Rasi (D1)");
    const ChartLook look{ChartStyle::North, false};
    // The PNG is the chart as drawn, pixel for pixel.
    const std::optional<QByteArray> png = ChartPicture(PictureFormat::Png, content, look);
    QVERIFY(png);
    QCOMPARE(QImage::fromData(*png, "png").convertToFormat(QImage::Format_RGB32), Drawn(content, look));
    // The SVG draws the bodies as text (its size: tests/cli/ProcessTest.cpp).
    const std::optional<QByteArray> svg = ChartPicture(PictureFormat::Svg, content, look);
    QVERIFY(svg && svg->contains(">Chandra<"));
}

QTEST_MAIN(ChartDrawingTest)
#include "tst_chartdrawing.moc"
