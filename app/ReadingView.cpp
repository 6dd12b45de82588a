#include "app/ReadingView.h"

#include "app/Colours.h"
#include "app/ReadingChart.h"
#include "app/Twips.h"
#include "app/Wording.h"
#include "drawing/ChartContent.h"
#include "VarelioVersion.h"

#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <vector>

namespace varelio::app {

namespace {

const QColor kGreen(0, 128, 0);

// The positions list Rahu, Ketu and the ascendant below the seven planets, so
// the frames along the top are three rows taller than the layout's 1900
// twips, and the chart and the interpretation below them start lower by as
// much.
constexpr int kRowTwips = 225;
constexpr int kPositionRows = kKetu + 2;  // Sun to Ketu, then the ascendant
constexpr int kTopFramesTwips = 1900 + (kPositionRows - 7) * kRowTwips;
constexpr int kLowerTopTwips = kTopFramesTwips + 95;
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

// Stacks the lines from top down, each wrapped to width, so that every
// sentence shows whole; returns the bottom of the last.
int StackLines(const std::vector<QLabel*>& lines, int left, int top, int width)
{
    int y = top;
    for (QLabel* line : lines) {
        // A line of one row is as tall as the verdicts' rows above it.
        const int leading = std::max(0, Px(225) - QFontMetrics(line->font()).height());
        const int height = line->heightForWidth(width) + leading;
        line->setGeometry(left, y, width, height);
        y += height;
    }
    return y;
}

// "Date of Birth: March 7, 1985"
QString DateOfBirthText(const BirthData& birth)
{
    return ReadingView::tr("Date of Birth: %1 %2, %3")
        .arg(MonthName(birth.month), QString::number(birth.day), QString::number(birth.year));
}

QString TimeOfBirthText(const BirthData& birth)
{
    return ReadingView::tr("Time of Birth: %1 HH %2 MM ").arg(birth.hour).arg(birth.minute);
}

}  // namespace

ReadingView::ReadingView(const Reading& reading, const ChartChoice& choice, QWidget* parent)
    : ReadingView(reading, ZoneNote{}, choice, parent)
{
}

ReadingView::ReadingView(const Reading& reading, const ZoneNote& placeNote, const ChartChoice& choice,
                         QWidget* parent)
    : QWidget(parent), chartState_(reading.chartState)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(tr("Varelio v%1").arg(QStringLiteral(VARELIO_VERSION)));
    setFont(drawing::ReadingFont());

    buildPositions(reading.chartState);
    buildVedicDetails(reading.summary);
    buildPersonalDetails(reading.birthData);
    chart_ = new ReadingChart(this);
    chart_->move(0, Px(kLowerTopTwips));
    setChartChoice(choice);
    buildInterpretation(reading, placeNote);
    for (QGroupBox* frame : findChildren<QGroupBox*>())
        KeepRowsBelowTitle(*frame);

    // The interpretation frame may have grown below the layout's bottom.
    const int frameBottom = findChild<QGroupBox*>(QStringLiteral("Frame1_0"))->geometry().bottom();
    setFixedSize(Px(10750), std::max(Px(kLowerTopTwips + 5355), frameBottom + 2));
}

void ReadingView::setChartChoice(const ChartChoice& choice)
{
    choice_ = choice;
    chart_->setChart(drawing::ContentOf(chartState_, choice.chart, ChartName(choice.chart)),
                     drawing::ChartLook{choice.style, choice.colour});
}

void ReadingView::buildPositions(const ChartState& chart)
{
    QGroupBox* frame =
        MakeFrame(QStringLiteral("fraWestern"), tr("Vedic Planetary Position"),
                  TwipsRect(0, 0, 2895, kTopFramesTwips), this);
    for (int i = kSun; i < kPositionRows; ++i) {
        const int top = 240 + kRowTwips * i;
        MakeLabel(QStringLiteral("PlanetName%1").arg(i), BodyLabel(static_cast<BodyIndex>(i)),
                  TwipsRect(120, top, 1650, kRowTwips), frame);
    }
    for (int i = 0; i < kBodyCount; ++i) {
        // The midheaven is written too but sits below the frame's edge.
        const int top = i < kPositionRows ? 240 + kRowTwips * i : kTopFramesTwips + kRowTwips * (i - kPositionRows);
        MakeLabel(QStringLiteral("Planet%1").arg(i), FromStd(chart.bodyPositionText[i]),
                  TwipsRect(1785, top, 1050, kRowTwips), frame);
    }
}

