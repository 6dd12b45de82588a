#include "formats/ReadingFile.h"

#include "tests/support/BirthForms.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace varelio {
namespace {

using samples::Describe;

FormValues FilledForm() { return samples::MumbaiForm(); }

// A file of plain Windows-1252 lines, each encoded and ended.
std::string FileOf(const std::vector<std::string>& plainLines, const std::string& ending = "\r\n") {
    std::string file;
    for (const std::string& line : plainLines) file += EncodeLine(line) + ending;
    return file;
}

const std::vector<std::string> kMumbaiLines = {
    "Asha Rao", "3", "7", "1985", "9", "5", "34", "72", "50", "18", "58",
    "True", "False", "False", "Mumbai", "Maharashtra", "India"};

BirthData MumbaiBirth() { return samples::BirthOf(samples::kMumbai1985); }

FormValues Opened(const std::string& file, FormValues form = InitialFormValues()) {
    ApplyReadingLines(DecodeReadingFile(file), form);
    return form;
}

TEST(LineScrambling, StorableBytesRoundTripOthersAreLeftOut) {
    std::string storable;
    for (int b = 0; b + kLineShift <= 255; ++b) storable.push_back(static_cast<char>(b));
    const std::string encoded = EncodeLine(storable);
    ASSERT_EQ(encoded.size(), storable.size());
    EXPECT_EQ(static_cast<unsigned char>(encoded[0]), kLineShift);
    EXPECT_EQ(encoded.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(DecodeLine(encoded), storable);

    const char firstUnstorable = static_cast<char>(256 - kLineShift);
    EXPECT_EQ(EncodeLine(std::string("a") + firstUnstorable + "b\xFF"), EncodeLine("ab"));
    const char belowShift = static_cast<char>(kLineShift - 1);
    EXPECT_EQ(DecodeLine(std::string("\0", 1) + belowShift + EncodeLine("xy") + "\n"), "xy");
}

TEST(ReadingFileWriter, WritesSeventeenTrimmedEncodedLines) {
    BirthData birth = MumbaiBirth();
    birth.name = "  Asha Rao  ";
    const Result<std::string> result = ComposeReadingFile(birth, 34);
    ASSERT_TRUE(result.ok()) << "refused " << result.problem().detail;
    EXPECT_EQ(result.value(), FileOf(kMumbaiLines));

    birth.lonDegrees = -5;
    birth.east = false;
    birth.south = true;
    birth.dst = true;
    const ReadingLines lines = DecodeReadingFile(ComposeReadingFile(birth, 0).value());
    EXPECT_EQ(std::vector<std::string>({lines[6], lines[7], lines[11], lines[12], lines[13]}),
              std::vector<std::string>({"0", "-5", "False", "True", "True"}));
}

TEST(ReadingFileWriter, RefusesValuesThatCannotBeStoredAndNamesTheField) {
    struct Case {
        std::string what;
        void (*change)(BirthData&);
        std::string field;  // empty: the file is written
    };
    const std::vector<Case> cases = {
        {"name outside the code page", [](BirthData& b) { b.name = "R\u0101m"; }, "name"},
        {"name with y diaeresis, code 255", [](BirthData& b) { b.name = "\u00FFves"; }, "name"},
        {"city with i grave, code 236", [](BirthData& b) { b.city = "\u00ECa"; }, "city"},
        {"state in Devanagari", [](BirthData& b) { b.state = "\u092E"; }, "state"},
        {"country with o diaeresis", [](BirthData& b) { b.country = "K\u00F6ln"; }, "country"},
        {"name and city both bad", [](BirthData& b) { b.name = b.city = "\u00FF"; }, "name"},
        {"invalid UTF-8 in the city", [](BirthData& b) { b.city = "a\xC3"; }, "city"},
        {"city with e diaeresis, code 235", [](BirthData& b) { b.city = "No\u00EBl"; }, ""},
        {"name with the euro sign", [](BirthData& b) { b.name = "\u20AC"; }, ""},
    };
    for (const Case& c : cases) {
        BirthData birth = MumbaiBirth();
        c.change(birth);
        const Result<std::string> result = ComposeReadingFile(birth, 34);
        EXPECT_EQ(result.ok(), c.field.empty()) << "case: " << c.what;
        if (!result) {
            EXPECT_EQ(result.problem().detail, c.field) << "case: " << c.what;
        }
    }
}

TEST(ReadingFileReader, SavedThenOpenedReproducesTheForm) {
    FormValues original = FilledForm();
    original.name = "Jos\u00E9 d'Souza";
    original.latDirection = original.lonDirection = 1;
    original.dst = true;
    original.dayIndex = 28;
    original.monthIndex = 1;
    original.yearIndex = 103;  // 29 February 2004
    original.hourIndex = 24;
    original.minuteIndex = 59;
    original.zoneIndex = 70;
    BirthData birth;
    CopyFormToBirthData(original, birth);
    const Result<std::string> file = ComposeReadingFile(birth, original.zoneIndex);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(Describe(Opened(file.value())), Describe(original));
}

TEST(ReadingFileReader, TenLineFileLeavesLatitudeMinutesToCountryEmpty) {
    const FormValues form = Opened(FileOf({kMumbaiLines.begin(), kMumbaiLines.begin() + 10}), FilledForm());
    EXPECT_EQ(Describe(form), "name=Asha Rao d/m/y=6/2/84 h:m=9:5 zone=34 lat=18, lon=72,50 dirs=00 dst=0 place=||");
    const auto checked = ValidateForm(form, true);
    ASSERT_FALSE(checked.ok());
    EXPECT_EQ(checked.problem().code, ProblemCode::LatitudeMinutesMissing);
}

// The control a file line fills, as a number (flags as 0 or 1).
int ControlOf(const FormValues& form, std::size_t line) {
    switch (line) {
        case 1: return form.monthIndex;
        case 2: return form.dayIndex;
        case 3: return form.yearIndex;
        case 4: return form.hourIndex;
        case 5: return form.minuteIndex;
        case 6: return form.zoneIndex;
        case 11: return form.lonDirection;
        case 12: return form.latDirection;
        case 13: return form.dst ? 1 : 0;
        default: return -100;
    }
}

TEST(ReadingFileReader, ValuesThatDoNotFitLeaveTheirControlAlone) {
    struct Case {
        std::size_t line;
        std::string text;
        int expected;  // the control afterwards; the initial form holds 0 in each
    };
    const std::vector<Case> cases = {
        {1, "12", 11}, {1, "0", 0}, {1, "13", 0}, {1, "x", 0}, {1, "-3", 0},
        {2, "7", 6}, {2, "31", 30}, {2, "07", 0}, {2, "32", 0}, {2, " 7", 0},
        {3, "1985", 84}, {3, "1900", 0}, {3, "2051", 0},
        {4, "24", 24}, {4, "25", 0},
        {5, "59", 59}, {5, "60", 0}, {5, "5.0", 0},
        {6, "34", 34}, {6, "70", 70}, {6, "71", 0}, {6, "-1", 0},
        {11, "False", 1}, {11, "false", 0}, {12, "True", 1}, {12, "TRUE", 0}, {13, "True", 1}, {13, "1", 0},
    };
    for (const Case& c : cases) {
        std::vector<std::string> plain(kReadingFileLines);
        plain[c.line] = c.text;
        const FormValues form = Opened(FileOf(plain));
        for (std::size_t line : {1, 2, 3, 4, 5, 6, 11, 12, 13}) {
            EXPECT_EQ(ControlOf(form, line), line == c.line ? c.expected : 0)
                << "control of line " << line << " after line " << c.line << " = \"" << c.text << "\"";
        }
    }
}

TEST(ReadingFileReader, TrueSelectsEastAndFalseNorth) {
    FormValues form = InitialFormValues();
    form.lonDirection = form.latDirection = 1;
    form.dst = true;
    std::vector<std::string> plain(kReadingFileLines);
    plain[11] = "True";
    plain[12] = plain[13] = "False";
    EXPECT_EQ(Describe(Opened(FileOf(plain), form)), Describe(InitialFormValues()));
}

TEST(ReadingFileReader, DegreeAndMinuteTextsAreCutToThreeCharacters) {
    std::vector<std::string> plain = kMumbaiLines;
    plain[7] = "1234";
    plain[8] = "\xE9\xE9\xE9\xE9";  // three e acute are six UTF-8 bytes
    const FormValues form = Opened(FileOf(plain));
    EXPECT_EQ(form.lonDeg, "123");
    EXPECT_EQ(form.lonMin, "\u00E9\u00E9\u00E9");
}

TEST(ReadingFileReader, LineEndsMissingEndsExtraLinesAndNuls) {
    std::vector<std::string> withOffset = kMumbaiLines;
    withOffset.push_back("+05:45");
    for (const std::string ending : {"\r\n", "\n", "\r"}) {
        std::vector<std::string> plain = withOffset;
        plain.push_back("a nineteenth line");
        std::string file = FileOf(plain, ending);
        file.resize(file.size() - ending.size());
        const ReadingLines lines = DecodeReadingFile(file);
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), withOffset) << "ending " << ending.size();
    }
    const std::string nuls = std::string("\0", 1) + EncodeLine("Asha") + std::string("\0\r\n\0\r\n", 6) + EncodeLine("3");
    const ReadingLines lines = DecodeReadingFile(nuls);
    EXPECT_EQ(std::vector<std::string>({lines[0], lines[1], lines[2], lines[3]}),
              std::vector<std::string>({"Asha", "", "3", ""}));
}

