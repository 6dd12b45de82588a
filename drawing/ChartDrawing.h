// A divisional chart drawn in one of the three Indian styles. One routine
// draws it for the screen, the JPEG picture, the PDF page, the printout and
// the companion's picture; it works on plain values, not on a widget.
#pragma once

#include "astro/Records.h"
#include "charts/DivisionalCharts.h"

#include <QFont>
#include <QPolygonF>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

class QPainter;
class QRectF;

namespace varelio::drawing {

// South: signs fixed, Aries second in the top row, clockwise. North: houses
// fixed, house 1 the top centre diamond, counter-clockwise, each showing its
// sign. East: signs fixed, Aries in the top centre cell, counter-clockwise.
enum class ChartStyle { South, North, East };

// What one chart shows: the sign 1 to 12 (0: none) each body stands in, the
// ascendant's at kAscendant (the midheaven is not drawn), what each body's
// line in its cell says ("Surya", "Shani (R) ", "Asc" for the ascendant) and
// what the chart is called ("Navamsa (D9)"), worded by the caller.
struct ChartContent {
    QString title;
    ChartSigns signs{};
    std::array<QString, kBodyCount> labels;
};

// The style and whether the chart is in colour: a colour per body and the
// ascendant's house tinted; without, one ink on the chart's orange.
struct ChartLook {
    ChartStyle style = ChartStyle::South;
    bool colour = false;
};

// The size the chart is laid out at, in pixels of a 96 dpi screen; drawn
// anywhere else it is scaled from this.
inline constexpr QSize kChartSize(356, 357);

// The reading's font (Verdana 8 pt, or DejaVu Sans standing in for it):
// the reading view's and the chart's wherever it is drawn.
QFont ReadingFont();

// The lines a sign's cell lists: the ascendant's label first where it
// stands, then the labels of the Sun .. Ketu in it, in body order.
QStringList CellLines(const ChartContent& content, int sign);

// The region in which the style draws a sign (1 to 12), in the coordinates of
// kChartSize. The North Indian houses carry the signs counted from the
// ascendant's; without an ascendant's sign it draws no sign there (an empty
// outline).
QPolygonF SignCell(ChartStyle style, int sign, int ascendantSign);

// Where the North and East Indian styles draw a sign's cell: the box of each
// line CellLines lists, in their order, in the coordinates of kChartSize, in
// the layout's font, and the box of the sign's number by the cell's first
// corner. The lines keep clear of the cell's edges and of the number: a
// crowded cell (a narrow triangle above all) takes them in two or three
// columns, and then in a font down to 70% of font's size, as near its middle
// as they fit; should nothing fit, the arrangement that strays least. Empty
// for the South Indian style, whose cells are laid out as they always have
// been, and for a cell not drawn (no ascendant's sign in the North Indian
// style).
struct CellLayout {
    QFont font;
    std::vector<QRectF> lines;
    QRectF number;
};
CellLayout LayOutCell(ChartStyle style, const ChartContent& content, int sign, const QFont& font = ReadingFont());

// The whole chart (lines, the bodies of every cell, the sign numbers, the
// title) scaled into target, in font.
void DrawChart(QPainter& painter, const QRectF& target, const ChartContent& content, const ChartLook& look,
               const QFont& font = ReadingFont());

}  // namespace varelio::drawing
