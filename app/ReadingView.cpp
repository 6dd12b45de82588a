#include "app/ReadingView.h"

#include "app/Colours.h"
#include "app/ReadingChart.h"
#include "drawing/ChartContent.h"
#include "words/Reading.h"
#include "words/Translated.h"
#include "words/ZoneNotes.h"
#include "VarelioVersion.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace varelio::app {

namespace {

const QColor kGreen(0, 128, 0);
const QColor kMagenta(223, 38, 140);

// The view's measures in pixels of a 96 dpi screen, each a least size: a
// longer text (a translation) widens its column, frame and the view, and a
// sentence that wraps onto more lines lengthens its frame.
constexpr int kRow = 15;           // a row of the positions and the details
constexpr int kFrameGap = 7;       // between the frames along the top
constexpr int kTopFramesHeight = 172;
constexpr int kBelowTopFrames = 6;  // down to the chart and the interpretation
constexpr int kChartGap = 11;       // from the chart to the interpretation
constexpr int kInset = 8;           // a frame's rows from its left edge
constexpr int kRightInset = 4;
constexpr int kNameColumn = 110;    // the positions' and the details' captions
constexpr int kColumnGap = 1;
constexpr int kPositionColumn = 70;
constexpr int kDetailColumn = 120;
constexpr int kPersonalColumn = 255;
constexpr int kInterpretationWidth = 350;
constexpr int kInterpretationHeight = 356;
constexpr int kVerdictBoxHeight = 73;
constexpr int kVerdictRowPitch = 16;
constexpr int kVerdictBoxGap = 7;
constexpr int kLineWidth = 333;    // a sentence under the boxes, wrapped to this
constexpr int kLineLeading = 2;    // below a sentence, as the rows above have it
constexpr int kVerdictBoxTop = 24;  // the first verdict's box, from the frame's top
constexpr int kNoteTop = 240;      // the closing note, from the frame's top
constexpr int kNoteGap = 2;        // at least, above the note
constexpr int kNoteHeight = 29;
constexpr int kRoomUnderNote = 8;

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    colours.setColor(QPalette::Text, colour);
    widget->setPalette(colours);
}

QGroupBox* MakeFrame(const QString& name, const QString& caption, QWidget* parent)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->ensurePolished();
    return frame;
}

// A layout's margins that put its contents these distances from the frame's
// edges (the top below the title), whatever room the style's frame takes.
void PlaceInFrame(QLayout& layout, const QGroupBox& frame, int left, int top, int right, int bottom)
{
    const QMargins taken = frame.contentsMargins();
    layout.setContentsMargins(std::max(0, left - taken.left()), std::max(0, top - taken.top()),
                              std::max(0, right - taken.right()), std::max(0, bottom - taken.bottom()));
}

// At least the layout's size, more where its contents need it: a least size
// set on a widget stands in for the one its contents ask.
void AtLeast(QWidget& widget, const QSize& size)
{
    widget.setMinimumSize(size.expandedTo(widget.minimumSizeHint()));
}

// Rows of a caption and its value, one under the other, below the frame's title.
QGridLayout* RowsIn(QGroupBox& frame, int valueWidth)
{
    auto* rows = new QGridLayout(&frame);
    PlaceInFrame(*rows, frame, kInset, 0, kRightInset, 0);
    rows->setHorizontalSpacing(kColumnGap);
    rows->setVerticalSpacing(0);
    rows->setColumnMinimumWidth(0, kNameColumn);
    rows->setColumnMinimumWidth(1, valueWidth);
    return rows;
}

// At least a row's height, taller for a taller script. Least sizes go on the
// layouts, not on the labels, whose own would then no longer count.
void AddRow(QGridLayout& rows, QLabel* caption, QLabel* value = nullptr)
{
    const int row = rows.count() == 0 ? 0 : rows.rowCount();
    rows.setRowMinimumHeight(row, kRow);
    rows.addWidget(caption, row, 0);
    if (value)
        rows.addWidget(value, row, 1);
}

