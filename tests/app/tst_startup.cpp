// Start-up: the SVG application icon on every window (it needs Qt's SVG icon
// plugin, Debian libqt6svg6), the translation for the locale, the command
// line's reading file, shown as "Open Previously Saved Reading" would show it,
// and a bad one refused with that command's messages.
#include "AppTestSupport.h"

#include "app/AboutBox.h"
#include "app/HelpWindow.h"
#include "app/ReadingView.h"
#include "app/StartUp.h"
#include "formats/ReadingFile.h"
#include "VarelioVersion.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace varelio;
using namespace varelio::app;
using namespace varelio::app::testing;

namespace {

// A reading file of form, as "Save &As" writes it.
void WriteReadingFile(const QString& path, const FormValues& form)
{
    BirthData birth;
    CopyFormToBirthData(form, birth);
    const Result<std::string> file = ComposeReadingFile(birth, form.zoneIndex);
    QVERIFY(file.ok());
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(file->data(), static_cast<qint64>(file->size())), static_cast<qint64>(file->size()));
}

bool HasOpaquePixels(const QIcon& icon)
{
    const QImage image = icon.pixmap(32).toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                return true;
    return false;
}

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowShowsTheApplicationIcon()
    {
        QVERIFY2(PrepareApplication() && HasOpaquePixels(QApplication::windowIcon()),
                 "the SVG application icon cannot be drawn: Qt's SVG icon plugin is missing "
                 "(Debian libqt6svg6; scripts/deps.sh installs it)");
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Varelio"));
        // The desktop matches the windows to the entry installed under this name.
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(VARELIO_APP_ID));
        QVERIFY(!QApplication::quitOnLastWindowClosed());

        DrivenProgram driven;
        ReadingWindow* reading = driven.calculate(WorkedExampleForm());
        QVERIFY(reading);
        const std::unique_ptr<QDialog> about = MakeAboutBox(reading, false);
        HelpWindow& help = HelpWindow::showSection(guide::kFiles);
        const qint64 key = QApplication::windowIcon().cacheKey();
        for (QWidget* window : std::initializer_list<QWidget*>{&driven.input(), reading, about.get(), &help})
            QVERIFY2(window->windowIcon().cacheKey() == key, qPrintable(window->metaObject()->className()));
    }

    void translationOfTheLocaleIsLoaded()
    {
        // varelio_eo.qm translates the input window's title only.
        const QStringList folders = {QStringLiteral("/nonexistent"), QStringLiteral(VARELIO_TEST_TRANSLATIONS)};
        QCOMPARE(LoadTranslation(QLocale(QLocale::German), folders), nullptr);
        const std::unique_ptr<QTranslator> esperanto(LoadTranslation(QLocale(QLocale::Esperanto), folders));
        QVERIFY(esperanto);
        const QString translated = DrivenProgram().input().windowTitle();
        QCOMPARE(translated, QStringLiteral("Varelio v" VARELIO_VERSION " en Esperanto"));
    }

    // Answered without a display, before the window system would refuse to start.
    void helpAndVersionNeedNoDisplay()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        for (const auto& [option, answer] : {std::pair("--version", "Varelio " VARELIO_VERSION "\n"),
                                             std::pair("--help", "whether a person is Manglik")}) {
            QProcess varelio;
            varelio.setProcessEnvironment(environment);
            varelio.start(QStringLiteral(VARELIO_PATH), {QString::fromLatin1(option)});
            QVERIFY(varelio.waitForFinished(30000) && varelio.exitStatus() == QProcess::NormalExit);
            QCOMPARE(varelio.exitCode(), 0);
            QVERIFY2(varelio.readAllStandardOutput().contains(answer), option);
        }
    }

    void readingFileArgument()
    {
        QCOMPARE(ReadingFileArgument({QStringLiteral("varelio")}), QString());
        QCOMPARE(ReadingFileArgument({QStringLiteral("varelio"), QStringLiteral("/home/asha/asha.vrl")}),
                 QStringLiteral("/home/asha/asha.vrl"));
    }

    void startsWithTheReadingOfAFile()
    {
        QTemporaryDir dir;
        FormValues form = WorkedExampleForm();
        form.name = "Kiran Das";
        const QString path = dir.filePath(QStringLiteral("kiran.vrl"));
        WriteReadingFile(path, form);

        DrivenProgram driven(path);
        QVERIFY2(driven.dialogs.messages.isEmpty(), qPrintable(driven.dialogs.messages.value(0).text));
        QVERIFY(driven.dialogs.fileRequests.isEmpty());
        ReadingWindow* window = driven.program().readingWindow();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(!driven.input().isVisible());
        QCOMPARE(Child<QLabel>(window->readingView(), QStringLiteral("lblName"))->text(),
                 QStringLiteral("Name: Kiran Das"));
        QCOMPARE(Describe(driven.input().formValues()), Describe(form));
    }

    // A file a later start hands over replaces the reading shown, and its
    // window comes to the front.
    void handedFileOpensInTheRunningCopy()
    {
        QTemporaryDir dir;
        FormValues form = WorkedExampleForm();
        form.name = "Kiran Das";
        const QString path = dir.filePath(QStringLiteral("kiran.vrl"));
        WriteReadingFile(path, form);

        DrivenProgram driven;
        ReadingWindow* earlier = driven.calculate(WorkedExampleForm());
        QVERIFY(earlier);
        driven.program().openHandedFile(path);
        ReadingWindow* window = driven.program().readingWindow();
        QVERIFY(window && window != earlier);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(Child<QLabel>(window->readingView(), QStringLiteral("lblName"))->text(),
                 QStringLiteral("Name: Kiran Das"));
        QVERIFY(driven.dialogs.messages.isEmpty());
    }

    // A bad file given at the start, or handed to the running copy, gets a
    // message that names it; the input window stays, with its form as it was
    // when the file is no reading.
    void badFileKeepsTheInputWindow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "missing.vrl" << "Could not read the file \"%1\".\nNo such file or directory";
        QTest::newRow("a text file") << "notes.vrl"
                                     << "Please Check The File.\n\"%1\" is not a saved reading: its name holds a "
                                        "control character.";
        QTest::newRow("refused by the checks") << "nameless.vrl"
                                               << "Please Enter Your Name\nFrom the reading file \"%1\".";
        QTest::newRow("a bad 18th line") << "offset.vrl" << "Please Enter the Exact UTC Offset as +HH:MM, from -14:00 "
                                                             "to +14:00, or leave it empty\nFrom the reading file "
                                                             "\"%1\".";
    }
    void badFileKeepsTheInputWindow()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        FormValues form = WorkedExampleForm();
        if (name == QLatin1String("nameless.vrl")) {
            form.name.clear();
            WriteReadingFile(path, form);
        } else if (name == QLatin1String("offset.vrl")) {
            WriteReadingFile(path, form);
            QFile out(path);
            QVERIFY(out.open(QIODevice::Append));
            out.write(EncodeLine("+5 IST").append("\r\n").c_str());
        } else if (name == QLatin1String("notes.vrl")) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write("Shopping list\nrice, dal\n");
        }

        DrivenProgram driven(path);
        QCOMPARE(driven.dialogs.messages.size(), 1);
        const ShownMessage& shown = driven.dialogs.messages[0];
        QCOMPARE(shown.text, message.arg(path));
        QCOMPARE(shown.title, QStringLiteral("Varelio"));
        QVERIFY(shown.icon == MessageIcon::Error);
        QVERIFY(driven.program().readingWindow() == nullptr);
        QVERIFY(driven.input().isVisible());

        DrivenProgram running;
        FormValues before = WorkedExampleForm();
        before.name = "Kiran Das";
        running.input().setFormValues(before);
        running.program().openHandedFile(path);
        QCOMPARE(running.dialogs.messages.size(), 1);
        QCOMPARE(running.dialogs.messages[0].text, message.arg(path));
        if (name == QLatin1String("notes.vrl"))
            QCOMPARE(Describe(running.input().formValues()), Describe(before));
    }
};

QTEST_MAIN(StartUpTest)
#include "tst_startup.moc"
