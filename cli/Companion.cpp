#include "cli/Companion.h"

#include "cli/Batch.h"
#include "cli/BirthOptions.h"
#include "cli/JsonWriter.h"
#include "formats/WholeFile.h"
#include "matching/Match.h"
#include "words/English.h"
#include "words/MatchText.h"
#include "words/Problems.h"
#include "words/TextExport.h"
#include "words/ZoneNotes.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace varelio::cli {

ClosedStreams OccupyClosedStandardStreams() {
    bool closed[3] = {};
    for (int fd = 0; fd < 3; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // open() takes the lowest free number: this one, the lower ones being open.
        closed[fd] = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY) == fd;
    }
    return {closed[0], closed[1]};
}

int RunBatchCommand(const CommandLine& command, std::FILE* out, std::FILE* err) {
    const std::string& path = *command.batchInput;
    std::FILE* input = stdin;
    if (path != "-") {
        input = std::fopen(path.c_str(), "rb");
        if (input == nullptr) {
            const Failure failure =
                Refuse(Problem{ProblemCode::FileUnreadable, Severity::Error, FormField::None, 0, std::strerror(errno)},
                       path);
            std::fwrite(failure.text.data(), 1, failure.text.size(), err);
            return failure.exitCode;
        }
    }
    BatchSettings settings;
    settings.format = command.format == OutputFormat::Csv ? BatchFormat::Csv : BatchFormat::JsonLines;
    settings.dashaDepth = command.dashaDepth > 0 ? command.dashaDepth : kBatchDashaDepth;
    settings.workers = command.jobs > 0 ? command.jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    settings.progress = isatty(fileno(err)) == 1;
    const BatchOutcome outcome = RunBatch(input, out, err, settings);
    if (input != stdin) std::fclose(input);
    return outcome.exitCode;
}

namespace {

CompanionRun Refused(const Failure& failure) { return CompanionRun{failure.exitCode, {}, failure.text}; }

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

// --match: both sides take the one road from a form to a reading, then the match.
CompanionRun RunMatch(const CommandLine& command) {
    Reading bride, groom;
    ClearUpperVectorRegisters();  // after the command line's Qt code, before the engine
    const std::pair<const char*, const FormValues*> sides[] = {{"bride", &command.match->bride},
                                                               {"groom", &command.match->groom}};
    Reading* readings[] = {&bride, &groom};
    for (std::size_t s = 0; s < 2; ++s) {
        const auto computed = ComputeReadingFromForm(*sides[s].second, /*converterAvailable=*/true, *readings[s]);
        if (!computed) return Refused(SideRefused(sides[s].first, computed.problem()));
    }
    const Match match = MatchReadings(bride, groom);
    CompanionRun run;
    if (command.format == OutputFormat::Text) {
        run.out = words::ComposeMatchText(bride, groom, match);
    } else {
        AppendMatchJson(bride, groom, match, run.out);
    }
    return run;
}

}  // namespace

CompanionRun RunCompanion(const QStringList& arguments, const ChartImageDrawer& drawer) {
    PlaceFinder finder;
    return RunCompanion(arguments, finder, drawer);
}

CompanionRun RunCompanion(const QStringList& arguments, PlaceFinder& finder, const ChartImageDrawer& drawer) {
    return RunCompanion(ParseCommandLine(arguments, finder), drawer);
}

CompanionRun RunCompanion(const CommandLine& command, const ChartImageDrawer& drawer) {
    if (command.failure) return Refused(*command.failure);
    CompanionRun run;
    if (command.showHelp) {
        run.out = command.helpText;
        return run;
    }
    if (command.showVersion) {
        run.out = command.versionText;
        return run;
    }
    if (command.batchInput) return RunBatchInMemory(command);
    if (command.match) return RunMatch(command);

    Reading reading;
    ClearUpperVectorRegisters();  // after the command line's Qt code, before the engine
    // The companion writes no picture, so the JPEG converter is never missing.
    if (const auto computed = ComputeReadingFromForm(command.form, /*converterAvailable=*/true, reading); !computed) {
        return Refused(Refuse(computed.problem()));
    }

    if (command.chartImage) {
        std::string picture;
        std::string reason;
        if (!drawer) {
            reason = "the chart picture module is not loaded";
        } else if (!drawer(ChartImageOf(*command.chartImage, reading), picture)) {
            reason = "the chart could not be drawn";
        } else if (const Result<void> written = WriteWholeFile(command.chartImage->path, picture); !written) {
            reason = words::ProblemReason(words::English(), written.problem());
        }
        if (!reason.empty()) {
            return Refused(Stop("could not write '" + Printable(command.chartImage->path) + "': " + reason,
                                kExitWriteFailed));
        }
    }
    // A place's zone that no row gives exactly is worth a word whatever the format.
    if (command.place && command.place->zone.note.warning()) {
        run.err = ProgramLine(words::ZoneNoteText(words::English(), command.place->zone.note));
    }
    if (command.format == OutputFormat::Text) {
        run.out = words::ComposeTextExport(reading, words::TextEncoding::Utf8);
    } else {
        const int depth = command.dashaDepth > 0 ? command.dashaDepth : kReadingDashaDepth;
        if (command.place) {
            AppendReadingJson(reading, command.place->place, command.place->zone, JsonLayout::Indented, run.out, depth);
        } else {
            AppendReadingJson(reading, JsonLayout::Indented, run.out, depth);
        }
    }
    return run;
}

}  // namespace varelio::cli
