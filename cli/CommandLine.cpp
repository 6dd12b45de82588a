#include "cli/CommandLine.h"

#include "cli/BirthOptions.h"

#include "formats/ReadingFile.h"
#include "formats/Utf8.h"
#include "words/English.h"
#include "words/ZoneNotes.h"
#include "VarelioVersion.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <array>
#include <optional>

namespace varelio::cli {
namespace {

// Flags without a value; --dst is one too.
constexpr const char* kDirectionFlags[] = {"north", "south", "east", "west", "dst"};

// The two sides of --match: each takes every birth option with its name before the option's.
constexpr const char* kMatchSides[] = {"bride", "groom"};

// A value as it may be echoed to a terminal (see cli::Printable).
QString Printable(const QString& value) { return QString::fromStdString(cli::Printable(ArgumentBytes(value))); }

QString OptionName(BirthOption option) {
    const std::string_view name = BirthOptionName(option);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

Failure Usage(const QString& problem) { return UsageError(problem.toStdString()); }

// An option's value it does not take, in the one shape every such refusal has.
Failure NotTaken(const char* option, const char* takes, const QString& given) {
    return Usage(QStringLiteral("--%1 takes %2, not '%3'")
                     .arg(QString::fromLatin1(option), QString::fromLatin1(takes), Printable(given)));
}

void AddOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "Computes one Varelio reading (positions, Vedic details, Rasi chart and the Manglik verdict) and prints it;\n"
        "with --batch, one for every row of a CSV file (see docs/batch.md or varelio-cli(1)).");
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
        {"utc-offset",
         "The clock's exact offset from UT at the birth, summer time included, as +HH:MM or +HH:MM:SS "
         "(+05:45, -04:30, +05:53:20); it is used instead of --zone and --dst.",
         "OFFSET"},
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
        {"batch",
         "Compute one reading for every row of a CSV file ('-' for standard input) whose header names the "
         "birth options (lat-dir N/S, lon-dir E/W, dst yes/no stand for the flags). Exit code 3 when some "
         "rows were refused.",
         "FILE"},
        {"jobs", "Workers for --batch, 1 to 256 (default: one per processor).", "N"},
        {"match",
         "Match two births, the bride's and the groom's: BRIDE.vrl GROOM.vrl (or --bride FILE, --groom FILE), "
         "and/or each side's birth options with the side before the name (--bride-name, --groom-day, --bride-north, "
         "...), which win over a file's values; one side may come from a file and the other from options. Prints "
         "the conclusion, the Manglik comparison and the Ashtakoota (json or text)."},
        {"bride", "With --match: the bride's birth from a saved reading (*.vrl).", "FILE"},
        {"groom", "With --match: the groom's birth from a saved reading (*.vrl).", "FILE"},
        {"chart-image",
         "Also write the chart as the reading window draws it, to FILE.svg or FILE.png (replaced whole, "
         "or left as it was when it cannot be written).",
         "FILE"},
        {"style", "The picture's chart style: south (default), north or east.", "S"},
        {"varga", "The picture's chart: D1 (Rasi, default), D2, D3, D7, D9, D10 or D12.", "D"},
        {"format",
         "Output: json (default; JSON Lines with --batch), text (the text export's lines; one birth only) or "
         "csv (the main results, with --batch only).",
         "json|text|csv"},
        {"dasha-depth",
         "How deep the JSON lists the Vimshottari periods: 1 the mahadashas, 2 with their antardashas (the "
         "default for one birth), 3 with the pratyantardashas too (the batch's default is 1).",
         "1|2|3"},
    });
    // Each side's birth options, listed once in --match's description.
    for (const char* side : kMatchSides) {
        const QString prefix = QString::fromLatin1(side) + '-';
        for (std::size_t i = 0; i < kBirthOptionCount; ++i) {
            QCommandLineOption option(prefix + OptionName(static_cast<BirthOption>(i)), QString(), "value");
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        for (const char* flag : kDirectionFlags) {
            QCommandLineOption option(prefix + QString::fromLatin1(flag));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }
}

// An option's value, the last one when given more than once.
QString Value(const QCommandLineParser& parser, const char* name) { return parser.value(QString::fromLatin1(name)); }

// The birth options as given, through the check batch rows share; side is
// "bride-" or "groom-" for a side of --match.
std::optional<Failure> ApplyOptions(const QCommandLineParser& parser, FormValues& form, const QString& side = {}) {
    std::array<std::string, kBirthOptionCount> texts;  // keeps the values the views point into
    BirthOptions options;
    for (std::size_t i = 0; i < kBirthOptionCount; ++i) {
        const auto option = static_cast<BirthOption>(i);
        const QString name = side + OptionName(option);
        if (!parser.isSet(name)) continue;
        texts[i] = ArgumentBytes(parser.value(name));  // the last one when given more than once
        options[option] = texts[i];
    }
    options.north = parser.isSet(side + "north");
    options.south = parser.isSet(side + "south");
    options.east = parser.isSet(side + "east");
    options.west = parser.isSet(side + "west");
    options.dst = parser.isSet(side + "dst");
    if (auto problem = ApplyBirthOptions(options, form, "--" + side.toStdString())) return UsageError(*problem);
    return std::nullopt;
}

// The birth options given with side before their names ("" for the plain
// ones, "bride-" ...), as "--name", in the order the help lists them.
QStringList GivenBirthOptions(const QCommandLineParser& parser, const QString& side = {}) {
    QStringList given;
    for (std::size_t i = 0; i < kBirthOptionCount; ++i) {
        const QString name = side + OptionName(static_cast<BirthOption>(i));
        if (parser.isSet(name)) given << "--" + name;
    }
    for (const char* flag : kDirectionFlags) {
        if (parser.isSet(side + QString::fromLatin1(flag))) given << "--" + side + QString::fromLatin1(flag);
    }
    return given;
}

// The picture --chart-image asks for, or the first problem with its options.
std::optional<Failure> ApplyChartImage(const QCommandLineParser& parser, CommandLine& command) {
    if (!parser.isSet("chart-image")) {
        for (const char* option : {"style", "varga"}) {
            if (parser.isSet(QString::fromLatin1(option))) {
                return Usage(QStringLiteral("--%1 needs --chart-image").arg(QString::fromLatin1(option)));
            }
        }
        return std::nullopt;
    }
    ChartImageRequest request;
    request.path = ArgumentBytes(Value(parser, "chart-image"));
    const QString lower = Value(parser, "chart-image").toLower();
    request.png = lower.endsWith(".png");
    if (!lower.endsWith(".svg") && !request.png) {
        return Usage(QStringLiteral("--chart-image writes FILE.svg or FILE.png, not '%1'")
                         .arg(Printable(Value(parser, "chart-image"))));
    }
    if (parser.isSet("style")) {
        const auto style = ChartImageStyleNamed(Value(parser, "style").toStdString());
        if (!style) {
            return NotTaken("style", "north, south or east", Value(parser, "style"));
        }
        request.style = *style;
    }
    if (parser.isSet("varga")) {
        const auto chart = VargaNamed(Value(parser, "varga").toStdString());
        if (!chart) {
            return NotTaken("varga", "D1, D2, D3, D7, D9, D10 or D12", Value(parser, "varga"));
        }
        request.chart = *chart;
    }
    command.chartImage = std::move(request);
    return std::nullopt;
}

// --batch reads every birth from its file, so no birth may come from elsewhere.
std::optional<Failure> BatchConflict(const QCommandLineParser& parser) {
    QStringList given;
    if (parser.isSet("open")) given << "--open";
    if (parser.isSet("place")) given << "--place";
    given << GivenBirthOptions(parser);
    if (given.isEmpty()) return std::nullopt;
    return Usage(QStringLiteral("--batch takes the births from its file; %1 cannot be given with it")
                     .arg(given.first()));
}

// Fills form from a saved reading as the input window's open command does;
// side names the side of --match ("bride", "groom") whose file it is.
std::optional<Failure> ApplySavedReading(const std::string& path, FormValues& form, const char* side = nullptr) {
    const Result<ReadingLines> opened = OpenReadingFile(path);
    if (!opened) return side ? SideRefused(side, opened.problem(), path) : Refuse(opened.problem(), path);
    ApplyReadingLines(opened.value(), form);
    return std::nullopt;
}

std::string PlaceList(const std::vector<Place>& places) {
    std::string list;
    for (const Place& place : places) list += "\n  " + place.Label();
    return list;
}

// Fills the form from the place --place names, for the date and time already in it.
std::optional<Failure> ApplyPlace(const QCommandLineParser& parser, PlaceFinder& finder, CommandLine& command) {
    if (!parser.isSet("place")) return std::nullopt;
    const QString query = Value(parser, "place");
    if (!IsUtf8(ArgumentBytes(query))) return NotTaken("place", "UTF-8 text", query);
    if (!finder.WaitUntilLoaded()) {
        return Stop("--place needs the GeoNames cities of libgeonames (Debian package libgeonames0), which is "
                    "not installed");
    }
    const PlaceLookup found = finder.Find(query.toStdString());
    if (!found.place) {
        const std::string quoted = "'" + Printable(query).toStdString() + "'";
        if (found.ambiguous) {
            return Stop(quoted + " names several places; give one of them whole:" + PlaceList(found.candidates));
        }
        std::string message = "no place is named " + quoted;
        if (!found.candidates.empty()) message += "; places starting so:" + PlaceList(found.candidates);
        return Stop(message);
    }
    const FormValues before = command.form;
    PlaceChoice choice{*found.place, EnterPlace(*found.place, command.form)};
    if (parser.isSet("zone")) {
        command.form.zoneIndex = before.zoneIndex;
        command.form.dst = before.dst;
        command.form.utcOffset = before.utcOffset;
        choice.zone.note.exactOffsetEntered = false;
    } else if (!choice.zone.found && ValidateForm(command.form, true).ok()) {
        // An impossible date is left to the form's own check and message.
        return Stop(words::ZoneNoteText(words::English(), choice.zone.note) + "; give --zone");
    }
    command.place = std::move(choice);
    return std::nullopt;
}

// --match: each side from its file (the bride's first) and its own options.
std::optional<Failure> ParseMatch(const QCommandLineParser& parser, CommandLine& command) {
    QStringList conflicts;
    for (const char* other : {"batch", "open", "place", "jobs"}) {
        if (parser.isSet(QString::fromLatin1(other))) conflicts << "--" + QString::fromLatin1(other);
    }
    conflicts << GivenBirthOptions(parser);
    if (!conflicts.isEmpty()) {
        return Usage(QStringLiteral("--match takes each side's birth as --bride-... and --groom-...; %1 cannot be "
                                    "given with it")
                         .arg(conflicts.first()));
    }
    if (command.format == OutputFormat::Csv) return Usage(QStringLiteral("--match writes json or text, not csv"));
    // The picture is of one chart; a match has two.
    if (parser.isSet("chart-image")) {
        return Usage(QStringLiteral("--chart-image is for one birth; it cannot be given with --match"));
    }
    if (auto problem = ApplyChartImage(parser, command)) return problem;
    // Each side's file: the two given in order, or each named by its side.
    const QStringList positional = parser.positionalArguments();
    const bool named = parser.isSet("bride") || parser.isSet("groom");
    if (named && !positional.isEmpty()) {
        return Usage(QStringLiteral("--match takes the saved readings either as BRIDE.vrl GROOM.vrl or as --bride "
                                    "FILE and --groom FILE, not both; '%1' was also given")
                         .arg(Printable(positional.first())));
    }
    if (positional.size() == 1) {
        return Usage(QStringLiteral("--match takes two saved readings, the bride's and the groom's; only '%1' was "
                                    "given (for one side's file, name its side: --bride FILE or --groom FILE)")
                         .arg(Printable(positional.first())));
    }
    if (positional.size() > 2) return Usage(QStringLiteral("unexpected argument '%1'").arg(Printable(positional[2])));

    MatchForms forms{InitialFormValues(), InitialFormValues()};
    FormValues* sides[] = {&forms.bride, &forms.groom};
    for (std::size_t s = 0; s < 2; ++s) {
        const QString side = QString::fromLatin1(kMatchSides[s]);
        const QString prefix = side + '-';
        std::optional<QString> file;
        if (!positional.isEmpty()) file = positional[static_cast<qsizetype>(s)];
        if (parser.isSet(side)) file = parser.value(side);
        if (!file && GivenBirthOptions(parser, prefix).isEmpty()) {
            return Usage(QStringLiteral("--match needs the %1's birth: BRIDE.vrl GROOM.vrl, --%1 FILE, or --%1-name, "
                                        "--%1-day and the other --%1-... options")
                             .arg(side));
        }
        if (file) {
            if (auto problem = ApplySavedReading(ArgumentBytes(*file), *sides[s], kMatchSides[s])) return problem;
        }
        if (auto problem = ApplyOptions(parser, *sides[s], prefix)) return problem;
    }
    command.match = std::move(forms);
    return std::nullopt;
}

// A side's option without --match.
std::optional<Failure> SideOptionAlone(const QCommandLineParser& parser) {
    for (const char* side : kMatchSides) {
        if (parser.isSet(QString::fromLatin1(side))) {
            return Usage(QStringLiteral("--%1 needs --match").arg(QString::fromLatin1(side)));
        }
        const QStringList given = GivenBirthOptions(parser, QString::fromLatin1(side) + '-');
        if (!given.isEmpty()) return Usage(QStringLiteral("%1 needs --match").arg(given.first()));
    }
    return std::nullopt;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments, PlaceFinder& finder) {
    CommandLine result;
    result.form = InitialFormValues();

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    AddOptions(parser);

    if (!parser.parse(arguments)) {
        result.failure = Usage(Printable(parser.errorText()));
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
    if (!parser.isSet("match") && !parser.positionalArguments().isEmpty()) {
        result.failure =
            Usage(QStringLiteral("unexpected argument '%1'").arg(Printable(parser.positionalArguments().first())));
        return result;
    }
    if (parser.isSet("format")) {
        const QString format = Value(parser, "format");
        if (format == "json") {
            result.format = OutputFormat::Json;
        } else if (format == "text") {
            result.format = OutputFormat::Text;
        } else if (format == "csv") {
            result.format = OutputFormat::Csv;
        } else {
            result.failure = NotTaken("format", "json, text or csv", format);
            return result;
        }
    }
    if (parser.isSet("dasha-depth")) {
        const QString depth = Value(parser, "dasha-depth").trimmed();
        if (depth != "1" && depth != "2" && depth != "3") {
            result.failure = NotTaken("dasha-depth", "1, 2 or 3", Value(parser, "dasha-depth"));
            return result;
        }
        if (result.format != OutputFormat::Json || parser.isSet("match")) {
            result.failure = Usage(QStringLiteral("--dasha-depth is for a reading's json output"));
            return result;
        }
        result.dashaDepth = depth.toInt();
    }
    if (parser.isSet("match")) {
        result.failure = ParseMatch(parser, result);
        return result;
    }
    if (auto alone = SideOptionAlone(parser)) {
        result.failure = std::move(alone);
        return result;
    }
    if (parser.isSet("batch")) {
        if (parser.isSet("chart-image")) {
            result.failure = Usage(QStringLiteral("--chart-image is for one birth; it cannot be given with --batch"));
        } else if (auto conflict = BatchConflict(parser)) {
            result.failure = std::move(conflict);
        } else if (result.format == OutputFormat::Text) {
            result.failure = Usage(QStringLiteral("--format text is for one birth; --batch writes json or csv"));
        } else if (parser.isSet("jobs")) {
            static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
            const QString jobs = Value(parser, "jobs").trimmed();
            result.jobs = digits.match(jobs).hasMatch() ? jobs.toInt() : 0;
            if (result.jobs < 1 || result.jobs > 256) {
                result.failure = NotTaken("jobs", "a whole number from 1 to 256", Value(parser, "jobs"));
            }
        }
        if (!result.failure) result.batchInput = ArgumentBytes(Value(parser, "batch"));
        return result;
    }
    if (result.format == OutputFormat::Csv) {
        result.failure = Usage(QStringLiteral("--format csv needs --batch"));
        return result;
    }
    if (parser.isSet("jobs")) {
        result.failure = Usage(QStringLiteral("--jobs needs --batch"));
        return result;
    }
    if (auto problem = ApplyChartImage(parser, result)) {
        result.failure = std::move(problem);
        return result;
    }
    if (parser.isSet("open")) {
        if (auto problem = ApplySavedReading(ArgumentBytes(Value(parser, "open")), result.form)) {
            result.failure = std::move(problem);
            return result;
        }
    }
    // The place needs the date and time; the options given for what it fills win over it.
    if (auto problem = ApplyOptions(parser, result.form)) {
        result.failure = std::move(problem);
        return result;
    }
    if (parser.isSet("place")) {
        if (auto problem = ApplyPlace(parser, finder, result)) {
            result.failure = std::move(problem);
            return result;
        }
        result.failure = ApplyOptions(parser, result.form);
    }
    return result;
}

// A byte that is not part of UTF-8 stands as U+DC80 + byte.
constexpr char16_t kEscapedByte = 0xDC80;

QString ArgumentFromBytes(std::string_view bytes) {
    QString argument;
    argument.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t start = pos;
        if (const std::optional<char32_t> c = NextCodePoint(bytes, pos)) {
            const char32_t one[] = {*c};
            argument += QString::fromUcs4(one, 1);
        } else {
            argument += QChar(static_cast<char16_t>(kEscapedByte + static_cast<unsigned char>(bytes[start])));
        }
    }
    return argument;
}

QStringList ArgumentsFromBytes(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << ArgumentFromBytes(argv[i]);
    return arguments;
}

std::string ArgumentBytes(const QString& argument) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(argument.size()));
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const char16_t unit = argument[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < argument.size() && argument[i + 1].isLowSurrogate()) {
            AppendUtf8(bytes, QChar::surrogateToUcs4(unit, argument[++i].unicode()));
        } else if (unit >= kEscapedByte && unit < kEscapedByte + 0x100) {
            bytes += static_cast<char>(unit - kEscapedByte);
        } else {
            AppendUtf8(bytes, unit);
        }
    }
    return bytes;
}

}  // namespace varelio::cli