void ReadingView::buildVedicDetails(const ReadingSummary& summary)
{
    QGroupBox* frame =
        MakeFrame(QStringLiteral("fraVedic"), tr("Other Vedic Details"), TwipsRect(3000, 0, 3650, kTopFramesTwips),
                  this);
    struct Row {
        QString caption;
        const char* valueName;
        const std::string& value;
    };
    const Row rows[] = {
        {tr("Ayanamsa"), "lblAyanamsha", summary.ayanamsaDisplay},
        {tr("Lagna / Asc"), "lblLagna", summary.lagnaSignName},
        {tr("Rashi/Moon Sign"), "lblRashi", summary.rashiDisplay},
        {tr("Nakshatra"), "lblNakshatra", summary.nakshatraDisplay},
        {tr("Pada"), "lblPada", summary.nakshatraPada},
        {tr("Lord"), "lblLord", summary.nakshatraLord},
    };
    for (int k = 0; k < 6; ++k) {
        const int top = 240 + 225 * k;
        MakeLabel(QString(), rows[k].caption, TwipsRect(120, top, 1650, 225), frame);
        MakeLabel(QLatin1String(rows[k].valueName), FromStd(rows[k].value), TwipsRect(1785, top, 1800, 225), frame);
    }
}

void ReadingView::buildPersonalDetails(const BirthData& birth)
{
    QGroupBox* frame =
        MakeFrame(QStringLiteral("Frame2"), tr("Personal Details"), TwipsRect(6750, 0, 4000, kTopFramesTwips), this);
    const std::pair<const char*, QString> lines[] = {
        {"lblName", tr("Name: %1").arg(FromStd(birth.name))},
        {"lblCity", tr("City: %1").arg(FromStd(birth.city))},
        {"lblState", tr("State: %1").arg(FromStd(birth.state))},
        {"lblCountry", tr("Country: %1").arg(FromStd(birth.country))},
        {"lblDOB", DateOfBirthText(birth)},
        {"lblTOB", TimeOfBirthText(birth)},
        {"lblLatitude", tr("Latitude: %1 Degree %2 Minute").arg(birth.latDegrees).arg(birth.latMinutes)},
        {"lblLongitude", tr("Longitude: %1 Degree %2 Minute").arg(birth.lonDegrees).arg(birth.lonMinutes)},
        {"lblOffset", OffsetUsedText(birth)},
    };
    // Nine lines share the frame that eight had: a little closer, each as tall
    // as its font, so a line's box reaches into the next but no letter does.
    constexpr int kLineTwips = 170;
    int k = 0;
    for (const auto& [name, text] : lines) {
        QLabel* line = MakeLabel(QLatin1String(name), text, TwipsRect(120, 240 + kLineTwips * k, 3820, 0), frame);
        line->resize(line->width(), std::max(Px(kLineTwips), line->fontMetrics().height()));
        ++k;
    }
}

