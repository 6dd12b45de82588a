#include "drawing/ChartDrawing.h"

#include "manglik/Manglik.h"

#include <QFontMetrics>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace varelio::drawing {

namespace {

const QColor kBackground(255, 222, 173);
const QColor kLines(90, 40, 20);
const QColor kInk(64, 0, 64);
// Colour: the ascendant's house a paler orange, and a colour for each body,
// dark enough for a contrast of at least 7:1 against the chart's orange (and
// so against the paler tint), as small text wants it.
const QColor kAscendantTint(255, 243, 214);
const std::array<QColor, kBodyCount> kBodyColours{
    QColor(127, 42, 0),    // Sun
    QColor(0, 72, 126),    // Moon
    QColor(0, 82, 27),     // Mercury
    QColor(137, 0, 100),   // Venus
    QColor(147, 0, 0),     // Mars
    QColor(99, 63, 0),     // Jupiter
    QColor(40, 40, 150),   // Saturn
    QColor(70, 70, 70),    // Rahu
    QColor(0, 78, 85),     // Ketu
    kInk,                  // Ascendant
    kInk,                  // Midheaven (not drawn)
};

constexpr int kWidth = kChartSize.width();
constexpr int kHeight = kChartSize.height();
// The South and East Indian grids fill the chart; the North Indian square
// leaves room for the title above it.
constexpr int kGridRight = kWidth - 1;
constexpr int kGridBottom = kHeight - 1;
constexpr int kTitleBand = 20;
constexpr int kNorthSide = kGridBottom - kTitleBand;
constexpr int kNorthLeft = (kWidth - 1 - kNorthSide) / 2;

// A North or East Indian sign's number is drawn this far from its cell's
// first corner, towards the cell's middle.
constexpr qreal kNumberInset = 14;

// ---- South Indian: today's layout, laid down in twips. ----

struct SouthPlace {
    int contentLeft, contentTop;                 // twips
    int numberLeft, numberTop, numberWidth;      // twips
    int column, row;                             // of the 4 x 4 grid
};

// Index is the sign, Aries first; the places never rotate with the ascendant.
constexpr SouthPlace kSouth[12] = {
    {1665, 60, 2520, 1080, 120, 1, 0},    // Aries
    {3000, 60, 3840, 1080, 120, 2, 0},    // Taurus
    {4320, 60, 5160, 1080, 120, 3, 0},    // Gemini
    {4320, 1320, 5160, 2400, 120, 3, 1},  // Cancer
    {4320, 2700, 5160, 3720, 120, 3, 2},  // Leo
    {4320, 4005, 5130, 5040, 120, 3, 3},  // Virgo
    {3000, 4005, 3840, 5040, 120, 2, 3},  // Libra
    {1665, 4005, 2520, 5040, 120, 1, 3},  // Scorpio
    {345, 4005, 1150, 5040, 120, 0, 3},   // Sagittarius
    {345, 2700, 1080, 3720, 240, 0, 2},   // Capricorn
    {345, 1320, 1080, 2400, 240, 0, 1},   // Aquarius
    {345, 60, 1080, 1080, 240, 0, 0},     // Pisces
};

constexpr int Px(int twips)
{
    return (twips * 2 + 15) / 30;  // twips / 15, rounded half up: pixels of a 96 dpi screen
}

int SouthGrid(int index, int extent)
{
    return extent * index / 4;
}

// A cell's body list: at least the design box, grown from its top left corner
// to fit the lines, which are centred in it.
QRect SouthContentBox(const SouthPlace& place, const QFontMetrics& metrics, const QString& text)
{
    const QSize needed = metrics.boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignTop, text).size();
    return {QPoint(Px(place.contentLeft), Px(place.contentTop)), needed.expandedTo(QSize(Px(570), Px(195)))};
}

// The design boxes of the sign numbers fit one digit; "10" to "12" need a
// little more, taken on the left.
QRect SouthNumberBox(const SouthPlace& place, const QFontMetrics& metrics, const QString& number)
{
    const QRect box(Px(place.numberLeft), Px(place.numberTop), Px(place.numberWidth), Px(195));
    const int needed = metrics.boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignRight, number).width();
    return box.width() >= needed ? box : box.adjusted(box.width() - needed, 0, 0, 0);
}

