// The reading window driven through the application object: a full
// calculation of the worked example, the View menu's charts (each entry
// changes what is drawn, and the choice stays), the toolbar's shared
// commands, the button band, the status bar after each save, the names the
// save dialogs offer, and the Back (Escape too) / New / Exit lifetime rules.
#include "AppTestSupport.h"

#include "app/Printing.h"
#include "app/ReadingChart.h"
#include "app/ReadingView.h"
#include "app/ScreenFit.h"
#include "words/Reading.h"
#include "words/Translated.h"
#include "drawing/ChartContent.h"
#include "VarelioVersion.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace varelio;
using namespace varelio::app;
using namespace varelio::app::testing;

namespace {

QString LabelText(QObject& root, const QString& name)
{
    auto* label = root.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

// "Mangala" and so on: the body lines of all twelve signs of the chart.
QStringList CellLines(const ReadingChart& chart)
{
    QStringList lines;
    for (int sign = 1; sign <= 12; ++sign)
        lines += drawing::CellLines(chart.content(), sign);
    return lines;
}

QImage OnScreen(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The chart as the drawing makes it from the reading, apart from the window.
QImage Expected(const Reading& reading, const ChartChoice& choice, const QWidget& chart)
{
    QImage image(chart.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    const words::Translated say;
    drawing::DrawChart(painter, QRectF(image.rect()),
                       drawing::ContentOf(reading.chartState, choice.chart, words::ChartName(say, choice.chart),
                                          words::ChartLabels(say, reading.chartState)),
                       drawing::ChartLook{choice.style, choice.colour}, chart.font());
    return image;
}

// A menu's captions in order, "-" for a separator, submenus in brackets.
QString MenuLayout(const QMenu& menu)
{
    QStringList entries;
    for (const QAction* entry : menu.actions()) {
        if (entry->isSeparator())
            entries << QStringLiteral("-");
        else if (entry->menu())
            entries << entry->text() + QLatin1Char('[') + MenuLayout(*entry->menu()) + QLatin1Char(']');
        else
            entries << entry->text();
    }
    return entries.join(QLatin1Char('|'));
}

}  // namespace

class ReadingWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void workedExampleFillsTheWindow();
    void personalDetailsOfAnotherReadingAfterBack();
    void backKeepsTheEntriesAndNewEmptiesThemBeforeClosing();
    void menusHoldTheirEntriesAndSeparators();
    void chartEntriesChangeWhatIsDrawn();
    void chartChoiceStaysForTheNextReadingAndStart();
    void toolbarButtonsAreTheMenuEntries();
    void barsHideAndTheToolbarReturnsWithTheNextReading();
    void buttonsStayRightAligned();
    void eachSaveSaysWhereTheFileWentAndNamesTheNext();
    void exitAndCloseBoxEndTheProgram_data();
    void exitAndCloseBoxEndTheProgram();
    void labelsStartBelowTheFrameTitles();
    void narrowFrameScrollsToTheWholeReading();
    void windowsFitTheScreen();
    void frameIsCutToTheAvailableArea_data();
    void frameIsCutToTheAvailableArea();

private:
    Application& program() { return driven_->program(); }
    ScriptedDialogs& dialogs() { return driven_->dialogs; }
    ReadingWindow* calculate(const FormValues& form) { return driven_->calculate(form); }
    QAction* action(const char* name) { return Child<QAction>(*program().readingWindow(), QLatin1String(name)); }

    std::unique_ptr<DrivenProgram> driven_;
};

void ReadingWindowTest::init()
{
    driven_ = std::make_unique<DrivenProgram>();
}

void ReadingWindowTest::cleanup()
{
    driven_.reset();
}

void ReadingWindowTest::workedExampleFillsTheWindow()
{
    ReadingWindow* frame = calculate(WorkedExampleForm());
    QVERIFY2(frame, qPrintable(dialogs().messages.value(0).text));
    QVERIFY(dialogs().messages.isEmpty());
    QVERIFY(frame->isVisible());
    QVERIFY(!program().inputWindow().isVisible());
    QCOMPARE(frame->windowTitle(), QStringLiteral("Varelio v" VARELIO_VERSION));
    QCOMPARE(frame->findChild<QMdiArea*>()->subWindowList().size(), 1);

    ReadingView& view = frame->readingView();
    const std::pair<const char*, const char*> expected[] = {
        {"Planet0", "16 Sag 31"},       {"Planet1", "19 Lib 27"},     {"Planet2", "08 Sag 02"},
        {"Planet3", "07 Sco 42"},       {"Planet4", "04 Aqu 07"},     {"Planet5", "01 Ari 29"},
        {"Planet6", "16 Ari 21"},       {"Planet7", "11 Can 10"},     {"Planet8", "11 Cap 10"},
        {"Planet9", "16 Gem 21"},       {"Planet10", "03 Pis 36"},
        {"lblAyanamsha", "23\u00B0 51' 42\""},
        {"lblLagna", "Mithuna"},        {"lblRashi", "Thula"},        {"lblNakshatra", "Swati"},
        {"lblLord", "Rahu"},            {"lblPada", "4"},
        {"PlanetName0", "Surya / Sun"}, {"PlanetName6", "Shani / Saturn"}, {"PlanetName7", "Rahu / North Node"},
        {"PlanetName9", "Lagna / Asc"},
        {"lblName", "Name: Asha Rao"},  {"lblCity", "City: Delhi"},   {"lblState", "State: Delhi"},
        {"lblCountry", "Country: India"},
        {"lblDOB", "Date of Birth: January 1, 2000"},
        {"lblTOB", "Time of Birth: 17 HH 30 MM "},
        {"lblLatitude", "Latitude: 28 Degree 38 Minute"},
        {"lblLongitude", "Longitude: 77 Degree 13 Minute"},
        {"lblResult0", "Position of Mars from Lagna is 9"},
        {"lblResult1", "Percentage of Mangala dosha is 0%"},
        {"lblResult2", "The person is Non Manglik"},
        {"lblResult3", "Position of Mars from Moon is 5"},
        {"lblResult4", "Percentage of Mangala dosha is 0%"},
        {"lblResult5", "The person is Non Manglik"},
        {"lblResult6", "P.S. Please consult an astrologer for further detailed consultations for solving of Mangal Dosha."},
    };
    for (const auto& [name, text] : expected)
        QCOMPARE(LabelText(view, QLatin1String(name)), QString::fromUtf8(text));

    // Sun to Ketu and the ascendant show; the midheaven is written but lies
    // outside the frame.
    auto* frameOfPositions = view.findChild<QWidget*>(QStringLiteral("fraWestern"));
    for (int i = 0; i <= 10; ++i) {
        const QRect row = view.findChild<QLabel*>(QStringLiteral("Planet%1").arg(i))->geometry();
        QVERIFY2(frameOfPositions->rect().contains(row) == (i < 10), qPrintable(QString::number(i)));
    }

    const char* cells[12] = {"Guru\nShani (R) ", "", "Asc", "Rahu", "", "", "Chandra", "Shukra", "Surya\nBudha",
                             "Ketu", "Mangala", ""};
    for (int i = 0; i < 12; ++i)
        QCOMPARE(drawing::CellLines(view.chart().content(), i + 1).join(QLatin1Char('\n')), QLatin1String(cells[i]));
}

void ReadingWindowTest::personalDetailsOfAnotherReadingAfterBack()
{
    QVERIFY(calculate(WorkedExampleForm()));
    program().back();

    FormValues other = WorkedExampleForm();
    other.name = "Kiran";
    other.monthIndex = 2;
    other.dayIndex = 6;
    other.yearIndex = 1985 - 1901;
    other.hourIndex = 9;
    other.minuteIndex = 5;
    other.latDeg = "28";
    other.latMin = "36";
    other.latDirection = 1;
    other.lonDeg = "153";
    other.lonMin = "2";
    other.zoneIndex = 8;
    other.city = "Brisbane ";
    other.state = "Queensland";
    other.country = "Australia";
    ReadingWindow* frame = calculate(other);
    QVERIFY(frame);
    ReadingView& view = frame->readingView();

    const std::pair<const char*, const char*> expected[] = {
        {"lblName", "Name: Kiran"},
        {"lblCity", "City: Brisbane"},
        {"lblDOB", "Date of Birth: March 7, 1985"},
        {"lblTOB", "Time of Birth: 9 HH 5 MM "},
        {"lblLatitude", "Latitude: 28 Degree 36 Minute"},
        {"lblLongitude", "Longitude: 153 Degree 2 Minute"},
    };
    for (const auto& [name, text] : expected)
        QCOMPARE(LabelText(view, QLatin1String(name)), QLatin1String(text));

    // Nothing of the first chart remains: the ascendant and nine bodies, once each.
    const QStringList lines = CellLines(view.chart());
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines.count(QStringLiteral("Asc")), 1);
    for (const char* body : {"Surya", "Chandra", "Rahu", "Ketu"})
        QCOMPARE(lines.count(QLatin1String(body)), 1);
    QVERIFY(LabelText(view, QStringLiteral("Planet0")) != QLatin1String("16 Sag 31"));
    QVERIFY(LabelText(view, QStringLiteral("lblResult0")).startsWith(QLatin1String("Position of Mars from Lagna is ")));
}

void ReadingWindowTest::backKeepsTheEntriesAndNewEmptiesThemBeforeClosing()
{
    const QString entries = Describe(WorkedExampleForm());
    QSignalSpy finished(&program(), &Application::finished);

    ReadingWindow* frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    QPointer<ReadingWindow> watched(frame);
    Child<QPushButton>(*frame, "cmdBack")->click();
    QVERIFY(program().readingWindow() == nullptr);
    QVERIFY(program().inputWindow().isVisible());
    QCOMPARE(Describe(program().inputWindow().formValues()), entries);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(watched.isNull());

    // Escape goes Back too.
    frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    QTest::keyClick(frame, Qt::Key_Escape);
    QVERIFY(program().readingWindow() == nullptr);
    QVERIFY(program().inputWindow().isVisible());
    QCOMPARE(Describe(program().inputWindow().formValues()), entries);

    // New shows the input window first, while the frame is still open.
    frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    bool frameOpenWhenInputShown = false;
    class ShowWatcher : public QObject {
    public:
        ShowWatcher(ReadingWindow* f, bool& flag) : frame_(f), flag_(flag) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Show)
                flag_ = frame_ && frame_->isVisible();
            return false;
        }
        QPointer<ReadingWindow> frame_;
        bool& flag_;
    } watcher(frame, frameOpenWhenInputShown);
    program().inputWindow().installEventFilter(&watcher);
    action("mnuNew")->trigger();
    program().inputWindow().removeEventFilter(&watcher);
    QVERIFY(frameOpenWhenInputShown);
    QVERIFY(program().readingWindow() == nullptr);
    QVERIFY(program().inputWindow().isVisible());
    // New starts from an empty form.
    QCOMPARE(Describe(program().inputWindow().formValues()), Describe(InitialFormValues()));
    QCOMPARE(finished.size(), 0);
}

