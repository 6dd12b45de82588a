// The reading view's Manglik interpretation: the companion's sentences for
// each reference's birth-time window between the Moon's box and the note, a
// warning in red where a birth a few minutes off gets the other verdict or
// Mars within its error of a sign's edge makes the verdict or ends uncertain, the
// cancellation under a box whose dosha is cancelled, a warning place note last;
// every line whole, in the reading's font, none over another, the frame and the
// view growing to hold them. The personal details' offset line.
#include "AppTestSupport.h"

#include "app/Colours.h"
#include "app/ReadingView.h"
#include "words/Reading.h"
#include "words/ZoneNotes.h"
#include "reading/VerdictWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(varelio::FormValues)

using namespace varelio;
using namespace varelio::app;
using namespace varelio::app::testing;

class ReadingViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() { driven_ = std::make_unique<DrivenProgram>(); }
    void cleanup() { driven_.reset(); }
    void interpretationSaysWhatTheCompanionSays_data();
    void interpretationSaysWhatTheCompanionSays();
    void personalDetailsSayWhichOffsetWasUsed();

private:
    std::unique_ptr<DrivenProgram> driven_;
};

void ReadingViewTest::interpretationSaysWhatTheCompanionSays_data()
{
    QTest::addColumn<FormValues>("form");
    QTest::addColumn<QStringList>("lines");  // below the Lagna's box, in order down to the note
    QTest::addColumn<bool>("placeWarns");    // a place note in red under the verdicts' lines
    const FormValues worked = WorkedExampleForm();
    QTest::newRow("worked example") << worked << QStringList{"lblWindow0", "lblWindow1"} << false;
    // Both windows end where Mars enters Aquarius, "to about 05:23, give or take 3 hours": the longest lines;
    // Mars is within its error of the edge, so either verdict may be the other.
    QTest::newRow("ends set by Mars, the Moon's dosha cancelled")
        << BornAt(worked, 2000, 2, 4, 4, 0)
        << QStringList{"lblCancelled1", "lblWindow0", "lblMarsVerdict0", "lblWarning0", "lblWindow1", "lblMarsVerdict1",
                       "lblMarsEdge"}
        << false;
    // Mars nears the edge 65 minutes on: the Lagna's later end is approximate.
    QTest::newRow("Mars near an edge later")
        << BornAt(worked, 2000, 3, 14, 18, 31) << QStringList{"lblWindow0", "lblWindow1", "lblMarsEdge1"} << false;
    QTest::newRow("the Lagna's dosha cancelled")
        << BornAt(worked, 1959, 9, 1, 8, 0) << QStringList{"lblCancelled0", "lblWindow0", "lblWindow1"} << false;
    QTest::newRow("both warnings, a cancellation and the place note")
        << BornAt(worked, 2000, 1, 5, 3, 20)
        << QStringList{"lblCancelled1", "lblWindow0", "lblWarning0", "lblWindow1", "lblWarning1", "lblZoneWarning"}
        << true;
}

