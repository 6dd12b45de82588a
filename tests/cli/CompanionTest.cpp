#include "cli/Companion.h"
#include "cli/ReadingJson.h"
#include "engine/Form.h"
#include "engine/Reading.h"
#include "engine/ReadingFile.h"
#include "engine/TextExport.h"

#include "CliSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace varelio::cli {
namespace {

using testing::DelhiArguments;
using testing::DelhiWith;
using testing::DelhiWithoutFlag;
using testing::ParseJson;
using testing::Show;

FormValues DelhiForm() {
    FormValues form = InitialFormValues();
    form.name = "Test";
    form.yearIndex = 2000 - 1901;
    form.hourIndex = 17;
    form.minuteIndex = 30;
    form.zoneIndex = 34;
    form.latDeg = "28";
    form.latMin = "38";
    form.lonDeg = "77";
    form.lonMin = "13";
    form.city = "Delhi";
    form.state = "Delhi";
    form.country = "India";
    return form;
}

Reading ReadingOf(const FormValues& form) {
    Reading reading;
    CopyFormToBirthData(form, reading.birthData);
    ComputeReading(reading);
    return reading;
}

TEST(Companion, WorkedExamplePrintsSixCaptions) {
    const CompanionRun run = RunCompanion(DelhiArguments());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const QJsonArray manglik = ParseJson(run.out)["manglik"].toArray();
    const QStringList expected = {"Position of Mars from Lagna is 9", "Percentage of Mangala dosha is 0%",
                                  "The person is Non Manglik",        "Position of Mars from Moon is 5",
                                  "Percentage of Mangala dosha is 0%", "The person is Non Manglik"};
    ASSERT_EQ(manglik.size(), 6) << run.out;
    for (qsizetype i = 0; i < 6; ++i) {
        EXPECT_EQ(manglik[i].toString().toStdString(), expected[i].toStdString()) << "caption " << i;
    }
}

TEST(Companion, JsonCarriesEveryKeyWithTheReadingsValues) {
    const CompanionRun run = RunCompanion(DelhiArguments());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject json = ParseJson(run.out);
    const Reading reading = ReadingOf(DelhiForm());
    const ChartState& c = reading.chartState;

    const std::pair<const char*, double> numbers[] = {
        {"julianDayNumber", c.julianDayNumber}, {"universalTime", c.universalTime},
        {"centuries1900", c.centuries1900},     {"localSiderealTime", c.localSiderealTime},
        {"obliquity", c.obliquity},             {"ayanamsa", c.ayanamsa},
        {"ascendant", c.ascendant},             {"midheaven", c.midheaven},
        {"moonLongitude", c.moonLongitude},
    };
    for (const auto& [key, value] : numbers) {
        ASSERT_TRUE(json[key].isDouble()) << key;
        EXPECT_EQ(json[key].toDouble(), value) << key;  // shortest round-trip text: exact
    }
    const std::pair<const char*, std::string> texts[] = {
        {"ayanamsaText", c.ayanamsaText},           {"ascendantText", c.ascendantText},
        {"midheavenText", c.midheavenText},         {"moonPositionText", c.moonPositionText},
        {"moonNakshatraName", c.moonNakshatraName}, {"moonRashiName", c.moonRashiName},
        {"moonSignName", c.moonSignName},
    };
    for (const auto& [key, value] : texts) EXPECT_EQ(json[key].toString().toStdString(), value) << key;

    const std::pair<const char*, const BodyTable*> tables[] = {
        {"bodyNames", &c.bodyNames}, {"bodyNamesSanskrit", &c.bodyNamesSanskrit},
        {"bodyPositionText", &c.bodyPositionText}};
    for (const auto& [key, table] : tables) {
        const QJsonArray array = json[key].toArray();
        ASSERT_EQ(array.size(), 11) << key;
        for (qsizetype b = 0; b < 11; ++b) {
            EXPECT_EQ(array[b].toString().toStdString(), (*table)[static_cast<std::size_t>(b)]) << key << " " << b;
        }
    }
    const QJsonArray chart = json["chart"].toArray();
    ASSERT_EQ(chart.size(), 12);
    for (qsizetype i = 0; i < 12; ++i) {
        EXPECT_EQ(chart[i].toString().toStdString(), reading.chartCells[static_cast<std::size_t>(i)]) << "cell " << i;
    }

    const QJsonObject summary = json["summary"].toObject();
    EXPECT_EQ(summary["lagnaAbbreviation"].toString().toStdString(), reading.summary.lagnaAbbreviation);
    EXPECT_EQ(summary["lagnaSignName"].toString().toStdString(), reading.summary.lagnaSignName);
    EXPECT_EQ(summary["nakshatraLord"].toString().toStdString(), reading.summary.nakshatraLord);
    EXPECT_EQ(summary["nakshatraPada"].toString().toStdString(), reading.summary.nakshatraPada);
    EXPECT_EQ(summary["ayanamsaDisplay"].toString().toStdString(), reading.summary.ayanamsaDisplay);
    EXPECT_EQ(summary["nakshatraDisplay"].toString().toStdString(), reading.summary.nakshatraDisplay);
    EXPECT_EQ(summary["rashiDisplay"].toString().toStdString(), reading.summary.rashiDisplay);

    const QJsonObject retrograde = json["retrograde"].toObject();
    const char* planets[] = {"Mercury", "Venus", "Mars", "Jupiter", "Saturn"};
    ASSERT_EQ(retrograde.size(), 5);
    for (std::size_t k = 0; k < 5; ++k) {
        ASSERT_TRUE(retrograde[planets[k]].isBool()) << planets[k];
        EXPECT_EQ(retrograde[planets[k]].toBool(), reading.retrogradeFlags[k]) << planets[k];
    }

    const QJsonObject cancellation = json["cancellation"].toObject();
    const char* runs[] = {"lagna", "moon"};
    for (std::size_t r = 0; r < 2; ++r) {
        const QJsonValue value = cancellation[runs[r]];
        ASSERT_FALSE(value.isUndefined()) << runs[r];
        if (!reading.cancellations[r]) {
            EXPECT_TRUE(value.isNull()) << runs[r];
            continue;
        }
        EXPECT_EQ(value["rule"].toInt(), reading.cancellations[r]->rule) << runs[r];
        EXPECT_EQ(value["reason"].toString().toStdString(), reading.cancellations[r]->reason) << runs[r];
    }

    const QJsonObject birth = json["birthData"].toObject();
    const BirthData& b = reading.birthData;
    const std::pair<const char*, int> fields[] = {
        {"day", b.day},           {"month", b.month},           {"year", b.year},
        {"hour", b.hour},         {"minute", b.minute},         {"zoneHoursAbs", b.zoneHoursAbs},
        {"zoneMinutesAbs", b.zoneMinutesAbs}, {"lonDegrees", b.lonDegrees}, {"lonMinutes", b.lonMinutes},
        {"latDegrees", b.latDegrees}, {"latMinutes", b.latMinutes}, {"zoneHours", b.zoneHours},
        {"zoneMinutes", b.zoneMinutes}};
    for (const auto& [key, value] : fields) {
        ASSERT_TRUE(birth[key].isDouble()) << key;
        EXPECT_EQ(birth[key].toInt(), value) << key;
    }
    EXPECT_EQ(birth["zoneHours"].toInt(), -5);
    EXPECT_EQ(birth["zoneMinutes"].toInt(), -30);
    for (const char* key : {"east", "south", "dst"}) EXPECT_TRUE(birth[key].isBool()) << key;
    for (const char* key : {"name", "city", "state", "country"}) EXPECT_TRUE(birth[key].isString()) << key;
    EXPECT_EQ(birth.size(), 20);
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
        {DelhiWith("--name", ""), "Please Enter Your Name"},
        {DelhiWith("--lat-deg", nullptr), "Please Enter Degree of Latitude"},
        {DelhiWith("--lat-min", nullptr), "Please Enter Minutes of Latitude"},
        {DelhiWith("--lon-deg", nullptr), "Please Enter Degree of Longitude"},
        {DelhiWith("--lon-min", nullptr), "Please Enter Minute of Longitude"},
        {DelhiWith("--city", nullptr), "Please Enter Your City name"},
        {DelhiWith("--state", nullptr), "Please Enter Your State name"},
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

TEST(Companion, HelpAndVersion) {
    const CompanionRun help = RunCompanion({"varelio-cli", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"--zone", "--open", "--format", "--lat-deg", "--west"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    const CompanionRun version = RunCompanion({"varelio-cli", "--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "varelio-cli " VARELIO_VERSION "\n");
}

}  // namespace
}  // namespace varelio::cli