// An exact offset rides on an 18th line; the 17 before it are what a birth on
// the nearest row, the box clear, writes, so a reader of 17 lines computes
// with that row. A file of 17 lines opens as it always has: on its row.
TEST(ReadingFileExactOffset, EighteenthLineRoundTripsAndSeventeenLinesKeepTheRow) {
    struct Case { int offsetSeconds; std::string_view line; int nearestRow; };
    const Case cases[] = {{20700, "+05:45", 34}, {21200, "+05:53:20", 65}, {-16200, "-04:30", 3}, {17460, "+04:51", 64}};
    for (const Case& c : cases) {
        BirthData birth = MumbaiBirth();
        birth.dst = true;  // the box of the row, not the offset's: the offset holds any summer time
        birth.utcOffsetSeconds = c.offsetSeconds;
        const std::string file = ComposeReadingFile(birth, 0).value();
        FormValues form = Opened(file);
        EXPECT_EQ(form.utcOffset, c.line);
        BirthData reopened;
        CopyFormToBirthData(form, reopened);
        EXPECT_EQ(reopened.utcOffsetSeconds, c.offsetSeconds) << c.line;
        EXPECT_EQ(ComposeReadingFile(reopened, form.zoneIndex).value(), file) << c.line;

        const std::string seventeen = ComposeReadingFile(MumbaiBirth(), c.nearestRow).value();
        EXPECT_EQ(file, seventeen + EncodeLine(std::string(c.line)) + "\r\n") << c.line;
        form.utcOffset = "+01:00";  // left from an earlier birth
        ApplyReadingLines(DecodeReadingFile(seventeen), form);
        EXPECT_EQ(form.utcOffset, "") << "a file of 17 lines computes with its row";
        EXPECT_EQ(form.zoneIndex, c.nearestRow);
        EXPECT_FALSE(form.dst);
    }
}