void DrawSouthLines(QPainter& painter)
{
    const int w = kGridRight, h = kGridBottom;
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

// ---- North and East Indian: cells as polygons. ----

// A cell's corners, first the one its sign's number sits by: a diamond's
// inner corner, a triangle's right angle, a square's lower right corner (as in
// the South Indian chart).
QPolygonF Polygon(std::initializer_list<QPointF> corners)
{
    return QPolygonF(QList<QPointF>(corners));
}

// House 1 to 12 of the North Indian square, top centre first, counter-clockwise.
QPolygonF NorthHouse(int house)
{
    const qreal s = kNorthSide, m = s / 2, q = s / 4;
    const QPointF c(m, m);
    QPolygonF cell;
    switch (house) {
    case 1: cell = Polygon({c, {q, q}, {m, 0}, {3 * q, q}}); break;
    case 2: cell = Polygon({{q, q}, {0, 0}, {m, 0}}); break;
    case 3: cell = Polygon({{q, q}, {0, m}, {0, 0}}); break;
    case 4: cell = Polygon({c, {q, 3 * q}, {0, m}, {q, q}}); break;
    case 5: cell = Polygon({{q, 3 * q}, {0, s}, {0, m}}); break;
    case 6: cell = Polygon({{q, 3 * q}, {m, s}, {0, s}}); break;
    case 7: cell = Polygon({c, {3 * q, 3 * q}, {m, s}, {q, 3 * q}}); break;
    case 8: cell = Polygon({{3 * q, 3 * q}, {s, s}, {m, s}}); break;
    case 9: cell = Polygon({{3 * q, 3 * q}, {s, m}, {s, s}}); break;
    case 10: cell = Polygon({c, {3 * q, q}, {s, m}, {3 * q, 3 * q}}); break;
    case 11: cell = Polygon({{3 * q, q}, {s, 0}, {s, m}}); break;
    case 12: cell = Polygon({{3 * q, q}, {m, 0}, {s, 0}}); break;
    default: return {};
    }
    return cell.translated(kNorthLeft, kTitleBand);
}

// Sign 1 to 12 of the East Indian square: Aries top centre, then counter-
// clockwise; a corner cell is cut by its diagonal into two signs.
QPolygonF EastSign(int sign)
{
    const qreal w = kGridRight, h = kGridBottom;
    const qreal x1 = std::floor(w / 3), x2 = std::floor(2 * w / 3);
    const qreal y1 = std::floor(h / 3), y2 = std::floor(2 * h / 3);
    switch (sign) {
    case 1: return Polygon({{x2, y1}, {x1, y1}, {x1, 0}, {x2, 0}});
    case 2: return Polygon({{x1, 0}, {0, 0}, {x1, y1}});
    case 3: return Polygon({{0, y1}, {0, 0}, {x1, y1}});
    case 4: return Polygon({{x1, y2}, {0, y2}, {0, y1}, {x1, y1}});
    case 5: return Polygon({{0, y2}, {x1, y2}, {0, h}});
    case 6: return Polygon({{x1, h}, {0, h}, {x1, y2}});
    case 7: return Polygon({{x2, h}, {x1, h}, {x1, y2}, {x2, y2}});
    case 8: return Polygon({{x2, h}, {x2, y2}, {w, h}});
    case 9: return Polygon({{w, y2}, {w, h}, {x2, y2}});
    case 10: return Polygon({{w, y2}, {x2, y2}, {x2, y1}, {w, y1}});
    case 11: return Polygon({{w, y1}, {x2, y1}, {w, 0}});
    case 12: return Polygon({{x2, 0}, {w, 0}, {x2, y1}});
    default: return {};
    }
}

QPointF Centroid(const QPolygonF& cell)
{
    QPointF sum;
    for (const QPointF& corner : cell)
        sum += corner;
    return sum / static_cast<qreal>(cell.size());
}

// The middle of the cell's width along the row at y.
qreal MiddleAcross(const QPolygonF& cell, qreal y)
{
    qreal left = 1e9, right = -1e9;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const QPointF a = cell[i], b = cell[(i + 1) % cell.size()];
        if ((a.y() - y) * (b.y() - y) > 0 || a.y() == b.y())
            continue;
        const qreal x = a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y());
        left = std::min(left, x);
        right = std::max(right, x);
    }
    return left <= right ? (left + right) / 2 : Centroid(cell).x();
}

// Where a cell's lines are centred: its centroid, moved to the middle of its
// width there, which keeps them inside the narrow triangles.
QPointF TextCentre(const QPolygonF& cell)
{
    const QPointF centroid = Centroid(cell);
    return {MiddleAcross(cell, centroid.y()), centroid.y()};
}

QPointF NumberCentre(const QPolygonF& cell)
{
    const QPointF corner = cell.front();
    const QLineF towards(corner, Centroid(cell));
    return towards.pointAt(kNumberInset / towards.length());
}

