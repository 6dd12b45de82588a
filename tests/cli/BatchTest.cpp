// varelio-cli --batch end to end: every row's reading against a reading
// computed from the same birth without the batch, in input order, refused
// rows named by number, standard input, CSV output and the exit codes.
#include "cli/Batch.h"
#include "cli/Companion.h"
#include "cli/Csv.h"
#include "cli/JsonWriter.h"
#include "astro/Nakshatras.h"
#include "astro/Signs.h"
#include "form/Form.h"
#include "reading/Reading.h"
#include "words/EnglishTexts.h"
#include "words/Reading.h"

#include "CliSupport.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>
#include <set>
#include <random>
#include <sstream>

// Allocations of at least this many bytes fail while it is not zero: memory
// running out, as a test can arrange it.
namespace {
std::atomic<std::size_t> gFailAllocationsFrom{0};
}  // namespace

void* operator new(std::size_t size) {
    const std::size_t limit = gFailAllocationsFrom.load(std::memory_order_relaxed);
    if (limit != 0 && size >= limit) throw std::bad_alloc();
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
// Every other form too, so that no block is freed by another allocator than
// the one that gave it (Qt's JSON parser allocates with nothrow new).
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return ::operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return ::operator new(size, tag); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }

namespace varelio::cli {
namespace {

const char* const kHeader =
    "name,day,month,year,hour,minute,zone,dst,lat-deg,lat-min,lat-dir,lon-deg,lon-min,lon-dir,city,state,country";

// One birth as the batch file writes it and as the input form holds it.
struct Birth {
    std::string name, city, state, country;
    int day, month, year, hour, minute, zone;
    bool dst, south, west;
    int latDeg, latMin, lonDeg, lonMin;

    FormValues Form() const {
        FormValues form = InitialFormValues();
        form.name = name;
        form.dayIndex = day - 1;
        form.monthIndex = month - 1;
        form.yearIndex = year - 1901;
        form.hourIndex = hour;
        form.minuteIndex = minute;
        form.zoneIndex = zone;
        form.dst = dst;
        form.latDeg = std::to_string(latDeg);
        form.latMin = std::to_string(latMin);
        form.latDirection = south ? 1 : 0;
        form.lonDeg = std::to_string(lonDeg);
        form.lonMin = std::to_string(lonMin);
        form.lonDirection = west ? 1 : 0;
        form.city = city;
        form.state = state;
        form.country = country;
        return form;
    }

    // The same birth as the companion's options.
    QStringList Arguments() const {
        QStringList args = {"varelio-cli", "--name", QString::fromStdString(name), "--day", QString::number(day),
                            "--month", QString::number(month), "--year", QString::number(year), "--hour",
                            QString::number(hour), "--minute", QString::number(minute), "--zone",
                            QString::number(zone), "--lat-deg", QString::number(latDeg), "--lat-min",
                            QString::number(latMin), "--lon-deg", QString::number(lonDeg), "--lon-min",
                            QString::number(lonMin), "--city", QString::fromStdString(city), "--state",
                            QString::fromStdString(state), "--country", QString::fromStdString(country)};
        args << (south ? "--south" : "--north") << (west ? "--west" : "--east");
        if (dst) args << "--dst";
        return args;
    }
};

// Every field in quotes for odd rows, bare (where it may be) for even ones.
std::string CsvLine(const std::vector<std::string>& fields, bool quoteAll) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        if (!quoteAll) {
            line += fields[i];
            continue;
        }
        line += '"';
        for (const char c : fields[i]) line += c == '"' ? std::string("\"\"") : std::string(1, c);
        line += '"';
    }
    return line + "\n";
}

std::string Line(const Birth& b, std::size_t index) {
    const bool quote = index % 2 == 1 || b.name.find_first_of(",\"") != std::string::npos;
    return CsvLine({b.name, std::to_string(b.day), std::to_string(b.month), std::to_string(b.year),
                    std::to_string(b.hour), std::to_string(b.minute), std::to_string(b.zone),
                    b.dst ? "yes" : (index % 3 == 0 ? "" : "no"), std::to_string(b.latDeg), std::to_string(b.latMin),
                    b.south ? "S" : (index % 5 == 0 ? "" : "n"), std::to_string(b.lonDeg), std::to_string(b.lonMin),
                    b.west ? "W" : "E", b.city, b.state, b.country},
                   quote);
}

