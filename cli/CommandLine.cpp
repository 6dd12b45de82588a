#include "cli/CommandLine.h"

#include "formats/ReadingFile.h"
#include "VarelioVersion.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <optional>

namespace varelio::cli {
namespace {

struct NumberOption {
    const char* name;
    FormList list;  // the value is the list entry's value
    int FormValues::*field;
};

constexpr NumberOption kNumberOptions[] = {
    {"day", FormList::Day, &FormValues::dayIndex},
    {"month", FormList::Month, &FormValues::monthIndex},
    {"year", FormList::Year, &FormValues::yearIndex},
    {"hour", FormList::Hour, &FormValues::hourIndex},
    {"minute", FormList::Minute, &FormValues::minuteIndex},
    {"zone", FormList::Zone, &FormValues::zoneIndex},
};

struct TextOption {
    const char* name;
    std::string FormValues::*field;
    bool digitsOnly;  // the form's degree and minute fields: at most three digits
};

const TextOption kTextOptions[] = {
    {"name", &FormValues::name, false},      {"city", &FormValues::city, false},
    {"state", &FormValues::state, false},    {"country", &FormValues::country, false},
    {"lat-deg", &FormValues::latDeg, true},  {"lat-min", &FormValues::latMin, true},
    {"lon-deg", &FormValues::lonDeg, true},  {"lon-min", &FormValues::lonMin, true},
};

// A value as it may be echoed to a terminal: control characters (C0, DEL and
// C1, escape among them) are written as \xNN so a crafted value cannot drive
// the terminal, and a backslash is doubled so the escapes read unambiguously.
QString Printable(const QString& value) {
    QString text;
    text.reserve(value.size());
    for (const QChar c : value) {
        const char16_t code = c.unicode();
        if (code == u'\\') {
            text += QStringLiteral("\\\\");
        } else if (code < 0x20 || (code >= 0x7F && code < 0xA0)) {
            text += QStringLiteral("\\x%1").arg(static_cast<int>(code), 2, 16, QLatin1Char('0'));
        } else {
            text += c;
        }
    }
    return text;
}

std::string Usage(const QString& problem) {
    return ("varelio-cli: " + problem + "\nTry 'varelio-cli --help' for more information.").toStdString();
}

void AddOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "Computes one Varelio reading (positions, Vedic details, Rasi chart and the Manglik verdict) and prints it.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {"name", "Person's name.", "text"},
        {"day", "Day of birth, 1 to 31.", "N"},
        {"month", "Month of birth, 1 (January) to 12.", "N"},
        {"year", "Year of birth, 1901 to 2050.", "N"},
        {"hour", "Hour of birth, local clock time, 0 to 24.", "N"},
        {"minute", "Minute of birth, 0 to 59.", "N"},
        {"zone", "Time zone: position in the input window's list, 0 to 70 (34 is Indian Time).", "ROW"},
        {"dst", "Daylight saving time was in effect."},
        {"lat-deg", "Latitude degrees, up to three digits.", "DEG"},
        {"lat-min", "Latitude minutes, up to three digits.", "MIN"},
        {"north", "Latitude is north (the default)."},
        {"south", "Latitude is south."},
        {"lon-deg", "Longitude degrees, up to three digits.", "DEG"},
        {"lon-min", "Longitude minutes, up to three digits.", "MIN"},
        {"east", "Longitude is east (the default)."},
        {"west", "Longitude is west."},
        {"city", "City of birth.", "text"},
        {"state", "State of birth.", "text"},
        {"country", "Country of birth.", "text"},
        {"place",
         "Birth place, \"Mumbai\" or \"Mumbai, Maharashtra, India\": fills city, state, country, latitude, "
         "longitude, zone and DST for the date and time given. Options given for these win.",
         "name"},
        {"open", "Take the birth from a saved reading (*.vrl); other options override its values.", "FILE"},
        {"format", "Output: json (default) or text (the text export's lines).", "json|text"},
    });
}

// An option's value, the last one when given more than once.
QString Value(const QCommandLineParser& parser, const char* name) { return parser.value(QString::fromLatin1(name)); }

std::optional<std::string> ApplyNumbers(const QCommandLineParser& parser, FormValues& form) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,6}$"));
    for (const NumberOption& option : kNumberOptions) {
        if (!parser.isSet(QString::fromLatin1(option.name))) continue;
        // Blanks around a number are ignored here as in every other number field.
        const QString text = Value(parser, option.name).trimmed();
        const ListRange range = RangeOf(option.list);
        const int value = digits.match(text).hasMatch() ? text.toInt() : -1;
        if (value < range.firstValue || value > range.lastValue()) {
            return Usage(QStringLiteral("--%1 takes a whole number from %2 to %3, not '%4'")
                             .arg(QString::fromLatin1(option.name))
                             .arg(range.firstValue)
                             .arg(range.lastValue())
                             .arg(Printable(Value(parser, option.name))));
        }
        form.*option.field = value - range.firstValue;
    }
    return std::nullopt;
}