void DrawNorthLines(QPainter& painter)
{
    const qreal s = kNorthSide, m = s / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);  // the diagonals
    painter.translate(kNorthLeft, kTitleBand);
    painter.drawRect(QRectF(0, 0, s, s));
    painter.drawLine(QLineF(0, 0, s, s));
    painter.drawLine(QLineF(s, 0, 0, s));
    painter.drawPolygon(Polygon({{m, 0}, {0, m}, {m, s}, {s, m}}));
    painter.restore();
}

void DrawEastLines(QPainter& painter)
{
    const qreal w = kGridRight, h = kGridBottom;
    const qreal x1 = std::floor(w / 3), x2 = std::floor(2 * w / 3);
    const qreal y1 = std::floor(h / 3), y2 = std::floor(2 * h / 3);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);  // the diagonals
    painter.drawRect(QRectF(0, 0, w, h));
    painter.drawLine(QLineF(x1, 0, x1, h));
    painter.drawLine(QLineF(x2, 0, x2, h));
    painter.drawLine(QLineF(0, y1, w, y1));
    painter.drawLine(QLineF(0, y2, w, y2));
    painter.drawLine(QLineF(0, 0, x1, y1));
    painter.drawLine(QLineF(w, 0, x2, y1));
    painter.drawLine(QLineF(0, h, x1, y2));
    painter.drawLine(QLineF(w, h, x2, y2));
    painter.restore();
}

// A cell's entries: the text of each line and the body it names.
struct CellEntry {
    QString text;
    BodyIndex body;
};

std::vector<CellEntry> CellEntries(const ChartContent& content, int sign)
{
    std::vector<CellEntry> entries;
    if (sign < 1)
        return entries;
    if (content.signs[kAscendant] == sign)
        entries.push_back({content.labels[kAscendant], kAscendant});
    for (int b = kSun; b <= kKetu; ++b) {
        if (content.signs[static_cast<std::size_t>(b)] == sign)
            entries.push_back({content.labels[static_cast<std::size_t>(b)], static_cast<BodyIndex>(b)});
    }
    return entries;
}

QString Joined(const std::vector<CellEntry>& entries)
{
    QStringList lines;
    for (const CellEntry& entry : entries)
        lines << entry.text;
    return lines.join(QLatin1Char('\n'));
}

constexpr int kDirection = Qt::TextForceLeftToRight;

// The lines in box, each centred across it, the first at its top. Without
// colour they go in one stroke, the lines spaced as Qt spaces them.
void DrawEntries(QPainter& painter, const QRect& box, const std::vector<CellEntry>& entries, bool colour,
                 const QFontMetrics& metrics)
{
    if (entries.empty())
        return;
    if (!colour) {
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop | kDirection, Joined(entries));
        return;
    }
    painter.save();
    QRect line(box.left(), box.top(), box.width(), metrics.height());
    for (const CellEntry& entry : entries) {
        painter.setPen(kBodyColours[static_cast<std::size_t>(entry.body)]);
        painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop | kDirection, entry.text);
        line.translate(0, metrics.lineSpacing());
    }
    painter.restore();
}

void DrawSouth(QPainter& painter, const ChartContent& content, const ChartLook& look, const QFontMetrics& metrics)
{
    for (int sign = 1; sign <= 12; ++sign) {
        const SouthPlace& place = kSouth[sign - 1];
        const std::vector<CellEntry> entries = CellEntries(content, sign);
        if (!entries.empty())
            DrawEntries(painter, SouthContentBox(place, metrics, Joined(entries)), entries, look.colour, metrics);
        const QString number = QString::number(sign);
        painter.drawText(SouthNumberBox(place, metrics, number), Qt::AlignRight | Qt::AlignVCenter | kDirection,
                         number);
    }
    // The open centre carries the title.
    const QRect centre(QPoint(SouthGrid(1, kGridRight) + 1, SouthGrid(1, kGridBottom) + 1),
                       QPoint(SouthGrid(3, kGridRight) - 1, SouthGrid(3, kGridBottom) - 1));
    painter.drawText(centre, Qt::AlignCenter | Qt::TextWordWrap | kDirection, content.title);
}

QRect NumberBox(const QPointF& centre, int sign, const QFontMetrics& metrics)
{
    const QSize size = metrics.boundingRect(QString::number(sign)).size() + QSize(2, 2);
    return {QPoint(qRound(centre.x() - size.width() / 2.0), qRound(centre.y() - size.height() / 2.0)), size};
}

// ---- Laying out a North or East Indian cell's lines. ----

// Room kept between a line and the cell's edges; from the sign's number a
// character's width more, so that a name beside it does not read as one with
// it ("Budha 10").
constexpr qreal kClearance = 1.5;

