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
#include <string>

int main(int argc, char** argv) {
    varelio::IgnoreFileSizeLimitSignal();
    // A chart picture needs QtGui, loaded with its module for that run alone.
    std::unique_ptr<varelio::cli::ChartImageModule> pictures;
    // The GUI application takes options of its own from its arguments
    // (--style among them): it is given only the program's name.
    int guiArgc = 1;
    std::unique_ptr<QCoreApplication> app;
    if (varelio::cli::WantsChartImage(argc, argv)) {
        varelio::cli::Failure failure;
        pictures = varelio::cli::ChartImageModule::Load(failure);
        if (!pictures) {
            std::fwrite(failure.text.data(), 1, failure.text.size(), stderr);
            return failure.exitCode;
        }
        app = pictures->MakeApplication(guiArgc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName("varelio-cli");
    QCoreApplication::setApplicationVersion(VARELIO_VERSION);

    // A batch streams: its output never waits in memory.
    QStringList arguments = QCoreApplication::arguments();
    if (pictures) {
        arguments.clear();
        for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    }
    const varelio::cli::CommandLine command = varelio::cli::ParseCommandLine(arguments);
    if (!command.failure && !command.showHelp && !command.showVersion && command.batchInput) {
        return varelio::cli::RunBatchCommand(command, stdout, stderr);
    }

    const varelio::cli::CompanionRun run =
        varelio::cli::RunCompanion(command, pictures ? pictures->Writer() : varelio::cli::ChartImageWriter());
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
