// One run of varelio-cli, apart from the process: arguments in, the bytes for
// standard output and standard error and the exit code out.
#pragma once

#include "cli/CommandLine.h"

#include <QStringList>

#include <cstdio>
#include <string>

namespace varelio::cli {

// 0: the reading was printed; 2: nothing was calculated (a usage error, a
// refused file, or a form the input window would refuse, whose message is
// printed exactly as the window shows it).
inline constexpr int kExitRefused = 2;
// The reading was calculated but standard output could not take it (a full
// disk, a file-size limit).
inline constexpr int kExitWriteFailed = 1;
// With --batch, 3 (kExitSomeRowsRefused in cli/Batch.h) says that some rows
// were refused and the others written.

struct CompanionRun {
    int exitCode = 0;
    std::string out;
    std::string err;
};

// Runs the whole command in memory; a batch from "-" reads standard input.
CompanionRun RunCompanion(const QStringList& arguments);
CompanionRun RunCompanion(const CommandLine& command);

// The batch a parsed command line asks for (batchInput set), streamed from
// its file or standard input to out and err; returns the exit code. A
// progress line goes to err when err is a terminal.
int RunBatchCommand(const CommandLine& command, std::FILE* out, std::FILE* err);

}  // namespace varelio::cli