// The lines in columns (down the first, then the next), each line's box
// centred in its column, relative to the block's top left; and the block's size.
struct Block {
    std::vector<QRect> lines;
    QSize size;
};

Block Arranged(const std::vector<CellEntry>& entries, int columns, const QFontMetrics& metrics)
{
    const int count = static_cast<int>(entries.size());
    const int rows = (count + columns - 1) / columns;
    const int gap = metrics.averageCharWidth();
    const auto advance = [&](int i) { return metrics.horizontalAdvance(entries[static_cast<std::size_t>(i)].text); };
    Block block;
    int x = 0;
    for (int first = 0; first < count; first += rows) {
        const int last = std::min(count, first + rows);
        int width = 0;
        for (int i = first; i < last; ++i)
            width = std::max(width, advance(i));
        for (int i = first; i < last; ++i)
            block.lines.emplace_back(x + (width - advance(i)) / 2, (i - first) * metrics.lineSpacing(), advance(i),
                                     metrics.height());
        x += width + gap;
    }
    block.size = QSize(x - gap, (rows - 1) * metrics.lineSpacing() + metrics.height());
    return block;
}

// How far the block's lines at offset stray: corners outside the cell, and
// lines on the number (which count for more); 0 when they fit.
int Strays(const Block& block, const QPoint& offset, const QPolygonF& cell, const QRectF& number)
{
    int strays = 0;
    for (const QRect& line : block.lines) {
        const QRectF room = QRectF(line.translated(offset)).adjusted(-kClearance, -kClearance, kClearance, kClearance);
        for (const QPointF& corner : {room.topLeft(), room.topRight(), room.bottomLeft(), room.bottomRight()})
            strays += cell.containsPoint(corner, Qt::OddEvenFill) ? 0 : 1;
        strays += room.intersects(number) ? 8 : 0;
    }
    return strays;
}

// Offsets from a cell's preferred place for its lines, nearest first, every
// second pixel across the chart.
const std::vector<QPoint>& OffsetsNearestFirst()
{
    static const std::vector<QPoint> offsets = [] {
        std::vector<QPoint> all;
        for (int dy = -kHeight / 2; dy <= kHeight / 2; dy += 2)
            for (int dx = -kWidth / 2; dx <= kWidth / 2; dx += 2)
                all.emplace_back(dx, dy);
        std::stable_sort(all.begin(), all.end(), [](const QPoint& a, const QPoint& b) {
            return a.x() * a.x() + a.y() * a.y() < b.x() * b.x() + b.y() * b.y();
        });
        return all;
    }();
    return offsets;
}

QFont Scaled(const QFont& font, qreal scale)
{
    QFont scaled = font;
    if (font.pixelSize() > 0)
        scaled.setPixelSize(std::max(1, qRound(font.pixelSize() * scale)));
    else
        scaled.setPointSizeF(font.pointSizeF() * scale);
    return scaled;
}

// The best place for the lines in one font: in 1 to 3 columns, each offset
// nearest the cell's middle first; its strays, 0 once one fits.
int Place(const std::vector<CellEntry>& entries, const QFont& font, const QPolygonF& cell, const QRectF& number,
          CellLayout& layout, int fewest)
{
    const QFontMetrics metrics(font);
    const QPointF preferred = TextCentre(cell);
    const QRectF bounds = cell.boundingRect();
    for (int columns = 1; columns <= std::min(3, static_cast<int>(entries.size())) && fewest > 0; ++columns) {
        const Block block = Arranged(entries, columns, metrics);
        const QPoint start(qRound(preferred.x() - block.size.width() / 2.0),
                           qRound(preferred.y() - block.size.height() / 2.0));
        for (const QPoint& offset : OffsetsNearestFirst()) {
            const QPoint at = start + offset;
            if (!bounds.contains(QPointF(at) + QPointF(block.size.width(), block.size.height()) / 2))
                continue;
            const int strays = Strays(block, at, cell, number);
            if (strays >= fewest)
                continue;
            fewest = strays;
            layout.font = font;
            layout.lines.clear();
            for (const QRect& line : block.lines)
                layout.lines.emplace_back(line.translated(at));
            if (strays == 0)
                break;
        }
    }
    return fewest;
}

