// The match window: its sides from the current reading, a saved reading and
// a birth entered in the input window give the core's match, its conclusion
// first; the last pair comes back after the window closed; Export As Text
// writes the match's text file, Save As PDF one page with its words
// (pdftotext from poppler-utils); every button has a key of its own and lies
// on a small screen, the terms are explained, and Escape closes the window.
#include "AppTestSupport.h"

#include "app/HelpWindow.h"
#include "app/MatchWindow.h"
#include "app/Printing.h"
#include "formats/ReadingFile.h"
#include "words/MatchText.h"
#include "words/Translated.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace varelio;
using namespace varelio::app;
using namespace varelio::app::testing;

namespace {

FormValues GroomForm()
{
    FormValues form = samples::MumbaiForm();
    form.name = "Ravi Kumar";
    return form;
}

// A saved reading of form in dir; empty when it could not be written.
QString SaveReading(const QTemporaryDir& dir, const FormValues& form, const char* name)
{
    BirthData birth;
    CopyFormToBirthData(form, birth);
    const Result<std::string> bytes = ComposeReadingFile(birth, form.zoneIndex);
    QFile file(dir.filePath(QLatin1String(name)));
    if (!bytes || !file.open(QIODevice::WriteOnly))
        return {};
    file.write(bytes.value().data(), static_cast<qint64>(bytes.value().size()));
    return file.fileName();
}

QString Text(QWidget& window, const QString& name)
{
    QLabel* label = Child<QLabel>(window, name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(name);
}

// What the sheet shows of the match against the core's own match, word for word.
void CompareSheet(MatchWindow& window, const Match& expected)
{
    using namespace words;
    const Translated say;
    QVERIFY(window.match().has_value());
    const Ashtakoota& a = expected.ashtakoota.value();
    for (std::size_t k = 0; k < a.kootas.size(); ++k) {
        QCOMPARE(Text(window, QStringLiteral("lblPoints%1").arg(k)), PointsText(say, a.kootas[k].points, a.kootas[k].maximum));
        QCOMPARE(Text(window, QStringLiteral("lblReason%1").arg(k)), KootaReasonText(say, a, a.kootas[k].koota));
    }
    QCOMPARE(Text(window, QStringLiteral("lblTotal")), TotalLine(say, a));
    QCOMPARE(Text(window, QStringLiteral("lblConclusion")), ConclusionLine(say, expected.conclusion));
    QCOMPARE(Text(window, QStringLiteral("lblOverall")), OverallLine(say, expected.manglik));
    QCOMPARE(Text(window, QStringLiteral("lblManglikCounted")), HeadingText(say, MatchHeading::ManglikCounted));
    for (std::size_t r = 0; r < expected.manglik.references.size(); ++r)
        QCOMPARE(Text(window, QStringLiteral("lblComparison%1").arg(r)), ComparisonLine(say, expected.manglik.references[r]));
}

QString PdfText(const QString& path)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return QStringLiteral("<pdftotext is missing: install poppler-utils (scripts/deps.sh)>");
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    run.waitForFinished(30000);
    return QString::fromUtf8(run.readAllStandardOutput());
}

}  // namespace

class MatchWindowTest : public QObject {
    Q_OBJECT
private slots:
    void sidesFromTheCurrentAndASavedReading();
    void aBirthEnteredComesBackToItsSide();
    void textFileAndPdfOfTheMatch();
    void keysOfTheirOwnAndEscapeCloses();
    void theLastPairIsKeptWhenTheWindowCloses();
    void everythingIsReachableOnASmallScreen();
    void termsAreExplained();
};

