#include "cli/Failure.h"

#include "cli/BirthOptions.h"
#include "words/English.h"
#include "words/Problems.h"

namespace varelio::cli {

namespace {

// The reader's reasons: a clause of its own, or what is said of the row.
struct CsvWords {
    std::string text;
    bool saidOfTheRow;
};

CsvWords Words(const CsvRecords::Record& record) {
    switch (record.problem) {
        case CsvProblem::None: break;
        case CsvProblem::QuoteInsideField: return {"a quote inside a field that does not start with one", false};
        case CsvProblem::TextAfterClosingQuote: return {"a closing quote is followed by more than a comma", false};
        case CsvProblem::QuoteNeverClosed:
            return {"a quote opened in row " + std::to_string(record.quoteRow) + " is never closed", false};
        case CsvProblem::TooLong: return {"is longer than " + std::to_string(kMaxRecordBytes) + " bytes", true};
        case CsvProblem::CarriageReturnAlone:
            return {"ends in a carriage return alone; only LF and CR LF line ends are read", true};
    }
    return {};
}

bool IsFileProblem(ProblemCode code) {
    switch (code) {
        case ProblemCode::NotAReadingFile:
        case ProblemCode::NotReadingFileContent:
        case ProblemCode::ReadingFileCutShort:
        case ProblemCode::ReadingFileNotNumber:
        case ProblemCode::ReadingFileNotFlag:
        case ProblemCode::ReadingFileControlCharacter:
        case ProblemCode::NotARegularFile:
        case ProblemCode::FileUnreadable: return true;
        default: return false;
    }
}

// A saved reading that cannot be used, named: "cannot read '<path>': <reason>".
std::string FileRefused(const Problem& problem, std::string_view path) {
    return "cannot read '" + Printable(path) + "': " + words::ProblemReason(words::English(), problem);
}

}  // namespace

Failure Refuse(const Problem& problem, std::string_view path) {
    if (IsFileProblem(problem.code)) return Stop(FileRefused(problem, path));
    // The form's checks: the window's message alone, as it shows it.
    return {words::ProblemReason(words::English(), problem) + "\n", kExitRefused};
}

std::string ProgramLine(std::string_view text) { return "varelio-cli: " + std::string(text) + "\n"; }

Failure UsageError(std::string_view problem) {
    return {ProgramLine(problem) + "Try 'varelio-cli --help' for more information.\n", kExitRefused};
}

Failure Stop(std::string_view problem, int exitCode) { return {ProgramLine(problem), exitCode}; }

Failure SideRefused(std::string_view side, const Problem& problem, std::string_view path) {
    const std::string reason =
        IsFileProblem(problem.code) ? FileRefused(problem, path) : words::ProblemReason(words::English(), problem);
    return Stop(std::string(side) + ": " + reason);
}

std::string RowRefused(long row, std::string_view reason) {
    return ProgramLine("row " + std::to_string(row) + ": " + std::string(reason));
}

std::string RowRefused(long row, const Problem& problem) { return RowRefused(row, words::ProblemReason(words::English(), problem)); }

std::string RowRefused(const CsvRecords::Record& record) {
    // A record that runs over several lines names them all: a quote gone
    // astray may have taken in rows after its own.
    const std::string rows = record.lastRow > record.row
                                 ? "rows " + std::to_string(record.row) + " to " + std::to_string(record.lastRow)
                                 : "row " + std::to_string(record.row);
    return ProgramLine(rows + ": " + Words(record).text);
}

std::string HeaderProblem(const CsvRecords::Record& header) {
    const CsvWords words = Words(header);
    return "the header (row " + std::to_string(header.row) + ") " + (words.saidOfTheRow ? "" : "cannot be read: ") +
           words.text;
}

Failure StreamClosed(StandardStream stream) {
    if (stream == StandardStream::Input) return Stop("standard input is closed");
    return Stop("could not write the output: standard output is closed", kExitWriteFailed);
}

}  // namespace varelio::cli