void ReadingWindowTest::menusHoldTheirEntriesAndSeparators()
{
    ReadingWindow* frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    QStringList menus;
    for (const QAction* top : frame->menuBar()->actions())
        menus << top->text() + QLatin1Char('[') + MenuLayout(*top->menu()) + QLatin1Char(']');
    QCOMPARE(menus.value(0), QStringLiteral("&File[&New|-|Save &As|Save As &JPEG|Save As P&DF|-|"
                                            "&Export Chart As Text|-|&Match Two Readings...|-|&Print|-|&Back|-|E&xit]"));
    QCOMPARE(menus.value(1), QStringLiteral("&View[&Toolbar|&Status Bar|-|&Chart Style[&North Indian|&South Indian|"
                                            "&East Indian]|Colo&r Style[O&n|O&ff]|-|&Chart|&Divisional Charts[&Hora|"
                                            "&Drekkana|&Sapthamsa|&Navamsa|&D&asamsa|D&wadasamsa]]"));
    QCOMPARE(menus.value(2), QStringLiteral("&Help[&Online Help|&Visit Us Online|-|Check for Software &Update|-|"
                                            "&About Software|&Donate|Make Money &Online]"));
    QCOMPARE(menus.size(), 3);

    const QStringList captions = {Child<QPushButton>(*frame, "cmdSaveAsJPEG")->text(),
                                  Child<QPushButton>(*frame, "cmdSaveAsPDF")->text(),
                                  Child<QPushButton>(*frame, "cmdBack")->text(),
                                  Child<QPushButton>(*frame, "cmdExit")->text(),
                                  Child<QLabel>(*frame, "lblHeading")->text()};
    QCOMPARE(captions.join(QLatin1Char('|')), QStringLiteral("Save As &JPEG|Save As P&DF|&Back|E&xit|Varelio"));
}

