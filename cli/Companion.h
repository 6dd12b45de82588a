// One run of varelio-cli, apart from the process: arguments in, the bytes for
// standard output and standard error and the exit code out.
#pragma once

#include <QStringList>

#include <string>

namespace varelio::cli {

// 0: the reading was printed; 2: nothing was calculated (a usage error, a
// refused file, or a form the input window would refuse, whose message is
// printed exactly as the window shows it).
inline constexpr int kExitRefused = 2;
// The reading was calculated but standard output could not take it (a full
// disk, a file-size limit).
inline constexpr int kExitWriteFailed = 1;

struct CompanionRun {
    int exitCode = 0;
    std::string out;
    std::string err;
};

CompanionRun RunCompanion(const QStringList& arguments);

}  // namespace varelio::cli
