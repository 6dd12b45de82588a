// One run of varelio-cli, apart from the process: arguments in, the bytes for
// standard output and standard error and the exit code out.
#pragma once

#include "cli/CommandLine.h"
#include "cli/Failure.h"

#include <QStringList>

#include <cstdio>
#include <string>

namespace varelio::cli {

// The exit codes are cli/Failure.h's: 0 when the reading was printed.
struct CompanionRun {
    int exitCode = 0;
    std::string out;
    std::string err;
};

// Runs the whole command in memory; a batch from "-" reads standard input.
// The run's place finder, for --place, is its own, or finder. A --chart-image
// picture is drawn by drawer (the loaded module's) and written whole
// (formats/WholeFile.h); without a drawer it cannot be, and the run stops
// with exit code 1.
CompanionRun RunCompanion(const QStringList& arguments, const ChartImageDrawer& drawer = {});
CompanionRun RunCompanion(const QStringList& arguments, PlaceFinder& finder, const ChartImageDrawer& drawer = {});
CompanionRun RunCompanion(const CommandLine& command, const ChartImageDrawer& drawer = {});

// The standard streams the process was started without.
struct ClosedStreams {
    bool input = false;
    bool output = false;
};

// Opens /dev/null on each of descriptors 0 to 2 that is closed, so that no
// file opened later (Qt's own descriptors among them) takes the number of a
// standard stream and is read or written as one. Call first thing in main().
ClosedStreams OccupyClosedStandardStreams();

// The batch a parsed command line asks for (batchInput set), streamed from
// its file or standard input to out and err; returns the exit code. A
// progress line goes to err when err is a terminal.
int RunBatchCommand(const CommandLine& command, std::FILE* out, std::FILE* err);

}  // namespace varelio::cli
