// varelio-cli: one reading from the command line, printed as JSON or as the
// text export, or a batch of them from a CSV file. Run with --help for the
// options.
#include "cli/Companion.h"
#include "formats/FileSizeLimit.h"
#include "VarelioVersion.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    varelio::IgnoreFileSizeLimitSignal();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("varelio-cli");
    QCoreApplication::setApplicationVersion(VARELIO_VERSION);

    // The run's place finder, loaded only for --place.
    varelio::PlaceFinder finder;
    // A batch streams: its output never waits in memory.
    const varelio::cli::CommandLine command = varelio::cli::ParseCommandLine(QCoreApplication::arguments(), finder);
    if (!command.failure && !command.showHelp && !command.showVersion && command.batchInput) {
        return varelio::cli::RunBatchCommand(command, stdout, stderr);
    }

    const varelio::cli::CompanionRun run = varelio::cli::RunCompanion(command);
    // Written as bytes: the text export carries its own CR LF line ends.
    const bool written = std::fwrite(run.out.data(), 1, run.out.size(), stdout) == run.out.size() &&
                         std::fflush(stdout) == 0;
    if (!written) {
        const int error = errno;
        const varelio::cli::Failure failure = varelio::cli::Stop(
            std::string("could not write the output: ") + std::strerror(error), varelio::cli::kExitWriteFailed);
        std::fwrite(failure.text.data(), 1, failure.text.size(), stderr);
        return failure.exitCode;
    }
    std::fwrite(run.err.data(), 1, run.err.size(), stderr);
    return run.exitCode;
}
