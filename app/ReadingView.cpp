#include "app/ReadingView.h"

#include "app/ErrorColour.h"
#include "app/RasiChart.h"
#include "app/Twips.h"
#include "form/Form.h"
#include "VarelioVersion.h"

#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <vector>

namespace varelio::app {

namespace {

const QColor kOrange(255, 128, 0);
const QColor kGreen(0, 128, 0);
const QColor kPurple(154, 54, 171);
const QColor kMagenta(223, 38, 140);

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

QLabel* MakeLabel(const QString& name, const QString& text, const QRect& place, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place);
    return label;
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    colours.setColor(QPalette::Text, colour);
    widget->setPalette(colours);
}

QGroupBox* MakeFrame(const QString& name, const QString& caption, const QRect& place, QWidget* parent)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(place);
    return frame;
}

// The layout puts a frame's first row 240 twips below its top edge, less than
// the title and border of the group box take in this font and style, so the
// first row would sit on the line. The rows move down together by what the
// title needs and keep their spacing.
void KeepRowsBelowTitle(QGroupBox& frame)
{
    const QList<QWidget*> rows = frame.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    if (rows.isEmpty())
        return;
    int firstTop = rows.front()->y();
    for (const QWidget* row : rows)
        firstTop = std::min(firstTop, row->y());
    const int shift = frame.contentsRect().top() - firstTop;
    if (shift <= 0)
        return;
    for (QWidget* row : rows)
        row->move(row->x(), row->y() + shift);
}

// Stacks the lines from top down, each wrapped to width, so that every sentence
// shows whole. Lines that need more height than reaches to bottom get a smaller
// font, a point at a time.
void StackLines(const std::vector<QLabel*>& lines, int left, int top, int bottom, int width)
{
    if (lines.empty())
        return;
    constexpr int kSmallestPointSize = 5;
    QFont font = lines.front()->font();
    // A line of one row is as tall as the verdicts' rows above it.
    const int leading = std::max(0, Px(225) - QFontMetrics(font).height());
    for (int size = font.pointSize();; --size) {
        font.setPointSize(size);
        int y = top;
        for (QLabel* line : lines) {
            line->setFont(font);
            const int height = line->heightForWidth(width) + leading;
            line->setGeometry(left, y, width, height);
            y += height;
        }
        if (y <= bottom || size <= kSmallestPointSize)
            return;
    }
}

// "Date of Birth: March 7, 1985"
QString DateOfBirthText(const BirthData& birth)
{
    const std::string_view name = MonthName(birth.month);
    const QString month = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    return QStringLiteral("Date of Birth: %1 %2, %3").arg(month).arg(birth.day).arg(birth.year);
}

QString TimeOfBirthText(const BirthData& birth)
{
    return QStringLiteral("Time of Birth: %1 HH %2 MM ").arg(birth.hour).arg(birth.minute);
}

}  // namespace

ReadingView::ReadingView(const Reading& reading, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QStringLiteral("Varelio v" VARELIO_VERSION));
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);

    buildPositions(reading.chartState);
    buildVedicDetails(reading.summary);
    buildPersonalDetails(reading.birthData);
    rasiChart_ = new RasiChart(this);
    rasiChart_->move(0, Px(1995));
    rasiChart_->setCells(reading.chartCells);
    buildInterpretation(reading.manglikCaptions, reading.verdictWindow);
    for (QGroupBox* frame : findChildren<QGroupBox*>())
        KeepRowsBelowTitle(*frame);

    setFixedSize(Px(10750), Px(1995 + 5355));
}

void ReadingView::buildPositions(const ChartState& chart)
{
    QGroupBox* frame =
        MakeFrame(QStringLiteral("fraWestern"), QStringLiteral("Vedic Planetary Position"), TwipsRect(0, 0, 2895, 1900), this);
    static const char* const names[] = {"Surya / Sun",     "Chandra / Moon", "Budha / Mercury", "Shukra / Venus",
                                        "Mangala / Mars",  "Guru / Jupiter", "Shani / Saturn"};
    for (int i = 0; i < 7; ++i) {
        const int top = 240 + 225 * i;
        MakeLabel(QStringLiteral("PlanetName%1").arg(i), QLatin1String(names[i]), TwipsRect(120, top, 1650, 225), frame);
    }
    for (int i = 0; i < kBodyCount; ++i) {
        // Rahu to the midheaven are written too but sit below the frame's edge,
        // so only Sun to Saturn show.
        const int top = i < 7 ? 240 + 225 * i : 1900 + 225 * (i - 7);
        MakeLabel(QStringLiteral("Planet%1").arg(i), FromStd(chart.bodyPositionText[i]), TwipsRect(1785, top, 1050, 225),
                  frame);
    }
}

