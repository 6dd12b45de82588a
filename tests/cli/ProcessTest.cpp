// The real executable: exit codes, and which stream carries what.
#include "CliSupport.h"
#include "cli/Companion.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

namespace varelio::cli {
namespace {

using testing::DelhiArguments;
using testing::DelhiWith;
using testing::Show;

struct ProcessRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ProcessRun RunProcess(const QStringList& argsWithProgramName) {
    QProcess process;
    process.start(QStringLiteral(VARELIO_CLI_PATH), argsWithProgramName.mid(1));
    ProcessRun run;
    if (!process.waitForFinished(60000)) return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

// The process prints what the run in memory gives, each on its stream, and
// ends with its exit code.
TEST(VarelioCli, StreamsAndExitCodes) {
    const QStringList cases[] = {
        DelhiArguments(),
        DelhiArguments() << "--format" << "text",
        DelhiWith("--day", "31") << "--month" << "4",
        DelhiWith("--day", "32"),
    };
    for (const QStringList& args : cases) {
        const ProcessRun run = RunProcess(args);
        const CompanionRun expected = RunCompanion(args);
        EXPECT_EQ(run.exitCode, expected.exitCode) << Show(args).toStdString();
        EXPECT_EQ(run.out, expected.out) << Show(args).toStdString();
        EXPECT_EQ(run.err, expected.err) << Show(args).toStdString();
    }
}

// A standard stream the companion is started without is said to be closed,
// and no file it opens later takes its place.
TEST(VarelioCli, ClosedStandardStreamsAreNamed) {
    struct Case {
        QStringList args;
        int closed;
        int exitCode;
        std::string err;
    };
    const Case cases[] = {
        {{"--batch", "-"}, 0, kExitRefused, "varelio-cli: standard input is closed\n"},
        {{"--open", "good.vrl"}, 1, kExitWriteFailed, "varelio-cli: could not write the output: standard output is closed\n"},
    };
    for (const Case& c : cases) {
        QProcess process;
        const int fd = c.closed;
        process.setChildProcessModifier([fd] { ::close(fd); });
        process.start(QStringLiteral(VARELIO_CLI_PATH), c.args);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), c.exitCode) << Show(c.args).toStdString();
        EXPECT_EQ(process.readAllStandardError().toStdString(), c.err) << Show(c.args).toStdString();
    }
}

// Under a file-size limit the write fails instead of the signal ending the
// process: the limit is set in the child only, the signal left at its default.
TEST(VarelioCli, FileSizeLimitIsReportedNotFatal) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("reading.txt"));
    QProcess process;
    process.setStandardOutputFile(out);
    process.setChildProcessModifier([] {
        const rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        signal(SIGXFSZ, SIG_DFL);
    });
    process.start(QStringLiteral(VARELIO_CLI_PATH), DelhiArguments().mid(1));
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "killed by signal " << process.exitCode();
    EXPECT_EQ(process.exitCode(), kExitWriteFailed);
    EXPECT_NE(process.readAllStandardError().indexOf("File too large"), -1);
}

}  // namespace
}  // namespace varelio::cli
