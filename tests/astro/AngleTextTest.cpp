#include "astro/AngleText.h"

#include "astro/Signs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

namespace varelio {
namespace {

#define DEG "\u00B0"

TEST(FormatLongForm, CutsFieldsAndNamesTheSign) {
    struct Case { double degrees; std::string expected; };
    const Case cases[] = {
        {5.0 + 7.0 / 60 + 41.9 / 3600, "5" DEG " 7' 41\" Ari"},
        {0.0, "0" DEG " 0' 0\" Ari"},
        {29.99999, "29" DEG " 59' 59\" Ari"},
        {30.0, "0" DEG " 0' 0\" Tau"},
        {135.0 + 23.0 / 60 + 5.5 / 3600, "15" DEG " 23' 5\" Leo"},
        {199.4624, "19" DEG " 27' 44\" Lib"},
        {359.9999, "29" DEG " 59' 59\" Pis"},
        // A whole turn finds no sign: the abbreviation stays empty.
        {360.0, "0" DEG " 0' 0\" "},
        // Negative input is taken by its absolute value.
        {-45.5, "15" DEG " 30' 0\" Tau"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatLongForm(c.degrees), c.expected) << "degrees " << c.degrees;
        // The numeric sign is the one the text names.
        EXPECT_EQ(SignOfLongitude(c.degrees), SignIndexOf(LastCharacters(c.expected, 3))) << "degrees " << c.degrees;
    }
}

TEST(FormatSignedForm, SignTimesWholeDegrees) {
    struct Case { double degrees; std::string expected; };
    const Case cases[] = {
        {-23.8506, "-23" DEG " 51' 2\""},
        {-23.86183, "-23" DEG " 51' 42\""},
        {22.5, "22" DEG " 30' 0\""},
        {0.0, "0" DEG " 0' 0\""},
        // Between 0 and -1 the whole degrees are 0, so the minus sign is lost.
        {-0.5, "0" DEG " 30' 0\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatSignedForm(c.degrees), c.expected) << "degrees " << c.degrees;
    }
}

TEST(ShortForm, PadsDegreesAndMinutesDropsSeconds) {
    struct Case { std::string longForm; std::string expected; };
    const Case cases[] = {
        {"5" DEG " 7' 41\" Ari", "05 Ari 07"},
        {"15" DEG " 23' 5\" Leo", "15 Leo 23"},
        {"0" DEG " 0' 0\" Tau", "00 Tau 00"},
        {"29" DEG " 59' 59\" Pis", "29 Pis 59"},
        {"  3" DEG " 36' 25\" Pis", "03 Pis 36"},
        // The abbreviation is read from the untrimmed end, so trailing blanks
        // push it out of the three-character window.
        {"3" DEG " 36' 25\" Pis  ", "03 s 36"},
        {"16" DEG " 21' 0\" Gem", "16 Gem 21"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShortForm(c.longForm), c.expected) << "long form \"" << c.longForm << "\"";
    }
}

TEST(ShortForm, RoundTripsEveryWholeMinuteOfTheZodiac) {
    for (int minute = 0; minute < 360 * 60; minute += 7) {
        const double degrees = minute / 60.0 + 1.0 / 7200;  // half a second in, so cutting is safe
        const int sign = minute / 1800;
        const int inSign = (minute % 1800) / 60;
        const int minutes = minute % 60;
        char expected[16];
        std::snprintf(expected, sizeof expected, "%02d %s %02d", inSign,
                      std::string(SignAbbreviation(sign)).c_str(), minutes);
        ASSERT_EQ(ShortForm(FormatLongForm(degrees)), expected) << "degrees " << degrees;
    }
}

TEST(ShortForm, MalformedTextsDoNotReadOutOfRange) {
    EXPECT_EQ(ShortForm(""), "0  0");
    EXPECT_EQ(ShortForm("Ari"), "Ari Ari 0");
    EXPECT_EQ(ShortForm("7" DEG " x"), "07 " DEG " x 0");
}

TEST(Utf8Helpers, CountCharactersNotBytes) {
    EXPECT_EQ(LastCharacters("12" DEG "", 2), "2" DEG);
    EXPECT_EQ(LastCharacters("ab", 3), "ab");
    EXPECT_EQ(LastCharacters("5" DEG " 7' 41\" Ari", 3), "Ari");
    EXPECT_EQ(DropFirstCharacter("-23" DEG), "23" DEG);
    EXPECT_EQ(DropFirstCharacter(DEG "5"), "5");
    EXPECT_EQ(DropFirstCharacter(""), "");
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("   "), "");
}

TEST(PositionText, PiecesOfShortAndBrokenTexts) {
    struct Case {
        std::string text;
        std::string sign;
        std::optional<int> degrees;
        std::optional<int> signIndex;
    };
    const Case cases[] = {
        {"05 Ari 07", "Ari", 5, 0},
        {"29 Pis 59", "Pis", 29, 11},
        {"00 Leo 00", "Leo", 0, 4},
        {"", "", std::nullopt, std::nullopt},
        {"5", "", std::nullopt, std::nullopt},
        {"05 ", "", 5, std::nullopt},
        {"05 A", "A", 5, std::nullopt},
        {"5 Ari 07", "ri ", std::nullopt, std::nullopt},
        {"-1 Gem 00", "Gem", std::nullopt, 2},
        {"05 ari 07", "ari", 5, std::nullopt},  // abbreviations compare exactly
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SignAbbreviationOf(c.text), c.sign) << "text '" << c.text << "'";
        EXPECT_EQ(DegreesOf(c.text), c.degrees) << "text '" << c.text << "'";
        EXPECT_EQ(SignOfPosition(c.text), c.signIndex) << "text '" << c.text << "'";
    }
}

}  // namespace
}  // namespace varelio
