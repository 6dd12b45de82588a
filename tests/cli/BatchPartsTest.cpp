// The batch's parts against what they stand in for: the CSV reader against
// RFC 4180, the JSON writer against QJsonDocument, the number fields' blank
// trimming against QString::trimmed.
#include "cli/BirthOptions.h"
#include "cli/Csv.h"
#include "cli/JsonWriter.h"
#include "reading/Reading.h"

#include "tests/support/SampleBirths.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace varelio::cli {
namespace {

struct Read {
    std::vector<std::vector<std::string>> fields;
    std::vector<long> rows;
    std::vector<CsvProblem> problems;
    std::vector<long> quoteRows;
};

Read ReadAll(std::string text) {
    std::FILE* input = fmemopen(text.data(), text.size(), "r");
    CsvReader reader(input);
    CsvRecords records;
    while (reader.ReadRecord(records)) {
    }
    std::fclose(input);
    Read read;
    for (const auto& record : records.records) {
        auto& fields = read.fields.emplace_back();
        for (std::size_t i = 0; i < record.fieldCount; ++i) fields.emplace_back(records.Field(record, i));
        read.rows.push_back(record.row);
        read.problems.push_back(record.problem);
        read.quoteRows.push_back(record.quoteRow);
    }
    return read;
}

using Fields = std::vector<std::vector<std::string>>;
using Problems = std::vector<CsvProblem>;
constexpr CsvProblem kNone = CsvProblem::None;

TEST(CsvReader, QuotedFieldsLineEndsAndRowNumbers) {
    const Read read = ReadAll(
        "\xEF\xBB\xBF" "a,b,c\r\n"
        "\"x, y\",\"say \"\"hi\"\"\",\r\n"
        "\n"
        "\"two\nlines\",,\"\"\n"
        "lone\rcr, \"blank\" ,last");
    EXPECT_EQ(read.fields, (Fields{{"a", "b", "c"},
                                   {"x, y", "say \"hi\"", ""},
                                   {"two\nlines", "", ""},
                                   {"lone"},
                                   {"cr", " \"blank\" ", "last"}}));
    EXPECT_EQ(read.rows, (std::vector<long>{1, 2, 4, 6, 7}));
    // A CR alone ends its line, and says that only LF and CR LF are read.
    EXPECT_EQ(read.problems, (Problems{kNone, kNone, kNone, CsvProblem::CarriageReturnAlone,
                                       CsvProblem::QuoteInsideField}));
}

TEST(CsvReader, ProblemsStayWithTheirRecord) {
    const std::string longField(kMaxRecordBytes, 'x');
    const Read read = ReadAll("\"a\"b,c\n" + longField + ",y\nok,1\n\"open,\nstill open");
    EXPECT_EQ(read.problems, (Problems{CsvProblem::TextAfterClosingQuote, CsvProblem::TooLong, kNone,
                                       CsvProblem::QuoteNeverClosed, kNone}));
    EXPECT_TRUE(read.fields[1].empty());
    EXPECT_EQ(read.fields[2], (std::vector<std::string>{"ok", "1"}));
    EXPECT_EQ(read.fields[4], (std::vector<std::string>{"still open"}));
    EXPECT_EQ(read.rows, (std::vector<long>{1, 2, 3, 4, 5}));
}

// A quote that never closes, by the end of the input or within a record's
// length, is refused where it opened; every line after it is read as a row.
TEST(CsvReader, StrayQuoteSwallowsNoRow) {
    std::string rows;  // each with a doubled quote that a stray quote before it would take as one
    for (int i = 0; i < 2000; ++i) rows += "r" + std::to_string(i) + ",\"\",x\n";
    const std::pair<std::string, long> cases[] = {
        {"h\nA,\"1\nB,2\n", 2},                                                          // open at the end
        {"h\nA,\"1\n" + rows, 2},                                                         // open past the limit
        {"h\nA,1\nB,\"open" + std::string(kMaxRecordBytes, 'z') + "\n" + rows, 3},       // on its own long line
    };
    for (const auto& [text, quoteRow] : cases) {
        const Read read = ReadAll(text);
        const auto refused = std::find(read.problems.begin(), read.problems.end(), CsvProblem::QuoteNeverClosed);
        ASSERT_NE(refused, read.problems.end()) << text.substr(0, 20);
        const std::size_t at = static_cast<std::size_t>(refused - read.problems.begin());
        EXPECT_EQ(read.rows[at], quoteRow);
        EXPECT_EQ(read.quoteRows[at], quoteRow);
        EXPECT_EQ(std::count(read.problems.begin(), read.problems.end(), kNone),
                  static_cast<long>(read.problems.size()) - 1);
        // Every line of the input is a record, numbered by its line.
        for (std::size_t i = 0; i < read.rows.size(); ++i) EXPECT_EQ(read.rows[i], static_cast<long>(i) + 1);
        if (text.size() > kMaxRecordBytes) {
            EXPECT_EQ(read.fields.back(), (std::vector<std::string>{"r1999", "", "x"}));
        }
    }
}

TEST(CsvField, QuotedOnlyWhenItMustBe) {
    const std::pair<const char*, const char*> cases[] = {
        {"plain", "plain"}, {"a,b", "\"a,b\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""}, {" padded", "\" padded\""}, {"", ""},
    };
    for (const auto& [field, written] : cases) {
        std::string out;
        AppendCsvField(field, out);
        EXPECT_EQ(out, written);
        EXPECT_EQ(ReadAll(out + ",end\n").fields[0][0], field);
    }
}

std::string QtCompact(const QJsonValue& value) {
    return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).toStdString();
}

