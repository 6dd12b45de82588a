#include "engine/Cp1252.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include <string>
#include <vector>

namespace varelio {
namespace {

std::string Hex(std::string_view bytes) {
    std::string out;
    char buffer[4];
    for (const char c : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X ", static_cast<unsigned char>(c));
        out += buffer;
    }
    return out;
}

TEST(Cp1252, KnownBytesDecodeToTheirCharacters) {
    struct Case {
        unsigned char byte;
        char32_t codePoint;
    };
    const std::vector<Case> cases = {
        {0x00, 0x0000}, {0x41, 0x0041}, {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081},
        {0x82, 0x201A}, {0x8A, 0x0160}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090},
        {0x91, 0x2018}, {0x96, 0x2013}, {0x99, 0x2122}, {0x9D, 0x009D}, {0x9F, 0x0178},
        {0xA0, 0x00A0}, {0xB0, 0x00B0}, {0xE9, 0x00E9}, {0xFF, 0x00FF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<std::uint32_t>(Cp1252ToCodePoint(c.byte)), static_cast<std::uint32_t>(c.codePoint))
            << "byte " << static_cast<int>(c.byte);
        const auto back = CodePointToCp1252(c.codePoint);
        ASSERT_TRUE(back.has_value()) << "code point " << static_cast<std::uint32_t>(c.codePoint);
        EXPECT_EQ(*back, c.byte);
    }
}

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string utf8 = Cp1252ToUtf8(all);
    const auto back = Utf8ToCp1252(utf8);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(Hex(*back), Hex(all));
}

TEST(Cp1252, Utf8OfKnownTexts) {
    EXPECT_EQ(Cp1252ToUtf8("23\xB0 51'"), "23\u00B0 51'");
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(Hex(Utf8ToCp1252("Jos\u00E9 \u201Cx\u201D \u20AC").value_or("<refused>")),
              Hex("Jos\xE9 \x93x\x94 \x80"));
}

TEST(Cp1252, CharactersOutsideTheCodePageAreRefused) {
    const std::vector<std::string> refused = {
        "\u0100",          // Latin A with macron
        "\u0905",          // Devanagari A
        "\U0001F600",      // outside the Basic Multilingual Plane
        "\u0080",          // C1 control that 0x80 does not stand for
        "ab\xC3",          // sequence cut short
        "\xC0\xAF",        // overlong
        "\xED\xA0\x80",    // surrogate
        "\xFF",            // no UTF-8 lead byte
        "a\x80",           // continuation byte alone
    };
    for (const std::string& text : refused) {
        EXPECT_FALSE(Utf8ToCp1252(text).has_value()) << "text " << Hex(text);
    }
}

TEST(Cp1252, LossyConversionReplacesWhatCannotBeStored) {
    EXPECT_EQ(Utf8ToCp1252Lossy("Ra\u0101m \u20AC"), "Ra?m \x80");
    EXPECT_EQ(Utf8ToCp1252Lossy("x\xC3" "y"), "x?y");
    EXPECT_EQ(Utf8ToCp1252Lossy("\U0001F600", '*'), "*");
}

}  // namespace
}  // namespace varelio