// A sentence that wraps to the frame's width, in its colour, with the rows'
// leading below it.
QLabel* WrappedLine(const QString& name, const QString& text, const QColor& colour, QWidget* parent)
{
    QLabel* line = MakeLabel(name, text, parent);
    SetTextColour(line, colour);
    line->setWordWrap(true);
    line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    line->setContentsMargins(0, 0, 0, kLineLeading);
    return line;
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

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(kBelowTopFrames);
    auto* top = new QHBoxLayout;
    top->setSpacing(kFrameGap);
    for (QGroupBox* frame : {buildPositions(reading.chartState), buildVedicDetails(reading.chartState),
                             buildPersonalDetails(reading.birthData)}) {
        AtLeast(*frame, QSize(0, kTopFramesHeight));
        top->addWidget(frame, 0, Qt::AlignTop);
    }
    page->addLayout(top);

    auto* lower = new QHBoxLayout;
    lower->setSpacing(kChartGap);
    chart_ = new ReadingChart(this);
    setChartChoice(choice);
    lower->addWidget(chart_, 0, Qt::AlignTop);
    lower->addWidget(buildInterpretation(reading, placeNote), 1, Qt::AlignTop);
    page->addLayout(lower);
    page->addStretch(1);

    // As large as its texts need at the least width they leave it, and no
    // larger: the window scrolls round it. Measured in the fonts the style
    // gives them.
    ensurePolished();
    page->activate();
    const int width = page->totalMinimumSize().width();
    setFixedSize(width, page->hasHeightForWidth() ? page->totalHeightForWidth(width) : page->totalSizeHint().height());
    // Laid out at once, shown or not (a hidden widget's layout waits for it to
    // show): the PDF and the tests read views never shown. Each frame after
    // the one it stands in.
    page->setGeometry(rect());
    for (QWidget* child : findChildren<QWidget*>()) {
        if (QLayout* layout = child->layout())
            layout->setGeometry(child->contentsRect());
    }
}

void ReadingView::setChartChoice(const ChartChoice& choice)
{
    choice_ = choice;
    const words::Translated say;
    chart_->setChart(drawing::ContentOf(chartState_, choice.chart, words::ChartName(say, choice.chart),
                                        words::ChartLabels(say, chartState_)),
                     drawing::ChartLook{choice.style, choice.colour});
}

QGroupBox* ReadingView::buildPositions(const ChartState& chart)
{
    const words::Translated say;
    QGroupBox* frame = MakeFrame(QStringLiteral("fraWestern"), tr("Vedic Planetary Position"), this);
    QGridLayout* rows = RowsIn(*frame, kPositionColumn);
    // Sun to Ketu, then the ascendant.
    for (int i = kSun; i <= kAscendant; ++i) {
        const auto body = static_cast<std::size_t>(i);
        AddRow(*rows, MakeLabel(QStringLiteral("PlanetName%1").arg(i), say(words::kBodyLabels[body]), frame),
               MakeLabel(QStringLiteral("Planet%1").arg(i), words::ShortForm(say, chart.bodies[body].longitudeDeg),
                         frame));
    }
    rows->setRowStretch(rows->rowCount(), 1);
    // The midheaven is written too, as it always was, but not shown: below the frame's edge.
    QLabel* midheaven = MakeLabel(QStringLiteral("Planet%1").arg(kMidheaven),
                                  words::ShortForm(say, chart.bodies[kMidheaven].longitudeDeg), frame);
    midheaven->setGeometry(kInset + kNameColumn + kColumnGap, kTopFramesHeight, kPositionColumn, kRow);
    midheaven->hide();
    return frame;
}

