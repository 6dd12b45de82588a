// varelio-cli: one reading from the command line, printed as JSON or as the
// text export. Run with --help for the options.
#include "cli/Companion.h"
#include "VarelioVersion.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("varelio-cli");
    QCoreApplication::setApplicationVersion(VARELIO_VERSION);
    const varelio::cli::CompanionRun run = varelio::cli::RunCompanion(QCoreApplication::arguments());
    // Written as bytes: the text export carries its own CR LF line ends.
    std::fwrite(run.out.data(), 1, run.out.size(), stdout);
    std::fwrite(run.err.data(), 1, run.err.size(), stderr);
    return run.exitCode;
}
