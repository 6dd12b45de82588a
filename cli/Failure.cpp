#include "cli/Failure.h"

#include "cli/BirthOptions.h"
#include "formats/English.h"

namespace varelio::cli {

Failure Refuse(const Problem& problem, std::string_view path) {
    switch (problem.code) {
        case ProblemCode::NotAReadingFile:
        case ProblemCode::NotReadingFileContent:
        case ProblemCode::NotARegularFile:
        case ProblemCode::FileUnreadable:
            return Stop("cannot read '" + Printable(path) + "': " + english::ProblemText(problem));
        // The form's checks: the window's message alone, as it shows it.
        default: return {english::ProblemText(problem) + "\n", kExitRefused};
    }
}

std::string ProgramLine(std::string_view text) { return "varelio-cli: " + std::string(text) + "\n"; }

Failure UsageError(std::string_view problem) {
    return {ProgramLine(problem) + "Try 'varelio-cli --help' for more information.\n", kExitRefused};
}

Failure Stop(std::string_view problem, int exitCode) { return {ProgramLine(problem), exitCode}; }

std::string RowRefused(long row, std::string_view reason) {
    return ProgramLine("row " + std::to_string(row) + ": " + std::string(reason));
}

std::string RowRefused(long row, const Problem& problem) { return RowRefused(row, english::ProblemText(problem)); }

}  // namespace varelio::cli