QGroupBox* ReadingView::buildVedicDetails(const ChartState& chart)
{
    QGroupBox* frame = MakeFrame(QStringLiteral("fraVedic"), tr("Other Vedic Details"), this);
    QGridLayout* rows = RowsIn(*frame, kDetailColumn);
    struct Row {
        QString caption;
        const char* valueName;
        QString value;
    };
    const words::Translated say;
    const Row details[] = {
        {tr("Ayanamsa"), "lblAyanamsha", words::AyanamsaText(say, chart)},
        {tr("Lagna / Asc"), "lblLagna", words::LagnaName(say, chart)},
        {tr("Rashi/Moon Sign"), "lblRashi", words::RashiName(say, chart)},
        {tr("Nakshatra"), "lblNakshatra", words::NakshatraName(say, chart)},
        {tr("Pada"), "lblPada", words::PadaText(say, chart)},
        {tr("Lord"), "lblLord", words::NakshatraLord(say, chart)},
    };
    for (const Row& row : details)
        AddRow(*rows, MakeLabel(QString(), row.caption, frame), MakeLabel(QLatin1String(row.valueName), row.value, frame));
    rows->setRowStretch(rows->rowCount(), 1);
    return frame;
}

QGroupBox* ReadingView::buildPersonalDetails(const BirthData& birth)
{
    QGroupBox* frame = MakeFrame(QStringLiteral("Frame2"), tr("Personal Details"), this);
    auto* lines = new QGridLayout(frame);
    PlaceInFrame(*lines, *frame, kInset, 0, kRightInset, 0);
    lines->setVerticalSpacing(0);
    lines->setColumnMinimumWidth(0, kPersonalColumn);
    using words::DetailLine;
    const words::Translated say;
    const std::pair<const char*, QString> details[] = {
        {"lblName", words::DetailText(say, DetailLine::Name, birth)},
        {"lblCity", words::DetailText(say, DetailLine::City, birth)},
        {"lblState", words::DetailText(say, DetailLine::State, birth)},
        {"lblCountry", words::DetailText(say, DetailLine::Country, birth)},
        {"lblDOB", words::DateOfBirthLine(say, birth)},
        {"lblTOB", words::DetailText(say, DetailLine::TimeOfBirthShown, birth)},
        {"lblLatitude", words::DetailText(say, DetailLine::Latitude, birth)},
        {"lblLongitude", words::DetailText(say, DetailLine::Longitude, birth)},
        {"lblOffset", words::OffsetUsedText(say, birth)},
    };
    // Nine lines, each as tall as its font, one under the other.
    for (const auto& [name, text] : details)
        lines->addWidget(MakeLabel(QLatin1String(name), text, frame), lines->count(), 0);
    lines->setRowStretch(lines->count(), 1);
    return frame;
}