// count births over the form's whole range; every name is unique, some
// hold commas, quotes and letters beyond ASCII, some places blanks around.
std::vector<Birth> Births(int count) {
    std::mt19937 rng(20261207);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    std::vector<Birth> births;
    for (int i = 0; i < count; ++i) {
        Birth b;
        b.name = (i % 7 == 0 ? "Rao, \"Asha\" " : i % 11 == 0 ? "Bh\u0101rat\u012b " : "P") + std::to_string(i);
        b.day = pick(1, 28);
        b.month = pick(1, 12);
        b.year = pick(1901, 2050);
        b.hour = pick(0, 24);
        b.minute = pick(0, 59);
        b.zone = pick(0, 70);
        b.dst = pick(0, 1) == 1;
        b.latDeg = pick(0, 89);
        b.latMin = pick(0, 59);
        b.south = pick(0, 1) == 1;
        b.lonDeg = pick(0, 179);
        b.lonMin = pick(0, 59);
        b.west = pick(0, 1) == 1;
        b.city = i % 13 == 0 ? "  New Delhi " : "City" + std::to_string(pick(0, 99));
        b.state = "State";
        b.country = "India";
        births.push_back(b);
    }
    return births;
}

// The header and a row for each birth.
std::string BatchText(const std::vector<Birth>& births) {
    std::string text = std::string(kHeader) + "\n";
    for (std::size_t i = 0; i < births.size(); ++i) text += Line(births[i], i);
    return text;
}

Reading ReadingOf(const Birth& birth) {
    Reading reading;
    EXPECT_TRUE(ComputeReadingFromForm(birth.Form(), true, reading)) << birth.name;
    return reading;
}

CsvRecords ReadCsv(const std::string& text) {
    std::FILE* input = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    CsvReader reader(input);
    CsvRecords records;
    while (reader.ReadRecord(records)) {
    }
    std::fclose(input);
    return records;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class Batch : public ::testing::Test {
protected:
    QString Write(const std::string& bytes, const char* name = "births.csv") {
        return testing::WriteFile(dir, name, bytes);
    }
    QTemporaryDir dir;
};

TEST_F(Batch, TenThousandRowsEqualSingleReadingsInInputOrder) {
    constexpr int kCount = 10000;
    const std::vector<Birth> births = Births(kCount);
    // Two refused rows among them: the file's rows 1236 and 8768 (the header is row 1).
    std::string text = std::string(kHeader) + "\n";
    for (int i = 0; i < kCount; ++i) {
        if (i == 1234) text += "April,31,4,2000,17,30,34,no,28,38,N,77,13,E,Delhi,Delhi,India\n";
        if (i == 8765) text += "Late,32,4,2000,17,30,34,no,28,38,N,77,13,E,Delhi,Delhi,India\n";
        text += Line(births[static_cast<std::size_t>(i)], static_cast<std::size_t>(i));
    }
    const QString path = Write(text);

    const CompanionRun run = RunCompanion({"varelio-cli", "--batch", path, "--jobs", "3"});
    EXPECT_EQ(run.exitCode, kExitSomeRowsRefused);
    EXPECT_EQ(run.err,
              "varelio-cli: row 1236: Please Enter Correct Date Or Month !\n"
              "varelio-cli: row 8768: day takes a whole number from 1 to 31, not '32'\n");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kCount));

    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string expected;
        AppendReadingJson(ReadingOf(births[i]), JsonLayout::Compact, expected, kBatchDashaDepth);
        ASSERT_EQ(lines[i], expected) << "row of birth " << i;
    }
    // A sample in full against the single reading's own JSON, compacted.
    for (std::size_t i = 0; i < lines.size(); i += 499) {
        const CompanionRun single = RunCompanion(births[i].Arguments() << "--dasha-depth" << "1");
        ASSERT_EQ(single.exitCode, 0) << single.err;
        EXPECT_EQ(lines[i], QJsonDocument::fromJson(QByteArray::fromStdString(single.out))
                                .toJson(QJsonDocument::Compact)
                                .toStdString())
            << "birth " << i;
    }
    // Any number of workers writes the same bytes.
    const CompanionRun one = RunCompanion({"varelio-cli", "--batch", path, "--jobs", "1"});
    EXPECT_TRUE(one.out == run.out && one.err == run.err);
}

