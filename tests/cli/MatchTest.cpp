// varelio-cli --match: two saved readings, each side's birth options, or one
// side from its file and the other from options, give the core's match as
// JSON (and the match's text file); a side that cannot be used is named, with
// exit code 2.
#include "cli/Companion.h"
#include "cli/JsonWriter.h"
#include "formats/ReadingFile.h"
#include "words/English.h"
#include "words/MatchText.h"

#include "CliSupport.h"
#include "tests/support/Births.h"
#include "tests/support/SampleBirths.h"

#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>
#include <vector>

namespace varelio::cli {
namespace {

using testing::DelhiArguments;
using testing::ParseJson;

FormValues GroomForm() {
    FormValues form = samples::MumbaiForm();
    form.name = "Ravi Kumar";
    form.dayIndex = 10;  // 11 March 1985: a Nadi and a Gana dosha, both lifted
    return form;
}

// The Delhi arguments as one side's options: --bride-name, ...
QStringList SideArguments(const QString& side, const QStringList& plain = DelhiArguments()) {
    QStringList args;
    for (const QString& arg : plain.mid(1)) args << (arg.startsWith("--") ? "--" + side + "-" + arg.mid(2) : arg);
    return args;
}

class Match : public ::testing::Test {
protected:
    QString Save(const char* fileName, const FormValues& form) {
        BirthData birth;
        CopyFormToBirthData(form, birth);
        const QString path = dir.filePath(QString::fromLatin1(fileName));
        QFile file(path);
        const std::string bytes = ComposeReadingFile(birth, form.zoneIndex).value();
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(Match, SavedReadingsGiveTheCoresMatch) {
    const Reading bride = samples::ReadingOf(samples::DelhiForm());
    const Reading groom = samples::ReadingOf(GroomForm());
    const varelio::Match expected = MatchReadings(bride, groom);
    const Ashtakoota& a = expected.ashtakoota.value();
    const QString brideFile = Save("asha.vrl", samples::DelhiForm());
    // The ending in any case, as --open takes it.
    const QString groomFile = Save("RAVI.VRL", GroomForm());

    const CompanionRun run = RunCompanion({"varelio-cli", "--match", brideFile, groomFile});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject json = ParseJson(run.out);
    EXPECT_EQ(json.keys(),
              (QStringList{"band", "bride", "comparison", "conclusion", "doshas", "groom", "kootas", "maximum", "total"}));
    EXPECT_EQ(json["conclusion"]["text"].toString().toStdString(), words::ConclusionLine(words::English(), expected.conclusion));
    EXPECT_EQ(json["conclusion"]["recommended"], QJsonValue(true));
    const QJsonArray kootas = json["kootas"].toArray();
    ASSERT_EQ(kootas.size(), kKootaCount);
    for (std::size_t k = 0; k < a.kootas.size(); ++k) {
        const QJsonObject koota = kootas[static_cast<qsizetype>(k)].toObject();
        EXPECT_EQ(koota.keys(), (QStringList{"max", "name", "points", "reason"}));
        EXPECT_EQ(koota["name"].toString().toStdString(), words::kKootaNames[k].text);
        EXPECT_EQ(koota["points"].toDouble(), a.kootas[k].points) << k;
        EXPECT_EQ(koota["max"].toDouble(), a.kootas[k].maximum) << k;
    }
    EXPECT_EQ(json["total"].toDouble(), a.total);
    EXPECT_EQ(json["band"].toString().toStdString(), words::kBandNames[static_cast<std::size_t>(a.band)].text);
    const QJsonArray doshas = json["doshas"].toArray();
    ASSERT_EQ(doshas.size(), a.doshaCount);
    EXPECT_EQ(doshas[0]["name"].toString(), "Nadi dosha");
    EXPECT_EQ(doshas[0]["lifted"].toBool(), true);
    EXPECT_EQ(doshas[0]["exceptions"][0]["rule"].toString(), "sameSignDifferentNakshatra");

    // Both verdict sets as the reading's own "verdicts", the comparison with its codes and words.
    for (const auto& [side, reading] : {std::pair{"bride", &bride}, std::pair{"groom", &groom}}) {
        const CompanionRun alone = RunCompanion({"varelio-cli", "--open", side == std::string("bride") ? brideFile : groomFile});
        const QJsonObject aloneJson = ParseJson(alone.out);
        EXPECT_EQ(json[side]["verdicts"], aloneJson["verdicts"]) << side;
        EXPECT_EQ(json[side]["name"].toString().toStdString(), reading->birthData.name);
    }
    // His doshas from the Lagna and the Moon are cancelled, his from Venus is not counted.
    const QJsonObject comparison = json["comparison"].toObject();
    EXPECT_EQ(comparison["overall"]["balance"].toString(), "neither");
    EXPECT_TRUE(comparison["overall"]["side"].isNull());
    EXPECT_EQ(comparison["overall"]["text"].toString().toStdString(), words::OverallLine(words::English(), expected.manglik));
    EXPECT_EQ(comparison["lagna"]["balance"].toString(), "neither");
    EXPECT_EQ(comparison["lagna"]["cancellation"]["side"].toString(), "groom");
    EXPECT_EQ(comparison["lagna"]["cancelled"].toArray().size(), 1);
    EXPECT_EQ(comparison["venus"]["balance"].toString(), "one");
    EXPECT_EQ(comparison["venus"]["side"].toString(), "groom");
    EXPECT_EQ(comparison["venus"]["counted"], QJsonValue(false));
    EXPECT_EQ(comparison["groom"]["standing"].toString(), "cancelled");
    EXPECT_EQ(comparison["groom"]["standingReferences"].toInt(), 0);

    // The text is the match's file; the options give what the files give.
    EXPECT_EQ(RunCompanion({"varelio-cli", "--match", brideFile, groomFile, "--format", "text"}).out,
              words::ComposeMatchText(bride, groom, expected));
    const QStringList groomArgs = {"varelio-cli", "--name", "Ravi Kumar", "--day", "11", "--month", "3", "--year", "1985",
                                   "--hour", "9", "--minute", "5", "--zone", "34", "--lat-deg", "18", "--lat-min", "58",
                                   "--lon-deg", "72", "--lon-min", "50", "--city", "Mumbai", "--state", "Maharashtra",
                                   "--country", "India"};
    const CompanionRun byOptions =
        RunCompanion(QStringList{"varelio-cli", "--match"} +
                     SideArguments("bride", testing::DelhiWith("--name", samples::kDelhi2000.name)) +
                     SideArguments("groom", groomArgs));
    ASSERT_EQ(byOptions.exitCode, 0) << byOptions.err;
    EXPECT_EQ(byOptions.out, run.out);
    // A side's options win over its file, the exact offset among them.
    const CompanionRun renamed = RunCompanion(
        {"varelio-cli", "--match", brideFile, groomFile, "--groom-name", "R", "--groom-utc-offset", "+04:51"});
    const QJsonObject renamedJson = ParseJson(renamed.out);
    EXPECT_EQ(renamedJson["groom"]["name"].toString(), "R");
    EXPECT_EQ(renamedJson["groom"]["birthData"]["utcOffsetSeconds"].toInt(), 4 * 3600 + 51 * 60);
    EXPECT_TRUE(renamedJson["bride"]["birthData"]["utcOffsetSeconds"].isNull());

    // One side from its file, named by its side, the other from options; or both files named.
    for (const QStringList& args :
         {QStringList{"--bride", brideFile} + SideArguments("groom", groomArgs),
          SideArguments("bride", testing::DelhiWith("--name", samples::kDelhi2000.name)) + QStringList{"--groom", groomFile},
          QStringList{"--groom", groomFile, "--bride", brideFile}}) {
        const CompanionRun mixed = RunCompanion(QStringList{"varelio-cli", "--match"} + args);
        ASSERT_EQ(mixed.exitCode, 0) << mixed.err;
        EXPECT_EQ(mixed.out, run.out) << testing::Show(QStringList{"varelio-cli"} + args).toStdString();
    }
}

// Every line's code agrees with its sentence, and "recommended" with the
// total and the doshas, for every pair of a few random births.
TEST_F(Match, TheJsonCodesSayWhatTheSentencesSay) {
    std::mt19937 random(20240925);
    const auto pick = [&](int low, int high) { return low + static_cast<int>(random() % (high - low + 1)); };
    std::vector<Reading> readings(40);
    for (Reading& reading : readings) {
        reading.birthData = samples::RandomBirth(pick, 4);
        ComputeReading(reading);
    }
    std::set<QString> balances;
    for (const Reading& bride : readings) {
        for (const Reading& groom : readings) {
            std::string out;
            AppendMatchJson(bride, groom, MatchReadings(bride, groom), out);
            const QJsonObject json = ParseJson(out);
            const QJsonObject comparison = json["comparison"].toObject();
            for (const char* key : {"lagna", "moon", "venus", "overall"}) {
                const QJsonObject line = comparison[key].toObject();
                const QString balance = line["balance"].toString();
                const QString text = line["text"].toString();
                const QString side = line["side"].toString();
                balances.insert(QString::fromLatin1(key) + ' ' + balance);
                const bool overall = key == std::string("overall");
                if (balance == "both") {
                    EXPECT_TRUE(text.contains(overall ? "Both are Manglik" : "both have the dosha")) << text.toStdString();
                } else if (balance == "one") {
                    EXPECT_TRUE(text.contains((overall ? "Only the " : "only the ") + side)) << text.toStdString();
                } else {
                    ASSERT_EQ(balance, "neither") << text.toStdString();
                    EXPECT_TRUE(text.contains(overall ? "Neither is Manglik" : "neither has the dosha")) << text.toStdString();
                }
                for (const QJsonValue cancelled : line["cancelled"].toArray()) {
                    EXPECT_TRUE(text.contains("the " + cancelled["side"].toString() + "'s dosha is cancelled: " +
                                              cancelled["reason"].toString()))
                        << text.toStdString();
                }
            }
            bool overriding = false;
            for (const QJsonValue dosha : json["doshas"].toArray()) {
                overriding = overriding || (!dosha["lifted"].toBool() && (dosha["name"] == "Nadi dosha" ||
                                                                           dosha["name"] == "Bhakoot dosha"));
            }
            const QJsonObject conclusion = json["conclusion"].toObject();
            EXPECT_EQ(conclusion["recommended"].toBool(), json["total"].toDouble() >= 18 && !overriding);
            EXPECT_EQ(conclusion["text"].toString().contains(", recommended;"), conclusion["recommended"].toBool());
        }
    }
    // The pairs met each code of each line.
    for (const char* key : {"lagna", "moon", "venus", "overall"}) {
        for (const char* balance : {"both", "one", "neither"})
            EXPECT_TRUE(balances.contains(QString::fromLatin1(key) + ' ' + balance)) << key << ' ' << balance;
    }
}

TEST_F(Match, ASideThatCannotBeUsedIsNamed) {
    const QString bride = Save("asha.vrl", samples::DelhiForm());
    FormValues nameless = GroomForm();
    nameless.name.clear();
    const QString groomNameless = Save("nameless.vrl", nameless);
    const struct {
        QStringList args;
        std::string err;
    } cases[] = {
        {{bride, dir.filePath("missing.vrl")}, "varelio-cli: groom: cannot read '" + dir.filePath("missing.vrl").toStdString()},
        {{dir.filePath("asha.txt"), bride}, "varelio-cli: bride: cannot read '" + dir.filePath("asha.txt").toStdString() +
                                                "': not a saved reading (*.vrl)"},
        {{bride, groomNameless}, "varelio-cli: groom: Please Enter Your Name\n"},
        {{bride}, "varelio-cli: --match takes two saved readings, the bride's and the groom's; only"},
        {{bride, bride, "--groom", bride}, "varelio-cli: --match takes the saved readings either as BRIDE.vrl GROOM.vrl"},
        {{"--bride", bride}, "varelio-cli: --match needs the groom's birth"},
        {{"--bride", dir.filePath("missing.vrl"), "--groom", bride},
         "varelio-cli: bride: cannot read '" + dir.filePath("missing.vrl").toStdString()},
        {{}, "varelio-cli: --match needs the bride's birth"},
        {SideArguments("bride"), "varelio-cli: --match needs the groom's birth"},
        {{bride, bride, "--groom-day", "32"}, "varelio-cli: --groom-day takes a whole number from 1 to 31, not '32'"},
        {{bride, bride, "--day", "3"}, "varelio-cli: --match takes each side's birth as --bride-... and --groom-...; --day"},
        {{bride, bride, "--format", "csv"}, "varelio-cli: --match writes json or text, not csv"},
        {{bride, bride, "--bride-utc-offset", "+15:00"}, "varelio-cli: --bride-utc-offset takes the clock's offset"},
        {{bride, bride, "--groom-utc-offset", "-5:99999999999"}, "varelio-cli: --groom-utc-offset takes the clock's"},
        {{bride, bride, "--chart-image", "x.svg"}, "varelio-cli: --chart-image is for one birth"},
        {{bride, bride, "--bride-city", ArgumentFromBytes("P\xfcne")}, "varelio-cli: --bride-city takes UTF-8 text, not 'P\\xfcne'"},
    };
    for (const auto& c : cases) {
        const CompanionRun run = RunCompanion(QStringList{"varelio-cli", "--match"} + c.args);
        EXPECT_EQ(run.exitCode, 2) << c.err;
        EXPECT_TRUE(run.err.starts_with(c.err)) << run.err;
        EXPECT_TRUE(run.out.empty()) << c.err;
    }
    const CompanionRun alone = RunCompanion(QStringList{"varelio-cli"} + SideArguments("groom"));
    EXPECT_EQ(alone.exitCode, 2);
    EXPECT_TRUE(alone.err.starts_with("varelio-cli: --groom-day needs --match")) << alone.err;
    const CompanionRun fileAlone = RunCompanion({"varelio-cli", "--bride", bride});
    EXPECT_EQ(fileAlone.exitCode, 2);
    EXPECT_TRUE(fileAlone.err.starts_with("varelio-cli: --bride needs --match")) << fileAlone.err;
}

// A saved reading whose name is not UTF-8 (a Latin-1 "r\xe4vi.vrl") opens
// by its bytes, with --open as with --match, in the executable too.
TEST_F(Match, FileNamesAreTakenAsBytes) {
    const std::string name = (dir.path() + "/r").toStdString() + "\xe4vi.vrl";
    ASSERT_EQ(std::rename(QFile::encodeName(Save("ravi.vrl", GroomForm())).constData(), name.c_str()), 0);
    EXPECT_EQ(RunCompanion({"varelio-cli", "--open", ArgumentFromBytes(name)}).exitCode, 0);
    QProcess shell;
    shell.start("/bin/sh", {"-c", "f=\"$1$(printf '\\344')vi.vrl\"; exec \"$0\" --match \"$f\" \"$f\"", VARELIO_CLI_PATH,
                            dir.path() + "/r"});
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
}

}  // namespace
}  // namespace varelio::cli