void DrawCells(QPainter& painter, const ChartContent& content, const ChartLook& look, const QFont& font)
{
    for (int sign = 1; sign <= 12; ++sign) {
        const CellLayout layout = LayOutCell(look.style, content, sign, font);
        if (layout.number.isEmpty())
            continue;
        painter.setFont(font);
        painter.drawText(layout.number, Qt::AlignCenter | kDirection, QString::number(sign));
        const std::vector<CellEntry> entries = CellEntries(content, sign);
        painter.save();
        painter.setFont(layout.font);
        for (std::size_t i = 0; i < entries.size() && i < layout.lines.size(); ++i) {
            if (look.colour)
                painter.setPen(kBodyColours[static_cast<std::size_t>(entries[i].body)]);
            painter.drawText(layout.lines[i], Qt::AlignHCenter | Qt::AlignTop | kDirection, entries[i].text);
        }
        painter.restore();
    }
    painter.setFont(font);

    if (look.style == ChartStyle::North) {
        painter.drawText(QRect(0, 0, kWidth, kTitleBand), Qt::AlignCenter | kDirection, content.title);
    } else {
        const QRectF centre = EastSign(1).boundingRect().translated(0, EastSign(1).boundingRect().height());
        painter.drawText(centre.adjusted(1, 1, -1, -1), Qt::AlignCenter | Qt::TextWordWrap | kDirection,
                         content.title);
    }
}

}  // namespace

QFont ReadingFont()
{
    // DejaVu Sans stands in for Verdana where it is missing (it is Verdana's
    // close cousin and always installed), so the reading keeps its measure
    // whichever other sans-serif fonts the system adds.
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

QStringList CellLines(const ChartContent& content, int sign)
{
    QStringList lines;
    for (const CellEntry& entry : CellEntries(content, sign))
        lines << entry.text;
    return lines;
}

CellLayout LayOutCell(ChartStyle style, const ChartContent& content, int sign, const QFont& font)
{
    CellLayout layout;
    layout.font = font;
    const QPolygonF cell = style == ChartStyle::South ? QPolygonF() : SignCell(style, sign, content.signs[kAscendant]);
    if (cell.isEmpty())
        return layout;
    layout.number = NumberBox(NumberCentre(cell), sign, QFontMetrics(font));
    const std::vector<CellEntry> entries = CellEntries(content, sign);
    const qreal apart = kClearance + QFontMetrics(font).averageCharWidth();
    const QRectF number = layout.number.adjusted(-apart, -kClearance, apart, kClearance);
    // A crowded cell (a narrow triangle above all) takes its lines in two or
    // three columns, then in a smaller font, where they fit clear of its edges
    // and its number, as near its middle as they can; should nothing fit, the
    // arrangement that strays least.
    int fewest = std::numeric_limits<int>::max();
    for (const qreal scale : {1.0, 0.9, 0.8, 0.7}) {
        if (entries.empty() || fewest == 0)
            break;
        fewest = Place(entries, Scaled(font, scale), cell, number, layout, fewest);
    }
    return layout;
}

QPolygonF SignCell(ChartStyle style, int sign, int ascendantSign)
{
    if (sign < 1 || sign > 12)
        return {};
    switch (style) {
    case ChartStyle::South: {
        const SouthPlace& place = kSouth[sign - 1];
        return QPolygonF(QRectF(QPointF(SouthGrid(place.column, kGridRight), SouthGrid(place.row, kGridBottom)),
                                QPointF(SouthGrid(place.column + 1, kGridRight),
                                        SouthGrid(place.row + 1, kGridBottom))));
    }
    case ChartStyle::North: return NorthHouse(HouseFrom(ascendantSign, sign));
    case ChartStyle::East: return EastSign(sign);
    }
    return {};
}

void DrawChart(QPainter& painter, const QRectF& target, const ChartContent& content, const ChartLook& look,
               const QFont& font)
{
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / kWidth, target.height() / kHeight);
    painter.fillRect(QRect(0, 0, kWidth, kHeight), kBackground);
    const int ascendant = content.signs[kAscendant];
    if (look.colour && ascendant != 0) {
        const QPolygonF tinted = SignCell(look.style, ascendant, ascendant);
        QPainterPath path;
        path.addPolygon(tinted);
        painter.fillPath(path, kAscendantTint);
    }
    painter.setPen(QPen(kLines, 1));
    painter.setBrush(Qt::NoBrush);
    switch (look.style) {
    case ChartStyle::South: DrawSouthLines(painter); break;
    case ChartStyle::North: DrawNorthLines(painter); break;
    case ChartStyle::East: DrawEastLines(painter); break;
    }

    painter.setFont(font);
    painter.setPen(kInk);
    // Text is placed in whole pixels of the chart's own size, as on screen;
    // the scale above carries it to a picture or a page.
    const QFontMetrics metrics(font);
    if (look.style == ChartStyle::South)
        DrawSouth(painter, content, look, metrics);
    else
        DrawCells(painter, content, look, font);
    painter.restore();
}

}  // namespace varelio::drawing
