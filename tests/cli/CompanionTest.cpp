#include "cli/Companion.h"
#include "charts/DivisionalCharts.h"
#include "form/Form.h"
#include "formats/ReadingFile.h"
#include "reading/Reading.h"
#include "words/EnglishTexts.h"
#include "words/Reading.h"
#include "words/TextExport.h"

#include "CliSupport.h"
#include "tests/support/SampleBirths.h"

#include <QDir>
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
    const words::English english;

    // Readers depend on these names: none renamed, none missing, none extra.
    QStringList expectedKeys = {
        "birthData", "julianDayNumber", "universalTime", "centuries1900", "localSiderealTime", "obliquity",
        "ayanamsa", "ascendant", "midheaven", "moonLongitude", "ayanamsaText", "ascendantText", "midheavenText",
        "moonPositionText", "moonNakshatraName", "moonRashiName", "moonSignName", "bodyNames", "bodyNamesSanskrit",
        "bodyPositionText", "summary", "manglik", "cancellation", "retrograde", "chart", "manglikFromVenus",
        "verdictWindow", "bodies", "verdicts", "vargas", "offsetUsed", "dasha", "panchang", "traits"};
    expectedKeys.sort();
    EXPECT_EQ(json.keys(), expectedKeys) << "actual: " << json.keys().join(' ').toStdString();
    EXPECT_EQ(json["summary"].toObject().size(), 7);
    EXPECT_EQ(json["cancellation"].toObject().keys(), (QStringList{"lagna", "moon"}));
    EXPECT_EQ(json["verdicts"].toObject().keys(), (QStringList{"lagna", "moon", "venus"}));
    EXPECT_EQ(json["bodies"].toObject().size(), kBodyCount);
    EXPECT_EQ(json["offsetUsed"].toObject(), (QJsonObject{{"chosenBy", "row"}, {"seconds", 19800}}));

    const std::pair<const char*, double> numbers[] = {
        {"julianDayNumber", c.julianDayNumber}, {"universalTime", c.universalTime}, {"centuries1900", c.centuries1900},
        {"localSiderealTime", c.localSiderealTime}, {"obliquity", c.obliquity}, {"ayanamsa", c.ayanamsa},
        {"ascendant", c.bodies[kAscendant].longitudeDeg}, {"midheaven", c.bodies[kMidheaven].longitudeDeg},
        {"moonLongitude", c.bodies[kMoon].longitudeDeg}};
    for (const auto& [key, value] : numbers) EXPECT_EQ(json[key].toDouble(-1e9), value) << key;  // shortest round trip

    // The catalogue's English of the reading's numbers.
    const std::pair<QJsonValue, std::string> texts[] = {
        {json["ayanamsaText"], words::SignedForm(english, c.ayanamsa)},
        {json["ascendantText"], words::LongForm(english, c.bodies[kAscendant].longitudeDeg)},
        {json["midheavenText"], words::LongForm(english, c.bodies[kMidheaven].longitudeDeg)},
        {json["moonPositionText"], words::LongForm(english, c.bodies[kMoon].longitudeDeg)},
        {json["moonNakshatraName"], words::NakshatraName(english, c)}, {json["moonRashiName"], words::RashiName(english, c)},
        {json["moonSignName"], "Libra"}, {json["summary"]["ayanamsaDisplay"], words::AyanamsaText(english, c)},
        {json["summary"]["lagnaAbbreviation"], "Gem"}, {json["summary"]["lagnaSignName"], words::LagnaName(english, c)},
        {json["summary"]["nakshatraDisplay"], words::NakshatraName(english, c)},
        {json["summary"]["rashiDisplay"], words::RashiName(english, c)},
        {json["summary"]["nakshatraLord"], words::NakshatraLord(english, c)},
        {json["summary"]["nakshatraPada"], words::PadaText(english, c)}};
    for (std::size_t i = 0; i < std::size(texts); ++i) EXPECT_EQ(Str(texts[i].first), texts[i].second) << "text " << i;

    std::vector<std::string> names, sanskrit, positions, cells;
    for (int b = 0; b < kBodyCount; ++b) {
        const BodyPosition& body = c.bodies[static_cast<std::size_t>(b)];
        names.push_back(words::kBodyNames[static_cast<std::size_t>(b)].text);
        sanskrit.push_back(b > kKetu ? names.back() : words::ChartLabel(english, static_cast<BodyIndex>(b), body.retrograde));
        positions.push_back(words::ShortForm(english, body.longitudeDeg));
    }
    for (const words::CellText& cell : words::ChartCellsInEnglish(c)) cells.push_back(cell.str());
    ExpectTexts(json, "bodyNames", names, 11);
    ExpectTexts(json, "bodyNamesSanskrit", sanskrit, 11);
    ExpectTexts(json, "bodyPositionText", positions, 11);
    ExpectTexts(json, "chart", cells, 12);
    std::vector<std::string> captions;
    for (const ManglikReference reference : {ManglikReference::Lagna, ManglikReference::Moon}) {
        for (const std::string& line : words::VerdictCaptions(english, reading.of(reference).verdict)) captions.push_back(line);
    }
    ExpectTexts(json, "manglik", captions, 6);

    EXPECT_EQ(json["retrograde"].toObject().size(), 5);
    for (int planet = kMercury; planet <= kSaturn; ++planet) {
        const QString name = QString::fromUtf8(words::kBodyNames[static_cast<std::size_t>(planet)].text);
        EXPECT_EQ(json["retrograde"][name], QJsonValue(c.bodies[planet].retrograde)) << name.toStdString();
    }

    const QJsonObject birth = json["birthData"].toObject();
    const BirthData& b = reading.birthData;
    EXPECT_EQ(birth.size(), 21);  // utcOffsetSeconds: OptionsReachTheBirthData
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