std::optional<std::string> ApplyTexts(const QCommandLineParser& parser, FormValues& form) {
    static const QRegularExpression upToThreeDigits(QStringLiteral("^[0-9]{0,3}$"));
    for (const TextOption& option : kTextOptions) {
        if (!parser.isSet(QString::fromLatin1(option.name))) continue;
        QString text = Value(parser, option.name);
        if (option.digitsOnly) {
            const QString given = text;
            text = text.trimmed();
            if (!upToThreeDigits.match(text).hasMatch()) {
                return Usage(QStringLiteral("--%1 takes up to three digits, not '%2'")
                                 .arg(QString::fromLatin1(option.name), Printable(given)));
            }
        }
        form.*option.field = text.toStdString();
    }
    return std::nullopt;
}

std::optional<std::string> ApplyDirections(const QCommandLineParser& parser, FormValues& form) {
    if (parser.isSet("north") && parser.isSet("south")) return Usage("--north and --south exclude each other");
    if (parser.isSet("east") && parser.isSet("west")) return Usage("--east and --west exclude each other");
    if (parser.isSet("north")) form.latDirection = 0;
    if (parser.isSet("south")) form.latDirection = 1;
    if (parser.isSet("east")) form.lonDirection = 0;
    if (parser.isSet("west")) form.lonDirection = 1;
    if (parser.isSet("dst")) form.dst = true;
    return std::nullopt;
}

// Fills form from a saved reading as the input window's open command does.
std::optional<std::string> ApplySavedReading(const QString& path, FormValues& form) {
    const OpenedReading opened = OpenReadingFile(path.toStdString());
    switch (opened.problem) {
    case OpenProblem::NotAReadingFile:
        // A pipe or folder gets a reason; a wrong extension the window's own words.
        if (opened.reason.empty()) return std::string("Please Check The File.");
        [[fallthrough]];
    case OpenProblem::Unreadable:
        return QStringLiteral("varelio-cli: cannot read '%1': %2")
            .arg(Printable(path), QString::fromStdString(opened.reason))
            .toStdString();
    case OpenProblem::None: break;
    }
    ApplyReadingLines(opened.lines, form);
    return std::nullopt;
}

std::string PlaceList(const std::vector<Place>& places) {
    std::string list;
    for (const Place& place : places) list += "\n  " + place.Label();
    return list;
}

// Fills the form from the place --place names, for the date and time already in it.
std::optional<std::string> ApplyPlace(const QCommandLineParser& parser, CommandLine& command) {
    if (!parser.isSet("place")) return std::nullopt;
    const QString query = Value(parser, "place");
    PlaceFinder& finder = SharedPlaceFinder();
    if (!finder.WaitUntilLoaded()) {
        return std::string("varelio-cli: --place needs the GeoNames cities of libgeonames (Debian package "
                           "libgeonames0), which is not installed");
    }
    const PlaceLookup found = finder.Find(query.toStdString());
    if (!found.place) {
        const QString quoted = "'" + Printable(query) + "'";
        if (found.ambiguous) {
            return ("varelio-cli: " + quoted + " names several places; give one of them whole:").toStdString() +
                   PlaceList(found.candidates);
        }
        std::string message = ("varelio-cli: no place is named " + quoted).toStdString();
        if (!found.candidates.empty()) message += "; places starting so:" + PlaceList(found.candidates);
        return message;
    }
    const FormValues before = command.form;
    PlaceChoice choice{*found.place, EnterPlace(*found.place, command.form)};
    if (parser.isSet("zone")) {
        command.form.zoneIndex = before.zoneIndex;
        command.form.dst = before.dst;
    } else if (!choice.zone.found && !ValidateForm(command.form, true)) {
        // An impossible date is left to the form's own check and message.
        return "varelio-cli: " + choice.zone.note.text + "; give --zone";
    }
    command.place = std::move(choice);
    return std::nullopt;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine result;
    result.form = InitialFormValues();

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    AddOptions(parser);

    if (!parser.parse(arguments)) {
        result.error = Usage(Printable(parser.errorText()));
        return result;
    }
    if (parser.isSet("help")) {
        result.showHelp = true;
        result.helpText = parser.helpText().toStdString();
        return result;
    }
    if (parser.isSet("version")) {
        result.showVersion = true;
        result.versionText = "varelio-cli " VARELIO_VERSION "\n";
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error =
            Usage(QStringLiteral("unexpected argument '%1'").arg(Printable(parser.positionalArguments().first())));
        return result;
    }
    if (parser.isSet("format")) {
        const QString format = Value(parser, "format");
        if (format == "json") {
            result.format = OutputFormat::Json;
        } else if (format == "text") {
            result.format = OutputFormat::Text;
        } else {
            result.error = Usage(QStringLiteral("--format takes json or text, not '%1'").arg(Printable(format)));
            return result;
        }
    }
    if (parser.isSet("open")) {
        if (auto problem = ApplySavedReading(Value(parser, "open"), result.form)) {
            result.error = *problem;
            return result;
        }
    }
    // The place needs the date and time; the options given for what it fills win over it.
    if (auto problem = ApplyNumbers(parser, result.form)) {
        result.error = *problem;
        return result;
    }
    if (auto problem = ApplyPlace(parser, result)) {
        result.error = *problem;
        return result;
    }
    for (auto apply : {ApplyNumbers, ApplyTexts, ApplyDirections}) {
        if (auto problem = apply(parser, result.form)) {
            result.error = *problem;
            return result;
        }
    }
    return result;
}

}  // namespace varelio::cli