void ReadingViewTest::interpretationSaysWhatTheCompanionSays()
{
    QFETCH(FormValues, form);
    QFETCH(QStringList, lines);
    QFETCH(bool, placeWarns);
    ReadingWindow* frame = driven_->calculate(form);
    QVERIFY(frame);
    const Reading& reading = driven_->program().reading();
    // The place note comes from the input window's pick; here one of a zone
    // the tz database lacks, given to a view of the same reading.
    ZoneNote placeNote;
    placeNote.kind = ZoneNote::Kind::ZoneUnknown;
    placeNote.zoneId = "Asia/Atlantis";
    std::optional<ReadingView> noted;
    if (placeWarns)
        noted.emplace(reading, placeNote);
    ReadingView& view = placeWarns ? *noted : frame->readingView();

    // Each line's sentence as the companion words it, and the text export's
    // reason under "Dosha cancelled: ".
    const words::English english;
    const auto said = [&](const QString& name) -> std::string {
        const ManglikReference reference = name.endsWith('0') ? ManglikReference::Lagna : ManglikReference::Moon;
        const Evaluation& evaluation = reading.of(reference);
        const MarsNearEdge& near = reading.marsNearEdge;
        if (name.startsWith(QLatin1String("lblCancelled")))
            return words::CancellationLine(english, *evaluation.verdict.cancellation, reference);
        if (name.startsWith(QLatin1String("lblWindow")))
            return words::WindowLine(english, reference, *evaluation.window);
        if (name.startsWith(QLatin1String("lblMarsVerdict")))
            return words::VerdictMayDifferLine(english, reference, !evaluation.verdict.manglik);
        if (name.startsWith(QLatin1String("lblWarning")))
            return words::TimeWarningLine(english, reference, *NearbyVerdictChange(*evaluation.window));
        if (name == QLatin1String("lblMarsEdge1"))
            return words::MarsNearEdgeLine(english, *near.after, true);
        if (name.startsWith(QLatin1String("lblMarsEdge")))
            return words::MarsNearEdgeLine(english, *near.before, false);
        return words::ZoneNoteText(english, placeNote);
    };
    QStringList expected;
    for (const QString& name : lines)
        expected << QString::fromStdString(said(name));
    QCOMPARE(expected.size(), lines.size());

    // Each whole, in the reading's font, top down: the Lagna's cancellation
    // between the boxes, the Moon's under its box, then the windows, then the note.
    QWidget* moonBox = view.findChild<QGroupBox*>(QStringLiteral("Frame1_2"));
    auto* note = view.findChild<QLabel*>(QStringLiteral("lblResult6"));
    int above = view.findChild<QGroupBox*>(QStringLiteral("Frame1_1"))->geometry().bottom();
    for (int i = 0; i < lines.size(); ++i) {
        auto* line = view.findChild<QLabel*>(lines[i]);
        QVERIFY2(line, qPrintable(lines[i]));
        QCOMPARE(line->text(), expected[i]);
        QCOMPARE(line->font(), view.font());
        QCOMPARE(line->parentWidget()->objectName(), QStringLiteral("Frame1_0"));
        const QRect place = line->geometry();
        QVERIFY2(place.top() > above && place.height() >= line->heightForWidth(place.width()) &&
                     place.left() == note->x() && place.right() <= note->geometry().right(),
                 qPrintable(lines[i]));
        if (lines[i] == QLatin1String("lblCancelled0"))
            QVERIFY(place.bottom() < moonBox->y());
        else
            QVERIFY2(place.top() > moonBox->geometry().bottom(), qPrintable(lines[i]));
        above = place.bottom();
        QCOMPARE(line->palette().color(QPalette::WindowText) == kErrorColour,
                 lines[i].contains(QLatin1String("Warning")) || lines[i].startsWith(QLatin1String("lblMars")));
    }
    QVERIFY(note->y() > above);
    QCOMPARE(view.findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lbl(Window|Warning|Cancelled|ZoneWarning|Mars)"))).size(),
             lines.size());
    // The captions stay as they are, cancelled or not.
    for (int i = 0; i < 6; ++i)
        QCOMPARE(view.findChild<QLabel*>(QStringLiteral("lblResult%1").arg(i))->text(),
                 QString::fromStdString(words::VerdictCaptions(
                     english, reading.of(i < 3 ? ManglikReference::Lagna : ManglikReference::Moon).verdict)[i % 3]));
    // The frame holds it all, and the view the frame; the layout's size
    // until the lines need more.
    QWidget* interpretation = view.findChild<QGroupBox*>(QStringLiteral("Frame1_0"));
    QVERIFY(interpretation->rect().contains(note->geometry()));
    QVERIFY(view.rect().contains(interpretation->geometry()));
    if (lines.size() <= 3)
        QCOMPARE(view.size(), QSize(717, 535));
}

// The zone row's offset, with DST, or the exact offset, on a line of its own
// that fits the frame with the eight above it, each line as tall as its font.
void ReadingViewTest::personalDetailsSayWhichOffsetWasUsed()
{
    for (const auto& [dst, utcOffset, expected] : {std::tuple(false, "", "Offset: UTC+5:30, zone row"),
                                                    std::tuple(true, "", "Offset: UTC+6:30, zone row with DST"),
                                                    std::tuple(true, "+05:53:20", "Offset: UTC+5:53:20, exact")}) {
        FormValues form = WorkedExampleForm();
        form.dst = dst;
        form.utcOffset = utcOffset;
        ReadingWindow* frame = driven_->calculate(form);
        QVERIFY(frame);
        ReadingView& view = frame->readingView();
        QCOMPARE(view.findChild<QLabel*>(QStringLiteral("lblOffset"))->text(), QLatin1String(expected));
        auto* details = view.findChild<QGroupBox*>(QStringLiteral("Frame2"));
        int above = details->contentsRect().top() - 1;
        for (const char* name : {"lblName", "lblCity", "lblState", "lblCountry", "lblDOB", "lblTOB", "lblLatitude",
                                 "lblLongitude", "lblOffset"}) {
            const QLabel* line = details->findChild<QLabel*>(QLatin1String(name));
            QVERIFY2(line && line->geometry().top() > above, name);
            QVERIFY2(line->geometry().bottom() <= details->contentsRect().bottom(), name);
            QVERIFY2(line->height() >= line->fontMetrics().height(), name);
            above = line->geometry().top();
        }
        driven_->program().back();
    }
}

QTEST_MAIN(ReadingViewTest)
#include "tst_readingview.moc"
