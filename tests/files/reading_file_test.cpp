#include "FilledForm.h"

#include "engine/Form.h"
#include "engine/ReadingFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace varelio {
namespace {

using testing::FilledForm;

// A file made of the given plain lines, each encoded and CR LF ended.
std::string FileOf(const std::vector<std::string>& plainLines, const std::string& ending = "\r\n") {
    std::string file;
    for (const std::string& line : plainLines) file += EncodeLine(line) + ending;
    return file;
}

const std::vector<std::string> kMumbaiLines = {
    "Asha Rao", "3", "7", "1985", "9", "5", "34", "72", "50", "18", "58",
    "True", "False", "False", "Mumbai", "Maharashtra", "India"};

BirthData MumbaiBirth() {
    BirthData birth;
    CopyFormToBirthData(FilledForm(), birth);
    return birth;
}

TEST(LineScrambling, EveryStorableByteRoundTripsAndNoLineEndAppears) {
    std::string storable;
    for (int b = 0; b + kLineShift <= 255; ++b) storable.push_back(static_cast<char>(b));
    const std::string encoded = EncodeLine(storable);
    ASSERT_EQ(encoded.size(), storable.size());
    EXPECT_EQ(encoded.find_first_of("\r\n"), std::string::npos);
    for (std::size_t i = 0; i < storable.size(); ++i) {
        EXPECT_EQ(static_cast<unsigned char>(encoded[i]), static_cast<unsigned char>(storable[i]) + kLineShift)
            << "byte " << i;
    }
    EXPECT_EQ(DecodeLine(encoded), storable);
}

TEST(LineScrambling, BytesOutsideTheShiftRangeAreLeftOut) {
    EXPECT_TRUE(kLineShift > 13 && kLineShift < 128);
    const char top = static_cast<char>(256 - kLineShift);  // first byte that cannot be shifted
    EXPECT_EQ(EncodeLine(std::string("a") + top + "b\xFF"), EncodeLine("ab"));
    const char low = static_cast<char>(kLineShift - 1);
    EXPECT_EQ(DecodeLine(std::string("\0", 1) + low + EncodeLine("xy") + "\n"), "xy");
    EXPECT_EQ(EncodeLine(""), "");
}

TEST(ReadingFileWriter, WritesSeventeenEncodedLinesWithCrLf) {
    const ReadingFileResult result = ComposeReadingFile(MumbaiBirth(), 34);
    ASSERT_TRUE(result.bytes.has_value()) << "refused " << result.refusedField;
    EXPECT_EQ(*result.bytes, FileOf(kMumbaiLines));
}

TEST(ReadingFileWriter, TrimsTextsAndWritesNegativeNumbersAndFlags) {
    BirthData birth = MumbaiBirth();
    birth.name = "  Asha  ";
    birth.lonDegrees = -5;
    birth.east = false;
    birth.south = true;
    birth.dst = true;
    const ReadingFileResult result = ComposeReadingFile(birth, 0);
    ASSERT_TRUE(result.bytes.has_value());
    const ReadingLines lines = DecodeReadingFile(*result.bytes);
    EXPECT_EQ(lines[0], "Asha");
    EXPECT_EQ(lines[6], "0");
    EXPECT_EQ(lines[7], "-5");
    EXPECT_EQ(lines[11], "False");
    EXPECT_EQ(lines[12], "True");
    EXPECT_EQ(lines[13], "True");
}

TEST(ReadingFileWriter, RefusesValuesThatCannotBeStoredAndNamesTheField) {
    struct Case {
        std::string what;
        void (*change)(BirthData&);
        std::string field;  // empty: the file is written
    };
    const std::vector<Case> cases = {
        {"name outside the code page", [](BirthData& b) { b.name = "R\u0101m"; }, "name"},
        {"name with y diaeresis", [](BirthData& b) { b.name = "\u00FFves"; }, "name"},
        {"city with i grave, code 236", [](BirthData& b) { b.city = "\u00ECa"; }, "city"},
        {"state in Devanagari", [](BirthData& b) { b.state = "\u092E"; }, "state"},
        {"country with o diaeresis", [](BirthData& b) { b.country = "K\u00F6ln"; }, "country"},
        {"name and city both bad", [](BirthData& b) { b.name = "\u00FF"; b.city = "\u00FF"; }, "name"},
        {"city with e diaeresis, code 235", [](BirthData& b) { b.city = "No\u00EBl"; }, ""},
        {"name with euro sign", [](BirthData& b) { b.name = "\u20AC"; }, ""},
        {"invalid UTF-8 in the city", [](BirthData& b) { b.city = "a\xC3"; }, "city"},
    };
    for (const Case& c : cases) {
        BirthData birth = MumbaiBirth();
        c.change(birth);
        const ReadingFileResult result = ComposeReadingFile(birth, 34);
        EXPECT_EQ(result.refusedField, c.field) << "case: " << c.what;
        EXPECT_EQ(result.bytes.has_value(), c.field.empty()) << "case: " << c.what;
    }
}

TEST(ReadingFileReader, SavedThenOpenedReproducesTheForm) {
    FormValues original = FilledForm();
    original.name = "Jos\u00E9 d'Souza";
    original.latDirection = 1;
    original.lonDirection = 1;
    original.dst = true;
    original.dayIndex = 28;
    original.monthIndex = 1;
    original.yearIndex = 103;  // 29 February 2004
    original.hourIndex = 24;
    original.minuteIndex = 59;
    original.zoneIndex = 70;
    BirthData birth;
    CopyFormToBirthData(original, birth);
    const ReadingFileResult file = ComposeReadingFile(birth, original.zoneIndex);
    ASSERT_TRUE(file.bytes.has_value());

    FormValues opened = InitialFormValues();
    ApplyReadingLines(DecodeReadingFile(*file.bytes), opened);
    EXPECT_EQ(opened.name, original.name);
    EXPECT_EQ(opened.dayIndex, original.dayIndex);
    EXPECT_EQ(opened.monthIndex, original.monthIndex);
    EXPECT_EQ(opened.yearIndex, original.yearIndex);
    EXPECT_EQ(opened.hourIndex, original.hourIndex);
    EXPECT_EQ(opened.minuteIndex, original.minuteIndex);
    EXPECT_EQ(opened.zoneIndex, original.zoneIndex);
    EXPECT_EQ(opened.latDeg, original.latDeg);
    EXPECT_EQ(opened.latMin, original.latMin);
    EXPECT_EQ(opened.lonDeg, original.lonDeg);
    EXPECT_EQ(opened.lonMin, original.lonMin);
    EXPECT_EQ(opened.latDirection, original.latDirection);
    EXPECT_EQ(opened.lonDirection, original.lonDirection);
    EXPECT_EQ(opened.dst, original.dst);
    EXPECT_EQ(opened.city, original.city);
    EXPECT_EQ(opened.state, original.state);
    EXPECT_EQ(opened.country, original.country);
}

TEST(ReadingFileReader, TenLineFileLeavesLatitudeMinutesToCountryEmpty) {
    const std::vector<std::string> ten(kMumbaiLines.begin(), kMumbaiLines.begin() + 10);
    FormValues form = FilledForm();
    ApplyReadingLines(DecodeReadingFile(FileOf(ten)), form);
    EXPECT_EQ(form.name, "Asha Rao");
    EXPECT_EQ(form.latDeg, "18");
    EXPECT_EQ(form.latMin, "");
    EXPECT_EQ(form.city, "");
    EXPECT_EQ(form.state, "");
    EXPECT_EQ(form.country, "");
    const auto failure = ValidateForm(form, true);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message, "Please Enter Minutes of Latitude");
    EXPECT_EQ(failure->focus, FormField::LatMin);
}

