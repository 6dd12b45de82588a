// The file commands through scripted dialogs and real files: saving and
// opening a reading, the text export, the JPEG and the PDF commands.
#include "AppTestSupport.h"
#include "FileSizeLimit.h"

#include "app/FileCommands.h"
#include "app/ReadingView.h"
#include "form/Form.h"
#include "formats/ReadingFile.h"
#include "words/TextExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

using namespace varelio;
using namespace varelio::app;
using varelio::app::testing::Describe;

namespace {

FormValues SampleForm() { return samples::MumbaiForm(); }

// The whole reading the driver would compute for a form.
Reading ReadingFor(const FormValues& form) { return samples::ReadingOf(form); }

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Ends the test run if it is still alive when the time is up: a call that
// blocks the main thread cannot be stopped by a timer of its own.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit)
        : thread_([this, limit] {
              std::unique_lock<std::mutex> lock(mutex_);
              if (!stopped_.wait_for(lock, limit, [this] { return done_; }))
                  qFatal("still blocked after %lld seconds", static_cast<long long>(limit.count()));
          })
    {
    }
    ~Watchdog()
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
        }
        stopped_.notify_one();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable stopped_;
    bool done_ = false;
    std::thread thread_;
};

QByteArray Bytes(const std::string& text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    void saveThenOpenGivesTheSameForm()
    {
        FormValues form = SampleForm();
        // Codes up to 235 survive the file's shift; "ü" (252) would not.
        form.name = "Zoë Éclair";
        form.city = "Besançon";
        QTemporaryDir dir;
        const QString path = dir.filePath("asha.vrl");
        ScriptedDialogs dialogs;
        dialogs.setNextFileName(path);
        QString lastSaved = QStringLiteral("earlier.vrl");

        const bool saved = SaveReading(nullptr, dialogs, ReadingFor(form), form.zoneIndex, lastSaved);
        QVERIFY2(saved, qPrintable(dialogs.messages.isEmpty() ? QString() : dialogs.messages[0].text));
        QCOMPARE(lastSaved, path);
        QCOMPARE(dialogs.fileRequests.size(), 1);
        const FileRequest save = dialogs.fileRequests[0];
        QCOMPARE(save.title, QStringLiteral("Varelio"));
        QCOMPARE(save.filter, QStringLiteral("Varelio (*.vrl)"));
        QCOMPARE(save.defaultSuffix, QStringLiteral("vrl"));
        QCOMPARE(save.initialName, QStringLiteral("earlier.vrl"));
        QVERIFY(save.confirmOverwrite);

        dialogs.setNextFileName(path);
        FormValues opened = InitialFormValues();
        QVERIFY(OpenSavedReading(nullptr, dialogs, opened));
        const FileRequest open = dialogs.fileRequests[1];
        QCOMPARE(open.title, QStringLiteral("Select the source file"));
        QCOMPARE(open.filter, QStringLiteral("Varelio (*.vrl)"));
        QCOMPARE(open.defaultSuffix, QStringLiteral("vrl"));
        QCOMPARE(open.initialName, QString());
        QCOMPARE(Describe(opened), Describe(form));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void cancelledSaveTouchesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("kept.vrl");
        WriteFile(path, "earlier save");
        ScriptedDialogs dialogs;
        dialogs.setNextFileName(QString());
        QString lastSaved = path;
        QVERIFY(!SaveReading(nullptr, dialogs, ReadingFor(SampleForm()), 34, lastSaved));
        QCOMPARE(lastSaved, path);
        QCOMPARE(dialogs.fileRequests[0].initialName, path);
        QCOMPARE(ReadAll(path), QByteArray("earlier save"));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void unstorableValueIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("field");
        QTest::newRow("name") << QStringLiteral("\u0100sha") << "Mumbai" << "name";
        QTest::newRow("city") << "Asha" << QStringLiteral("\u0915\u094B\u091A\u093F") << "city";
    }
    void unstorableValueIsRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, city);
        QFETCH(QString, field);
        FormValues form = SampleForm();
        form.name = name.toStdString();
        form.city = city.toStdString();
        QTemporaryDir dir;
        const QString fresh = dir.filePath("fresh.vrl");
        const QString good = dir.filePath("good.vrl");
        WriteFile(good, "good file");
        ScriptedDialogs dialogs;
        dialogs.setNextFileName(fresh);
        dialogs.setNextFileName(good);
        QString lastSaved;

        QVERIFY(!SaveReading(nullptr, dialogs, ReadingFor(form), 34, lastSaved));
        QVERIFY(!QFile::exists(fresh));
        QVERIFY(!SaveReading(nullptr, dialogs, ReadingFor(form), 34, lastSaved));
        QCOMPARE(ReadAll(good), QByteArray("good file"));
        // The chosen name is still offered next time.
        QCOMPARE(lastSaved, good);

        QCOMPARE(dialogs.messages.size(), 2);
        const ShownMessage& shown = dialogs.messages[0];
        QCOMPARE(shown.text, QStringLiteral("The %1 holds a character that a reading file cannot store. Nothing was "
                                            "saved.").arg(field));
        QCOMPARE(shown.title, QStringLiteral("Varelio"));
        QVERIFY(shown.icon == MessageIcon::Error);
    }

    void saveIntoMissingFolderIsReported()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("gone/asha.vrl");
        ScriptedDialogs dialogs;
        dialogs.setNextFileName(path);
        QString lastSaved;
        QVERIFY(!SaveReading(nullptr, dialogs, ReadingFor(SampleForm()), 34, lastSaved));
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY2(dialogs.messages[0].text.contains(path), qPrintable(dialogs.messages[0].text));
        QCOMPARE(dialogs.messages[0].title, QStringLiteral("Varelio"));
        QVERIFY(dialogs.messages[0].icon == MessageIcon::Error);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void failedWriteKeepsTheEarlierFile()
    {
#ifdef Q_OS_UNIX
        // A file size limit makes the write itself fail, whoever runs the test.
        QTemporaryDir dir;
        const QString path = dir.filePath("asha.vrl");
        WriteFile(path, "good");
        ScriptedDialogs dialogs;
        dialogs.setNextFileName(path);
        dialogs.setNextFileName(dir.filePath("export.txt"));
        QString lastSaved;

        bool written = true;
        bool exported = true;
        {
            FileSizeLimit limit(16);
            QVERIFY(limit.ok());
            written = SaveReading(nullptr, dialogs, ReadingFor(SampleForm()), 34, lastSaved);
            exported = ExportChartAsText(nullptr, dialogs, ReadingFor(SampleForm()), lastSaved);
        }

        QVERIFY(!written);
        QVERIFY(!exported);
        QCOMPARE(ReadAll(path), QByteArray("good"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"asha.vrl"});
        QCOMPARE(dialogs.messages.size(), 2);
        // Each message names the file and the system's reason.
        QVERIFY2(dialogs.messages[0].text.contains(path), qPrintable(dialogs.messages[0].text));
        QVERIFY2(dialogs.messages[1].text.contains(dir.filePath("export.txt")), qPrintable(dialogs.messages[1].text));
        for (const ShownMessage& shown : dialogs.messages)
            QVERIFY2(shown.text.contains(QStringLiteral("File too large")), qPrintable(shown.text));
#else
        QSKIP("needs a file size limit");
#endif
    }

    void replacedFileKeepsItsOwnerAndMode()
    {
        // Root saving over another user's reading leaves it that user's.
        QTemporaryDir dir;
        const QString path = dir.filePath("asha.vrl");
        WriteFile(path, "old");
        const QByteArray name = QFile::encodeName(path);
        const bool root = ::geteuid() == 0;
        QVERIFY((!root || ::chown(name.constData(), 65534, 65534) == 0) && ::chmod(name.constData(), 0604) == 0);
        ScriptedDialogs dialogs;
        dialogs.setNextFileName(path);
        QString lastSaved;
        QVERIFY(SaveReading(nullptr, dialogs, ReadingFor(SampleForm()), 34, lastSaved) && ReadAll(path) != "old");
        struct stat after {};
        QVERIFY(::stat(name.constData(), &after) == 0 && (after.st_mode & 07777) == 0604);
        if (!root)
            QSKIP("only root can keep another owner");
        QVERIFY(after.st_uid == 65534 && after.st_gid == 65534);
    }

    // Save As and Save As PDF write only a regular file or a new name: a named
    // pipe stays one, and the message says why nothing was written.
    void namedPipeIsNotReplaced()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("pipe.vrl");
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
        ReadingView view(ReadingFor(SampleForm()));
        ScriptedDialogs dialogs;
        dialogs.setNextFileName(path);
        dialogs.setNextFileName(path);
        QString lastSaved;
        QVERIFY(!SaveReading(nullptr, dialogs, ReadingFor(SampleForm()), 34, lastSaved));
        QCOMPARE(SaveAsPdf(nullptr, dialogs, view, lastSaved), QString());
        QCOMPARE(dialogs.messages.size(), 2);
        for (const ShownMessage& shown : dialogs.messages)
            QVERIFY2(shown.text.startsWith(QStringLiteral("Could not write the file \"%1\".\nIt is not a regular file").arg(path)),
                     qPrintable(shown.text));
        QVERIFY(QFileInfo(path).isFile() == false && QFileInfo(path).exists());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                 QStringList{"pipe.vrl"});
    }

    void openEdges()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        FormValues form = SampleForm();

        // Cancelled: silent.
        dialogs.setNextFileName(QString());
        QVERIFY(!OpenSavedReading(nullptr, dialogs, form));
        QVERIFY(dialogs.messages.isEmpty());

        // Unreadable: the message names the file and the reason.
        const QString missing = dir.filePath("missing.vrl");
        dialogs.setNextFileName(missing);
        QVERIFY(!OpenSavedReading(nullptr, dialogs, form));
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY2(dialogs.messages[0].text.contains(missing), qPrintable(dialogs.messages[0].text));
        QVERIFY(dialogs.messages[0].icon == MessageIcon::Error);
        QCOMPARE(Describe(form), Describe(SampleForm()));
    }

    void noReadingFileIsRefused()
    {
        // A named pipe is refused at once rather than waited on for a writer;
        // should that ever break, the watchdog fails the test instead of hanging it.
        const Watchdog watchdog(std::chrono::seconds(20));
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.vrl")));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe.vrl")).constData(), 0600), 0);
        // A file of zeros decodes to empty lines, yet is no reading; nor is a
        // text file or an empty one.
        WriteFile(dir.filePath("zeros.vrl"), QByteArray(100000, '\0'));
        WriteFile(dir.filePath("empty.vrl"), QByteArray());

        testing::DrivenProgram driven;
        InputWindow& input = driven.input();
        input.setFormValues(SampleForm());
        const std::pair<const char*, const char*> refusals[] = {
            {"zeros.vrl", "is not a saved reading: it holds bytes that no saved reading holds."},
            {"empty.vrl", "is empty."},
            {"pipe.vrl", "is not a regular file."},
            {"folder.vrl", "is not a regular file."},
        };
        for (const auto& [name, reason] : refusals) {
            driven.dialogs.messages.clear();
            const QString path = dir.filePath(QLatin1String(name));
            driven.dialogs.setNextFileName(path);
            testing::Child<QPushButton>(input, QStringLiteral("cmdOpen"))->click();
            QCOMPARE(driven.dialogs.messages.size(), 1);
            QCOMPARE(driven.dialogs.messages[0].text,
                     QStringLiteral("Please Check The File.\n\"%1\" %2").arg(path, QLatin1String(reason)));
            QCOMPARE(driven.dialogs.messages[0].title, QStringLiteral("Varelio"));
            QVERIFY(driven.dialogs.messages[0].icon == MessageIcon::Error);
            QVERIFY(driven.program().readingWindow() == nullptr);
            QCOMPARE(Describe(input.formValues()), Describe(SampleForm()));
        }

        // The ending in any case is a reading file's.
        const Result<std::string> file = ComposeReadingFile(ReadingFor(SampleForm()).birthData, 34);
        QVERIFY(file.ok());
        WriteFile(dir.filePath("ASHA.VRL"), Bytes(file.value()));
        driven.dialogs.messages.clear();
        driven.dialogs.setNextFileName(dir.filePath("ASHA.VRL"));
        testing::Child<QPushButton>(input, QStringLiteral("cmdOpen"))->click();
        QVERIFY2(driven.dialogs.messages.isEmpty(), qPrintable(driven.dialogs.messages.value(0).text));
        QVERIFY(driven.program().readingWindow() != nullptr);
    }

    void openReadsOnlyTheStartOfAHugeFile()
    {
        QTemporaryDir dir;
        const FormValues form = SampleForm();
        const Result<std::string> file = ComposeReadingFile(ReadingFor(form).birthData, form.zoneIndex);
        QVERIFY(file.ok());
        QByteArray bytes = Bytes(file.value());
        bytes += QByteArray(8 * 1024 * 1024, 'Z');
        const QString path = dir.filePath("long.vrl");
        WriteFile(path, bytes);

        ScriptedDialogs dialogs;
        dialogs.setNextFileName(path);
        FormValues opened = InitialFormValues();
        QVERIFY(OpenSavedReading(nullptr, dialogs, opened));
        QCOMPARE(Describe(opened), Describe(form));
    }

    void exportWritesTheComposedBytes()
    {
        QTemporaryDir dir;
        const Reading reading = ReadingFor(SampleForm());
        const QString readingPath = dir.filePath("asha.vrl");
        const QString exportPath = dir.filePath("asha.txt");
        WriteFile(exportPath, QByteArray(20000, 'o'));  // an older, longer export

        ScriptedDialogs dialogs;
        dialogs.setNextFileName(readingPath);
        dialogs.setNextFileName(exportPath);
        QString lastSaved;
        QVERIFY(SaveReading(nullptr, dialogs, reading, 34, lastSaved));
        QVERIFY(ExportChartAsText(nullptr, dialogs, reading, lastSaved));

        const FileRequest request = dialogs.fileRequests[1];
        QCOMPARE(request.initialName, exportPath);
        QCOMPARE(request.title, QStringLiteral("Select the destination text file "));
        QCOMPARE(request.filter, QStringLiteral("Export Chart As Text (*.txt)"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("txt"));
        QVERIFY(request.confirmOverwrite);
        QCOMPARE(lastSaved, exportPath);
        QCOMPARE(ReadAll(exportPath), Bytes(words::ComposeTextExport(reading)));
        QVERIFY(ReadAll(exportPath).contains("Date of Birth: March 7, 1985\r\n"));

        // Cancelled: the name stays, nothing changes.
        dialogs.setNextFileName(QString());
        QVERIFY(!ExportChartAsText(nullptr, dialogs, reading, lastSaved));
        QCOMPARE(lastSaved, exportPath);
        QVERIFY(dialogs.messages.isEmpty());
    }

    void eachDialogOffersItsOwnKindOfFile()
    {
        QTemporaryDir dir;
        const Reading reading = ReadingFor(SampleForm());
        const QString readingPath = dir.filePath("asha.vrl");
        const QString textPath = dir.filePath("asha.txt");
        ScriptedDialogs dialogs;
        dialogs.setNextFileName(readingPath);
        QString lastSaved;
        QVERIFY(SaveReading(nullptr, dialogs, reading, 34, lastSaved));
        const QByteArray saved = ReadAll(readingPath);
        QVERIFY(!saved.isEmpty());

        // Enter in each dialog takes the name it offers: the reading file and
        // its text export lie side by side, neither replaces the other.
        dialogs.acceptNextOffer();
        QVERIFY(ExportChartAsText(nullptr, dialogs, reading, lastSaved));
        QCOMPARE(dialogs.fileRequests[1].initialName, textPath);
        dialogs.acceptNextOffer();
        QVERIFY(SaveReading(nullptr, dialogs, reading, 34, lastSaved));
        QCOMPARE(dialogs.fileRequests[2].initialName, readingPath);
        QCOMPARE(ReadAll(readingPath), saved);
        QCOMPARE(ReadAll(textPath), Bytes(words::ComposeTextExport(reading)));

        // Any other name keeps its base: only the last ending of the file name changes.
        const std::pair<const char*, const char*> offers[] = {
            {"/r/asha", "/r/asha.txt"},
            {"/r/v1.2/asha", "/r/v1.2/asha.txt"},
            {"/r/asha.final.vrl", "/r/asha.final.txt"},
            {"/r/.vrl", "/r/.vrl.txt"},
        };
        for (const auto& [last, offered] : offers) {
            lastSaved = QLatin1String(last);
            dialogs.setNextFileName(QString());
            QVERIFY(!ExportChartAsText(nullptr, dialogs, reading, lastSaved));
            QCOMPARE(dialogs.fileRequests.last().initialName, QLatin1String(offered));
        }
        QVERIFY(dialogs.messages.isEmpty());
    }

    void saveAsJpeg()
    {
        QTemporaryDir dir;
        ReadingView view(ReadingFor(SampleForm()));
        QWidget& window = view;
        const QSize clientSize = window.size();
        QVERIFY(!clientSize.isEmpty());
        ScriptedDialogs dialogs;
        // The dialog offers the name the other saves share, with its own ending.
        const QString shared = dir.filePath("ravi.pdf");
        QString lastSaved = shared;

        dialogs.setNextFileName(QString());
        QCOMPARE(SaveAsJpeg(nullptr, dialogs, window, lastSaved), QString());
        QCOMPARE(lastSaved, shared);
        const FileRequest request = dialogs.fileRequests[0];
        QCOMPARE(request.title, QString());
        QCOMPARE(request.filter, QStringLiteral("JPEG Image (*.jpg)"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("jpg"));
        QCOMPARE(request.initialName, dir.filePath("ravi.jpg"));
        QVERIFY(!request.confirmOverwrite);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());

        const QString chosen = dir.filePath("chart.jpg");
        dialogs.setNextFileName(chosen);
        dialogs.setNextFileName(chosen);
        QCOMPARE(SaveAsJpeg(nullptr, dialogs, window, lastSaved), chosen);
        QCOMPARE(lastSaved, chosen);
        QCOMPARE(SaveAsJpeg(nullptr, dialogs, window, lastSaved), dir.filePath("chart_001.jpg"));
        QCOMPARE(dialogs.fileRequests[2].initialName, chosen);
        // The reading view's fixed size, pixel for pixel at the usual 96 dots per inch.
        QCOMPARE(clientSize, QSize(717, 535));
        QCOMPARE(QImage(chosen).size(), (QSizeF(clientSize) * window.devicePixelRatioF()).toSize());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"chart.jpg", "chart_001.jpg"}));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void failedPdfWriteIsReportedAndKeepsTheEarlierFile()
    {
#ifdef Q_OS_UNIX
        QTemporaryDir dir;
        const QString path = dir.filePath("asha.pdf");
        WriteFile(path, "earlier");
        ReadingView view(ReadingFor(SampleForm()));
        ScriptedDialogs dialogs;
        dialogs.setNextFileName(path);
        QString lastSaved;
        QString written = QStringLiteral("?");
        {
            FileSizeLimit limit(1024);
            QVERIFY(limit.ok());
            written = SaveAsPdf(nullptr, dialogs, view, lastSaved);
        }
        QCOMPARE(written, QString());
        QCOMPARE(ReadAll(path), QByteArray("earlier"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"asha.pdf"});
        // The name is kept to try again.
        QCOMPARE(lastSaved, path);

        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Could not write the file \"%1\".\nFile too large").arg(path));
        QVERIFY(dialogs.messages[0].icon == MessageIcon::Error);
#else
        QSKIP("needs a file size limit");
#endif
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
