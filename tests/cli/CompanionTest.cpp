#include "cli/Companion.h"
#include "cli/ReadingJson.h"
#include "form/Form.h"
#include "reading/Reading.h"
#include "formats/ReadingFile.h"
#include "formats/TextExport.h"

#include "CliSupport.h"
#include "tests/support/SampleBirths.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <future>

namespace varelio::cli {
namespace {

using testing::DelhiArguments;
using testing::DelhiWith;
using testing::DelhiWithoutFlag;
using testing::ParseJson;
using testing::Show;

FormValues DelhiForm() { return samples::DelhiForm("Test"); }

using samples::ReadingOf;

std::string Str(const QJsonValue& value) { return value.toString().toStdString(); }

template <typename Table>
void ExpectTexts(const QJsonObject& json, const char* key, const Table& table, qsizetype count) {
    const QJsonArray array = json[key].toArray();
    ASSERT_EQ(array.size(), count) << key;
    for (qsizetype i = 0; i < count; ++i) EXPECT_EQ(Str(array[i]), table[static_cast<std::size_t>(i)]) << key << i;
}

TEST(Companion, JsonCarriesEveryKeyWithTheReadingsValues) {
    const CompanionRun run = RunCompanion(DelhiArguments());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject json = ParseJson(run.out);
    const Reading reading = ReadingOf(DelhiForm());
    const ChartState& c = reading.chartState;
    const ReadingSummary& s = reading.summary;

    // Readers depend on these names: none renamed, none missing, none extra.
    QStringList expectedKeys = {
        "birthData", "julianDayNumber", "universalTime", "centuries1900", "localSiderealTime", "obliquity",
        "ayanamsa", "ascendant", "midheaven", "moonLongitude", "ayanamsaText", "ascendantText", "midheavenText",
        "moonPositionText", "moonNakshatraName", "moonRashiName", "moonSignName", "bodyNames", "bodyNamesSanskrit",
        "bodyPositionText", "summary", "manglik", "cancellation", "retrograde", "chart", "manglikFromVenus",
        "verdictWindow"};
    expectedKeys.sort();
    EXPECT_EQ(json.keys(), expectedKeys) << "actual: " << json.keys().join(' ').toStdString();
    EXPECT_EQ(json["summary"].toObject().size(), 7);
    EXPECT_EQ(json["cancellation"].toObject().keys(), (QStringList{"lagna", "moon"}));

    const std::pair<const char*, double> numbers[] = {
        {"julianDayNumber", c.julianDayNumber}, {"universalTime", c.universalTime}, {"centuries1900", c.centuries1900},
        {"localSiderealTime", c.localSiderealTime}, {"obliquity", c.obliquity}, {"ayanamsa", c.ayanamsa},
        {"ascendant", c.ascendant}, {"midheaven", c.midheaven}, {"moonLongitude", c.moonLongitude}};
    for (const auto& [key, value] : numbers) EXPECT_EQ(json[key].toDouble(-1e9), value) << key;  // shortest round trip

    const std::pair<QJsonValue, std::string> texts[] = {
        {json["ayanamsaText"], c.ayanamsaText}, {json["ascendantText"], c.ascendantText},
        {json["midheavenText"], c.midheavenText}, {json["moonPositionText"], c.moonPositionText},
        {json["moonNakshatraName"], c.moonNakshatraName}, {json["moonRashiName"], c.moonRashiName},
        {json["moonSignName"], c.moonSignName}, {json["summary"]["ayanamsaDisplay"], s.ayanamsaDisplay},
        {json["summary"]["lagnaAbbreviation"], s.lagnaAbbreviation}, {json["summary"]["lagnaSignName"], s.lagnaSignName},
        {json["summary"]["nakshatraDisplay"], s.nakshatraDisplay}, {json["summary"]["rashiDisplay"], s.rashiDisplay},
        {json["summary"]["nakshatraLord"], s.nakshatraLord}, {json["summary"]["nakshatraPada"], s.nakshatraPada}};
    for (std::size_t i = 0; i < std::size(texts); ++i) EXPECT_EQ(Str(texts[i].first), texts[i].second) << "text " << i;

    ExpectTexts(json, "bodyNames", c.bodyNames, 11);
    ExpectTexts(json, "bodyNamesSanskrit", c.bodyNamesSanskrit, 11);
    ExpectTexts(json, "bodyPositionText", c.bodyPositionText, 11);
    ExpectTexts(json, "chart", reading.chartCells, 12);
    ExpectTexts(json, "manglik", reading.manglikCaptions, 6);

    const char* planets[] = {"Mercury", "Venus", "Mars", "Jupiter", "Saturn"};
    EXPECT_EQ(json["retrograde"].toObject().size(), 5);
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(json["retrograde"][planets[k]], QJsonValue(reading.retrogradeFlags[k])) << planets[k];
    }