void MatchWindowTest::sidesFromTheCurrentAndASavedReading()
{
    QTemporaryDir dir;
    // The ending in any case, as the windows' Open takes it.
    const QString groomFile = SaveReading(dir, GroomForm(), "RAVI.VRL");
    FormValues nameless = GroomForm();
    nameless.name.clear();
    const QString namelessFile = SaveReading(dir, nameless, "nameless.vrl");
    QVERIFY(!groomFile.isEmpty() && !namelessFile.isEmpty());

    DrivenProgram driven;
    // From the input window no reading has been computed yet to take.
    Child<QPushButton>(driven.input(), QStringLiteral("cmdMatch"))->click();
    MatchWindow* window = driven.program().matchWindow();
    QVERIFY(window);
    QVERIFY(!Child<QPushButton>(*window, QStringLiteral("cmdBrideCurrent"))->isEnabled());

    ReadingWindow* reading = driven.calculate(WorkedExampleForm());
    QVERIFY(reading);
    Child<QAction>(*reading, QStringLiteral("mnuMatch"))->trigger();
    QCOMPARE(driven.program().matchWindow(), window);
    Child<QPushButton>(*window, QStringLiteral("cmdBrideCurrent"))->click();
    QCOMPARE(Text(*window, QStringLiteral("lblGroomName")), MatchWindow::tr("Not chosen yet"));
    QVERIFY(!Child<QPushButton>(*window, QStringLiteral("cmdSaveAsPDF"))->isEnabled());

    // A reading the form's checks refuse says which side, and changes nothing.
    driven.dialogs.setNextFileName(namelessFile);
    Child<QPushButton>(*window, QStringLiteral("cmdGroomSaved"))->click();
    QCOMPARE(driven.dialogs.messages.size(), 1);
    QCOMPARE(driven.dialogs.messages[0].text,
             QStringLiteral("The groom's reading cannot be computed: Please Enter Your Name\nFrom the reading file "
                            "\"%1\".").arg(namelessFile));
    QVERIFY(!window->reading(MatchSide::Groom));

    driven.dialogs.setNextFileName(groomFile);
    Child<QPushButton>(*window, QStringLiteral("cmdGroomSaved"))->click();
    const Reading bride = samples::ReadingOf(WorkedExampleForm());
    const Reading groom = samples::ReadingOf(GroomForm());
    CompareSheet(*window, MatchReadings(bride, groom));
    QVERIFY(Child<QLabel>(*window, QStringLiteral("lblTotal"))->isVisible());
    QCOMPARE(Text(*window, QStringLiteral("lblGroomName")), QStringLiteral("Ravi Kumar"));
    QCOMPARE(Text(*window, QStringLiteral("lblGroomMoon")), words::MoonLine(words::Translated(), groom.chartState.bodies[kMoon]));
    QCOMPARE(Text(*window, QStringLiteral("lblBrideBirth")), words::BirthLine(words::Translated(), bride.birthData));
    for (std::size_t r = 0; r < 3; ++r)
        QCOMPARE(Text(*window, QStringLiteral("lblBrideVerdict%1").arg(r)), words::VerdictLine(words::Translated(), bride.evaluations[r].verdict));
    QVERIFY(Child<QPushButton>(*window, QStringLiteral("cmdSaveAsPDF"))->isEnabled());
}