// "vargas": the sign of every body and the ascendant in the seven charts,
// keyed as in "bodies", as the charts give them (their rules are the charts'
// tests'). Through a day, so every sign turns up.
// The Delhi birth: the Moon in Swati (Rahu's) in Libra, on a Saturday evening.
TEST(Companion, DashaPanchangAndTraitsOfTheReading) {
    const QJsonObject json = ParseJson(RunCompanion(DelhiArguments()).out);
    const QJsonObject dasha = json["dasha"].toObject();
    EXPECT_EQ(dasha["balance"]["lord"], QJsonValue("rahu"));
    EXPECT_EQ(dasha["yearDays"], QJsonValue(365.25));
    const QJsonArray periods = dasha["periods"].toArray();
    ASSERT_EQ(periods.size(), 10);  // Rahu's part before birth comes round again at the end
    EXPECT_EQ(periods.first()["start"], QJsonValue("2000-01-01"));
    EXPECT_EQ(periods.last()["lord"], QJsonValue("rahu"));
    EXPECT_EQ(periods.last()["end"], QJsonValue("2120-01-02"));  // 120 years of 365.25 days
    EXPECT_EQ(periods[1]["lord"], QJsonValue("jupiter"));
    EXPECT_EQ(periods[1]["antardashas"].toArray().size(), 9);
    EXPECT_EQ(periods[1]["antardashas"][0]["lord"], QJsonValue("jupiter"));
    EXPECT_FALSE(periods[1]["antardashas"][0].toObject().contains("pratyantardashas"));

    const QJsonObject panchang = json["panchang"].toObject();
    EXPECT_EQ(panchang["weekday"], QJsonValue("saturday"));
    EXPECT_EQ(panchang["daylight"], QJsonValue("riseAndSet"));
    EXPECT_EQ(panchang["sunrise"], QJsonValue("2000-01-01T07:14"));
    EXPECT_EQ(panchang["tithi"].toObject(), (QJsonObject{{"name", "ekadashi"}, {"number", 26}}));  // Krishna Ekadashi
    EXPECT_EQ(panchang["paksha"], QJsonValue("krishna"));
    // Swati: buffalo, deva, antya; Libra: shudra, manava (matching/README.md).
    EXPECT_EQ(json["traits"].toObject(), (QJsonObject{{"gana", "deva"}, {"nadi", "antya"}, {"varna", "shudra"},
                                                      {"vashya", "manava"}, {"yoni", "buffalo"}}));

    // Only the mahadashas, or every level down to the pratyantardashas.
    const auto periodsAt = [](const char* depth) {
        return ParseJson(RunCompanion(DelhiArguments() << "--dasha-depth" << depth).out)["dasha"].toObject()["periods"].toArray();
    };
    const QJsonArray shallow = periodsAt("1");
    EXPECT_FALSE(shallow[1].toObject().contains("antardashas"));
    const QJsonArray deep = periodsAt("3");
    EXPECT_EQ(deep[1]["antardashas"][0]["pratyantardashas"].toArray().size(), 9);
}