    const QJsonObject birth = json["birthData"].toObject();
    const BirthData& b = reading.birthData;
    EXPECT_EQ(birth.size(), 20);
    const std::pair<const char*, int> fields[] = {
        {"day", b.day}, {"month", b.month}, {"year", b.year}, {"hour", b.hour}, {"minute", b.minute},
        {"zoneHoursAbs", b.zoneHoursAbs}, {"zoneMinutesAbs", b.zoneMinutesAbs}, {"zoneHours", b.zoneHours},
        {"zoneMinutes", b.zoneMinutes}, {"lonDegrees", b.lonDegrees}, {"lonMinutes", b.lonMinutes},
        {"latDegrees", b.latDegrees}, {"latMinutes", b.latMinutes}};
    for (const auto& [key, value] : fields) EXPECT_EQ(birth[key], QJsonValue(value)) << key;
    EXPECT_EQ(birth["zoneMinutes"].toInt(), -30);
    for (const char* key : {"east", "south", "dst"}) EXPECT_TRUE(birth[key].isBool()) << key;
    for (const char* key : {"name", "city", "state", "country"}) EXPECT_TRUE(birth[key].isString()) << key;
}

// Through the day at Delhi the verdicts and cancellations take every
// combination; a cancellation is shown only beside a Manglik verdict.
TEST(Companion, CancellationOnlyBesideAManglikVerdict) {
    const char* runs[] = {"lagna", "moon"};
    int shown = 0, withheld = 0;
    for (int hour = 0; hour < 24; ++hour) {
        const CompanionRun run = RunCompanion(DelhiWith("--hour", std::to_string(hour).c_str()));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const QJsonObject json = ParseJson(run.out);
        FormValues form = DelhiForm();
        form.hourIndex = hour;
        const Reading reading = ReadingOf(form);
        for (std::size_t r = 0; r < 2; ++r) {
            const QJsonValue value = json["cancellation"][runs[r]];
            const auto& cancellation = reading.cancellations[r];
            const bool expected = reading.manglikVerdicts[r] && cancellation.has_value();
            EXPECT_EQ(value.isNull(), !expected) << runs[r] << " at " << hour << ":30";
            if (expected) {
                EXPECT_EQ(value["rule"].toInt(), cancellation->rule) << runs[r] << " at " << hour << ":30";
                EXPECT_EQ(Str(value["reason"]), cancellation->reason) << runs[r] << " at " << hour << ":30";
            }
            shown += expected;
            withheld += !reading.manglikVerdicts[r] && cancellation.has_value();
        }
    }
    EXPECT_GT(shown, 0);
    EXPECT_GT(withheld, 0);
}

TEST(Companion, JsonCarriesTheVerdictWindowAndVenus) {
    for (const char* hour : {"0", "5", "17", "23", "24"}) {
        const CompanionRun run = RunCompanion(DelhiWith("--hour", hour));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const QJsonObject json = ParseJson(run.out);
        FormValues form = DelhiForm();
        form.hourIndex = std::stoi(hour);
        const Reading reading = ReadingOf(form);
        SCOPED_TRACE(std::string("hour ") + hour);

        const QJsonObject window = json["verdictWindow"].toObject();
        EXPECT_EQ(window.keys(), (QStringList{"lagna", "marsToBoundary", "moon"}));
        EXPECT_EQ(window["marsToBoundary"], QJsonValue(reading.verdictWindow.marsToBoundary));
        const std::pair<const char*, const ReferenceWindow*> references[] = {
            {"lagna", &reading.verdictWindow.lagna}, {"moon", &reading.verdictWindow.moon}};
        for (const auto& [key, expected] : references) {
            const QJsonObject w = window[key].toObject();
            EXPECT_EQ(w.keys(), (QStringList{"capped", "from", "fromDay", "minutesToChange", "to", "toDay"})) << key;
            EXPECT_EQ(Str(w["from"]), expected->from) << key;
            EXPECT_EQ(Str(w["to"]), expected->to) << key;
            EXPECT_EQ(w["fromDay"], QJsonValue(expected->fromDay)) << key;
            EXPECT_EQ(w["toDay"], QJsonValue(expected->toDay)) << key;
            EXPECT_EQ(w["capped"]["from"], QJsonValue(expected->fromCapped)) << key;
            EXPECT_EQ(w["capped"]["to"], QJsonValue(expected->toCapped)) << key;
            const QJsonValue before = w["minutesToChange"]["before"];
            const QJsonValue after = w["minutesToChange"]["after"];
            EXPECT_EQ(before.isNull(), expected->fromCapped) << key;
            EXPECT_EQ(after.isNull(), expected->toCapped) << key;
            EXPECT_EQ(before.toInt(-1), expected->minutesBefore.value_or(-1)) << key;
            EXPECT_EQ(after.toInt(-1), expected->minutesAfter.value_or(-1)) << key;
        }

        const QJsonObject venus = json["manglikFromVenus"].toObject();
        EXPECT_EQ(venus.keys(), (QStringList{"house", "percentage", "verdict"}));
        EXPECT_EQ(venus["house"], QJsonValue(reading.manglikFromVenus.marsHouse));
        EXPECT_EQ(Str(venus["percentage"]), reading.manglikFromVenus.doshaPercentage);
        EXPECT_EQ(Str(venus["verdict"]), reading.manglikFromVenus.captions[2]);
    }
}

TEST(Companion, OptionsReachTheBirthData) {
    struct Case {
        QStringList args;
        const char* key;
        QJsonValue expected;
    };
    const Case cases[] = {
        {DelhiArguments(), "east", true},
        {DelhiArguments(), "south", false},
        {DelhiArguments(), "dst", false},
        {DelhiWithoutFlag("--east") << "--west", "east", false},
        {DelhiWithoutFlag("--north") << "--south", "south", true},
        {DelhiArguments() << "--dst", "dst", true},
        {DelhiWith("--city", "  New Delhi "), "city", "New Delhi"},
        {DelhiWith("--name", " Asha Rao "), "name", " Asha Rao "},
        {DelhiWith("--country", "Bh\u0101rat"), "country", QString::fromUtf8("Bh\u0101rat")},
        {DelhiWith("--lat-deg", "095"), "latDegrees", 95},
        {DelhiWith("--lon-min", "7"), "lonMinutes", 7},
        {DelhiWith("--day", "29") << "--month" << "2" << "--year" << "2004", "day", 29},
        {DelhiWith("--hour", "24"), "hour", 24},
        {DelhiWith("--zone", "0"), "zoneHours", 9},
    };
    for (const Case& c : cases) {
        const CompanionRun run = RunCompanion(c.args);
        ASSERT_EQ(run.exitCode, 0) << Show(c.args).toStdString() << ": " << run.err;
        const QJsonValue actual = ParseJson(run.out)["birthData"].toObject()[QLatin1String(c.key)];
        EXPECT_EQ(actual, c.expected) << Show(c.args).toStdString() << " -> " << c.key << " = "
                                      << QJsonDocument(QJsonArray{actual}).toJson(QJsonDocument::Compact).toStdString();
    }
}

TEST(Companion, RefusedFormsPrintTheWindowsMessage) {
    struct Case {
        QStringList args;
        std::string message;
    };
    const Case cases[] = {
        {DelhiWith("--name", nullptr), "Please Enter Your Name"},
        {DelhiWith("--lat-min", nullptr), "Please Enter Minutes of Latitude"},
        {DelhiWith("--lon-min", nullptr), "Please Enter Minute of Longitude"},
        {DelhiWith("--city", nullptr), "Please Enter Your City name"},
        {DelhiWith("--country", nullptr), "Please Enter Your Country name"},
        {DelhiWith("--day", "31") << "--month" << "4", "Please Enter Correct Date Or Month !"},
        {DelhiWith("--day", "30") << "--month" << "2" << "--year" << "2004", "Please Enter Correct Date Or Month!"},
        {DelhiWith("--day", "29") << "--month" << "2" << "--year" << "2003", "Please Enter Correct Date Or Month!"},
        {{"varelio-cli"}, "Please Enter Your Name"},
    };
    for (const Case& c : cases) {
        const CompanionRun run = RunCompanion(c.args);
        EXPECT_EQ(run.exitCode, kExitRefused) << Show(c.args).toStdString();
        EXPECT_EQ(run.err, c.message + "\n") << Show(c.args).toStdString();
        EXPECT_EQ(run.out, "") << Show(c.args).toStdString();
    }
}

TEST(Companion, UsageErrorsCalculateNothing) {
    const QStringList cases[] = {
        DelhiWith("--day", "0"),      DelhiWith("--day", "32"),       DelhiWith("--day", "1.5"),
        DelhiWith("--month", "13"),   DelhiWith("--month", "-1"),     DelhiWith("--year", "1900"),
        DelhiWith("--year", "2051"),  DelhiWith("--hour", "25"),      DelhiWith("--minute", "60"),
        DelhiWith("--zone", "71"),    DelhiWith("--zone", "Indian"),  DelhiWith("--lat-deg", "1000"),
        DelhiWith("--lat-min", "-5"), DelhiWith("--lon-deg", "7x"),   DelhiArguments() << "--south",
        DelhiArguments() << "--west", DelhiArguments() << "--format" << "xml",
        DelhiArguments() << "--colour", DelhiArguments() << "stray",
    };
    for (const QStringList& args : cases) {
        const CompanionRun run = RunCompanion(args);
        EXPECT_EQ(run.exitCode, kExitRefused) << Show(args).toStdString();
        EXPECT_EQ(run.err.rfind("varelio-cli: ", 0), 0u) << Show(args).toStdString() << ": " << run.err;
        EXPECT_EQ(run.out, "") << Show(args).toStdString();
    }
}

TEST(Companion, EchoedValuesCarryNoControlCharacters) {
    const QStringList cases[] = {
        DelhiWith("--day", "\033]0;x\007"), DelhiWith("--lat-deg", "\0331"), DelhiWith("--format", "\033[2J"),
        DelhiArguments() << "\u009b" "31m", DelhiArguments() << "--\033x",
    };
    for (const QStringList& args : cases) {
        const CompanionRun run = RunCompanion(args);
        EXPECT_EQ(run.exitCode, kExitRefused) << Show(args).toStdString();
        const QString err = QString::fromStdString(run.err);
        for (const QChar c : err) {
            const bool control = (c.unicode() < 0x20 && c != u'\n') || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
            EXPECT_FALSE(control) << "U+" << std::hex << static_cast<int>(c.unicode()) << " in " << run.err;
        }
    }
    EXPECT_NE(RunCompanion(DelhiWith("--day", "\033x")).err.find("'\\x1bx'"), std::string::npos);
}

TEST(Companion, BlanksAroundNumbersAreIgnoredAlike) {
    const CompanionRun plain = RunCompanion(DelhiArguments());
    for (const char* option : {"--day", "--lat-deg", "--lon-min"}) {
        const QStringList args = DelhiArguments();
        QStringList padded = args;
        padded[args.indexOf(option) + 1] = " " + args[args.indexOf(option) + 1] + " ";
        const CompanionRun run = RunCompanion(padded);
        EXPECT_EQ(run.exitCode, 0) << option << ": " << run.err;
        EXPECT_EQ(run.out, plain.out) << option;
    }
}

TEST(Companion, TextFormatIsTheExportFile) {
    const CompanionRun run = RunCompanion(DelhiArguments() << "--format" << "text");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, ComposeTextExport(ReadingOf(DelhiForm())));
    std::size_t lines = 0;
    for (std::size_t at = run.out.find("\r\n"); at != std::string::npos; at = run.out.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, 41u);
    EXPECT_TRUE(run.out.ends_with("\r\n"));
}

