// varelio-cli --batch: one reading for every row of a CSV file, computed by a
// pool of workers and written in the rows' order, in constant memory.
// Standard C++ only (threads and C stdio).
#pragma once

#include "cli/BirthOptions.h"
#include "cli/Csv.h"
#include "cli/Failure.h"
#include "cli/KundliKeys.h"

#include <cstdio>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace varelio::cli {

enum class BatchFormat { JsonLines, Csv };

struct BatchSettings {
    BatchFormat format = BatchFormat::JsonLines;
    int dashaDepth = kBatchDashaDepth;  // how deep each JSON line lists the dasha's periods
    int workers = 1;
    bool progress = false;  // a progress line on the error stream (a terminal)
};

struct BatchOutcome {
    int exitCode = 0;
    long rows = 0;     // rows after the header handled (written or refused) before any stop
    long refused = 0;
};

// The batch file's columns: the value options by their names, and the three
// that stand for flags.
enum class FlagColumn { LatDir, LonDir, Dst };
using BatchColumn = std::variant<BirthOption, FlagColumn>;

// The columns the header names, or the problem with it.
std::variant<std::vector<BatchColumn>, std::string> ParseBatchHeader(const CsvRecords& header);

// One row to its output: appends the reading (a JSON line or a CSV row) to
// out and returns true, or appends "varelio-cli: row N: why" to err. The row
// goes the one road from a form to a reading that a single run goes.
class BatchRow {
public:
    BatchRow(std::vector<BatchColumn> columns, BatchFormat format, int dashaDepth = kBatchDashaDepth);
    // reading is the worker's own, computed again for every row so that its
    // texts reuse the room the row before made.
    bool Process(const CsvRecords& records, const CsvRecords::Record& record, Reading& reading, std::string& out,
                 std::string& err) const;

private:
    // The line that refuses the row, or nothing when it was written.
    std::optional<std::string> Refusal(const CsvRecords& records, const CsvRecords::Record& record, Reading& reading,
                                       std::string& out) const;
    std::vector<BatchColumn> columns_;
    BatchFormat format_;
    int dashaDepth_;
};

// The CSV output's header line, with its line end.
std::string BatchCsvHeader();

// Clears the upper halves of the AVX registers when the processor has them.
// Qt's string code (QCommandLineParser's, for one) can return with them in
// use, and until they are cleared every SSE instruction after it, the
// engine's arithmetic among them, runs slowly on some x86 processors (2.4
// times slower per reading here); a new thread inherits the state.
void ClearUpperVectorRegisters();

// Reads input to its end; writes results to out and refusals to err. The
// exit code is 0 when every row was computed, kExitSomeRowsRefused,
// kExitRefused when nothing could be (an unreadable input or header),
// kExitBatchStopped when reading or memory failed after the header,
// kExitWriteFailed when the output could not be written, and kExitSignalBase
// plus the signal's number when SIGINT or SIGTERM stopped it; the output ends
// on a whole row whatever stopped it. Workers that cannot be started are said
// to be missing on err, and the batch goes on without; when memory runs
// short, half the workers give theirs back, down to one, before the batch
// gives up, and err says with how many it went on.
BatchOutcome RunBatch(std::FILE* input, std::FILE* out, std::FILE* err, const BatchSettings& settings);

}  // namespace varelio::cli