namespace {

using drawing::ChartStyle;

// The entry checked in each of the View menu's chart groups: "mnuSouth,mnuColorOff,mnuChart".
QString Marks(ReadingWindow& frame)
{
    QStringList checked;
    for (const char* group : {"chartStyleGroup", "colourGroup", "chartGroup"}) {
        const QAction* entry = Child<QActionGroup>(frame, QLatin1String(group))->checkedAction();
        checked << (entry ? entry->objectName() : QStringLiteral("none"));
    }
    return checked.join(QLatin1Char(','));
}

}  // namespace

void ReadingWindowTest::chartEntriesChangeWhatIsDrawn()
{
    ReadingWindow* frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    ReadingChart& chart = frame->readingView().chart();
    QCOMPARE(Marks(*frame), QStringLiteral("mnuSouth,mnuColorOff,mnuChart"));
    QImage before = OnScreen(chart);
    QCOMPARE(before, Expected(program().reading(), ChartChoice{}, chart));

    // Every entry changes what is drawn to the chart it names, and takes its group's mark.
    using enum ChartStyle;
    using enum DivisionalChart;
    const std::pair<const char*, ChartChoice> picks[] = {
        {"mnuNorth", {North, Rasi, false}},          {"mnuSouth", {South, Rasi, false}},
        {"mnuNatal", {East, Rasi, false}},           {"mnuColorOn", {East, Rasi, true}},
        {"mnuColorOff", {East, Rasi, false}},        {"mnuColorOn", {East, Rasi, true}},
        {"mnuSub_Hora", {East, Hora, true}},         {"mnuSub_Drekkana", {East, Drekkana, true}},
        {"mnuSub_Sapthamsa", {East, Saptamsa, true}}, {"mnuSub_Navamsa", {East, Navamsa, true}},
        {"mnuSub_Dasamsa", {East, Dasamsa, true}},   {"mnuSub_Dwadasamsa", {East, Dwadasamsa, true}},
        {"mnuChart", {East, Rasi, true}}};
    for (const auto& [name, choice] : picks) {
        if (qstrcmp(name, "mnuChart") == 0)
            frame->viewWindow()->showMinimized();  // "&Chart" also brings a minimised reading child back
        action(name)->trigger();
        const QImage now = OnScreen(chart);
        QVERIFY2(now != before && action(name)->isChecked() && !frame->viewWindow()->isMinimized(), name);
        QCOMPARE(now, Expected(program().reading(), choice, chart));
        // The chart's title names it as its entry does ("Sapthamsa (D7)").
        if (QByteArray(name).startsWith("mnuSub_"))
            QVERIFY2(chart.content().title.startsWith(action(name)->text().remove(QLatin1Char('&')) + QLatin1String(" (D")),
                     qPrintable(chart.content().title));
        before = now;
    }
    QCOMPARE(Marks(*frame), QStringLiteral("mnuNatal,mnuColorOn,mnuChart"));

    // The picture and the printout (and the PDF, drawn as the printout is)
    // show the chart the window shows.
    action("mnuSub_Navamsa")->trigger();
    ReadingView& view = frame->readingView();
    const QImage screen = OnScreen(chart);
    QCOMPARE(CaptureWindow(view).convertToFormat(QImage::Format_RGB32).copy(chart.geometry()), screen);
    QImage page(view.size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        DrawScaledToFit(view, painter, QRectF(QPointF(0, 0), QSizeF(view.size())));
    }
    QCOMPARE(page.copy(chart.geometry()), screen);
}

