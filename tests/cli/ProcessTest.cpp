// The real executable: exit codes, and which stream carries what.
#include "CliSupport.h"
#include "cli/Companion.h"

#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

namespace varelio::cli {
namespace {

using testing::DelhiArguments;
using testing::DelhiWith;
using testing::ParseJson;
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

TEST(VarelioCli, WorkedExample) {
    const ProcessRun run = RunProcess(DelhiArguments());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const QJsonArray manglik = ParseJson(run.out)["manglik"].toArray();
    ASSERT_EQ(manglik.size(), 6) << run.out;
    EXPECT_EQ(manglik[0].toString(), "Position of Mars from Lagna is 9");
    EXPECT_EQ(manglik[1].toString(), "Percentage of Mangala dosha is 0%");
    EXPECT_EQ(manglik[2].toString(), "The person is Non Manglik");
    EXPECT_EQ(manglik[3].toString(), "Position of Mars from Moon is 5");
    EXPECT_EQ(manglik[4].toString(), "Percentage of Mangala dosha is 0%");
    EXPECT_EQ(manglik[5].toString(), "The person is Non Manglik");
}

TEST(VarelioCli, ThirtyFirstOfAprilIsRefusedOnStandardError) {
    const QStringList args = DelhiWith("--day", "31") << "--month" << "4";
    const ProcessRun run = RunProcess(args);
    EXPECT_EQ(run.exitCode, 2) << Show(args).toStdString();
    EXPECT_EQ(run.err, "Please Enter Correct Date Or Month !\n");
    EXPECT_EQ(run.out, "");
}

TEST(VarelioCli, TextFormatKeepsCarriageReturns) {
    const ProcessRun run = RunProcess(DelhiArguments() << "--format" << "text");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Name: Test\r\n", 0), 0u) << run.out.substr(0, 40);
    EXPECT_NE(run.out.find("\r\n\r\r\n"), std::string::npos);  // a separator line is a lone CR
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
