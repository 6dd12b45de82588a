// The companion's command line: which birth it describes (as the input form
// would hold it) and how the reading is to be printed.
#pragma once

#include "form/Form.h"
#include "places/PlaceEntry.h"

#include <QStringList>

#include <optional>
#include <string>

namespace varelio::cli {

enum class OutputFormat { Json, Text };

// The place --place named and what it gave the form.
struct PlaceChoice {
    Place place;
    ZoneEntry zone;
};

struct CommandLine {
    FormValues form;           // starts as the input window opens, or from --open
    std::optional<PlaceChoice> place;  // with --place
    OutputFormat format = OutputFormat::Json;
    bool showHelp = false;
    bool showVersion = false;
    std::string helpText;
    std::string versionText;
    std::string error;         // a usage problem, or a message the program itself shows
};

// Parses arguments (the program name first). A problem leaves error set:
// either a usage error ("varelio-cli: ...") or, for --open, the program's own
// message about the file ("Please Check The File."). Numbers are taken the way
// the form's lists offer them: --day 1 to 31, --month 1 to 12, --year 1901 to
// 2050, --hour 0 to 24, --minute 0 to 59, --zone 0 to 70 (list position);
// degree and minute texts up to three digits. Options given with --open
// replace the values read from the file. --place fills the city, state,
// country, latitude, longitude, zone row and DST box for the date and time
// given; the options for those given explicitly win, and --zone also drops the
// place's DST box.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace varelio::cli