void ReadingView::buildInterpretation(const Reading& reading, const ZoneNote& placeNote)
{
    QGroupBox* outer = MakeFrame(QStringLiteral("Frame1_0"), tr("Manglik Interpretation"),
                                 TwipsRect(5500, kLowerTopTwips, 5250, 5340), this);
    struct Shown {
        ManglikReference reference;
        const char* name;
        QString caption;
        QColor colour;
    };
    const Shown shown[] = {{ManglikReference::Lagna, "Frame1_1", tr("Ascendant (Lagna)"), kPurple},
                           {ManglikReference::Moon, "Frame1_2", tr("Moon Sign (Rashi)"), kMagenta}};
    const QRect noteRect = TwipsRect(120, 3600, 4995, 435);
    auto wrappedLine = [&](const QString& name, const QString& text, const QColor& colour) {
        QLabel* line = MakeLabel(name, text, QRect(), outer);
        SetTextColour(line, colour);
        line->setWordWrap(true);
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return line;
    };

    // The boxes at their places; a cancellation line under the Lagna's moves
    // the Moon's down by as much.
    int boxTop = Px(360);
    const int boxGap = Px(1560) - Px(360) - Px(1095);
    int below = 0;  // the bottom of the Moon's box, or of its cancellation line
    for (int f = 0; f < 2; ++f) {
        QGroupBox* inner = MakeFrame(QLatin1String(shown[f].name), shown[f].caption,
                                     QRect(Px(120), boxTop, Px(5000), Px(1095)), outer);
        SetTextColour(inner, shown[f].colour);
        const ManglikVerdict& verdict = reading.of(shown[f].reference).verdict;
        const std::array<QString, 3> captions = VerdictCaptions(verdict);
        for (int line = 0; line < 3; ++line) {
            QLabel* result = MakeLabel(QStringLiteral("lblResult%1").arg(f * 3 + line), captions[line],
                                       TwipsRect(120, 240 + 240 * line, 4760, 225), inner);
            SetTextColour(result, kOrange);
        }
        below = inner->geometry().bottom() + 1;
        if (verdict.cancellation) {
            QLabel* cancelled = wrappedLine(QStringLiteral("lblCancelled%1").arg(f),
                                            CancellationLine(*verdict.cancellation, shown[f].reference),
                                            shown[f].colour);
            below = StackLines({cancelled}, noteRect.left(), below + Px(30), noteRect.width());
        }
        boxTop = std::max(Px(1560), below + boxGap);
    }

    // The birth times over which each verdict holds, a warning where Mars's
    // error may turn the verdict or a birth a few minutes off gets the other,
    // and why ends that Mars near a sign's edge leaves approximate are so.
    std::vector<QLabel*> lines;
    std::array<bool, 2> nearEdgeMarks{};  // earlier, later
    for (int r = 0; r < 2; ++r) {
        const ManglikReference reference = shown[r].reference;
        const Evaluation& evaluation = reading.of(reference);
        if (!evaluation.window)
            continue;
        const ReferenceWindow& window = *evaluation.window;
        lines.push_back(wrappedLine(QStringLiteral("lblWindow%1").arg(r), WindowLine(reference, window),
                                    shown[r].colour));
        for (std::size_t side = 0; side < 2; ++side) {
            const WindowEnd& end = side == 0 ? window.from : window.to;
            nearEdgeMarks[side] = nearEdgeMarks[side] || (end.approximate && end.setBy != WindowEndCause::Mars);
        }
        if (window.verdictMayDiffer) {
            lines.push_back(wrappedLine(QStringLiteral("lblMarsVerdict%1").arg(r),
                                        VerdictMayDifferLine(reference, !evaluation.verdict.manglik), kErrorColour));
        }
        if (const std::optional<TimeWarning> warning = NearbyVerdictChange(window)) {
            lines.push_back(wrappedLine(QStringLiteral("lblWarning%1").arg(r), TimeWarningLine(reference, *warning),
                                        kErrorColour));
        }
    }
    const MarsNearEdge& near = reading.marsNearEdge;
    if (near.atEnteredTime() && (nearEdgeMarks[0] || nearEdgeMarks[1])) {
        lines.push_back(wrappedLine(QStringLiteral("lblMarsEdge"), MarsNearEdgeLine(*near.before, false), kErrorColour));
    } else {
        for (std::size_t side = 0; side < 2; ++side) {
            const std::optional<NearEdgeMinute>& at = side == 0 ? near.before : near.after;
            if (nearEdgeMarks[side] && at) {
                lines.push_back(wrappedLine(QStringLiteral("lblMarsEdge%1").arg(side), MarsNearEdgeLine(*at, side == 1),
                                            kErrorColour));
            }
        }
    }
    // The place's offset taken only roughly, or a clock time that never was or
    // came twice: the verdicts may be off.
    if (placeNote.warning())
        lines.push_back(wrappedLine(QStringLiteral("lblZoneWarning"), ZoneNoteText(placeNote), kErrorColour));
    const int linesBottom = StackLines(lines, noteRect.left(), below + Px(45), noteRect.width());

    // The note below them, at its place while they leave room; the frame
    // keeps the room under the note that the layout gives it, once grown.
    QLabel* note = MakeLabel(QStringLiteral("lblResult6"),
                             tr("P.S. Please consult an astrologer for further detailed consultations for solving of "
                                "Mangal Dosha."),
                             noteRect.translated(0, std::max(0, linesBottom + Px(30) - noteRect.top())), outer);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(note, kGreen);
    const int roomUnderNote = Px(120);
    if (note->geometry().bottom() + roomUnderNote > outer->height())
        outer->resize(outer->width(), note->geometry().bottom() + roomUnderNote);
}

}  // namespace varelio::app