// The numbers "bodies" and "verdicts" add say what the texts beside them say.
TEST_F(Batch, BodiesAndVerdictsAgreeWithTheTexts) {
    const std::vector<Birth> births = Births(1000);
    const CompanionRun run = RunCompanion({"varelio-cli", "--batch", Write(BatchText(births))});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), births.size());
    std::set<QString> verdictsSeen;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QJsonObject json = testing::ParseJson(lines[i]);
        const QJsonObject bodies = json["bodies"].toObject();
        SCOPED_TRACE("birth " + std::to_string(i));
        ASSERT_EQ(bodies.size(), kBodyCount);
        for (qsizetype b = 0; b < kBodyCount; ++b) {
            const QString name = json["bodyNames"][b].toString();
            const QJsonObject body = bodies[name.toLower()].toObject();
            // "16 Gem 21": the sign's abbreviation.
            const std::string abbreviation = json["bodyPositionText"][b].toString().mid(3, 3).toStdString();
            EXPECT_EQ(words::EnglishFromOne(words::kSignAbbreviationsInEnglish, body["sign"].toInt()), abbreviation)
                << name.toStdString();
            EXPECT_EQ(body["retrograde"].toBool(), json["bodyNamesSanskrit"][b].toString().endsWith(" (R) "))
                << name.toStdString();
        }
        const int moonNakshatra = bodies["moon"]["nakshatra"].toInt();
        ASSERT_TRUE(moonNakshatra >= 1 && moonNakshatra <= kNakshatraCount);
        EXPECT_EQ(words::EnglishFromOne(words::kNakshatraNamesInEnglish, moonNakshatra),
                  json["moonNakshatraName"].toString().toStdString());
        EXPECT_EQ(bodies["ascendant"]["longitude"], json["ascendant"]);
        EXPECT_EQ(bodies["midheaven"]["longitude"], json["midheaven"]);
        EXPECT_EQ(bodies["moon"]["longitude"], json["moonLongitude"]);

        // The caption lines: "... is 7", "... is 25%", "The person is Manglik".
        const QJsonArray captions = json["manglik"].toArray();
        for (const QString reference : {"lagna", "moon"}) {
            const QJsonObject verdict = json["verdicts"][reference].toObject();
            const qsizetype line = reference == "lagna" ? 0 : 3;
            EXPECT_EQ(captions[line].toString().section(' ', -1), QString::number(verdict["house"].toInt()));
            EXPECT_EQ(captions[line + 1].toString().section(' ', -1).chopped(1).toDouble(),
                      verdict["dosha"].toDouble());
            EXPECT_EQ(captions[line + 2].toString(),
                      verdict["manglik"].toBool() ? "The person is Manglik" : "The person is Non Manglik");
            EXPECT_EQ(verdict["cancellation"], json["cancellation"][reference]);
            verdictsSeen.insert(reference + (verdict["manglik"].toBool() ? " manglik" : " not") +
                                (verdict["cancellation"].isNull() ? "" : " cancelled"));
        }
        const QJsonObject venus = json["verdicts"]["venus"].toObject();
        EXPECT_EQ(venus["house"], json["manglikFromVenus"]["house"]);
        EXPECT_EQ(QString::number(venus["dosha"].toDouble()) + "%", json["manglikFromVenus"]["percentage"].toString());
        EXPECT_EQ(venus["manglik"].toBool() ? "The person is Manglik" : "The person is Non Manglik",
                  json["manglikFromVenus"]["verdict"].toString());
    }
    EXPECT_EQ(verdictsSeen.size(), 6u);  // every kind of verdict was among them
}

TEST_F(Batch, CsvOutputHasAHeaderAndOneRowPerGoodBirth) {
    const std::vector<Birth> births = Births(300);
    std::string text = std::string(kHeader) + "\n";
    for (std::size_t i = 0; i < births.size(); ++i) {
        text += Line(births[i], i);
        if (i == 100) text += ",1,1,2000,17,30,34,no,28,38,N,77,13,E,Delhi,Delhi,India\n";  // no name
    }
    const CompanionRun run = RunCompanion({"varelio-cli", "--batch", Write(text), "--format", "csv"});
    EXPECT_EQ(run.exitCode, kExitSomeRowsRefused);
    EXPECT_EQ(run.err, "varelio-cli: row 103: Please Enter Your Name\n");
    ASSERT_TRUE(run.out.starts_with(BatchCsvHeader()));

    const CsvRecords records = ReadCsv(run.out);
    ASSERT_EQ(records.records.size(), births.size() + 1);
    EXPECT_EQ(records.records[0].fieldCount, 42u);
    for (std::size_t i = 0; i < births.size(); ++i) {
        const CsvRecords::Record& record = records.records[i + 1];
        ASSERT_EQ(record.fieldCount, 42u) << i;
        const auto field = [&](std::size_t f) { return std::string(records.Field(record, f)); };
        const Reading reading = ReadingOf(births[i]);
        const Birth& b = births[i];
        SCOPED_TRACE("birth " + std::to_string(i));
        EXPECT_EQ(field(0), std::to_string(i + (i > 100 ? 3 : 2)));
        EXPECT_EQ(field(1), b.name);
        char date[16], time[8];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", b.year, b.month, b.day);
        std::snprintf(time, sizeof time, "%02d:%02d", b.hour, b.minute);
        EXPECT_EQ(field(2), date);
        EXPECT_EQ(field(3), time);
        const words::English english;
        for (std::size_t body = 0; body < 11; ++body) {
            EXPECT_EQ(field(4 + body), words::ShortForm(english, reading.chartState.bodies[body].longitudeDeg));
        }
        EXPECT_EQ(field(15), words::LagnaName(english, reading.chartState));
        EXPECT_EQ(field(16), words::RashiName(english, reading.chartState));
        EXPECT_EQ(field(17), words::NakshatraName(english, reading.chartState));
        for (const ManglikReference reference : {ManglikReference::Lagna, ManglikReference::Moon}) {
            const std::size_t at = 20 + 4 * static_cast<std::size_t>(reference);
            const ManglikVerdict& verdict = reading.of(reference).verdict;
            const auto captions = words::VerdictCaptions(english, verdict);
            EXPECT_EQ(captions[0], "Position of Mars from " + words::ReferenceName(english, reference) + " is " +
                                       field(at));
            EXPECT_EQ(captions[1], "Percentage of Mangala dosha is " + field(at + 1) + "%");
            EXPECT_EQ(field(at + 2), verdict.manglik ? "yes" : "no");
            // Only beside a Manglik verdict, as the JSON.
            const auto& cancellation = verdict.cancellation;
            EXPECT_EQ(field(at + 3), cancellation ? std::to_string(static_cast<int>(cancellation->rule)) : "");
        }
        for (int planet = kMercury; planet <= kSaturn; ++planet) {
            EXPECT_EQ(field(28 + static_cast<std::size_t>(planet - kMercury)),
                      reading.chartState.bodies[static_cast<std::size_t>(planet)].retrograde ? "yes" : "no");
        }
        // The mahadasha at birth is the lord of the Moon's nakshatra.
        EXPECT_EQ(QString::fromStdString(field(33)), QString::fromStdString(words::NakshatraLord(words::English(), reading.chartState)).toLower());
        const YearsMonthsDays balance = ToYearsMonthsDays(BalanceYears(reading.dashaBalance));
        EXPECT_EQ(field(34) + " " + field(35) + " " + field(36),
                  std::to_string(balance.years) + " " + std::to_string(balance.months) + " " +
                      std::to_string(balance.days));
        const BirthPanchang& p = reading.panchang;
        EXPECT_EQ(field(37), std::to_string(p.tithi));
        EXPECT_EQ(field(38), p.tithi <= 15 ? "shukla" : "krishna");
        EXPECT_EQ(field(39) + " " + field(40) + " " + field(41),
                  std::string(YogaKey(p.yoga)) + " " + std::string(KaranaKey(KaranaOf(p.karana))) + " " +
                      std::string(WeekdayKey(p.day.weekday)));
    }
}

