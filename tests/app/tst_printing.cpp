// Printing: the fit of the window on the page and the printer dialog's answer.
#include "app/Printing.h"
#include "ScriptedDialogs.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

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
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
