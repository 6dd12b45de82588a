#include "cli/Companion.h"

#include "cli/Batch.h"
#include "cli/ReadingJson.h"
#include "reading/Reading.h"
#include "formats/TextExport.h"

#include <QJsonDocument>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace varelio::cli {

int RunBatchCommand(const CommandLine& command, std::FILE* out, std::FILE* err) {
    const std::string& path = *command.batchInput;
    std::FILE* input = stdin;
    if (path != "-") {
        input = std::fopen(path.c_str(), "rb");
        if (input == nullptr) {
            const std::string message =
                "varelio-cli: cannot read '" + Printable(path) + "': " + std::strerror(errno) + "\n";
            std::fwrite(message.data(), 1, message.size(), err);
            return kExitRefused;
        }
    }
    BatchSettings settings;
    settings.format = command.format == OutputFormat::Csv ? BatchFormat::Csv : BatchFormat::JsonLines;
    settings.workers = command.jobs > 0 ? command.jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    settings.progress = isatty(fileno(err)) == 1;
    const BatchOutcome outcome = RunBatch(input, out, err, settings);
    if (input != stdin) std::fclose(input);
    return outcome.exitCode;
}

namespace {

// The batch's streams caught in memory.
CompanionRun RunBatchInMemory(const CommandLine& command) {
    CompanionRun run;
    char* outBytes = nullptr;
    char* errBytes = nullptr;
    std::size_t outSize = 0, errSize = 0;
    std::FILE* out = open_memstream(&outBytes, &outSize);
    std::FILE* err = open_memstream(&errBytes, &errSize);
    run.exitCode = RunBatchCommand(command, out, err);
    std::fclose(out);
    std::fclose(err);
    run.out.assign(outBytes, outSize);
    run.err.assign(errBytes, errSize);
    std::free(outBytes);
    std::free(errBytes);
    return run;
}

}  // namespace

CompanionRun RunCompanion(const QStringList& arguments) { return RunCompanion(ParseCommandLine(arguments)); }

CompanionRun RunCompanion(const CommandLine& command) {
    CompanionRun run;
    if (!command.error.empty()) {
        run.exitCode = kExitRefused;
        run.err = command.error + "\n";
        return run;
    }
    if (command.showHelp) {
        run.out = command.helpText;
        return run;
    }
    if (command.showVersion) {
        run.out = command.versionText;
        return run;
    }
    if (command.batchInput) return RunBatchInMemory(command);

    // The companion writes no picture, so the JPEG converter is never missing.
    if (const auto failure = ValidateForm(command.form, /*converterAvailable=*/true)) {
        run.exitCode = kExitRefused;
        run.err = failure->message + "\n";
        return run;
    }

    Reading reading;
    CopyFormToBirthData(command.form, reading.birthData);
    ClearUpperVectorRegisters();  // after the command line's Qt code, before the engine
    ComputeReading(reading);

    // A place's zone that no row gives exactly is worth a word whatever the format.
    if (command.place && command.place->zone.note.warning) {
        run.err = "varelio-cli: " + command.place->zone.note.text + "\n";
    }
    if (command.format == OutputFormat::Text) {
        run.out = ComposeTextExport(reading);
    } else {
        QJsonObject json = ReadingToJson(reading);
        if (command.place) json.insert("place", PlaceToJson(command.place->place, command.place->zone));
        run.out = QJsonDocument(json).toJson(QJsonDocument::Indented).toStdString();
    }
    return run;
}

}  // namespace varelio::cli