// A name reaches a spreadsheet as text, never as a formula, and a terminal
// without control characters.
TEST_F(Batch, CsvOutputNamesAreSafeForSpreadsheets) {
    const std::pair<std::string, std::string> cases[] = {
        {"=HYPERLINK(\"http://x.example\")", "'=HYPERLINK(\"http://x.example\")"}, {"@SUM(1)", "'@SUM(1)"},
        {"+1", "'+1"}, {"-2", "'-2"}, {"Esc\x1b[2J\x07\\", "Esc\\x1b[2J\\x07\\\\"}, {"O'Neill = 1", "O'Neill = 1"}};
    std::string text = std::string(kHeader) + "\n";
    for (const auto& [name, written] : cases) text += CsvLine({name, "1", "1", "2000", "17", "30", "34", "", "28", "38",
                                                               "N", "77", "13", "E", "Delhi", "Delhi", "India"}, true);
    const CompanionRun run = RunCompanion({"varelio-cli", "--batch", Write(text), "--format", "csv"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const CsvRecords records = ReadCsv(run.out);
    ASSERT_EQ(records.records.size(), std::size(cases) + 1);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(records.Field(records.records[i + 1], 1), cases[i].second) << cases[i].first;
    }
}

// The batch's reasons are the options' own: one check serves both.
TEST_F(Batch, RowsAreRefusedAsTheOptionsAre) {
    using testing::DelhiArguments;
    using testing::DelhiWith;
    const std::string delhi = "Test,1,1,2000,17,30,34,,28,38,N,77,13,E,Delhi,Delhi,India";
    struct Case {
        std::string row;
        QStringList arguments;
    };
    const Case cases[] = {
        {"Test,0,1,2000,17,30,34,,28,38,N,77,13,E,Delhi,Delhi,India", DelhiWith("--day", "0")},
        {"Test,1.5,1,2000,17,30,34,,28,38,N,77,13,E,Delhi,Delhi,India", DelhiWith("--day", "1.5")},
        {"Test,1,1,2000,17,30,71,,28,38,N,77,13,E,Delhi,Delhi,India", DelhiWith("--zone", "71")},
        {"Test,1,1,1900,17,30,34,,28,38,N,77,13,E,Delhi,Delhi,India", DelhiWith("--year", "1900")},
        {"Test,1,1,2000,17,30,34,,1000,38,N,77,13,E,Delhi,Delhi,India", DelhiWith("--lat-deg", "1000")},
        {"Test,1,1,2000,17,30,34,,28,\"\x1b[2J\",N,77,13,E,Delhi,Delhi,India", DelhiWith("--lat-min", "\x1b[2J")},
        {"Test,1,1,2000,17,30,34,,28,38,N,77,,E,Delhi,Delhi,India", DelhiWith("--lon-min", "")},
        {"Test,31,4,2000,17,30,34,,28,38,N,77,13,E,Delhi,Delhi,India", DelhiWith("--day", "31") << "--month" << "4"},
        {"Test,29,2,2003,17,30,34,,28,38,N,77,13,E,Delhi,Delhi,India",
         DelhiWith("--day", "29") << "--month" << "2" << "--year" << "2003"},
        {"Test,1,1,2000,17,30,34,,28,38,N,77,13,E,Delhi,Delhi,", DelhiWith("--country", "")},
        {",1,1,2000,17,30,34,,28,38,N,77,13,E,Delhi,Delhi,India", DelhiWith("--name", "")},
    };
    std::string text = std::string(kHeader) + "\n" + delhi + "\n";
    for (const Case& c : cases) text += c.row + "\n";
    const CompanionRun run = RunCompanion({"varelio-cli", "--batch", Write(text)});
    EXPECT_EQ(run.exitCode, kExitSomeRowsRefused);
    EXPECT_EQ(Lines(run.out).size(), 1u);
    const std::vector<std::string> reasons = Lines(run.err);
    ASSERT_EQ(reasons.size(), std::size(cases)) << run.err;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const CompanionRun single = RunCompanion(cases[i].arguments);
        ASSERT_NE(single.exitCode, 0) << cases[i].row;
        // "varelio-cli: --day takes ...\nTry ..." or the window's message alone.
        std::string reason = Lines(single.err).front();
        if (reason.starts_with("varelio-cli: --")) reason = reason.substr(std::string("varelio-cli: --").size());
        EXPECT_EQ(reasons[i], "varelio-cli: row " + std::to_string(i + 3) + ": " + reason);
    }
}

