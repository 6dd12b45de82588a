// The companion's command line: which birth it describes (as the input form
// would hold it) and how the reading is to be printed.
#pragma once

#include "cli/ChartImage.h"
#include "cli/Failure.h"
#include "form/Form.h"
#include "places/PlaceEntry.h"

#include <QStringList>

#include <optional>
#include <string>

namespace varelio::cli {

// Json is one indented object for one birth, and JSON Lines for a batch;
// Csv is for a batch only, Text for one birth only.
enum class OutputFormat { Json, Text, Csv };

// The place --place named and what it gave the form.
struct PlaceChoice {
    Place place;
    ZoneEntry zone;
};

// The two births of --match, as the input form would hold each.
struct MatchForms {
    FormValues bride;
    FormValues groom;
};

struct CommandLine {
    FormValues form;           // starts as the input window opens, or from --open
    std::optional<PlaceChoice> place;  // with --place
    OutputFormat format = OutputFormat::Json;
    std::optional<MatchForms> match;       // --match: the two sides instead of form
    std::optional<std::string> batchInput;  // --batch FILE: a path, or "-" for standard input
    int jobs = 0;                           // --jobs N: the batch's workers; 0 for one per processor
    int dashaDepth = 0;  // --dasha-depth 1 to 3: how deep the JSON lists the dasha; 0 for the default
    std::optional<ChartImageRequest> chartImage;  // --chart-image FILE [--style S] [--varga D]
    bool showHelp = false;
    bool showVersion = false;
    std::string helpText;
    std::string versionText;
    std::optional<Failure> failure;  // a usage problem, or a file or place that cannot be used
};

// Parses arguments (the program name first); --place looks the place up in
// finder, loading it if nobody has. A problem leaves failure set:
// a usage error ("varelio-cli: ..."), a saved reading that cannot be opened
// ("varelio-cli: cannot read '<path>': <reason>") or a
// place that cannot be found. Numbers are taken the way
// the form's lists offer them: --day 1 to 31, --month 1 to 12, --year 1901 to
// 2050, --hour 0 to 24, --minute 0 to 59, --zone 0 to 70 (list position);
// degree and minute texts up to three digits, --utc-offset "+05:45"
// (ApplyBirthOptions, which batch rows share). Options given with --open
// replace the values read from the file. --place fills the city, state,
// country, latitude, longitude, zone row, DST box and exact offset for the
// date and time given (EnterPlace); the options for those given explicitly
// win, and --zone also drops the place's DST box and exact offset. A --place
// text or a text option (--name, --city, ..., a side's too) that is not
// UTF-8 is refused; file names are taken as bytes (ArgumentsFromBytes).
// --dasha-depth (1, 2 or 3) says how deep the JSON's "dasha" goes, for one
// birth and for a batch; it needs JSON output.
// --batch takes the births from a file instead, so it excludes --open,
// --place and every birth option. --chart-image names an .svg or .png file for
// the chart's picture, --style (north, south, east) and --varga (D1 to D12)
// say which; one birth only. --match takes two births instead, each side from
// a saved reading (two arguments, the bride's first, or --bride FILE and
// --groom FILE, each opened as --open opens its file; not both forms) and
// from the options --bride-... and --groom-... (every birth option with the
// side before its name, --bride-utc-offset among them, which win over a
// file's values, as with --open), so one side may come from a file and the
// other from options; a side with neither is refused, and a side's file that
// cannot be used is named with its side ("varelio-cli: bride: cannot read
// '<path>': <reason>").
CommandLine ParseCommandLine(const QStringList& arguments, PlaceFinder& finder);

// The arguments as QStrings that keep every byte: UTF-8 is decoded, and each
// byte of anything else stands as the lone surrogate U+DC80 + byte, which no
// text holds. So a file named in another encoding is opened by its bytes, and
// a text that is not UTF-8 is known for what it is and refused.
QStringList ArgumentsFromBytes(int argc, char** argv);
QString ArgumentFromBytes(std::string_view bytes);
// An argument's bytes again.
std::string ArgumentBytes(const QString& argument);

}  // namespace varelio::cli