class OpenSaved : public ::testing::Test {
protected:
    QString Write(const char* fileName, const std::string& bytes) {
        const QString path = dir.filePath(QString::fromLatin1(fileName));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }
    static std::string DelhiFile() {
        const Reading reading = ReadingOf(DelhiForm());
        return ComposeReadingFile(reading.birthData, 34).bytes.value();
    }
    QTemporaryDir dir;
};

TEST_F(OpenSaved, ReproducesTheReadingOfTheSameBirth) {
    const QString path = Write("delhi.vrl", DelhiFile());
    const CompanionRun fromFile = RunCompanion({"varelio-cli", "--open", path});
    const CompanionRun fromOptions = RunCompanion(DelhiArguments());
    ASSERT_EQ(fromFile.exitCode, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, fromOptions.out);

    const CompanionRun text = RunCompanion({"varelio-cli", "--open", path, "--format", "text"});
    EXPECT_EQ(text.out, ComposeTextExport(ReadingOf(DelhiForm())));
}

TEST_F(OpenSaved, OptionsOverrideTheFile) {
    const QString path = Write("delhi.vrl", DelhiFile());
    const CompanionRun run = RunCompanion({"varelio-cli", "--open", path, "--name", "Other", "--south"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject birth = ParseJson(run.out)["birthData"].toObject();
    EXPECT_EQ(birth["name"].toString(), "Other");
    EXPECT_EQ(birth["south"].toBool(), true);
    EXPECT_EQ(birth["city"].toString(), "Delhi");
}

TEST_F(OpenSaved, ShortFileIsValidatedLikeTheWindowDoes) {
    // Ten lines: name to latitude degrees; the latitude minutes stay empty.
    std::string bytes = DelhiFile();
    std::size_t end = 0;
    for (int line = 0; line < 10; ++line) end = bytes.find("\r\n", end) + 2;
    const QString path = Write("short.vrl", bytes.substr(0, end));
    const CompanionRun run = RunCompanion({"varelio-cli", "--open", path});
    EXPECT_EQ(run.exitCode, kExitRefused);
    EXPECT_EQ(run.err, "Please Enter Minutes of Latitude\n");
}

TEST_F(OpenSaved, RefusesOtherExtensionsAndMissingFiles) {
    const QString upper = Write("delhi.VRL", DelhiFile());
    const CompanionRun wrong = RunCompanion({"varelio-cli", "--open", upper});
    EXPECT_EQ(wrong.exitCode, kExitRefused);
    EXPECT_EQ(wrong.err, "Please Check The File.\n");

    const CompanionRun missing = RunCompanion({"varelio-cli", "--open", dir.filePath("absent.vrl")});
    EXPECT_EQ(missing.exitCode, kExitRefused);
    EXPECT_EQ(missing.err.rfind("varelio-cli: cannot read", 0), 0u) << missing.err;
    EXPECT_EQ(missing.out, "");
}

TEST_F(OpenSaved, NamedPipeIsRefusedWithoutWaitingForAWriter) {
    const QString fifo = dir.filePath("pipe.vrl");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    auto pending = std::async(std::launch::async, [&] { return RunCompanion({"varelio-cli", "--open", fifo}); });
    ASSERT_EQ(pending.wait_for(std::chrono::seconds(10)), std::future_status::ready) << "blocked on the pipe";
    const CompanionRun run = pending.get();
    EXPECT_EQ(run.exitCode, kExitRefused);
    EXPECT_EQ(run.err, "varelio-cli: cannot read '" + fifo.toStdString() + "': not a regular file\n");
}

TEST_F(OpenSaved, EmptyFileStartsFromTheInitialForm) {
    const QString path = Write("empty.vrl", "");
    const CompanionRun run = RunCompanion({"varelio-cli", "--open", path, "--name", "A", "--lat-deg", "1",
                                           "--lat-min", "2", "--lon-deg", "3", "--lon-min", "4", "--city", "C",
                                           "--state", "S", "--country", "K"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject birth = ParseJson(run.out)["birthData"].toObject();
    EXPECT_EQ(birth["day"].toInt(), 1);
    EXPECT_EQ(birth["month"].toInt(), 1);
    EXPECT_EQ(birth["year"].toInt(), 1901);
    EXPECT_EQ(birth["hour"].toInt(), 0);
    EXPECT_EQ(birth["east"].toBool(), true);
    EXPECT_EQ(birth["south"].toBool(), false);
    EXPECT_EQ(birth["dst"].toBool(), false);
    EXPECT_EQ(birth["zoneHours"].toInt(), 9);  // row 0, Alaska/Hawaii Daylight Time
}

}  // namespace
}  // namespace varelio::cli
