// How a run of the companion fails: the one place where a problem, the
// core's or the companion's own, becomes the text on standard error and the
// exit code. Standard C++ only, as a batch row's refusal is worded without Qt.
#pragma once

#include "cli/Csv.h"
#include "form/Problem.h"

#include <string>
#include <string_view>

namespace varelio::cli {

// 0: everything asked for was written.
// The reading was calculated but standard output could not take it (a full
// disk, a file-size limit).
inline constexpr int kExitWriteFailed = 1;
// Nothing was calculated: a usage error, a refused or unreadable file, a form
// the input window would refuse, a batch without a usable header.
inline constexpr int kExitRefused = 2;
// The batch went through but some rows were refused, each named on standard error.
inline constexpr int kExitSomeRowsRefused = 3;
// The batch stopped part way, after its header: its input could not be read to
// the end or memory ran out. The rows before were written whole; standard
// error says after how many rows it stopped and why.
inline constexpr int kExitBatchStopped = 4;
// The batch stopped by SIGINT or SIGTERM once the rows in hand were written:
// 128 plus the signal's number (130, 143), as a shell reports a command a
// signal ended. Standard error says after how many rows.
inline constexpr int kExitSignalBase = 128;

struct Failure {
    std::string text;  // for standard error, line ends included
    int exitCode = kExitRefused;
};

// A problem the core found. The form's checks print the input window's
// message alone; a file that is no saved reading or cannot be read
// "varelio-cli: cannot read '<path>': <reason>".
Failure Refuse(const Problem& problem, std::string_view path = {});

// A usage error: "varelio-cli: <problem>" and a hint at --help.
Failure UsageError(std::string_view problem);

// Anything else the companion stops on: "varelio-cli: <problem>".
Failure Stop(std::string_view problem, int exitCode = kExitRefused);

// A line on standard error in the program's name, "varelio-cli: <text>", for
// what is said without stopping (a zone the rows give only roughly).
std::string ProgramLine(std::string_view text);

// One side of a match that cannot be used, named: "varelio-cli: bride: <reason>",
// the reason being Refuse's for a file ("cannot read 'x.txt': not a saved
// reading (*.vrl)") and otherwise the form's message.
Failure SideRefused(std::string_view side, const Problem& problem, std::string_view path = {});

// A refused batch row, the batch going on: "varelio-cli: row N: <reason>",
// the reason being the row's own or the form's message.
std::string RowRefused(long row, std::string_view reason);
std::string RowRefused(long row, const Problem& problem);
// A row the CSV reader could not read: "varelio-cli: row 9: a quote opened in
// row 9 is never closed"; "rows 9 to 12: ..." for a record over several lines.
std::string RowRefused(const CsvRecords::Record& record);

// Why a header the CSV reader could not read stops the batch: "the header
// (row 1) is longer than 65536 bytes".
std::string HeaderProblem(const CsvRecords::Record& header);

// A standard stream the companion was started without: "standard input is
// closed" (nothing could be read, kExitRefused) or "could not write the output:
// standard output is closed" (kExitWriteFailed).
enum class StandardStream { Input, Output };
Failure StreamClosed(StandardStream stream);

}  // namespace varelio::cli