void ReadingWindowTest::chartChoiceStaysForTheNextReadingAndStart()
{
    ReadingWindow* frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    for (const char* name : {"mnuNorth", "mnuSub_Navamsa", "mnuColorOn"})
        action(name)->trigger();
    const QImage shown = OnScreen(frame->readingView().chart());

    // The next reading, and the next start, draw it again, with its marks.
    action("mnuBack")->trigger();
    frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    QCOMPARE(Marks(*frame), QStringLiteral("mnuNorth,mnuColorOn,mnuSub_Navamsa"));
    QCOMPARE(OnScreen(frame->readingView().chart()), shown);

    driven_.reset();
    driven_ = std::make_unique<DrivenProgram>(QString(), /*keepSettings=*/true);
    frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    QCOMPARE(Marks(*frame), QStringLiteral("mnuNorth,mnuColorOn,mnuSub_Navamsa"));
    QCOMPARE(OnScreen(frame->readingView().chart()), shown);

    // Settings it cannot read give the default.
    QSettings().setValue(QStringLiteral("chart/style"), QStringLiteral("sideways"));
    QSettings().setValue(QStringLiteral("chart/chart"), QStringLiteral("D5"));
    QCOMPARE(StoredChartChoice(), (ChartChoice{ChartStyle::South, DivisionalChart::Rasi, true}));
}