// The utc-offset column is --utc-offset's: the exact offset, empty for the
// zone row's, refused like the option when it is no offset.
TEST_F(Batch, TheUtcOffsetColumn) {
    const std::string delhi = "Test,1,1,2000,17,30,34,,28,38,N,77,13,E,Delhi,Delhi,India,";
    const std::string text = std::string(kHeader) + ",utc-offset\n" + delhi + "+05:45\n" + delhi + "\n" + delhi +
                             "5:7\n" + delhi + "+99999999999:45\n";
    const CompanionRun run = RunCompanion({"varelio-cli", "--batch", Write(text)});
    EXPECT_EQ(run.exitCode, kExitSomeRowsRefused);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.err;
    const QJsonObject exact = testing::ParseJson(lines[0]);
    EXPECT_EQ(exact["birthData"]["utcOffsetSeconds"], 20700);  // the universal time it gives: the time scales'
    EXPECT_TRUE(testing::ParseJson(lines[1])["birthData"].toObject()["utcOffsetSeconds"].isNull());
    EXPECT_EQ(run.err, "varelio-cli: row 4: utc-offset takes the clock's offset from UT as +HH:MM or +HH:MM:SS, "
                       "from -14:00 to +14:00, not '5:7'\n"
                       "varelio-cli: row 5: utc-offset takes the clock's offset from UT as +HH:MM or +HH:MM:SS, "
                       "from -14:00 to +14:00, not '+99999999999:45'\n");
}

TEST_F(Batch, MalformedRowsAndFlagColumns) {
    const std::string text = std::string(kHeader) +
                             "\n"
                             "A,1,1,2000,17,30,34,maybe,28,38,N,77,13,E,Delhi,Delhi,India\n"
                             "B,1,1,2000,17,30,34,,28,38,X,77,13,E,Delhi,Delhi,India\n"
                             "C,1,1,2000,17,30,34,,28,38,N,77,13,U,Delhi,Delhi,India\n"
                             "D,1,1,2000\n"
                             "Dee\n"
                             "E\xff,1,1,2000,17,30,34,,28,38,N,77,13,E,Delhi,Delhi,India\n"
                             "F\"x,1,1,2000,17,30,34,,28,38,N,77,13,E,Delhi,Delhi,India\n"
                             "\"H\nH\"x,1,1,2000,17,30,34,,28,38,N,77,13,E,Delhi,Delhi,India\n"
                             "I,1,1,2000,17,30,34,,28,38,N,77,13,E,Delhi,Delhi,India\r"
                             "G,1,1,2000,17,30,34,YES,28,38,south,77,13,west,Delhi,Delhi,\"India\n"
                             "J,1,1,2000,17,30,34,,28,38,N,77,13,E,Delhi,Delhi,India\n";
    const CompanionRun run = RunCompanion({"varelio-cli", "--batch", Write(text)});
    EXPECT_EQ(run.exitCode, kExitSomeRowsRefused);
    EXPECT_EQ(Lines(run.out).size(), 1u);  // row 13's, after the stray quote
    EXPECT_EQ(run.err,
              "varelio-cli: row 2: dst takes yes or no, not 'maybe'\n"
              "varelio-cli: row 3: lat-dir takes N or S, not 'X'\n"
              "varelio-cli: row 4: lon-dir takes E or W, not 'U'\n"
              "varelio-cli: row 5: has 4 fields where the header has 17\n"
              "varelio-cli: row 6: has 1 field where the header has 17\n"
              "varelio-cli: row 7: is not UTF-8 text\n"
              "varelio-cli: row 8: a quote inside a field that does not start with one\n"
              "varelio-cli: rows 9 to 10: a closing quote is followed by more than a comma\n"
              "varelio-cli: row 11: ends in a carriage return alone; only LF and CR LF line ends are read\n"
              "varelio-cli: row 12: a quote opened in row 12 is never closed\n");

    // The flag columns' other spellings; columns left out take the options' defaults.
    const CompanionRun flags = RunCompanion(
        {"varelio-cli", "--batch",
         Write("country,name,lat-dir,lat-deg,lat-min,lon-dir,lon-deg,lon-min,city,state,dst\n"
               "India,Test,s,28,38,West,77,13,Delhi,Delhi,1\n",
               "flags.csv")});
    ASSERT_EQ(flags.exitCode, 0) << flags.err;
    const QJsonObject birth = testing::ParseJson(flags.out)["birthData"].toObject();
    EXPECT_EQ(birth["south"].toBool(), true);
    EXPECT_EQ(birth["east"].toBool(), false);
    EXPECT_EQ(birth["dst"].toBool(), true);
    EXPECT_EQ(birth["year"].toInt(), 1901);  // the form's first entry, as without --year
}