TEST(Companion, VargasGiveEveryBodysSignInTheSevenCharts) {
    for (int hour = 0; hour < 24; hour += 3) {
        const CompanionRun run = RunCompanion(DelhiWith("--hour", std::to_string(hour).c_str()));
        const QJsonObject vargas = ParseJson(run.out)["vargas"].toObject();
        ASSERT_EQ(vargas.keys(), (QStringList{"D1", "D10", "D12", "D2", "D3", "D7", "D9"}));
        FormValues form = DelhiForm();
        form.hourIndex = hour;
        const ChartState chart = ReadingOf(form).chartState;
        for (const Division& division : kDivisions) {
            const QJsonObject signs = vargas["D" + QString::number(division.parts)].toObject();
            ASSERT_EQ(signs.size(), kBodyCount - 1) << division.parts;  // all but the midheaven
            for (int body = 0; body < kBodyCount; ++body) {
                if (body == kMidheaven) continue;
                const QString key = QString::fromUtf8(words::kBodyNames[static_cast<std::size_t>(body)].text).toLower();
                EXPECT_EQ(signs[key].toInt(), SignsInChart(division.chart, chart)[body])
                    << "D" << division.parts << " " << key.toStdString();
            }
        }
    }
}

// Through the day at Delhi the verdicts and cancellations take every
// combination; a cancellation is shown only beside a Manglik verdict, and
// the windows and Venus's verdict are the reading's.
TEST(Companion, VerdictKeysThroughTheDay) {
    int shown = 0, withheld = 0;
    for (int hour = 0; hour <= 24; ++hour) {
        const CompanionRun run = RunCompanion(DelhiWith("--hour", std::to_string(hour).c_str()));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const QJsonObject json = ParseJson(run.out);
        FormValues form = DelhiForm();
        form.hourIndex = hour;
        const Reading reading = ReadingOf(form);
        SCOPED_TRACE("hour " + std::to_string(hour));

        for (const ManglikReference reference : {ManglikReference::Lagna, ManglikReference::Moon}) {
            const QString key = QString::fromStdString(words::ReferenceName(words::English(), reference)).toLower();
            const Evaluation& evaluation = reading.of(reference);
            const QJsonValue value = json["cancellation"][key];
            ASSERT_EQ(value.isNull(), !evaluation.verdict.cancellation) << key.toStdString();
            if (const auto& cancellation = evaluation.verdict.cancellation) {
                EXPECT_EQ(value["rule"].toInt(), static_cast<int>(cancellation->rule));
                EXPECT_EQ(Str(value["reason"]), words::CancellationReason(words::English(), *cancellation, reference));
            }
            shown += evaluation.verdict.cancellation.has_value();
            withheld += !evaluation.verdict.manglik && FirstCancellation(reference, reading.chartState).has_value();

            const QJsonObject w = json["verdictWindow"][key].toObject();
            const ReferenceWindow& expected = evaluation.window.value();
            EXPECT_EQ(w.keys(), (QStringList{"approximate", "capped", "from", "fromDay", "minutesToChange", "setBy",
                                             "to", "toDay", "uncertaintyMinutes", "verdictMayDiffer"}));
            EXPECT_EQ(w["verdictMayDiffer"], QJsonValue(expected.verdictMayDiffer));
            struct Side {
                const char* key;
                const char* changeKey;
                const WindowEnd& end;
            };
            for (const Side& side : {Side{"from", "before", expected.from}, Side{"to", "after", expected.to}}) {
                constexpr const char* kCauses[] = {"ascendant", "moon", "mars", "limit"};
                const WindowEnd& end = side.end;
                EXPECT_EQ(Str(w[side.key]), words::English().Clock(end.minute));
                EXPECT_EQ(w[QString(side.key) + "Day"], QJsonValue(end.day));
                EXPECT_EQ(w["capped"][side.key], QJsonValue(end.setBy == WindowEndCause::Limit));
                EXPECT_EQ(w["approximate"][side.key], QJsonValue(end.approximate));
                EXPECT_EQ(Str(w["setBy"][side.key]), kCauses[static_cast<int>(end.setBy)]);
                EXPECT_EQ(w["minutesToChange"][side.changeKey].toInt(-1), end.minutesToChange.value_or(-1));
                EXPECT_EQ(w["uncertaintyMinutes"][side.key].toInt(-1),
                          end.setBy == WindowEndCause::Mars ? end.uncertaintyMinutes : -1);
            }
        }
        EXPECT_EQ(json["verdictWindow"]["marsToBoundary"], QJsonValue(reading.marsToBoundary));
        EXPECT_EQ(json["verdictWindow"]["marsErrorArcMinutes"], QJsonValue(kMarsErrorArcMinutes));
        for (const auto& [key, near] : {std::pair{"before", reading.marsNearEdge.before}, {"after", reading.marsNearEdge.after}}) {
            EXPECT_EQ(json["verdictWindow"]["marsNearEdge"][key].toInt(-1), near ? near->minutesAway : -1) << key;
        }

        const ManglikVerdict& venus = reading.of(ManglikReference::Venus).verdict;
        const QJsonObject fromVenus = json["manglikFromVenus"].toObject();
        EXPECT_EQ(fromVenus.keys(), (QStringList{"house", "percentage", "verdict"}));
        EXPECT_EQ(fromVenus["house"], QJsonValue(venus.house));
        EXPECT_EQ(Str(fromVenus["percentage"]), words::PercentText(words::English(), venus.doshaPercent));
        EXPECT_EQ(Str(fromVenus["verdict"]), words::VerdictCaptions(words::English(), venus)[2]);
    }
    EXPECT_GT(shown, 0);
    EXPECT_GT(withheld, 0);
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
        {DelhiWith("--lat-deg", "089"), "latDegrees", 89},
        {DelhiWith("--lon-min", "7"), "lonMinutes", 7},
        {DelhiWith("--day", "29") << "--month" << "2" << "--year" << "2004", "day", 29},
        {DelhiWith("--hour", "24"), "hour", 24},
        {DelhiWith("--zone", "0"), "zoneHours", 9},
        {DelhiArguments(), "utcOffsetSeconds", QJsonValue::Null},
        {DelhiArguments() << "--utc-offset" << "+05:53:20", "utcOffsetSeconds", 21200},
        {DelhiArguments() << "--utc-offset" << " -04:30 ", "utcOffsetSeconds", -16200},
        {DelhiArguments() << "--utc-offset" << "", "utcOffsetSeconds", QJsonValue::Null},
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
        {DelhiWith("--lat-deg", "95") << "--lat-min" << "75", "Please Enter Degree of Latitude from 0 to 90"},
        {DelhiWith("--lat-min", "75"), "Please Enter Minutes of Latitude from 0 to 59"},
        {DelhiWith("--lon-deg", "180"), "Please Enter a Longitude of at most 180 Degree 0 Minute"},
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
        DelhiArguments() << "--chart-image" << "chart.svg" << "--style" << "west",
        DelhiArguments() << "--chart-image" << "chart.png" << "--varga" << "D5",
        DelhiArguments() << "--chart-image" << "chart.jpg", DelhiArguments() << "--style" << "north",
        QStringList{"varelio-cli", "--batch", "births.csv", "--chart-image", "chart.svg"},
        DelhiArguments() << "--utc-offset" << "5:7", DelhiArguments() << "--utc-offset" << "+15:00",
        DelhiArguments() << "--utc-offset" << "+99999999999:45",
        DelhiArguments() << "--dasha-depth" << "4", DelhiArguments() << "--format" << "text" << "--dasha-depth" << "1",
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

// The export file's lines, in UTF-8 for the terminal: "José" is not "Jos\xe9".
TEST(Companion, TextFormatIsTheExportFileInUtf8) {
    const CompanionRun run = RunCompanion(DelhiWith("--name", "Jos\u00e9 Bh\u0101rat") << "--format" << "text");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Reading reading = ReadingOf(samples::DelhiForm("Jos\u00e9 Bh\u0101rat"));
    EXPECT_EQ(run.out, words::ComposeTextExport(reading, words::TextEncoding::Utf8));  // the encodings: the export's tests
    std::size_t lines = 0;
    for (std::size_t at = run.out.find("\r\n"); at != std::string::npos; at = run.out.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, 41u);
    EXPECT_TRUE(run.out.ends_with("\r\n"));
}

class OpenSaved : public ::testing::Test {
protected:
    QString Write(const char* fileName, const std::string& bytes) { return testing::WriteFile(dir, fileName, bytes); }
    static std::string DelhiFile() { return ComposeReadingFile(ReadingOf(DelhiForm()).birthData, 34).value(); }
    QTemporaryDir dir;
};

TEST_F(OpenSaved, GivesTheSavedBirthWhichOptionsOverride) {
    const QString path = Write("delhi.vrl", DelhiFile());
    const CompanionRun fromFile = RunCompanion({"varelio-cli", "--open", path});
    ASSERT_EQ(fromFile.exitCode, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, RunCompanion(DelhiArguments()).out);
    // The ending in any case, as the desktop's file type takes it.
    EXPECT_EQ(RunCompanion({"varelio-cli", "--open", Write("DELHI.VRL", DelhiFile())}).out, fromFile.out);

    const CompanionRun changed = RunCompanion({"varelio-cli", "--open", path, "--name", "Other", "--south"});
    ASSERT_EQ(changed.exitCode, 0) << changed.err;
    const QJsonObject birth = ParseJson(changed.out)["birthData"].toObject();
    EXPECT_EQ(birth["name"].toString(), "Other");
    EXPECT_EQ(birth["south"].toBool(), true);
    EXPECT_EQ(birth["city"].toString(), "Delhi");
}

// Every way a saved reading fails comes out as one line and exit code 2.
TEST_F(OpenSaved, ProblemsWithTheFile) {
    std::string tenLines = DelhiFile();  // name to latitude degrees: the latitude minutes stay empty
    std::size_t end = 0;
    for (int line = 0; line < 10; ++line) end = tenLines.find("\r\n", end) + 2;
    tenLines.resize(end);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.vrl"));
    const QString folder = dir.filePath("folder.vrl"), absent = dir.filePath("absent.vrl");
    const QString zeros = Write("zeros.vrl", std::string(100000, '\0'));
    const QString empty = Write("empty.vrl", "");
    const std::pair<QString, std::string> cases[] = {
        {folder, "varelio-cli: cannot read '" + folder.toStdString() + "': not a regular file\n"},
        {absent, "varelio-cli: cannot read '" + absent.toStdString() + "': No such file or directory\n"},
        {Write("short.vrl", tenLines), "Please Enter Minutes of Latitude\n"},
        {"/dev/zero", "varelio-cli: cannot read '/dev/zero': not a saved reading (*.vrl)\n"},
        {"", "varelio-cli: cannot read '': not a saved reading (*.vrl)\n"},
        {zeros, "varelio-cli: cannot read '" + zeros.toStdString() + "': its bytes are not those of a saved reading\n"},
        {empty, "varelio-cli: cannot read '" + empty.toStdString() + "': it is empty\n"},
    };
    for (const auto& [path, message] : cases) {
        const CompanionRun run = RunCompanion({"varelio-cli", "--open", path});
        EXPECT_EQ(run.exitCode, kExitRefused) << path.toStdString();
        EXPECT_EQ(run.err, message);
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace varelio::cli