void ReadingWindowTest::toolbarButtonsAreTheMenuEntries()
{
    ReadingWindow* frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    auto* toolbar = Child<QToolBar>(*frame, "TB");
    const QList<QAction*> shared = {action("mnuNew"), action("mnuSaveAsText"), action("mnuPrint"), action("mnuOnline")};
    QCOMPARE(toolbar->actions(), shared);
    QStringList buttons;
    for (QAction* entry : shared) {
        auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(entry));
        QVERIFY(button);
        buttons << button->objectName() + QLatin1Char('=') + button->toolTip();
        QVERIFY2(!entry->icon().isNull() && !entry->isIconVisibleInMenu(), qPrintable(entry->objectName()));
    }
    QCOMPARE(buttons.join(QLatin1Char(' ')), QStringLiteral("New=New Save=Save Print=Print Help=Help"));

    QCOMPARE(action("mnuNew")->shortcut(), QKeySequence(QKeySequence::New));
    QCOMPARE(action("mnuSaveAsText")->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(action("mnuPrint")->shortcut(), QKeySequence(QKeySequence::Print));

    // The toolbar's Save button is the menu's "Save &As": it asks for a reading file.
    Child<QToolButton>(*frame, "Save")->click();
    QCOMPARE(dialogs().fileRequests.size(), 1);
    QCOMPARE(dialogs().fileRequests[0].filter, QStringLiteral("Varelio (*.vrl)"));
}

void ReadingWindowTest::barsHideAndTheToolbarReturnsWithTheNextReading()
{
    ReadingWindow* frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    QCOMPARE(frame->statusBar()->objectName(), QStringLiteral("statusBar"));
    for (const auto& [entry, bar] : {std::pair<const char*, QWidget*>("mnuToolBar", Child<QToolBar>(*frame, "TB")),
                                     std::pair<const char*, QWidget*>("mnuStatusBar", frame->statusBar())}) {
        QVERIFY2(bar->isVisible() && action(entry)->isChecked(), entry);
        action(entry)->trigger();
        QVERIFY2(!bar->isVisible() && !action(entry)->isChecked(), entry);
        action(entry)->trigger();
        QVERIFY2(bar->isVisible() && action(entry)->isChecked(), entry);
    }

    action("mnuToolBar")->trigger();
    action("mnuBack")->trigger();
    frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    QVERIFY(Child<QToolBar>(*frame, "TB")->isVisible());
    QVERIFY(action("mnuToolBar")->isChecked());
}

void ReadingWindowTest::buttonsStayRightAligned()
{
    ReadingWindow* frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    auto* band = Child<QWidget>(*frame, "Picture1");
    auto* exit = Child<QPushButton>(*frame, "cmdExit");
    auto* back = Child<QPushButton>(*frame, "cmdBack");
    auto* jpeg = Child<QPushButton>(*frame, "cmdSaveAsJPEG");
    auto* pdf = Child<QPushButton>(*frame, "cmdSaveAsPDF");
    auto* heading = Child<QLabel>(*frame, "lblHeading");
    QCOMPARE(jpeg->size(), QSize(105, 27));
    QCOMPARE(pdf->size(), QSize(105, 27));
    QCOMPARE(back->size(), QSize(73, 27));

    for (int width : {900, 1240, 1003}) {
        frame->resize(width, 760);
        QTRY_COMPARE(band->width(), frame->centralWidget()->width());
        const QString where = QStringLiteral("width %1: exit %2 back %3 pdf %4 jpeg %5 band %6")
                                  .arg(width).arg(exit->x()).arg(back->x()).arg(pdf->x()).arg(jpeg->x())
                                  .arg(band->width());
        QVERIFY2(band->width() - (exit->x() + exit->width()) == 20, qPrintable(where));
        QVERIFY2(exit->x() - (back->x() + back->width()) == 7, qPrintable(where));
        QVERIFY2(back->x() - (pdf->x() + pdf->width()) == 7, qPrintable(where));
        QVERIFY2(pdf->x() - (jpeg->x() + jpeg->width()) == 7, qPrintable(where));
        QVERIFY2(exit->y() == 8 && back->y() == 8 && pdf->y() == 8 && jpeg->y() == 8, qPrintable(where));
        QVERIFY2(qAbs(heading->x() * 2 + heading->width() - band->width()) <= 1, qPrintable(where));
    }
}