TEST_F(Batch, HeaderProblemsStopTheBatch) {
    const std::string columns =
        "; the columns are name, day, month, year, hour, minute, zone, dst, lat-deg, lat-min, lat-dir, lon-deg, "
        "lon-min, lon-dir, city, state, country, utc-offset\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", "varelio-cli: the batch holds no header\n"},
        {"name,day,colour\nA,1,red\n", "varelio-cli: the header names an unknown column 'colour'" + columns},
        {"name,day, name\n", "varelio-cli: the header names the column 'name' twice\n"},
        // Neither an invalid byte nor a byte-order mark (one not at the start) is echoed as it is.
        {"name,d\xffy\n", "varelio-cli: the header names an unknown column 'd\\xffy'" + columns},
        {"\n\xEF\xBB\xBFname,day\n", "varelio-cli: the header names an unknown column '\\ufeffname'" + columns},
        {"na\"me,day\n",
         "varelio-cli: the header (row 1) cannot be read: a quote inside a field that does not start with one\n"},
        {"name,day\rA,1\r",
         "varelio-cli: the header (row 1) ends in a carriage return alone; only LF and CR LF line ends are read\n"},
    };
    for (const auto& [text, message] : cases) {
        const CompanionRun run = RunCompanion({"varelio-cli", "--batch", Write(text)});
        EXPECT_EQ(run.exitCode, kExitRefused) << text;
        EXPECT_EQ(run.err, message);
        EXPECT_EQ(run.out, "");
    }
    // A header that never ends is refused once it is too long, at once.
    EXPECT_EQ(RunCompanion({"varelio-cli", "--batch", "/dev/zero"}).err,
              "varelio-cli: the header (row 1) is longer than 65536 bytes\n");
    const CompanionRun missing = RunCompanion({"varelio-cli", "--batch", dir.filePath("absent.csv")});
    EXPECT_EQ(missing.exitCode, kExitRefused);
    EXPECT_TRUE(missing.err.starts_with("varelio-cli: cannot read '")) << missing.err;

    const CompanionRun empty = RunCompanion({"varelio-cli", "--batch", Write("\xEF\xBB\xBFname,day\r\n\r\n")});
    EXPECT_EQ(empty.exitCode, 0) << empty.err;
    EXPECT_EQ(empty.out, "");
}

TEST_F(Batch, OptionsThatDoNotGoWithIt) {
    const QStringList cases[] = {
        {"varelio-cli", "--batch", "x.csv", "--name", "A"},
        {"varelio-cli", "--batch", "x.csv", "--south"},
        {"varelio-cli", "--batch", "x.csv", "--open", "a.vrl"},
        {"varelio-cli", "--batch", "x.csv", "--format", "text"},
        {"varelio-cli", "--batch", "x.csv", "--jobs", "0"},
        {"varelio-cli", "--batch", "x.csv", "--jobs", "257"},
        testing::DelhiArguments() << "--format" << "csv",
        testing::DelhiArguments() << "--jobs" << "2",
    };
    for (const QStringList& args : cases) {
        const CompanionRun run = RunCompanion(args);
        EXPECT_EQ(run.exitCode, kExitRefused) << testing::Show(args).toStdString();
        EXPECT_TRUE(run.err.starts_with("varelio-cli: --")) << run.err;
    }
}

