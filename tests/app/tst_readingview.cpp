// The reading view's birth-time lines: the companion's sentences for each
// reference between the Moon's box and the closing note, and a warning in red
// where a birth a few minutes later gives the other verdict.
#include "AppTestSupport.h"

#include "app/Colours.h"
#include "app/ReadingView.h"
#include "formats/English.h"
#include "reading/VerdictWindow.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTest>

using namespace varelio;
using namespace varelio::app;
using namespace varelio::app::testing;

class ReadingViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() { driven_ = std::make_unique<DrivenProgram>(); }
    void cleanup() { driven_.reset(); }
    void birthTimeLinesSayWhatTheCompanionSays_data();
    void birthTimeLinesSayWhatTheCompanionSays();

private:
    std::unique_ptr<DrivenProgram> driven_;
};

void ReadingViewTest::birthTimeLinesSayWhatTheCompanionSays_data()
{
    QTest::addColumn<int>("minutesOn");  // after the worked example's 17:30; -1: up to 6 minutes before the Lagna's change
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("worked example") << 0 << QStringList{"lblWindow0", "lblWindow1"};
    QTest::newRow("6 minutes before the ascendant's sign change")
        << -1 << QStringList{"lblWindow0", "lblWarning0", "lblWindow1"};
}

void ReadingViewTest::birthTimeLinesSayWhatTheCompanionSays()
{
    QFETCH(int, minutesOn);
    QFETCH(QStringList, lines);
    FormValues form = WorkedExampleForm();
    if (minutesOn < 0) {
        const std::optional<ReferenceWindow> worked = samples::ReadingOf(form).of(ManglikReference::Lagna).window;
        QVERIFY(worked && worked->to.minutesToChange);
        minutesOn = *worked->to.minutesToChange - 6;
    }
    form.hourIndex += (form.minuteIndex + minutesOn) / 60;
    form.minuteIndex = (form.minuteIndex + minutesOn) % 60;
    ReadingWindow* frame = driven_->calculate(form);
    QVERIFY(frame);
    ReadingView& view = frame->readingView();

    QStringList expected;
    for (const ManglikReference reference : {ManglikReference::Lagna, ManglikReference::Moon}) {
        const std::optional<ReferenceWindow>& window = driven_->program().reading().of(reference).window;
        QVERIFY(window);
        expected << QString::fromStdString(std::string(english::ReferenceName(reference)) + ": " +
                                           english::WindowText(*window));
        if (const std::optional<TimeWarning> warning = NearbyVerdictChange(*window))
            expected << QString::fromStdString(english::TimeWarningText(*warning, reference));
    }
    QCOMPARE(expected.size(), lines.size());
    if (lines.contains(QStringLiteral("lblWarning0")))
        QVERIFY2(expected[1].startsWith(QStringLiteral("A birth 6 minutes later gives ")), qPrintable(expected[1]));

    // Each whole, top down between the Moon's box and the note, in the frame.
    int above = view.findChild<QWidget*>(QStringLiteral("Frame1_2"))->geometry().bottom();
    const QRect note = view.findChild<QLabel*>(QStringLiteral("lblResult6"))->geometry();
    for (int i = 0; i < lines.size(); ++i) {
        auto* line = view.findChild<QLabel*>(lines[i]);
        QVERIFY2(line, qPrintable(lines[i]));
        QCOMPARE(line->text(), expected[i]);
        const QRect place = line->geometry();
        QCOMPARE(line->parentWidget()->objectName(), QStringLiteral("Frame1_0"));
        QVERIFY2(place.top() > above && place.bottom() < note.top() && place.left() == note.left() &&
                     place.right() <= note.right() && place.height() >= line->heightForWidth(place.width()),
                 qPrintable(lines[i]));
        above = place.bottom();
        const bool warns = lines[i].startsWith(QLatin1String("lblWarning"));
        QCOMPARE(line->palette().color(QPalette::WindowText) == kErrorColour, warns);
    }
    QCOMPARE(view.findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lbl(Window|Warning)"))).size(),
             lines.size());
    // The layout and so the picture keep their size.
    QCOMPARE(view.size(), QSize(717, 490));
}

QTEST_MAIN(ReadingViewTest)
#include "tst_readingview.moc"