void ReadingView::buildVedicDetails(const ReadingSummary& summary)
{
    QGroupBox* frame =
        MakeFrame(QStringLiteral("fraVedic"), QStringLiteral("Other Vedic Details"), TwipsRect(3000, 0, 3650, 1900), this);
    struct Row {
        const char* caption;
        const char* valueName;
        const std::string& value;
    };
    const Row rows[] = {
        {"Ayanamsa", "lblAyanamsha", summary.ayanamsaDisplay},   {"Lagna / Asc", "lblLagna", summary.lagnaSignName},
        {"Rashi/Moon Sign", "lblRashi", summary.rashiDisplay},   {"Nakshatra", "lblNakshatra", summary.nakshatraDisplay},
        {"Pada", "lblPada", summary.nakshatraPada},              {"Lord", "lblLord", summary.nakshatraLord},
    };
    for (int k = 0; k < 6; ++k) {
        const int top = 240 + 225 * k;
        MakeLabel(QString(), QLatin1String(rows[k].caption), TwipsRect(120, top, 1650, 225), frame);
        MakeLabel(QLatin1String(rows[k].valueName), FromStd(rows[k].value), TwipsRect(1785, top, 1800, 225), frame);
    }
}

void ReadingView::buildPersonalDetails(const BirthData& birth)
{
    QGroupBox* frame =
        MakeFrame(QStringLiteral("Frame2"), QStringLiteral("Personal Details"), TwipsRect(6750, 0, 4000, 1900), this);
    const std::pair<const char*, QString> lines[] = {
        {"lblName", QStringLiteral("Name: ") + FromStd(birth.name)},
        {"lblCity", QStringLiteral("City: ") + FromStd(birth.city)},
        {"lblState", QStringLiteral("State: ") + FromStd(birth.state)},
        {"lblCountry", QStringLiteral("Country: ") + FromStd(birth.country)},
        {"lblDOB", DateOfBirthText(birth)},
        {"lblTOB", TimeOfBirthText(birth)},
        {"lblLatitude", QStringLiteral("Latitude: %1 Degree %2 Minute").arg(birth.latDegrees).arg(birth.latMinutes)},
        {"lblLongitude", QStringLiteral("Longitude: %1 Degree %2 Minute").arg(birth.lonDegrees).arg(birth.lonMinutes)},
    };
    int k = 0;
    for (const auto& [name, text] : lines) {
        MakeLabel(QLatin1String(name), text, TwipsRect(120, 240 + 195 * k, 3820, 195), frame);
        ++k;
    }
}

void ReadingView::buildInterpretation(const std::array<std::string, 6>& verdicts, const VerdictWindow& window)
{
    QGroupBox* outer = MakeFrame(QStringLiteral("Frame1_0"), QStringLiteral("Manglik Interpretation"),
                                 TwipsRect(5500, 1995, 5250, 5340), this);
    struct Inner {
        const char* name;
        const char* caption;
        int top;
        QColor colour;
    };
    const Inner inners[] = {{"Frame1_1", "Ascendant (Lagna)", 360, kPurple}, {"Frame1_2", "Moon Sign (Rashi)", 1560, kMagenta}};
    QGroupBox* moonBox = nullptr;
    for (int f = 0; f < 2; ++f) {
        QGroupBox* inner = MakeFrame(QLatin1String(inners[f].name), QLatin1String(inners[f].caption),
                                     TwipsRect(120, inners[f].top, 5000, 1095), outer);
        SetTextColour(inner, inners[f].colour);
        moonBox = inner;
        for (int line = 0; line < 3; ++line) {
            const int index = f * 3 + line;
            QLabel* result = MakeLabel(QStringLiteral("lblResult%1").arg(index), FromStd(verdicts[index]),
                                       TwipsRect(120, 240 + 240 * line, 4760, 225), inner);
            SetTextColour(result, kOrange);
        }
    }
    QLabel* note = MakeLabel(QStringLiteral("lblResult6"),
                             QStringLiteral("P.S. Please consult an astrologer for further detailed consultations for "
                                            "solving of Mangal Dosha."),
                             TwipsRect(120, 3600, 4995, 435), outer);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(note, kGreen);

    // Each window line names its reference before the core's sentence; the
    // warnings name it themselves.
    struct Reference {
        const char* prefix;
        const ReferenceWindow& window;
        ManglikReference reference;
        QColor colour;
    };
    const Reference references[] = {{"Lagna: ", window.lagna, ManglikReference::Lagna, kPurple},
                                    {"Moon: ", window.moon, ManglikReference::Moon, kMagenta}};
    std::vector<QLabel*> lines;
    for (int r = 0; r < 2; ++r) {
        const Reference& ref = references[r];
        QLabel* held = MakeLabel(QStringLiteral("lblWindow%1").arg(r),
                                 QLatin1String(ref.prefix) + FromStd(WindowText(ref.window)), QRect(), outer);
        SetTextColour(held, ref.colour);
        lines.push_back(held);
        const std::string warning = TimeWarning(ref.window, ref.reference);
        if (warning.empty())
            continue;
        QLabel* warned = MakeLabel(QStringLiteral("lblWarning%1").arg(r), FromStd(warning), QRect(), outer);
        SetTextColour(warned, kErrorColour);
        lines.push_back(warned);
    }
    for (QLabel* line : lines) {
        line->setWordWrap(true);
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    const QRect noteRect = note->geometry();
    StackLines(lines, noteRect.left(), moonBox->geometry().bottom() + 1 + Px(45), noteRect.top() - Px(30),
               noteRect.width());
}

}  // namespace varelio::app