std::string OursInArray(void (*append)(std::string&, const void*), const void* value) {
    std::string out = "[";
    append(out, value);
    return out + "]";
}

TEST(JsonWriter, NumbersAsQJsonDocumentWritesThem) {
    std::vector<double> values = {0.0, -0.0, 1.0, -1.0, 0.1, 1e-5, 1e-4, 1.5e-4, 0.001, 123.456, 2451545.0,
                                  2451545.25, 1e15, 4503599627370497.0, 9007199254740992.0, 9007199254740993.0,
                                  1e16, 1.5e17, 12345678901234567890.0, 1e21, 1e300, 5e-324,
                                  std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity(),
                                  std::nan("")};
    std::mt19937_64 rng(7);
    for (int i = 0; i < 20000; ++i) {
        const double mantissa = std::uniform_real_distribution<double>(-10, 10)(rng);
        const int exponent = std::uniform_int_distribution<int>(-12, 22)(rng);
        values.push_back(i % 5 == 0 ? std::round(mantissa * std::pow(10.0, exponent))
                                    : mantissa * std::pow(10.0, exponent));
    }
    for (const double value : values) {
        const std::string ours = OursInArray(
            [](std::string& out, const void* v) { AppendJsonNumber(*static_cast<const double*>(v), out); }, &value);
        ASSERT_EQ(ours, QtCompact(value)) << std::hexfloat << value;
    }
}

// The writer's own shortest digits of a fraction against to_chars, on the
// doubles it formats itself (2^-12 to 2^53) and beyond, on both sides of
// powers of ten and two, where the digits and the form change.
TEST(JsonWriter, FractionsAsToCharsWritesThem) {
    std::mt19937_64 rng(11);
    std::vector<double> values;
    for (int i = 0; i < 300000; ++i) {
        std::uint64_t bits = rng();
        bits = (bits & 0x800FFFFFFFFFFFFFULL) | (1000 + rng() % 130) << 52;  // 2^-75 to 2^54
        double value;
        std::memcpy(&value, &bits, sizeof value);
        values.push_back(value);
        values.push_back(static_cast<double>(rng() % 100000000000ULL) / std::pow(10.0, static_cast<int>(rng() % 18)));
        double edge = rng() % 2 == 0 ? std::pow(10.0, static_cast<int>(rng() % 24) - 6)
                                     : std::ldexp(1.0, static_cast<int>(rng() % 70) - 14);
        for (int step = static_cast<int>(rng() % 9) - 4; step != 0; step += step < 0 ? 1 : -1) {
            edge = std::nextafter(edge, step < 0 ? 0.0 : 1e300);
        }
        values.push_back(i % 2 == 0 ? edge : -edge);
    }
    for (const double value : values) {
        if (value == std::trunc(value) || !(std::fabs(value) < 9007199254740992.0)) continue;
        std::array<char, 64> expected;
        char* const end = std::to_chars(expected.data(), expected.data() + expected.size(), value).ptr;
        std::string ours;
        AppendJsonNumber(value, ours);
        ASSERT_EQ(ours, std::string(expected.data(), end)) << std::hexfloat << value;
    }
}