void MatchWindowTest::aBirthEnteredComesBackToItsSide()
{
    DrivenProgram driven;
    ReadingWindow* reading = driven.calculate(WorkedExampleForm());
    QVERIFY(reading);
    const QString title = driven.input().windowTitle();
    Child<QAction>(*reading, QStringLiteral("mnuMatch"))->trigger();
    MatchWindow* window = driven.program().matchWindow();
    Child<QPushButton>(*window, QStringLiteral("cmdGroomEnter"))->click();
    QVERIFY(driven.input().isVisible());
    QVERIFY(driven.input().windowTitle().contains(QStringLiteral("groom")));

    // A refused form stays in the input window with its message.
    FormValues refused = GroomForm();
    refused.city.clear();
    driven.input().setFormValues(refused);
    Child<QPushButton>(driven.input(), QStringLiteral("cmdCalculate"))->click();
    QCOMPARE(driven.dialogs.messages.size(), 1);
    QVERIFY(!window->reading(MatchSide::Groom));

    driven.input().setFormValues(GroomForm());
    Child<QPushButton>(driven.input(), QStringLiteral("cmdCalculate"))->click();
    QVERIFY(window->reading(MatchSide::Groom));
    QCOMPARE(window->reading(MatchSide::Groom)->chartState.bodies[kMoon].longitudeDeg,
             samples::ReadingOf(GroomForm()).chartState.bodies[kMoon].longitudeDeg);
    // The reading shown stays, and the input window is as it was.
    QCOMPARE(driven.program().readingWindow(), reading);
    QCOMPARE(driven.program().reading().birthData.name, WorkedExampleForm().name);
    QVERIFY(!driven.input().isVisible());
    QCOMPARE(driven.input().windowTitle(), title);
    QCOMPARE(Describe(driven.input().formValues()), Describe(WorkedExampleForm()));

    // Open in the input window lent to a side gives that side the file's birth;
    // a file handed over by a later start is a reading of its own, and the
    // birth asked for is given up.
    QTemporaryDir dir;
    const QString groomFile = SaveReading(dir, GroomForm(), "ravi.vrl");
    Child<QPushButton>(*window, QStringLiteral("cmdBrideEnter"))->click();
    driven.dialogs.setNextFileName(groomFile);
    Child<QPushButton>(driven.input(), QStringLiteral("cmdOpen"))->click();
    QCOMPARE(window->reading(MatchSide::Bride)->birthData.name, GroomForm().name);
    QCOMPARE(driven.program().readingWindow(), reading);
    QVERIFY(!driven.input().isVisible());
    Child<QPushButton>(*window, QStringLiteral("cmdBrideEnter"))->click();
    driven.program().openHandedFile(groomFile);
    ReadingWindow* handed = driven.program().readingWindow();
    QVERIFY(handed && handed != reading);
    QCOMPARE(driven.program().reading().birthData.name, GroomForm().name);
    QCOMPARE(driven.input().windowTitle(), title);
    Child<QPushButton>(driven.input(), QStringLiteral("cmdCalculate"))->click();
    QVERIFY(driven.program().readingWindow() != handed);
}

void MatchWindowTest::textFileAndPdfOfTheMatch()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MatchWindow window(dialogs);
    const Reading bride = samples::ReadingOf(WorkedExampleForm());
    const Reading groom = samples::ReadingOf(GroomForm());
    window.setReading(MatchSide::Bride, bride);
    window.setReading(MatchSide::Groom, groom);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    dialogs.setNextFileName(dir.filePath(QStringLiteral("match.txt")));
    Child<QPushButton>(window, QStringLiteral("cmdExport"))->click();
    QFile text(dir.filePath(QStringLiteral("match.txt")));
    QVERIFY(text.open(QIODevice::ReadOnly));
    QCOMPARE(text.readAll().toStdString(), words::ComposeMatchText(bride, groom, *window.match()));

    // The PDF offers the text file's name with its own ending.
    dialogs.acceptNextOffer();
    Child<QPushButton>(window, QStringLiteral("cmdSaveAsPDF"))->click();
    const QString pdf = dir.filePath(QStringLiteral("match.pdf"));
    QVERIFY2(QFile::exists(pdf), qPrintable(dialogs.messages.value(0).text));
    QCOMPARE(Text(window, QStringLiteral("lblSaved")), MatchWindow::tr("Saved %1").arg(pdf));
    const QString words = PdfText(pdf).simplified();
    // The page is the sheet the first test reads line by line; here, that it reaches the paper.
    const QStringList expected = {QStringLiteral("Asha Rao"), QStringLiteral("Ravi Kumar"),
                                  QString::fromStdString(words::ConclusionLine(words::English(), window.match()->conclusion)),
                                  QString::fromStdString(words::TotalLine(words::English(), *window.match()->ashtakoota)),
                                  QString::fromStdString(words::OverallLine(words::English(), window.match()->manglik))};
    for (const QString& word : expected)
        QVERIFY2(words.contains(word), qPrintable(word + QStringLiteral(" not in: ") + words));

    // Print asks for the printer, the same page's road.
    SetPrinterInstalledForTesting(true);
    Child<QPushButton>(window, QStringLiteral("cmdPrint"))->click();
    SetPrinterInstalledForTesting(std::nullopt);
    QCOMPARE(dialogs.printDialogs, 1);
}

