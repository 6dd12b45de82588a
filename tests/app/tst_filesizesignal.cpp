// A file-size limit (ulimit -f) ends in a message, not in SIGXFSZ. The test
// runs itself again as a child with the limit set and the signal's default
// action restored; the child makes main()'s start-up call, then exports.
#include "ScriptedDialogs.h"

#include "app/FileCommands.h"
#include "app/ReadingView.h"
#include "app/StartUp.h"
#include "words/TextExport.h"
#include "tests/support/SampleBirths.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

using namespace varelio;
using namespace varelio::app;

namespace {

const char kScenarioVariable[] = "VARELIO_TEST_SIZE_LIMIT_SCENARIO";
const char kFolderVariable[] = "VARELIO_TEST_SIZE_LIMIT_FOLDER";
constexpr rlim_t kLimitBytes = 512;

Reading SampleReading() { return samples::ReadingOf(samples::DelhiForm()); }

// The child: exit code 0 when nothing was written and exactly one message
// was shown; the messages go to standard output for the parent to read.
int RunScenario(int argc, char* argv[])
{
    PrepareProcess();
    QApplication application(argc, argv);
    const QString scenario = qEnvironmentVariable(kScenarioVariable);
    const QString folder = qEnvironmentVariable(kFolderVariable);
    const Reading reading = SampleReading();
    ScriptedDialogs dialogs;
    QString lastName;
    bool written = false;
    if (scenario == QLatin1String("text")) {
        dialogs.setNextFileName(folder + QStringLiteral("/asha.txt"));
        written = ExportChartAsText(nullptr, dialogs, reading, lastName);
    } else if (scenario == QLatin1String("jpeg")) {
        ReadingView view(reading);
        dialogs.setNextFileName(folder + QStringLiteral("/chart.jpg"));
        written = !SaveAsJpeg(nullptr, dialogs, view, lastName).isEmpty();
    } else {
        return 3;
    }
    for (const ShownMessage& shown : dialogs.messages)
        std::fputs(qPrintable(shown.text + QLatin1Char('\n')), stdout);
    return !written && dialogs.messages.size() == 1 ? 0 : 1;
}

}  // namespace

class FileSizeSignalTest : public QObject {
    Q_OBJECT
private slots:
    void limitEndsInAMessage_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("text export") << "text" << "asha.txt";
        QTest::newRow("picture") << "jpeg" << "chart.jpg";
    }
    void limitEndsInAMessage()
    {
        QFETCH(QString, scenario);
        QFETCH(QString, fileName);
        // The text, like any picture of the reading, is larger than the limit.
        QVERIFY(words::ComposeTextExport(SampleReading()).size() > kLimitBytes);

        QTemporaryDir dir;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(kScenarioVariable), scenario);
        environment.insert(QLatin1String(kFolderVariable), dir.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setChildProcessModifier([] {
            rlimit limit{};
            if (getrlimit(RLIMIT_FSIZE, &limit) == 0) {
                limit.rlim_cur = kLimitBytes;
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            std::signal(SIGXFSZ, SIG_DFL);
        });
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(60000));

        const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
        const QString errors = QString::fromLocal8Bit(child.readAllStandardError());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit,
                 qPrintable(QStringLiteral("ended by signal %1").arg(child.exitCode())));
        QVERIFY2(child.exitCode() == 0, qPrintable(output + errors));
        QVERIFY2(output.contains(dir.filePath(fileName)) && output.contains(QStringLiteral("File too large")),
                 qPrintable(output));
        // Neither the file nor a temporary one is left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }
};

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet(kScenarioVariable))
        return RunScenario(argc, argv);
    QApplication application(argc, argv);
    FileSizeSignalTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_filesizesignal.moc"
