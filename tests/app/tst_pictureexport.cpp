// The picture export: path splitting, free numbered names, the timestamp
// name, the capture and the JPEG save with its failure messages.
#include "app/PictureExport.h"
#include "FileSizeLimit.h"
#include "ScriptedDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

using namespace varelio::app;

namespace {

const QDateTime kFixedTime(QDate(2024, 3, 7), QTime(9, 5, 3, 42));

QDateTime FixedClock()
{
    return kFixedTime;
}

void Touch(const QString& path, const QByteArray& content = "x")
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(content);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file, hidden ones too: a save leaves nothing but its picture behind.
QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

// A small stand-in for the reading window: a coloured area with a label.
class SampleWindow : public QWidget {
public:
    SampleWindow()
    {
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(154, 54, 171));
        setPalette(pal);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("Varelio"), this));
        resize(173, 91);
    }
};

}  // namespace

class PictureExportTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SetJpegWriterAvailableForTesting(std::nullopt); }

    void splitPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("plain") << "/home/user/charts/chart.jpg" << "/home/user/charts" << "chart.jpg";
        QTest::newRow("no separator") << "chart.jpg" << "" << "";
        QTest::newRow("root") << "/chart.jpg" << "/" << "chart.jpg";
        QTest::newRow("trailing separator") << "/a/b/" << "/a/b" << "";
        QTest::newRow("dotted folder") << "rel/b.c/d" << "rel/b.c" << "d";
        QTest::newRow("empty") << "" << "" << "";
    }
    void splitPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QFETCH(QString, fileName);
        const PathParts parts = SplitPath(path);
        QCOMPARE(parts.folder, folder);
        QCOMPARE(parts.fileName, fileName);
    }

    void timestampName_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("full");
        QTest::newRow("padded") << kFixedTime << "20240307090503042";
        QTest::newRow("last instant of a year")
            << QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59, 999)) << "19991231235959999";
        QTest::newRow("midnight") << QDateTime(QDate(2050, 1, 1), QTime(0, 0)) << "20500101000000000";
    }
    void timestampName()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, full);
        const LocalClock clock = [now] { return now; };
        QCOMPARE(TimestampName(false, clock), full);
        QCOMPARE(TimestampName(true, clock), full.left(8));
    }

    void everyExistingNameIsTaken()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        Touch(dir.filePath("plain.jpg"));
        Touch(dir.filePath(".hidden.jpg"));
        QVERIFY(QDir(dir.path()).mkdir("folder.jpg"));
        QVERIFY(QDir(dir.path()).mkdir(".hidden-folder.jpg"));
        QVERIFY(QFile::link(dir.filePath("gone/target.jpg"), dir.filePath("dangling.jpg")));
        for (const char* name : {"plain.jpg", ".hidden.jpg", "folder.jpg", ".hidden-folder.jpg", "dangling.jpg"})
            QVERIFY2(NameTaken(dir.filePath(name)), name);
        QVERIFY(!NameTaken(dir.filePath("missing.jpg")));
    }

    void uniqueFileNameForms_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no dot") << "chart" << "chart.jpg";
        QTest::newRow("bmp") << "chart.bmp" << "chart.jpg";
        QTest::newRow("every bmp") << "a.bmp.bmp" << "a.jpg.jpg";
        QTest::newRow("upper-case BMP kept") << "chart.BMP" << "chart.BMP";
        QTest::newRow("empty: date") << "" << "20240307.jpg";
        QTest::newRow("nothing before the dot") << ".jpg" << "chart.jpg";
    }
    void uniqueFileNameForms()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        QCOMPARE(UniqueFileName(dir.path(), fileName, dialogs, nullptr, FixedClock), dir.path() + "/" + expected);
        QVERIFY(dialogs.messages.isEmpty());
    }

    void uniqueFileNameFolders()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        QCOMPARE(UniqueFileName(dir.path() + "/", "c.jpg", dialogs, nullptr), dir.path() + "/c.jpg");
        QCOMPARE(UniqueFileName(dir.path() + "//", "c.jpg", dialogs, nullptr), dir.path() + "/c.jpg");
        QCOMPARE(UniqueFileName("", "c.jpg", dialogs, nullptr),
                 QCoreApplication::applicationDirPath() + "/c.jpg");
    }

    void uniqueFileNameCounts()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        Touch(dir.filePath("chart.jpg"));
        QCOMPARE(UniqueFileName(dir.path(), "chart.jpg", dialogs, nullptr), dir.filePath("chart_001.jpg"));
        Touch(dir.filePath("chart_001.jpg"));
        QCOMPARE(UniqueFileName(dir.path(), "chart.jpg", dialogs, nullptr), dir.filePath("chart_002.jpg"));
        // A gap is filled first.
        Touch(dir.filePath("chart_003.jpg"));
        QCOMPARE(UniqueFileName(dir.path(), "chart.jpg", dialogs, nullptr), dir.filePath("chart_002.jpg"));
        // Every dot takes the counter.
        Touch(dir.filePath("a.b.jpg"));
        QCOMPARE(UniqueFileName(dir.path(), "a.b.jpg", dialogs, nullptr), dir.filePath("a_001.b_001.jpg"));
        // Folders, hidden files and dangling links are taken like any file.
        QVERIFY(QDir(dir.path()).mkdir("map.jpg"));
        QCOMPARE(UniqueFileName(dir.path(), "map.jpg", dialogs, nullptr), dir.filePath("map_001.jpg"));
        Touch(dir.filePath("chart_002.jpg"));
        QVERIFY(QFile::link(dir.filePath("gone/target.jpg"), dir.filePath("chart_004.jpg")));
        QCOMPARE(UniqueFileName(dir.path(), "chart.jpg", dialogs, nullptr), dir.filePath("chart_005.jpg"));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void uniqueFileNameGivesUpAfter999()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        Touch(dir.filePath("chart.jpg"));
        for (int n = 1; n <= 999; ++n)
            Touch(dir.filePath(QStringLiteral("chart_%1.jpg").arg(n, 3, 10, QLatin1Char('0'))));
        const qsizetype filesBefore = QDir(dir.path()).entryList(QDir::Files).size();

        QCOMPARE(UniqueFileName(dir.path(), "chart.jpg", dialogs, nullptr), QString());
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("There are too many Copies of this file  chart.jpg"));
        QCOMPARE(dialogs.messages[0].title, QStringLiteral(" UNABLE  TO  CREATE  NEW  FILEchart.jpg"));
        QVERIFY(dialogs.messages[0].icon == MessageIcon::Error);

        // The whole save writes nothing either.
        SampleWindow window;
        QCOMPARE(SaveWindowAsJpeg(dir.filePath("chart.jpg"), CaptureWindow(window), dialogs, nullptr), QString());
        QCOMPARE(dialogs.messages.size(), 2);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), filesBefore);
    }

    void captureHasTheClientAreaSize()
    {
        SampleWindow window;
        window.resize(211, 97);
        const QImage picture = CaptureWindow(window);
        const qreal ratio = window.devicePixelRatioF();
        QCOMPARE(picture.size(), (QSizeF(211, 97) * ratio).toSize());
        QCOMPARE(picture.pixelColor(2, 2), QColor(154, 54, 171));
    }

    void savesNumberedCopiesAndLeavesTheFirst()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        SampleWindow window;
        const QImage picture = CaptureWindow(window);

        const QString first = SaveWindowAsJpeg(dir.filePath("chart.jpg"), picture, dialogs, nullptr);
        QCOMPARE(first, dir.filePath("chart.jpg"));
        const QByteArray firstBytes = ReadAll(first);
        QVERIFY(firstBytes.startsWith("\xFF\xD8"));  // a JPEG stream

        QCOMPARE(SaveWindowAsJpeg(dir.filePath("chart.jpg"), picture, dialogs, nullptr), dir.filePath("chart_001.jpg"));
        QCOMPARE(SaveWindowAsJpeg(dir.filePath("chart.jpg"), picture, dialogs, nullptr), dir.filePath("chart_002.jpg"));
        QCOMPARE(ReadAll(first), firstBytes);
        QCOMPARE(FilesIn(dir.path()), (QStringList{"chart.jpg", "chart_001.jpg", "chart_002.jpg"}));
        QVERIFY(dialogs.messages.isEmpty());

        const QImage saved(dir.filePath("chart_002.jpg"));
        QCOMPARE(saved.size(), picture.size());
        // Quality 100 keeps a flat colour within a small error.
        const QColor corner = saved.pixelColor(3, 3);
        QVERIFY2(qAbs(corner.red() - 154) <= 4 && qAbs(corner.green() - 54) <= 4 && qAbs(corner.blue() - 171) <= 4,
                 qPrintable(corner.name()));
    }

    void nameIsCutAtItsFirstDot_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("two dots") << "reading.final.png" << "reading.jpg";
        QTest::newRow("upper-case JPG") << "reading.JPG" << "reading.jpg";
        // Nothing before the first dot: the picture is never a hidden file.
        QTest::newRow("leading dot") << ".profile" << "chart.jpg";
        QTest::newRow("hidden name") << ".mychart.jpg" << "chart.jpg";
        QTest::newRow("dot alone") << "." << "chart.jpg";
    }
    void nameIsCutAtItsFirstDot()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        SampleWindow window;
        QCOMPARE(SaveWindowAsJpeg(dir.filePath(chosen), CaptureWindow(window), dialogs, nullptr),
                 dir.filePath(written));
        QCOMPARE(FilesIn(dir.path()), QStringList{written});
    }

    void missingFolderIsReported()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        SampleWindow window;
        const QString target = dir.filePath("no-such-folder/chart.jpg");
        QCOMPARE(SaveWindowAsJpeg(target, CaptureWindow(window), dialogs, nullptr), QString());
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].title, QStringLiteral("Varelio"));
        QVERIFY(dialogs.messages[0].icon == MessageIcon::Error);
        QVERIFY2(dialogs.messages[0].text.contains(target), qPrintable(dialogs.messages[0].text));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void takenNamesAreLeftAlone()
    {
        // A folder, a hidden picture and a link to nowhere under the names a
        // save could pick: each is passed over and stays as it was.
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("chart.jpg"));
        Touch(dir.filePath(".jpg"), "hidden");
        QVERIFY(QDir(dir.path()).mkdir("elsewhere"));
        QVERIFY(QFile::link(dir.filePath("elsewhere/target.jpg"), dir.filePath("chart_001.jpg")));
        ScriptedDialogs dialogs;
        SampleWindow window;
        const QImage picture = CaptureWindow(window);
        QCOMPARE(SaveWindowAsJpeg(dir.filePath("chart.jpg"), picture, dialogs, nullptr), dir.filePath("chart_002.jpg"));
        QCOMPARE(SaveWindowAsJpeg(dir.filePath(".x"), picture, dialogs, nullptr), dir.filePath("chart_003.jpg"));
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(ReadAll(dir.filePath(".jpg")), QByteArray("hidden"));
        QVERIFY(QFileInfo(dir.filePath("chart.jpg")).isDir());
        QVERIFY(!QFileInfo::exists(dir.filePath("elsewhere/target.jpg")));
        QCOMPARE(FilesIn(dir.path()), (QStringList{".jpg", "chart_002.jpg", "chart_003.jpg"}));
    }

    void fullDiskKeepsNothingHalfWritten_data()
    {
        QTest::addColumn<QImage>("picture");
        SampleWindow window;
        // A small picture fails when it is flushed, a large one while it is
        // still being encoded; either way the message names the file system's reason.
        QTest::newRow("small") << CaptureWindow(window);
        QImage large(640, 480, QImage::Format_RGB32);
        for (int y = 0; y < large.height(); ++y)
            for (int x = 0; x < large.width(); ++x)
                large.setPixel(x, y, qRgb((x * 7) % 256, (y * 13) % 256, (x * y) % 256));
        QTest::newRow("large") << large;
    }
    void fullDiskKeepsNothingHalfWritten()
    {
#ifdef Q_OS_UNIX
        QFETCH(QImage, picture);
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        QString saved = QStringLiteral("unset");
        {
            // No JPEG of the picture fits in 64 bytes.
            FileSizeLimit limit(64);
            QVERIFY(limit.ok());
            saved = SaveWindowAsJpeg(dir.filePath("chart.jpg"), picture, dialogs, nullptr);
        }
        QCOMPARE(saved, QString());
        QCOMPARE(dialogs.messages.size(), 1);
        const QString text = dialogs.messages[0].text;
        QVERIFY2(text.contains(dir.filePath("chart.jpg")) && text.contains(QStringLiteral("File too large")),
                 qPrintable(text));
        QCOMPARE(FilesIn(dir.path()), QStringList());
#else
        QSKIP("needs a file size limit");
#endif
    }

    void missingJpegWriter()
    {
        QVERIFY(JpegWriterAvailable());  // the plugin ships with Qt here
        SetJpegWriterAvailableForTesting(false);
        QVERIFY(!JpegWriterAvailable());

        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        SampleWindow window;
        QCOMPARE(SaveWindowAsJpeg(dir.filePath("chart.jpg"), CaptureWindow(window), dialogs, nullptr), QString());
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].icon == MessageIcon::Error);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

        SetJpegWriterAvailableForTesting(std::nullopt);
        QVERIFY(JpegWriterAvailable());
    }
};

QTEST_MAIN(PictureExportTest)
#include "tst_pictureexport.moc"
