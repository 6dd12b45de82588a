// The real executable: exit codes, and which stream carries what.
#include "CliSupport.h"
#include "cli/Companion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/resource.h>
#include <unistd.h>

namespace varelio::cli {
namespace {

using testing::DelhiArguments;
using testing::DelhiWith;
using testing::ProcessRun;
using testing::RunProcess;
using testing::Show;

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
        const ProcessRun run = RunProcess(args.mid(1));
        const CompanionRun expected = RunCompanion(args);
        EXPECT_EQ(run.exitCode, expected.exitCode) << Show(args).toStdString();
        EXPECT_EQ(run.out, expected.out) << Show(args).toStdString();
        EXPECT_EQ(run.err, expected.err) << Show(args).toStdString();
    }
}

// --chart-image writes the picture whole (SVG or PNG at the chart's size,
// 356 x 357) and prints the reading as without it; a folder's name is
// refused with exit code 2 and a file that cannot be written gets exit code
// 1, and neither leaves anything behind (refused option values are the
// companion tests').
TEST(VarelioCli, ChartImageIsWrittenWholeOrNotAtAll) {
    QTemporaryDir dir;
    const std::string reading = RunCompanion(DelhiArguments()).out;
    auto picture = [](const QString& path, const QStringList& more = {}) {
        return RunProcess(DelhiArguments().mid(1) << "--chart-image" << path << more);
    };
    const QString svg = dir.filePath("navamsa.svg");
    ProcessRun run = picture(svg, {"--style", "north", "--varga", "D9"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, reading);
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svgBytes = svgFile.readAll();
    EXPECT_TRUE(svgBytes.startsWith("<?xml") && svgBytes.contains("viewBox=\"0 0 356 357\"") &&
                svgBytes.contains(">Navamsa (D9)<") && svgBytes.trimmed().endsWith("</svg>"));

    const QString png = dir.filePath("rasi.PNG");
    for (const char* style : {"south", "east"}) {  // the second replaces the first
        run = picture(png, {"--style", style});
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }
    QFile pngFile(png);
    ASSERT_TRUE(pngFile.open(QIODevice::ReadOnly));
    const QByteArray header = pngFile.read(24);
    EXPECT_TRUE(header.startsWith("\x89PNG\r\n\x1a\n") && header.mid(12, 4) == "IHDR");
    EXPECT_EQ(header.mid(16, 8), QByteArray::fromHex("0000016400000165"));  // 356 x 357

    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const std::pair<QString, int> refused[] = {{dir.filePath("missing/a.svg"), kExitWriteFailed},
                                               {dir.path() + "/", kExitRefused}};
    for (const auto& [path, code] : refused) {
        run = picture(path);
        EXPECT_EQ(run.exitCode, code) << path.toStdString() << ": " << run.err;
        EXPECT_EQ(run.out, "") << path.toStdString();
        EXPECT_NE(run.err.find("varelio-cli: "), std::string::npos) << run.err;
    }
    // A folder in the picture's place is not replaced.
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.png"));
    run = picture(dir.filePath("folder.png"));
    EXPECT_EQ(run.exitCode, kExitWriteFailed) << run.err;
    EXPECT_TRUE(QFileInfo(dir.filePath("folder.png")).isDir());
    QStringList after = before + QStringList{"folder.png"};
    after.sort();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), after);
    // Nor is a named pipe, and a full disk (a file system of a folder's own) is named as such.
    const QByteArray pipe = QFile::encodeName(dir.filePath("pipe.svg"));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0644), 0);
    run = picture(dir.filePath("pipe.svg"));
    EXPECT_EQ(run.exitCode, kExitWriteFailed);
    EXPECT_NE(run.err.find("'" + pipe.toStdString() + "': not a regular file"), std::string::npos) << run.err;
    const QByteArray small = QFile::encodeName(dir.filePath("small"));
    if (QDir(dir.path()).mkdir("small") && ::mount("tmpfs", small.constData(), "tmpfs", 0, "size=8k") == 0) {
        QFile fill(dir.filePath("small/fill"));
        fill.open(QIODevice::WriteOnly);
        fill.write(QByteArray(6 * 1024, 'x'));
        fill.close();
        run = picture(dir.filePath("small/chart.svg"));
        ::umount(small.constData());
        EXPECT_EQ(run.exitCode, kExitWriteFailed);
        EXPECT_NE(run.err.find(std::string("chart.svg': ") + std::strerror(ENOSPC)), std::string::npos) << run.err;
    }

    // Without its module beside it or installed, the companion says so.
    const QString alone = dir.filePath("alone");
    ASSERT_TRUE(QDir(dir.path()).mkdir("alone") && QFile::copy(VARELIO_CLI_PATH, alone + "/varelio-cli"));
    QProcess process;
    process.start(alone + "/varelio-cli", DelhiArguments().mid(1) << "--chart-image" << alone + "/chart.svg");
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), kExitWriteFailed);
    EXPECT_NE(process.readAllStandardError().indexOf("varelio-chart-image.so"), -1);
    EXPECT_FALSE(QFileInfo::exists(alone + "/chart.svg"));
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
        const int fd = c.closed;
        const ProcessRun run = RunProcess(c.args, {}, [fd] { ::close(fd); });
        EXPECT_EQ(run.exitCode, c.exitCode) << Show(c.args).toStdString();
        EXPECT_EQ(run.err, c.err) << Show(c.args).toStdString();
    }
}

// Under a file-size limit the write fails instead of the signal ending the
// process: the limit is set in the child only, the signal left at its default.
TEST(VarelioCli, FileSizeLimitIsReportedNotFatal) {
    QTemporaryDir dir;
    const auto limited = [] {
        const rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        signal(SIGXFSZ, SIG_DFL);
    };
    const ProcessRun run = RunProcess(DelhiArguments().mid(1), {}, limited, dir.filePath("reading.txt"));
    EXPECT_EQ(run.exitCode, kExitWriteFailed) << "-2: killed by a signal";
    EXPECT_NE(run.err.find("File too large"), std::string::npos);
}

}  // namespace
}  // namespace varelio::cli
