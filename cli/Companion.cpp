#include "cli/Companion.h"

#include "cli/CommandLine.h"
#include "cli/ReadingJson.h"
#include "reading/Reading.h"
#include "formats/TextExport.h"

#include <QJsonDocument>

namespace varelio::cli {

CompanionRun RunCompanion(const QStringList& arguments) {
    CompanionRun run;
    const CommandLine command = ParseCommandLine(arguments);
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

    // The companion writes no picture, so the JPEG converter is never missing.
    if (const auto failure = ValidateForm(command.form, /*converterAvailable=*/true)) {
        run.exitCode = kExitRefused;
        run.err = failure->message + "\n";
        return run;
    }

    Reading reading;
    CopyFormToBirthData(command.form, reading.birthData);
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