void MatchWindowTest::keysOfTheirOwnAndEscapeCloses()
{
    ScriptedDialogs dialogs;
    MatchWindow window(dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSet<QChar> keys;
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const qsizetype amp = button->text().indexOf(QLatin1Char('&'));
        QVERIFY2(amp >= 0, qPrintable(button->objectName()));
        const QChar key = button->text().at(amp + 1).toLower();
        QVERIFY2(!keys.contains(key), qPrintable(button->text()));
        keys.insert(key);
    }
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

void MatchWindowTest::theLastPairIsKeptWhenTheWindowCloses()
{
    QTemporaryDir dir;
    const QString groomFile = SaveReading(dir, GroomForm(), "ravi.vrl");
    DrivenProgram driven;
    ReadingWindow* reading = driven.calculate(WorkedExampleForm());
    QVERIFY(reading);
    Child<QAction>(*reading, QStringLiteral("mnuMatch"))->trigger();
    MatchWindow* window = driven.program().matchWindow();
    Child<QPushButton>(*window, QStringLiteral("cmdBrideCurrent"))->click();
    driven.dialogs.setNextFileName(groomFile);
    Child<QPushButton>(*window, QStringLiteral("cmdGroomSaved"))->click();
    const Match before = window->match().value();
    window->close();
    QTRY_VERIFY(!driven.program().matchWindow());
    QCOMPARE(driven.program().matchReading(MatchSide::Groom)->birthData.name, GroomForm().name);

    Child<QAction>(*reading, QStringLiteral("mnuMatch"))->trigger();
    window = driven.program().matchWindow();
    QVERIFY(window);
    QCOMPARE(window->reading(MatchSide::Bride)->birthData.name, WorkedExampleForm().name);
    QCOMPARE(window->reading(MatchSide::Groom)->birthData.name, GroomForm().name);
    QVERIFY(Child<QPushButton>(*window, QStringLiteral("cmdSaveAsPDF"))->isEnabled());
    CompareSheet(*window, before);
}

// At 1024 x 768 (ctest's app.tst_matchwindow.1024x768) and on the smaller
// default screen, the window lies on the screen with room for a title bar, and
// every button lies inside it.
void MatchWindowTest::everythingIsReachableOnASmallScreen()
{
    ScriptedDialogs dialogs;
    MatchWindow window(dialogs);
    window.setReading(MatchSide::Bride, samples::ReadingOf(WorkedExampleForm()));
    window.setReading(MatchSide::Groom, samples::ReadingOf(GroomForm()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect available = window.screen()->availableGeometry();
    QVERIFY2(available.contains(window.frameGeometry()),
             qPrintable(QStringLiteral("%1x%2").arg(available.width()).arg(available.height())));
    QVERIFY2(window.frameGeometry().height() + 40 <= available.height(),
             qPrintable(QStringLiteral("%1 of %2").arg(window.frameGeometry().height()).arg(available.height())));
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        const QRect inWindow(button->mapTo(&window, QPoint()), button->size());
        QVERIFY2(button->isVisible() && window.rect().contains(inWindow), qPrintable(button->objectName()));
    }
    // The page scrolls to its end.
    auto* area = Child<QScrollArea>(window, QStringLiteral("sheetArea"));
    QVERIFY(area->verticalScrollBar()->maximum() > 0);
}

void MatchWindowTest::termsAreExplained()
{
    ScriptedDialogs dialogs;
    MatchWindow window(dialogs);
    window.setReading(MatchSide::Bride, samples::ReadingOf(WorkedExampleForm()));
    window.setReading(MatchSide::Groom, samples::ReadingOf(GroomForm()));
    // The varna names, the nadi names and the dosha's percentage, where a family meets them.
    QVERIFY(Child<QLabel>(window, QStringLiteral("lblKoota0"))->toolTip().contains(QStringLiteral("Brahmin")));
    QVERIFY(Child<QLabel>(window, QStringLiteral("lblReason7"))->toolTip().contains(QStringLiteral("Madhya")));
    QVERIFY(Child<QLabel>(window, QStringLiteral("lblBrideVerdict0"))->toolTip().contains(QStringLiteral("100%")));
    Child<QPushButton>(window, QStringLiteral("cmdTerms"))->click();
    QVERIFY(HelpWindow::current());
    QCOMPARE(HelpWindow::current()->section(), guide::kMatchingTerms);
    HelpWindow::destroy();
}

QTEST_MAIN(MatchWindowTest)
#include "tst_matchwindow.moc"
