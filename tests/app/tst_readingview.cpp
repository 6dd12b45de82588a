// The reading view's birth-time lines in a computed reading: the core's
// sentences for each reference between the Moon's box and the closing note,
// and a warning in red where a birth a few minutes off gives another verdict.
#include "AppTestSupport.h"

#include "app/ErrorColour.h"
#include "app/ReadingView.h"
#include "reading/VerdictWindow.h"

#include <QImage>
#include <QLabel>
#include <QTest>

using namespace varelio;
using namespace varelio::app;
using namespace varelio::app::testing;

namespace {

QString LabelText(QObject& root, const QString& name)
{
    auto* label = root.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

// The birth-time lines of the Manglik frame, top down: each lies whole between
// the Moon's box and the closing note, below the one before; empty when they
// do, else what is wrong.
QString MisplacedWindowLines(ReadingView& view, const QStringList& names)
{
    const int top = view.findChild<QWidget*>(QStringLiteral("Frame1_2"))->geometry().bottom();
    const QRect note = view.findChild<QLabel*>(QStringLiteral("lblResult6"))->geometry();
    QStringList wrong;
    int below = top;
    for (const QString& name : names) {
        auto* line = view.findChild<QLabel*>(name);
        if (!line) {
            wrong << name + QStringLiteral(" missing");
            continue;
        }
        const QRect place = line->geometry();
        if (line->parentWidget()->objectName() != QLatin1String("Frame1_0") || place.top() <= below ||
            place.bottom() >= note.top() || place.left() != note.left() || place.right() > note.right() ||
            place.height() < line->heightForWidth(place.width()) || !line->isVisible())
            wrong << QStringLiteral("%1 at %2,%3 %4x%5").arg(name).arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height());
        below = place.bottom();
    }
    return wrong.join(QStringLiteral("; "));
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

class ReadingViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() { driven_ = std::make_unique<DrivenProgram>(); }
    void cleanup() { driven_.reset(); }

    void birthTimeWindowsShowBetweenMoonBoxAndNote();
    void verdictChangingMinutesLaterWarnsInRed();

private:
    Application& program() { return driven_->program(); }
    ReadingWindow* calculate(const FormValues& form) { return driven_->calculate(form); }

    std::unique_ptr<DrivenProgram> driven_;
};

void ReadingViewTest::birthTimeWindowsShowBetweenMoonBoxAndNote()
{
    ReadingWindow* frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    ReadingView& view = frame->readingView();
    const VerdictWindow& window = program().reading().verdictWindow;
    QCOMPARE(LabelText(view, QStringLiteral("lblWindow0")), QStringLiteral("Lagna: ") + Text(WindowText(window.lagna)));
    QCOMPARE(LabelText(view, QStringLiteral("lblWindow1")), QStringLiteral("Moon: ") + Text(WindowText(window.moon)));
    QVERIFY2(LabelText(view, QStringLiteral("lblWindow0")).startsWith(QStringLiteral("Lagna: Holds for births from ")),
             qPrintable(LabelText(view, QStringLiteral("lblWindow0"))));
    // No nearby time changes a verdict, so no warning.
    QVERIFY(TimeWarning(window.lagna, ManglikReference::Lagna).empty());
    QVERIFY(TimeWarning(window.moon, ManglikReference::Moon).empty());
    QVERIFY(view.findChild<QLabel*>(QStringLiteral("lblWarning0")) == nullptr);
    QVERIFY(view.findChild<QLabel*>(QStringLiteral("lblWarning1")) == nullptr);
    const QString misplaced = MisplacedWindowLines(view, {QStringLiteral("lblWindow0"), QStringLiteral("lblWindow1")});
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
    // The lines took no room from the layout: the view, and so the picture, keeps its size.
    QCOMPARE(view.size(), QSize(717, 490));
}

void ReadingViewTest::verdictChangingMinutesLaterWarnsInRed()
{
    // Six minutes before the ascendant leaves Mithuna, where Mars from the next sign gives another verdict.
    FormValues form = WorkedExampleForm();
    const ReferenceWindow worked = samples::ReadingOf(form).verdictWindow.lagna;
    QVERIFY(worked.minutesAfter.has_value());
    const int minutes = 17 * 60 + 30 + *worked.minutesAfter - 6;
    form.hourIndex = minutes / 60;
    form.minuteIndex = minutes % 60;

    ReadingWindow* frame = calculate(form);
    QVERIFY(frame);
    ReadingView& view = frame->readingView();
    const VerdictWindow& window = program().reading().verdictWindow;
    const QString warning = Text(TimeWarning(window.lagna, ManglikReference::Lagna));
    QVERIFY2(warning.startsWith(QStringLiteral("A birth 6 minutes later gives ")), qPrintable(warning));
    QCOMPARE(LabelText(view, QStringLiteral("lblWarning0")), warning);
    QCOMPARE(LabelText(view, QStringLiteral("lblWindow0")), QStringLiteral("Lagna: ") + Text(WindowText(window.lagna)));
    QVERIFY(view.findChild<QLabel*>(QStringLiteral("lblWarning1")) == nullptr);
    // The warning follows its reference's line, before the Moon's.
    const QString misplaced = MisplacedWindowLines(
        view, {QStringLiteral("lblWindow0"), QStringLiteral("lblWarning0"), QStringLiteral("lblWindow1")});
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));

    // Drawn in red, on screen and so in the picture and the printout, which draw the view.
    auto* line = view.findChild<QLabel*>(QStringLiteral("lblWarning0"));
    QCOMPARE(line->palette().color(QPalette::WindowText), kErrorColour);
    const QImage drawn = view.grab(line->geometry().translated(line->parentWidget()->pos())).toImage();
    int red = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor pixel = drawn.pixelColor(x, y);
            red += pixel.red() > 150 && pixel.green() < 90 && pixel.blue() < 90;
        }
    QVERIFY2(red > 20, qPrintable(QStringLiteral("%1 red pixels").arg(red)));
}

QTEST_MAIN(ReadingViewTest)
#include "tst_readingview.moc"