// A bad 18th line is the form's exact offset as it stands, and coordinates
// past their limits are the form's texts: the form's check refuses either
// when the reading is computed.
TEST(ReadingFileExactOffset, BadOffsetsAndCoordinatesAreRefusedWhenComputed) {
    struct Case { std::size_t line; const char* text; ProblemCode code; };
    const Case cases[] = {
        {17, "+5", ProblemCode::UtcOffsetInvalid},         {17, "05:45 IST", ProblemCode::UtcOffsetInvalid},
        {17, "+15:00", ProblemCode::UtcOffsetInvalid},     {17, "+99999999999:45", ProblemCode::UtcOffsetInvalid},
        {9, "95", ProblemCode::LatitudeDegreesOutOfRange}, {10, "75", ProblemCode::LatitudeMinutesOutOfRange},
        {7, "181", ProblemCode::LongitudeDegreesOutOfRange},
    };
    for (const Case& c : cases) {
        std::vector<std::string> plain = kMumbaiLines;
        plain.resize(kReadingFileLinesWithOffset);
        plain[c.line] = c.text;
        const Result<void> checked = ValidateForm(Opened(FileOf(plain)), true);
        ASSERT_FALSE(checked.ok()) << c.text;
        EXPECT_EQ(checked.problem().code, c.code) << c.text;
    }
}

TEST(ReadingFileReader, LongLinesAreCutAndReadingStopsAtTheBoundedPrefix) {
    std::vector<std::string> plain = kMumbaiLines;
    plain[0] = std::string(kReadingLineMaxBytes + 500, 'a');
    ReadingLines lines = DecodeReadingFile(FileOf(plain));
    EXPECT_EQ(lines[0], std::string(kReadingLineMaxBytes, 'a'));
    EXPECT_EQ(lines[1], "3");  // the rest of the long line did not become line 1
    EXPECT_EQ(lines[16], "India");

    std::string file(kReadingFileMaxBytes - 2, EncodeLine("a")[0]);
    file += "\r\n" + EncodeLine("beyond") + "\r\n";
    lines = DecodeReadingFile(file);
    EXPECT_EQ(lines[1], "");
}