void ReadingWindowTest::eachSaveSaysWhereTheFileWentAndNamesTheNext()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    ReadingWindow* frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    auto* saved = Child<QLabel>(*frame, "lblSaved");
    QCOMPARE(saved->text(), QString());
    auto says = [&](const QString& path) { return QStringLiteral("Saved ") + QDir::toNativeSeparators(path); };
    // Nothing saved yet: nothing to offer.
    action("mnuSaveAsJpeg")->trigger();
    QCOMPARE(dialogs().fileRequests.last().initialName, QString());

    dialogs().setNextFileName(folder.filePath("asha.vrl"));
    action("mnuSaveAsText")->trigger();
    QCOMPARE(saved->text(), says(folder.filePath("asha.vrl")));
    dialogs().acceptNextOffer();
    action("mnuExport")->trigger();
    QCOMPARE(saved->text(), says(folder.filePath("asha.txt")));
    // The PDF's dialog offers the same base name.
    dialogs().acceptNextOffer();
    Child<QPushButton>(*frame, "cmdSaveAsPDF")->click();
    QCOMPARE(dialogs().fileRequests.last().filter, QStringLiteral("PDF Document (*.pdf)"));
    QCOMPARE(saved->text(), says(folder.filePath("asha.pdf")));
    QVERIFY(QFileInfo(folder.filePath("asha.pdf")).size() > 1000);
    // The picture's numbered name, as written.
    for (const char* written : {"chart.jpg", "chart_001.jpg"}) {
        dialogs().setNextFileName(folder.filePath("chart.jpg"));
        Child<QPushButton>(*frame, "cmdSaveAsJPEG")->click();
        QCOMPARE(saved->text(), says(folder.filePath(QLatin1String(written))));
    }
    action("mnuSaveAsPdf")->trigger();  // cancelled: the line stays
    QCOMPARE(saved->text(), says(folder.filePath("chart_001.jpg")));
    dialogs().setNextFileName(folder.filePath("gone/asha.pdf"));  // failed: so does it
    action("mnuSaveAsPdf")->trigger();
    QCOMPARE(saved->text(), says(folder.filePath("chart_001.jpg")));
    QCOMPARE(dialogs().messages.size(), 1);

    // A menu entry's status tip does not wipe it out.
    QStatusTipEvent tip{QString()};
    QCoreApplication::sendEvent(frame, &tip);
    QVERIFY(saved->isVisible());
    QCOMPARE(saved->text(), says(folder.filePath("chart_001.jpg")));

    // The next reading's dialogs offer the name chosen last, though its write
    // failed, each with its own ending.
    action("mnuBack")->trigger();
    QVERIFY(calculate(WorkedExampleForm()));
    for (const auto& [entry, offered] : {std::pair("mnuSaveAsJpeg", "gone/asha.jpg"), std::pair("mnuSaveAsText", "gone/asha.vrl"),
                                         std::pair("mnuExport", "gone/asha.txt"), std::pair("mnuSaveAsPdf", "gone/asha.pdf")}) {
        action(entry)->trigger();  // cancelled
        QCOMPARE(dialogs().fileRequests.last().initialName, folder.filePath(QLatin1String(offered)));
    }
}

void ReadingWindowTest::exitAndCloseBoxEndTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("button") << "cmdExit";
    QTest::newRow("menu") << "mnuExit";
    QTest::newRow("Ctrl+Q") << "Ctrl+Q";
    QTest::newRow("close box") << "close";
}

void ReadingWindowTest::exitAndCloseBoxEndTheProgram()
{
    QFETCH(QString, how);
    QSignalSpy finished(&program(), &Application::finished);
    ReadingWindow* frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    if (how == QLatin1String("cmdExit"))
        Child<QPushButton>(*frame, "cmdExit")->click();
    else if (how == QLatin1String("mnuExit"))
        action("mnuExit")->trigger();
    else if (how == QLatin1String("Ctrl+Q"))
        QTest::keyClick(frame, Qt::Key_Q, Qt::ControlModifier);
    else
        frame->close();
    QCOMPARE(finished.size(), 1);
    QVERIFY(program().readingWindow() == nullptr);
    QVERIFY(!program().inputWindow().isVisible());
}

