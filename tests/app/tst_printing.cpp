// Printing: the fit of the window on the page, the printer dialog's answer,
// no printer at all, and the reading as a PDF page read back with poppler's
// tools (pdfinfo, pdftotext, pdftoppm from poppler-utils).
#include "app/FileCommands.h"
#include "app/Printing.h"
#include "app/ReadingView.h"
#include "ScriptedDialogs.h"
#include "words/Reading.h"
#include "tests/support/SampleBirths.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace varelio;
using namespace varelio::app;

namespace {

class ColouredWindow : public QWidget {
public:
    explicit ColouredWindow(QSize size)
    {
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(154, 54, 171));
        setPalette(pal);
        resize(size);
    }
};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A poppler tool's standard output; a missing tool fails the test with the
// package that brings it (scripts/deps.sh installs it).
QString Poppler(const QString& tool, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(tool).isEmpty()) {
        QTest::qFail(qPrintable(tool + QStringLiteral(" is missing: install poppler-utils (scripts/deps.sh)")),
                     __FILE__, __LINE__);
        return {};
    }
    QProcess run;
    run.start(tool, arguments);
    if (!run.waitForFinished(30000) || run.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(tool, QString::fromLocal8Bit(run.readAllStandardError()));
    return QString::fromUtf8(run.readAllStandardOutput());
}

}  // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void fitRect_data()
    {
        QTest::addColumn<QSizeF>("content");
        QTest::addColumn<QRectF>("page");
        QTest::addColumn<QRectF>("expected");
        QTest::newRow("wide content on a tall page")
            << QSizeF(200, 100) << QRectF(0, 0, 400, 800) << QRectF(0, 300, 400, 200);
        QTest::newRow("tall content on a wide page")
            << QSizeF(100, 300) << QRectF(0, 0, 900, 600) << QRectF(350, 0, 200, 600);
        QTest::newRow("smaller page shrinks")
            << QSizeF(1000, 1000) << QRectF(0, 0, 300, 200) << QRectF(50, 0, 200, 200);
        QTest::newRow("empty content") << QSizeF(0, 10) << QRectF(0, 0, 100, 100) << QRectF();
    }
    void fitRect()
    {
        QFETCH(QSizeF, content);
        QFETCH(QRectF, page);
        QFETCH(QRectF, expected);
        const QRectF actual = FitRect(content, page);
        QVERIFY2(qFuzzyCompare(actual.x() + 1, expected.x() + 1) && qFuzzyCompare(actual.y() + 1, expected.y() + 1)
                     && qFuzzyCompare(actual.width() + 1, expected.width() + 1)
                     && qFuzzyCompare(actual.height() + 1, expected.height() + 1),
                 qPrintable(QStringLiteral("got %1,%2 %3x%4")
                                .arg(actual.x()).arg(actual.y()).arg(actual.width()).arg(actual.height())));
    }

    void drawsTheWindowCentredAndScaled()
    {
        ColouredWindow window(QSize(200, 100));
        QImage page(400, 400, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            DrawScaledToFit(window, painter, QRectF(0, 0, 400, 400));
        }
        const QColor purple(154, 54, 171);
        // Scaled to 400x200 and centred: rows 100 to 299 hold the window.
        QCOMPARE(page.pixelColor(200, 200), purple);
        QCOMPARE(page.pixelColor(2, 102), purple);
        QCOMPARE(page.pixelColor(397, 297), purple);
        QCOMPARE(page.pixelColor(200, 95), QColor(Qt::white));
        QCOMPARE(page.pixelColor(200, 305), QColor(Qt::white));
    }

    void printsOnlyWhenConfirmed()
    {
        QTemporaryDir dir;
        ColouredWindow window(QSize(300, 200));
        ScriptedDialogs dialogs;
        const QString cancelled = dir.filePath("cancelled.pdf");
        const QString confirmed = dir.filePath("confirmed.pdf");

        QPrinter first(QPrinter::HighResolution);
        first.setOutputFormat(QPrinter::PdfFormat);
        first.setOutputFileName(cancelled);
        dialogs.setNextPrintAnswer(false);
        PrintReading(nullptr, dialogs, window, first);
        QCOMPARE(dialogs.printDialogs, 1);
        QVERIFY(!QFile::exists(cancelled));

        QPrinter second(QPrinter::HighResolution);
        second.setOutputFormat(QPrinter::PdfFormat);
        second.setOutputFileName(confirmed);
        dialogs.setNextPrintAnswer(true);
        PrintReading(nullptr, dialogs, window, second);
        QCOMPARE(dialogs.printDialogs, 2);
        const QByteArray pdf = ReadAll(confirmed);
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);

        // The same page without the window: printing drew something.
        const QString blank = dir.filePath("blank.pdf");
        QPrinter third(QPrinter::HighResolution);
        third.setOutputFormat(QPrinter::PdfFormat);
        third.setOutputFileName(blank);
        {
            QPainter painter(&third);
        }
        QVERIFY2(pdf.size() > ReadAll(blank).size(),
                 qPrintable(QStringLiteral("%1 vs %2 bytes").arg(pdf.size()).arg(ReadAll(blank).size())));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void withoutAPrinterSaysSoInsteadOfTheDialog()
    {
        ColouredWindow window(QSize(300, 200));
        ScriptedDialogs dialogs;
        SetPrinterInstalledForTesting(false);
        PrintReading(nullptr, dialogs, window);
        QCOMPARE(dialogs.printDialogs, 0);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text,
                 QStringLiteral("No printer is installed. Use Save As PDF to keep a printable copy."));
        QVERIFY(dialogs.messages[0].icon == MessageIcon::Information);
        QCOMPARE(dialogs.messages[0].title, QStringLiteral("Varelio"));

        // With a printer the dialog comes as before (cancelled here).
        SetPrinterInstalledForTesting(true);
        PrintReading(nullptr, dialogs, window);
        SetPrinterInstalledForTesting(std::nullopt);
        QCOMPARE(dialogs.printDialogs, 1);
        QCOMPARE(dialogs.messages.size(), 1);
    }

    void pageSizeFollowsTheLocale()
    {
        QCOMPARE(PageSizeFor(QLocale(QLocale::English, QLocale::UnitedStates)).id(), QPageSize::Letter);
        for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedKingdom),
                                      QLocale(QLocale::Hindi, QLocale::India), QLocale(QLocale::C)})
            QCOMPARE(PageSizeFor(locale).id(), QPageSize::A4);
    }

    void pdfIsOnePageOfTheReadingOnWhite_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("size");
        // Turned to the reading's landscape shape.
        QTest::newRow("India: A4") << QLocale(QLocale::Hindi, QLocale::India) << "842 x 595 pts (A4)";
        QTest::newRow("US: Letter") << QLocale(QLocale::English, QLocale::UnitedStates) << "792 x 612 pts (letter)";
    }
    void pdfIsOnePageOfTheReadingOnWhite()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, size);
        QTemporaryDir dir;
        const Reading reading = samples::ReadingOf(samples::DelhiForm());
        ReadingView view(reading);
        ScriptedDialogs dialogs;
        QString lastSaved = dir.filePath(QStringLiteral("asha.vrl"));
        dialogs.acceptNextOffer();
        const QLocale before;
        QLocale::setDefault(locale);
        const QString path = SaveAsPdf(nullptr, dialogs, view, lastSaved);
        QLocale::setDefault(before);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).text));
        const FileRequest& request = dialogs.fileRequests.at(0);
        QCOMPARE(request.filter, QStringLiteral("PDF Document (*.pdf)"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("pdf"));
        QVERIFY(request.confirmOverwrite);
        QCOMPARE(path, dir.filePath(QStringLiteral("asha.pdf")));
        QCOMPARE(lastSaved, path);

        const QString info = Poppler(QStringLiteral("pdfinfo"), {path});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("Page size:       ") + size), qPrintable(info));

        // Text, not a picture of it: the name and both verdict lines read back.
        const QString text = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QVERIFY2(text.contains(QStringLiteral("Name: ") + QString::fromStdString(reading.birthData.name)),
                 qPrintable(text));
        for (const ManglikReference reference : {ManglikReference::Lagna, ManglikReference::Moon}) {
            const QString verdict = QString::fromStdString(words::VerdictCaptions(words::English(), reading.of(reference).verdict)[2]);
            QVERIFY(verdict.startsWith(QLatin1String("The person is ")));
            QVERIFY2(text.count(verdict) >= 1, qPrintable(verdict + QStringLiteral(" in\n") + text));
        }
        QCOMPARE(text.count(QStringLiteral("The person is ")), 2);

        // White: the paper round the view, and the view's own grey window
        // colour stays off the page.
        Poppler(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"),
                                             QStringLiteral("-singlefile"), path, dir.filePath(QStringLiteral("page"))});
        const QImage page(dir.filePath(QStringLiteral("page.png")));
        QVERIFY(!page.isNull());
        QCOMPARE(page.pixelColor(1, 1), QColor(Qt::white));
        QCOMPARE(page.pixelColor(page.width() - 2, page.height() - 2), QColor(Qt::white));
        const QRgb grey = view.palette().color(QPalette::Window).rgb();
        QVERIFY(grey != qRgb(255, 255, 255));
        QHash<QRgb, int> colours;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                ++colours[page.pixel(x, y)];
        const int pixels = page.width() * page.height();
        QVERIFY2(colours.value(grey) < pixels / 100, qPrintable(QString::number(colours.value(grey))));
        // The margins and the gaps between the view's frames; the frames and
        // the chart have fills of their own.
        const int white = colours.value(qRgb(255, 255, 255));
        QVERIFY2(white > pixels / 5, qPrintable(QStringLiteral("%1 of %2 white").arg(white).arg(pixels)));
        // The reading is drawn on it, in its colours.
        QVERIFY(colours.value(qRgb(0xff, 0xde, 0xad)) > pixels / 20);
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