QGroupBox* ReadingView::buildInterpretation(const Reading& reading, const ZoneNote& placeNote)
{
    const words::Translated say;
    QGroupBox* outer = MakeFrame(QStringLiteral("Frame1_0"), tr("Manglik Interpretation"), this);
    // The boxes start below the frame's title, the closing note lower still,
    // at its place while the lines above leave room for it.
    auto* column = new QGridLayout(outer);
    PlaceInFrame(*column, *outer, kInset, kVerdictBoxTop, kInterpretationWidth - kInset - kLineWidth, kRoomUnderNote);
    column->setVerticalSpacing(kNoteGap);
    auto* aboveNote = new QVBoxLayout;
    aboveNote->setSpacing(0);
    column->addLayout(aboveNote, 0, 0);
    column->setRowMinimumHeight(0, kNoteTop - kVerdictBoxTop - kNoteGap);

    struct Shown {
        ManglikReference reference;
        const char* name;
        QString caption;
        QColor colour;
    };
    const Shown shown[] = {{ManglikReference::Lagna, "Frame1_1", tr("Ascendant (Lagna)"), kPurple},
                           {ManglikReference::Moon, "Frame1_2", tr("Moon Sign (Rashi)"), kMagenta}};

    // The verdicts' boxes, the first cancellation rule under a box whose dosha
    // is cancelled.
    for (int f = 0; f < 2; ++f) {
        QGroupBox* inner = MakeFrame(QLatin1String(shown[f].name), shown[f].caption, outer);
        SetTextColour(inner, shown[f].colour);

        auto* results = new QGridLayout(inner);
        PlaceInFrame(*results, *inner, kInset, 0, kInset, 0);
        results->setVerticalSpacing(kVerdictRowPitch - kRow);
        const ManglikVerdict& verdict = reading.of(shown[f].reference).verdict;
        const std::array<QString, 3> captions = words::VerdictCaptions(say, verdict);
        for (int line = 0; line < 3; ++line) {
            QLabel* result = MakeLabel(QStringLiteral("lblResult%1").arg(f * 3 + line), captions[line], inner);
            SetTextColour(result, kOrange);
            result->setWordWrap(true);
            AddRow(*results, result);
        }
        results->setRowStretch(results->rowCount(), 1);
        AtLeast(*inner, QSize(0, kVerdictBoxHeight));
        if (f == 1)
            aboveNote->addSpacing(kVerdictBoxGap);
        aboveNote->addWidget(inner);
        if (verdict.cancellation) {
            aboveNote->addSpacing(2);
            aboveNote->addWidget(WrappedLine(QStringLiteral("lblCancelled%1").arg(f),
                                             words::CancellationLine(say, *verdict.cancellation, shown[f].reference),
                                             shown[f].colour, outer));
        }
    }
    aboveNote->addSpacing(3);

    // The birth times over which each verdict holds, a warning where Mars's
    // error may turn the verdict or a birth a few minutes off gets the other,
    // and why ends that Mars near a sign's edge leaves approximate are so.
    const auto addLine = [&](const QString& name, const QString& text, const QColor& colour) {
        aboveNote->addWidget(WrappedLine(name, text, colour, outer));
    };
    std::array<bool, 2> nearEdgeMarks{};  // earlier, later
    for (int r = 0; r < 2; ++r) {
        const ManglikReference reference = shown[r].reference;
        const Evaluation& evaluation = reading.of(reference);
        if (!evaluation.window)
            continue;
        const ReferenceWindow& window = *evaluation.window;
        addLine(QStringLiteral("lblWindow%1").arg(r), words::WindowLine(say, reference, window), shown[r].colour);
        for (std::size_t side = 0; side < 2; ++side) {
            const WindowEnd& end = side == 0 ? window.from : window.to;
            nearEdgeMarks[side] = nearEdgeMarks[side] || (end.approximate && end.setBy != WindowEndCause::Mars);
        }
        if (window.verdictMayDiffer) {
            addLine(QStringLiteral("lblMarsVerdict%1").arg(r),
                    words::VerdictMayDifferLine(say, reference, !evaluation.verdict.manglik), kErrorColour);
        }
        if (const std::optional<TimeWarning> warning = NearbyVerdictChange(window)) {
            addLine(QStringLiteral("lblWarning%1").arg(r), words::TimeWarningLine(say, reference, *warning),
                    kErrorColour);
        }
    }
    const MarsNearEdge& near = reading.marsNearEdge;
    if (near.atEnteredTime() && (nearEdgeMarks[0] || nearEdgeMarks[1])) {
        addLine(QStringLiteral("lblMarsEdge"), words::MarsNearEdgeLine(say, *near.before, false), kErrorColour);
    } else {
        for (std::size_t side = 0; side < 2; ++side) {
            const std::optional<NearEdgeMinute>& at = side == 0 ? near.before : near.after;
            if (nearEdgeMarks[side] && at) {
                addLine(QStringLiteral("lblMarsEdge%1").arg(side), words::MarsNearEdgeLine(say, *at, side == 1),
                        kErrorColour);
            }
        }
    }
    // The place's offset taken only roughly, or a clock time that never was or
    // came twice: the verdicts may be off.
    if (placeNote.warning())
        addLine(QStringLiteral("lblZoneWarning"), words::ZoneNoteText(say, placeNote), kErrorColour);

    aboveNote->addStretch(1);

    QLabel* note = WrappedLine(QStringLiteral("lblResult6"),
                               tr("P.S. Please consult an astrologer for further detailed consultations for solving of "
                                  "Mangal Dosha."),
                               kGreen, outer);
    note->setContentsMargins(0, 0, 0, 0);
    column->addWidget(note, 1, 0);
    column->setRowMinimumHeight(1, kNoteHeight);
    column->setRowStretch(2, 1);
    AtLeast(*outer, QSize(kInterpretationWidth, kInterpretationHeight));
    return outer;
}

}  // namespace varelio::app