TEST(ReadingFileReader, GarbageAndHugeInputsGiveBoundedLinesAndSoundLists) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<std::string> inputs = {"", std::string(3'000'000, '\n'), std::string(3'000'000, 'x'),
                                       FileOf(kMumbaiLines).substr(0, 37)};
    for (int n : {1, 100, 5000, 200000}) {
        std::string garbage;
        for (int i = 0; i < n; ++i) garbage.push_back(static_cast<char>(byte(random)));
        inputs.push_back(garbage);
    }
    for (const std::string& input : inputs) {
        const ReadingLines lines = DecodeReadingFile(input);
        for (const std::string& line : lines) {
            EXPECT_LE(line.size(), 3 * kReadingLineMaxBytes) << "input of " << input.size() << " bytes";
        }
        const FormValues form = Opened(input);
        EXPECT_TRUE(form.zoneIndex >= 0 && form.zoneIndex < 71 && form.monthIndex >= 0 && form.monthIndex < 12)
            << Describe(form);
    }
}

// What a file must hold to open: each line there of its kind, and the lines
// up to the birth's minute. A number out of range is a number still, and a
// file cut short after the birth opens with the rest empty.
TEST(ReadingFileContent, EachLineOfItsKindAndTheBirthsMoment) {
    const auto with = [](std::size_t line, const std::string& text) {
        std::vector<std::string> plain = kMumbaiLines;
        plain[line] = text;
        return FileOf(plain);
    };
    struct Case {
        std::string bytes;
        std::optional<ProblemCode> code;
        std::string detail;
    };
    const Case cases[] = {
        {FileOf(kMumbaiLines), std::nullopt, ""},
        {FileOf({kMumbaiLines.begin(), kMumbaiLines.begin() + 6}), std::nullopt, ""},
        {with(1, "13"), std::nullopt, ""},
        {with(7, " +0072 "), std::nullopt, ""},
        {with(14, ""), std::nullopt, ""},  // the form's check asks for the city
        {"", ProblemCode::ReadingFileCutShort, "0"},
        {"\r\n\r\n" + EncodeLine("   ") + "\r\n", ProblemCode::ReadingFileCutShort, "0"},
        {EncodeLine("Asha"), ProblemCode::ReadingFileCutShort, "1"},
        {FileOf({kMumbaiLines.begin(), kMumbaiLines.begin() + 5}), ProblemCode::ReadingFileCutShort, "5"},
        {"Asha Rao\r\n3\r\n7\r\n1985\r\n9\r\n5\r\n", ProblemCode::ReadingFileControlCharacter, "name"},
        {with(16, "In\tdia"), ProblemCode::ReadingFileControlCharacter, "country"},
        {with(1, "March"), ProblemCode::ReadingFileNotNumber, "month"},
        {with(10, "5.5"), ProblemCode::ReadingFileNotNumber, "latitude minutes"},
        {with(6, ""), ProblemCode::ReadingFileNotNumber, "time zone"},
        {with(11, "true"), ProblemCode::ReadingFileNotFlag, "east"},
        {with(13, "1"), ProblemCode::ReadingFileNotFlag, "daylight saving"},
        {with(2, "x") + std::string(3, '\0'), ProblemCode::ReadingFileNotNumber, "day"},  // zeros after the lines
        {std::string(1, '\x01') + with(2, "x"), ProblemCode::NotReadingFileContent, ""},
    };
    for (const Case& c : cases) {
        const Result<void> checked = CheckReadingFile(c.bytes);
        EXPECT_EQ(checked.ok(), !c.code) << Describe(Opened(c.bytes));
        if (!checked.ok() && c.code) {
            EXPECT_EQ(checked.problem().code, *c.code) << Describe(Opened(c.bytes));
            EXPECT_EQ(checked.problem().detail, c.detail) << Describe(Opened(c.bytes));
        }
    }
}

TEST(ReadingFileExtension, VrlInAnyCaseAtTheVeryEnd) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"/home/a/asha.vrl", true}, {"RAVI.VRL", true}, {"asha.Vrl", true}, {"asha.vrl ", false},
        {"asha.txt", false}, {"vrl", true}, {"rl", false}, {"", false}, {"ashavrl", true}, {"a.vrl.bak", false},
    };
    for (const auto& [path, accepted] : cases) {
        EXPECT_EQ(HasReadingFileExtension(path), accepted) << "path \"" << path << "\"";
    }
}