TEST(JsonWriter, StringsAsQJsonDocumentWritesThem) {
    std::string everyAscii;
    for (int c = 1; c < 0x80; ++c) everyAscii += static_cast<char>(c);
    const std::string cases[] = {
        "", everyAscii, std::string("nul\0inside", 10), "\"quoted\" \\ back\\slash \b\f\n\r\t",
        "Bh\u0101rat\u012b \u00e9\u2028\u2029\ufeff\ufffe\U0001F600\U0010FFFF \u0085\u009b",
        "0123456\"89abcdef\x1f", "long ascii run without anything to escape, well past eight bytes",
    };
    for (const std::string& text : cases) {
        const std::string ours = OursInArray(
            [](std::string& out, const void* v) { AppendJsonString(*static_cast<const std::string*>(v), out); },
            &text);
        EXPECT_EQ(ours, QtCompact(QString::fromStdString(text))) << text;
    }
    // Malformed bytes become U+FFFD, each, so the text stays well-formed.
    const std::pair<std::string, std::string> malformed[] = {
        {"a\xff", "\"a\xEF\xBF\xBD\""}, {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
        {"\xED\xA0\x80!", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD!\""},
        {"long ascii then a cut sequence \xE2\x82", "\"long ascii then a cut sequence \xEF\xBF\xBD\xEF\xBF\xBD\""},
    };
    for (const auto& [text, written] : malformed) {
        std::string out;
        AppendJsonString(text, out);
        EXPECT_EQ(out, written);
    }
}

// What QJsonDocument makes of the object ours writes: the same bytes, in
// either layout, when ours is well-formed and its keys in Qt's order.
void ExpectAsQJsonDocumentWritesIt(const Reading& reading, const std::string& what,
                                   const std::optional<std::pair<Place, ZoneEntry>>& place = {}) {
    std::string compact = "[", indented;  // appended to what is there
    if (place) {
        AppendReadingJson(reading, place->first, place->second, JsonLayout::Compact, compact);
        AppendReadingJson(reading, place->first, place->second, JsonLayout::Indented, indented);
    } else {
        AppendReadingJson(reading, JsonLayout::Compact, compact);
        AppendReadingJson(reading, JsonLayout::Indented, indented);
    }
    ASSERT_EQ(compact.front(), '[');
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(QByteArray::fromStdString(compact.substr(1)), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << ": " << what;
    EXPECT_EQ(compact.substr(1), parsed.toJson(QJsonDocument::Compact).toStdString()) << what;
    EXPECT_EQ(indented, parsed.toJson(QJsonDocument::Indented).toStdString()) << what;
}

// Whole readings, names and places with every kind of character among them.
TEST(JsonWriter, ReadingsAsQJsonDocumentWritesThem) {
    const char* const names[] = {"Asha Rao", "Rao, \"A\"\\B", "tab\there\nnew\x01", "Bh\u0101rat \U0001F600"};
    std::mt19937 rng(11);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    for (int i = 0; i < 400; ++i) {
        FormValues form = samples::DelhiForm(names[i % 4]);
        form.dayIndex = pick(0, 27);
        form.monthIndex = pick(0, 11);
        form.yearIndex = pick(0, 149);
        form.hourIndex = pick(0, 24);
        form.minuteIndex = pick(0, 59);
        form.zoneIndex = pick(0, 70);
        form.latDeg = std::to_string(pick(0, 89));
        form.lonDeg = std::to_string(pick(0, 179));
        form.latDirection = pick(0, 1);
        form.lonDirection = pick(0, 1);
        form.dst = pick(0, 1) == 1;
        form.city = names[(i + 1) % 4];
        if (i % 5 == 1) form.utcOffset = UtcOffsetFieldText(pick(-kMaxUtcOffsetSeconds, kMaxUtcOffsetSeconds));
        // A place as --place gives it, its zone found or not.
        Place place{0, names[i % 4], names[(i + 2) % 4], "India", "", "", "", "IN", "Asia/Kolkata",
                    pick(-900, 900) / 10.0, pick(-1800, 1800) / 7.0, 0, {}};
        ZoneEntry zone;
        zone.note.zoneId = place.zoneId;
        zone.note.kind = ZoneNote::Kind::ZoneUnknown;
        if (i % 3 == 0) {
            zone.found = true;
            zone.facts.utcOffsetSeconds = pick(-50000, 50000);
            zone.choice.zoneIndex = pick(0, 70);
            zone.choice.dst = i % 2 == 0;
            zone.note.kind = ZoneNote::Kind::Chosen;
            zone.note.facts = zone.facts;
            zone.note.choice = zone.choice;
        }
        ExpectAsQJsonDocumentWritesIt(samples::ReadingOf(form), samples::Describe(form),
                                      i % 4 == 0 ? std::nullopt : std::optional(std::pair(place, zone)));
    }
}

// No length of text passes the room the writer makes: a name of 100 kB, every
// character of it escaped or several bytes long.
TEST(JsonWriter, LongTextsGrowTheOutput) {
    Reading reading = samples::ReadingOf(samples::DelhiForm());
    std::string name;
    while (name.size() < 100 * 1024) name += "\x01\"\\\n\u00e9\U0001F600";
    reading.birthData.name = name;
    reading.birthData.city = name + name;
    ExpectAsQJsonDocumentWritesIt(reading, "100 kB name");

    std::string compact;
    AppendReadingJson(reading, JsonLayout::Compact, compact);
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(compact)).object();
    EXPECT_EQ(json["birthData"]["name"].toString(), QString::fromStdString(name));
    EXPECT_EQ(json["birthData"]["city"].toString(), QString::fromStdString(name + name));
}

TEST(TrimSpaces, DropsWhatQStringTrimmedDrops) {
    for (char32_t code = 1; code < 0x10000; ++code) {
        if (code >= 0xD800 && code < 0xE000) continue;
        const QString c = QString(QChar(static_cast<char16_t>(code)));
        const std::string utf8 = c.toStdString();
        const std::string padded = utf8 + "12" + utf8;
        const std::string expected = (c + "12" + c).trimmed().toStdString();
        ASSERT_EQ(std::string(TrimSpaces(padded)), expected) << "U+" << std::hex << static_cast<int>(code);
    }
    EXPECT_EQ(TrimSpaces("\xC2"), "\xC2");          // a lead byte alone
    EXPECT_EQ(TrimSpaces("1\xC0\xA0"), "1\xC0\xA0");  // an overlong space is no space
}

}  // namespace
}  // namespace varelio::cli
