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
#include <memory>
#include <new>
#include <string>

namespace {

int Report(const varelio::cli::Failure& failure) {
    std::fwrite(failure.text.data(), 1, failure.text.size(), stderr);
    return failure.exitCode;
}

int Run(int argc, char** argv, const varelio::cli::ClosedStreams& closed) {
    using namespace varelio::cli;
    if (closed.output) return Report(StreamClosed(StandardStream::Output));
    // A chart picture needs QtGui, loaded with its module for that run alone;
    // the module outlives the application object it makes.
    std::unique_ptr<ChartImageModule> pictures;
    // The GUI application takes options of its own from its arguments
    // (--style among them): it is given only the program's name.
    int guiArgc = 1;
    std::unique_ptr<QCoreApplication> app;
    if (WantsChartImage(argc, argv)) {
        Failure failure;
        pictures = ChartImageModule::Load(failure);
        if (!pictures) return Report(failure);
        app = pictures->MakeApplication(guiArgc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName("varelio-cli");
    QCoreApplication::setApplicationVersion(VARELIO_VERSION);

    // The run's place finder, loaded only for --place.
    varelio::PlaceFinder finder;
    // Every byte of the arguments kept, so that a file named in another encoding opens.
    const CommandLine command = ParseCommandLine(ArgumentsFromBytes(argc, argv), finder);
    // A batch streams: its output never waits in memory.
    if (!command.failure && !command.showHelp && !command.showVersion && command.batchInput) {
        if (*command.batchInput == "-" && closed.input) return Report(StreamClosed(StandardStream::Input));
        return RunBatchCommand(command, stdout, stderr);
    }

    const CompanionRun run = RunCompanion(command, pictures ? pictures->Drawer() : ChartImageDrawer());
    // Written as bytes: the text export carries its own CR LF line ends.
    const bool written = std::fwrite(run.out.data(), 1, run.out.size(), stdout) == run.out.size() &&
                         std::fflush(stdout) == 0;
    if (!written) {
        const int error = errno;
        return Report(Stop(std::string("could not write the output: ") + std::strerror(error), kExitWriteFailed));
    }
    std::fwrite(run.err.data(), 1, run.err.size(), stderr);
    return run.exitCode;
}

}  // namespace

int main(int argc, char** argv) {
    // Before anything opens a file, so that none takes a standard stream's number.
    const varelio::cli::ClosedStreams closed = varelio::cli::OccupyClosedStandardStreams();
    varelio::IgnoreFileSizeLimitSignal();
    try {
        return Run(argc, argv, closed);
    } catch (const std::bad_alloc&) {
        std::fputs("varelio-cli: ran out of memory\n", stderr);
        return varelio::cli::kExitRefused;
    }
}