std::string Utf8(char32_t c) {
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (c < 0x80) return {byte(c)};
    if (c < 0x800) return {byte(0xC0 | c >> 6), byte(0x80 | (c & 0x3F))};
    return {byte(0xE0 | c >> 12), byte(0x80 | (c >> 6 & 0x3F)), byte(0x80 | (c & 0x3F))};
}

// The input window refuses a character as it is typed when a save could not
// store it, so that check must agree with the writer on every character.
TEST(CanStoreCharacter, AgreesWithTheWriter) {
    EXPECT_TRUE(CanStoreCharacter(U'\u00E3'));   // code 227
    EXPECT_FALSE(CanStoreCharacter(U'\u00FC'));  // code 252 passes 255 once shifted
    EXPECT_TRUE(CanStoreCharacter(U'\u20AC'));   // the euro sign is code 128
    EXPECT_FALSE(CanStoreCharacter(U'\u0101'));  // not in the code page
    int mismatches = 0;
    for (char32_t c = 1; c < 0x3000; ++c) {
        BirthData birth = MumbaiBirth();
        birth.name = "a" + Utf8(c) + "b";
        const bool written = ComposeReadingFile(birth, 34).ok();
        if (CanStoreCharacter(c) != written && ++mismatches <= 5) {
            ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(c) << ": the writer "
                          << (written ? "stores" : "refuses") << " it";
        }
    }
    EXPECT_EQ(mismatches, 0);
}

// A folder of its own for each test, removed with everything in it.
class OpenReadingFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "varelio-open-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr) << std::strerror(errno);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
        return PathOf(name);
    }

    std::filesystem::path folder_;
};

// A saved file reads back into its lines; anything else is refused before it
// is read, with the reason. A named pipe must be refused without waiting for a
// writer (opening one for reading would): should it wait after all, the test
// opens the writing end itself so that it fails rather than hangs.
TEST_F(OpenReadingFileTest, ReadsSavedFilesAndRefusesEverythingElse) {
    const std::string saved = ComposeReadingFile(MumbaiBirth(), 34).value();
    // Zeros after its lines (a file padded by a crash) are never read.
    for (const std::string& file : {Write("asha.vrl", saved), Write("RAVI.VRL", saved + std::string(100, '\0'))}) {
        const Result<ReadingLines> opened = OpenReadingFile(file);
        ASSERT_TRUE(opened.ok()) << file << ": " << opened.problem().detail;
        EXPECT_EQ(std::vector<std::string>(opened->begin(), opened->begin() + kReadingFileLines), kMumbaiLines);
        EXPECT_EQ(opened->back(), "");
    }

    ASSERT_EQ(::mkdir(PathOf("folder.vrl").c_str(), 0700), 0) << std::strerror(errno);
    const std::string pipe = PathOf("pipe.vrl");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0) << std::strerror(errno);
    struct Case {
        std::string path;
        ProblemCode code;
        std::string detail;
    };
    const Case cases[] = {
        {PathOf("folder.vrl"), ProblemCode::NotARegularFile, ""},
        {pipe, ProblemCode::NotARegularFile, ""},
        {Write("asha.txt", saved), ProblemCode::NotAReadingFile, ""},
        {Write("zeros.vrl", std::string(100000, '\0')), ProblemCode::NotReadingFileContent, ""},
        {Write("binary.vrl", "\x7f" "ELF\x02\x01\x01" + saved), ProblemCode::NotReadingFileContent, ""},
        {PathOf("missing.vrl"), ProblemCode::FileUnreadable, std::strerror(ENOENT)},
    };
    for (const Case& c : cases) {
        auto opening = std::async(std::launch::async, [&c] { return OpenReadingFile(c.path); });
        if (opening.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ADD_FAILURE() << "OpenReadingFile is still waiting on " << c.path;
            const int writer = ::open(c.path.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) ::close(writer);
        }
        const Result<ReadingLines> refused = opening.get();
        ASSERT_FALSE(refused.ok()) << c.path;
        EXPECT_EQ(refused.problem().code, c.code) << c.path;
        EXPECT_EQ(refused.problem().detail, c.detail) << c.path;
    }
}

}  // namespace
}  // namespace varelio