TEST(ReadingFileReader, LineSixSelectsTheZoneRow) {
    FormValues form = InitialFormValues();
    ApplyReadingLines(DecodeReadingFile(FileOf(kMumbaiLines)), form);
    EXPECT_EQ(form.zoneIndex, 34);
    BirthData birth;
    CopyFormToBirthData(form, birth);
    EXPECT_EQ(birth.zoneHours, -5);
    EXPECT_EQ(birth.zoneMinutes, -30);
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
        int expected;  // the control afterwards; the initial form holds 0 everywhere
    };
    const std::vector<Case> cases = {
        {1, "12", 11}, {1, "1", 0}, {1, "0", 0}, {1, "13", 0}, {1, "x", 0}, {1, "", 0}, {1, "-3", 0},
        {2, "31", 30}, {2, "07", 0}, {2, "32", 0}, {2, " 7", 0}, {2, "7", 6},
        {3, "2050", 149}, {3, "1900", 0}, {3, "2051", 0}, {3, "1985", 84},
        {4, "24", 24}, {4, "25", 0}, {4, "-1", 0},
        {5, "59", 59}, {5, "60", 0}, {5, "5.0", 0},
        {6, "70", 70}, {6, "71", 0}, {6, "-1", 0}, {6, "", 0}, {6, "34", 34},
        {11, "False", 1}, {11, "True", 0}, {11, "false", 0}, {11, "Yes", 0},
        {12, "True", 1}, {12, "TRUE", 0},
        {13, "True", 1}, {13, "1", 0},
    };
    for (const Case& c : cases) {
        std::vector<std::string> plain(kReadingFileLines);
        plain[c.line] = c.text;
        FormValues form = InitialFormValues();
        ApplyReadingLines(DecodeReadingFile(FileOf(plain)), form);
        EXPECT_EQ(ControlOf(form, c.line), c.expected) << "line " << c.line << " text \"" << c.text << "\"";
        for (std::size_t other : {1, 2, 3, 4, 5, 6, 11, 12, 13}) {
            if (other != c.line) {
                EXPECT_EQ(ControlOf(form, other), 0) << "line " << other << " changed by line " << c.line;
            }
        }
    }
}