TEST_F(Batch, StandardInputGivesWhatTheFileGives) {
    const std::vector<Birth> births = Births(500);
    std::string text = std::string(kHeader) + "\r\n";
    for (std::size_t i = 0; i < births.size(); ++i) text += Line(births[i], i);
    text += "X,31,4,2000,17,30,34,no,28,38,N,77,13,E,Delhi,Delhi,India";  // no line end after the last row
    const CompanionRun fromFile = RunCompanion({"varelio-cli", "--batch", Write(text)});
    ASSERT_EQ(fromFile.exitCode, kExitSomeRowsRefused);
    ASSERT_EQ(Lines(fromFile.out).size(), births.size());

    const testing::ProcessRun piped = testing::RunProcess({"--batch", "-"}, text);
    EXPECT_EQ(piped.exitCode, kExitSomeRowsRefused);
    EXPECT_EQ(piped.out, fromFile.out);
    EXPECT_EQ(piped.err, "varelio-cli: row 502: Please Enter Correct Date Or Month !\n");
}

// Stopped part way, by a read error after the last row or within one, or by
// memory running out in a worker: the rows before are written whole, a row
// read in part is not computed, and the batch says after how many it stopped.
TEST_F(Batch, StoppedPartWayKeepsTheRowsBefore) {
    std::vector<Birth> births = Births(1000);
    births[600].name = std::string(60000, '\x01');  // written as 240 kB of "\x01"; a chunk of others takes 70 kB
    const std::string text = BatchText(births);
    const std::vector<std::string> whole = Lines(RunCompanion({"varelio-cli", "--batch", Write(text), "--format", "csv"}).out);
    cookie_io_functions_t failsAtTheEnd{};  // serves the text, then a read error
    failsAtTheEnd.read = [](void* cookie, char* buffer, std::size_t size) -> ssize_t {
        auto& rest = *static_cast<std::string_view*>(cookie);
        const std::size_t count = std::min(size, rest.size());
        std::memcpy(buffer, rest.data(), count);
        rest.remove_prefix(count);
        errno = EIO;
        return count > 0 ? static_cast<ssize_t>(count) : -1;
    };
    // The error a byte before the end of row 704 (bare fields), whose fields are all there but for the last letter.
    std::size_t rowEnd = 0;
    for (int line = 0; line < 704; ++line) rowEnd = text.find('\n', rowEnd) + 1;
    const std::pair<std::size_t, std::size_t> cases[] = {{text.size(), 0}, {rowEnd - 2, 0}, {text.size(), 400 * 1024}};
    for (const auto& [readable, failFrom] : cases) {
        std::string_view rest = std::string_view(text).substr(0, readable);
        std::FILE* input = fopencookie(&rest, "r", failsAtTheEnd);
        char *out = nullptr, *err = nullptr;
        std::size_t outSize = 0, errSize = 0;
        std::FILE *outStream = open_memstream(&out, &outSize), *errStream = open_memstream(&err, &errSize);
        gFailAllocationsFrom = failFrom;
        const BatchOutcome outcome = RunBatch(input, outStream, errStream, BatchSettings{.format = BatchFormat::Csv, .workers = 2});
        gFailAllocationsFrom = 0;
        for (std::FILE* stream : {input, outStream, errStream}) std::fclose(stream);
        const std::vector<std::string> lines = Lines(std::string(out, outSize));  // the header and the rows
        const std::string said(err, errSize);
        std::free(out);
        std::free(err);

        EXPECT_EQ(outcome.exitCode, kExitBatchStopped);
        const std::string after = "after " + std::to_string(lines.size() - 1) + " rows";
        // Memory short in one of two workers: the other tries, and gives up.
        EXPECT_EQ(said, failFrom == 0 ? "varelio-cli: cannot read the batch " + after + ": " + std::strerror(EIO) + "\n"
                                      : "varelio-cli: memory ran short with 2 workers; the batch went on with 1\n"
                                        "varelio-cli: ran out of memory " + after + "; the rest was not computed\n");
        const auto wholeLines = static_cast<std::size_t>(std::count(text.begin(), text.begin() + readable, '\n'));
        EXPECT_TRUE(failFrom == 0 ? lines.size() == wholeLines : lines.size() > 1 && lines.size() <= 601) << lines.size();
        EXPECT_TRUE(std::equal(lines.begin(), lines.end(), whole.begin()));
    }
}

// Workers that cannot start leave the batch to fewer, or to the reading
// thread alone: the child runs as nobody, whose processes and threads are
// limited (root's are not).
TEST_F(Batch, WorkersThatCannotStartLeaveItToFewer) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to run the companion as another user";
    const std::string text = BatchText(Births(2000));
    const CompanionRun expected = RunCompanion({"varelio-cli", "--batch", Write(text)});
    // LeakSanitizer, in a build that has it, checks at exit from a thread of
    // its own, which the limit does not allow.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":detect_leaks=0");
    const std::pair<rlim_t, const char*> cases[] = {
        {4, "; the batch goes on with "},
        {1, "only 0 of 256 workers could start (Resource temporarily unavailable); the batch goes on in one thread\n"},
    };
    for (const auto& [threads, said] : cases) {
        const rlim_t limit = threads;
        const auto asNobody = [limit] {
            const rlimit processes{limit, limit};
            if (setgid(65534) != 0 || setuid(65534) != 0 || setrlimit(RLIMIT_NPROC, &processes) != 0) _exit(99);
        };
        const testing::ProcessRun run =
            testing::RunProcess({"--batch", "-", "--jobs", "256"}, text, asNobody, {}, environment);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_TRUE(run.err.starts_with("varelio-cli: only ") && run.err.find(said) != std::string::npos) << run.err;
        EXPECT_TRUE(run.out == expected.out);
    }
}