void ReadingWindowTest::labelsStartBelowTheFrameTitles()
{
    ReadingWindow* frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    ReadingView& view = frame->readingView();
    QStringList crossing;
    int checked = 0;
    for (QGroupBox* box : view.findChildren<QGroupBox*>()) {
        const int top = box->contentsRect().top();
        for (QWidget* child : box->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            ++checked;
            if (child->geometry().top() < top)
                crossing << QStringLiteral("%1 in %2 at %3 < %4")
                                .arg(child->objectName(), box->objectName())
                                .arg(child->geometry().top())
                                .arg(top);
        }
    }
    QVERIFY(checked > 40);
    QVERIFY2(crossing.isEmpty(), qPrintable(crossing.join(QStringLiteral("; "))));
    // The rows keep their places below that: the last of Sun to Saturn, of the
    // personal details and of each verdict still inside its frame.
    for (const char* name : {"Planet6", "lblLongitude", "lblResult2", "lblResult5"}) {
        QLabel* last = Child<QLabel>(view, QLatin1String(name));
        QVERIFY2(last->parentWidget()->rect().contains(last->geometry()), name);
    }
}

void ReadingWindowTest::narrowFrameScrollsToTheWholeReading()
{
    ReadingWindow* frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    frame->setWindowState(Qt::WindowNoState);
    frame->resize(480, 420);
    auto* area = Child<QMdiArea>(*frame, "mdiArea");
    QTRY_VERIFY(area->viewport()->width() < frame->viewWindow()->width());
    QTRY_VERIFY(area->horizontalScrollBar()->isVisible());
    QTRY_VERIFY(area->verticalScrollBar()->isVisible());

    // Scrolled to the far corner, the reading's right and lower edges show.
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    QTRY_VERIFY(area->viewport()->rect().contains(frame->viewWindow()->geometry().bottomRight()));
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->minimum());
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->minimum());
    QTRY_VERIFY(area->viewport()->rect().contains(frame->viewWindow()->geometry().topLeft()));
}

void ReadingWindowTest::windowsFitTheScreen()
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    InputWindow& input = program().inputWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&input));
    QVERIFY2(available.contains(input.frameGeometry()),
             qPrintable(QStringLiteral("input window %1x%2 on %3x%4")
                            .arg(input.frameGeometry().width()).arg(input.frameGeometry().height())
                            .arg(available.width()).arg(available.height())));

    ReadingWindow* frame = calculate(WorkedExampleForm());
    QVERIFY(frame);
    QVERIFY2(available.contains(frame->frameGeometry()),
             qPrintable(QStringLiteral("reading window %1x%2 on %3x%4")
                            .arg(frame->frameGeometry().width()).arg(frame->frameGeometry().height())
                            .arg(available.width()).arg(available.height())));
    // Also the size it comes back to from maximised.
    frame->setWindowState(Qt::WindowNoState);
    QTRY_VERIFY(!frame->isMaximized());
    QVERIFY(available.contains(frame->frameGeometry()));
}

void ReadingWindowTest::frameIsCutToTheAvailableArea_data()
{
    QTest::addColumn<QRect>("wanted");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("fitted");
    const QRect small(0, 0, 640, 512);
    QTest::newRow("fits") << QRect(10, 10, 300, 200) << small << QRect(10, 10, 300, 200);
    QTest::newRow("too large") << QRect(0, 0, 904, 484) << small << QRect(0, 0, 640, 484);
    QTest::newRow("past the corner") << QRect(500, 400, 300, 200) << small << QRect(340, 312, 300, 200);
    QTest::newRow("second screen") << QRect(-50, 20, 900, 200) << QRect(1280, 24, 640, 488)
                                   << QRect(1280, 24, 640, 200);
}

void ReadingWindowTest::frameIsCutToTheAvailableArea()
{
    QFETCH(QRect, wanted);
    QFETCH(QRect, available);
    QFETCH(QRect, fitted);
    QCOMPARE(FitFrame(wanted, available), fitted);
}

QTEST_MAIN(ReadingWindowTest)
#include "tst_readingwindow.moc"