TEST(ReadingFileReader, FlagFalseSelectsWestAndNorthFromTheOtherOption) {
    FormValues form = InitialFormValues();
    form.lonDirection = 1;
    form.latDirection = 1;
    form.dst = true;
    std::vector<std::string> plain(kReadingFileLines);
    plain[11] = "True";
    plain[12] = "False";
    plain[13] = "False";
    ApplyReadingLines(DecodeReadingFile(FileOf(plain)), form);
    EXPECT_EQ(form.lonDirection, 0);
    EXPECT_EQ(form.latDirection, 0);
    EXPECT_FALSE(form.dst);
}

TEST(ReadingFileReader, DegreeAndMinuteTextsAreCutToThreeCharacters) {
    std::vector<std::string> plain = kMumbaiLines;
    plain[7] = "1234";
    plain[8] = "\xE9\xE9\xE9\xE9";  // four e acute: three characters are six UTF-8 bytes
    plain[9] = "12";
    plain[10] = "";
    FormValues form = FilledForm();
    ApplyReadingLines(DecodeReadingFile(FileOf(plain)), form);
    EXPECT_EQ(form.lonDeg, "123");
    EXPECT_EQ(form.lonMin, "\u00E9\u00E9\u00E9");
    EXPECT_EQ(form.latDeg, "12");
    EXPECT_EQ(form.latMin, "");
}

TEST(ReadingFileReader, LineEndsOfEveryKindAndAMissingLastEnd) {
    for (const std::string ending : {"\r\n", "\n", "\r"}) {
        std::string file = FileOf(kMumbaiLines, ending);
        file.resize(file.size() - ending.size());  // no end after the last line
        const ReadingLines lines = DecodeReadingFile(file);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i], kMumbaiLines[i]) << "line " << i << " ending size " << ending.size();
        }
    }
}

TEST(ReadingFileReader, ExtraLinesAfterTheSeventeenthAreIgnored) {
    std::vector<std::string> plain = kMumbaiLines;
    plain.push_back("extra");
    plain.push_back("more");
    const ReadingLines lines = DecodeReadingFile(FileOf(plain));
    EXPECT_EQ(lines[16], "India");
}

TEST(ReadingFileReader, LongLinesAreCutAndTheNextLineStaysInPlace) {
    std::vector<std::string> plain = kMumbaiLines;
    plain[0] = std::string(kReadingLineMaxBytes + 500, 'a');
    const ReadingLines lines = DecodeReadingFile(FileOf(plain));
    EXPECT_EQ(lines[0], std::string(kReadingLineMaxBytes, 'a'));
    EXPECT_EQ(lines[1], "3");
    EXPECT_EQ(lines[16], "India");
}

TEST(ReadingFileReader, NothingPastTheBoundedPrefixIsRead) {
    std::string file(kReadingFileMaxBytes - 2, EncodeLine("a")[0]);
    file += "\r\n" + EncodeLine("beyond") + "\r\n";
    const ReadingLines lines = DecodeReadingFile(file);
    EXPECT_EQ(lines[0].size(), kReadingLineMaxBytes);
    EXPECT_EQ(lines[1], "");
}

TEST(ReadingFileReader, GarbageNulsAndHugeInputsGiveSeventeenBoundedLines) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<std::string> inputs = {
        "",
        std::string("\0\0\0\r\n\0", 6),
        std::string(3'000'000, '\n'),
        std::string(3'000'000, 'x'),
        FileOf(kMumbaiLines).substr(0, 37),  // cut in the middle of a line
    };
    for (int n : {1, 100, 5000, 200000}) {
        std::string garbage;
        for (int i = 0; i < n; ++i) garbage.push_back(static_cast<char>(byte(random)));
        inputs.push_back(garbage);
    }
    for (const std::string& input : inputs) {
        const ReadingLines lines = DecodeReadingFile(input);
        for (const std::string& line : lines) {
            // Windows-1252 needs at most three UTF-8 bytes per character.
            EXPECT_LE(line.size(), 3 * kReadingLineMaxBytes) << "input of " << input.size() << " bytes";
        }
        FormValues form = InitialFormValues();
        ApplyReadingLines(lines, form);
        EXPECT_LE(form.latDeg.size(), 9u);
        EXPECT_TRUE(form.zoneIndex >= 0 && form.zoneIndex <= 70);
        EXPECT_TRUE(form.monthIndex >= 0 && form.monthIndex <= 11);
    }
}

TEST(ReadingFileReader, NulBytesInTheFileAreSkipped) {
    const std::string file = std::string("\0", 1) + EncodeLine("Asha") + std::string("\0\0", 2) + "\r\n" +
                             std::string("\0", 1) + "\r\n" + EncodeLine("3");
    const ReadingLines lines = DecodeReadingFile(file);
    EXPECT_EQ(lines[0], "Asha");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "3");
}

TEST(ReadingFileExtension, OnlyLowerCaseVrlAtTheVeryEnd) {
    struct Case {
        std::string path;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"/home/a/asha.vrl", true}, {"asha.VRL", false}, {"asha.Vrl", false}, {"asha.vrl ", false},
        {"asha.txt", false}, {"vrl", true}, {"rl", false}, {"", false}, {"ashavrl", true},
        {"asha.vrl.bak", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HasReadingFileExtension(c.path), c.accepted) << "path \"" << c.path << "\"";
    }
}

}  // namespace
}  // namespace varelio