// Ctrl-C or SIGTERM, while rows are being written or while more input is
// awaited: the rows in hand are finished, the output ends on a whole line,
// and the exit code (130, 143) and standard error say how far it came.
TEST_F(Batch, SignalsStopItOnAWholeLine) {
    // Enough rows that a loaded machine cannot finish them all between the
    // header and the signal.
    const std::string text = BatchText(Births(200000));
    const QString file = Write(text);
    const std::string whole = RunCompanion({"varelio-cli", "--batch", file, "--format", "csv"}).out;
    for (const int signal : {SIGINT, SIGTERM}) {
        for (const bool piped : {false, true}) {
            QProcess process;
            process.start(VARELIO_CLI_PATH, {"--batch", piped ? "-" : file, "--format", "csv"});
            // More than the reader's 64 kB, and the input stays open.
            if (piped) process.write(text.data(), 70000);
            // The CSV header comes once the batch takes the signals.
            ASSERT_TRUE(process.waitForReadyRead(10000));
            ::kill(static_cast<pid_t>(process.processId()), signal);
            ASSERT_TRUE(process.waitForFinished(10000)) << "still waiting for input";
            const std::string out = process.readAllStandardOutput().toStdString();
            const std::string err = process.readAllStandardError().toStdString();
            const long rows = std::count(out.begin(), out.end(), '\n') - 1;
            SCOPED_TRACE(err);
            EXPECT_EQ(process.exitCode(), kExitSignalBase + signal);
            EXPECT_EQ(err, "varelio-cli: interrupted by " + std::string(signal == SIGINT ? "SIGINT" : "SIGTERM") +
                               " after " + std::to_string(rows) + (rows == 1 ? " row" : " rows") +
                               "; the rest was not computed\n");
            EXPECT_TRUE(out.ends_with('\n') && whole.starts_with(out));
        }
    }
}

// --jobs 256 under a limit on memory: the threads take what there is, the
// rows find none left, and the batch goes on with fewer workers rather than
// stop. The limit is the companion's own size, measured, and room for some
// 80 threads.
TEST_F(Batch, MemoryShortLeavesItToFewerWorkers) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer reserves more address space than any limit allows";
#endif
    const std::string text = BatchText(Births(3000));
    QProcess waiting;  // for the rest of its input
    waiting.start(VARELIO_CLI_PATH, {"--batch", "-", "--format", "csv", "--jobs", "1"});
    waiting.write(text.data(), 70000);
    ASSERT_TRUE(waiting.waitForReadyRead(10000));
    QFile status(QStringLiteral("/proc/%1/status").arg(waiting.processId()));
    ASSERT_TRUE(status.open(QIODevice::ReadOnly));
    const QByteArray lines = status.readAll();
    const qsizetype at = lines.indexOf("VmSize:");
    const rlim_t kilobytes = lines.mid(at + 7, lines.indexOf("kB", at) - at - 7).trimmed().toULongLong();
    waiting.kill();
    waiting.waitForFinished();
    ASSERT_TRUE(at >= 0 && kilobytes > 0) << lines.toStdString();
    const rlim_t bytes = (kilobytes + 40 * 1024) * 1024;

    const CompanionRun expected = RunCompanion({"varelio-cli", "--batch", Write(text)});
    const auto limited = [bytes] {
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_AS, &limit);
    };
    const testing::ProcessRun run = testing::RunProcess({"--batch", "-", "--jobs", "256"}, text, limited);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out == expected.out);
    EXPECT_NE(run.err.find("memory ran short with "), std::string::npos) << run.err;
}

TEST_F(Batch, OutputThatCannotBeWrittenStopsWithExitCodeOne) {
    const auto limited = [] {
        const rlimit limit{64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        signal(SIGXFSZ, SIG_DFL);
    };
    const testing::ProcessRun run =
        testing::RunProcess({"--batch", Write(BatchText(Births(200)))}, {}, limited, dir.filePath("out.jsonl"));
    EXPECT_EQ(run.exitCode, kExitWriteFailed);  // -2 had the signal ended it
    EXPECT_NE(run.err.find("could not write the output: File too large"), std::string::npos);
    // Cut back to the last whole row.
    QFile out(dir.filePath("out.jsonl"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QByteArray written = out.readAll();
    EXPECT_TRUE(written.size() > 0 && written.endsWith('\n')) << written.size();
}

}  // namespace
}  // namespace varelio::cli
