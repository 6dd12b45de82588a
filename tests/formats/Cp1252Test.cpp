#include "formats/Cp1252.h"

#include <gtest/gtest.h>

#include <iconv.h>

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

// The C library's own converter is an independent reference for every byte
// the code page defines (it refuses the five undefined ones).
TEST(Cp1252, EveryDefinedByteAgreesWithTheSystemConverter) {
    const iconv_t cd = iconv_open("UTF-8", "CP1252");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    int compared = 0;
    for (int b = 0; b < 256; ++b) {
        char in[1] = {static_cast<char>(b)};
        char out[8] = {};
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            continue;
        }
        const std::string reference(out, sizeof out - outLeft);
        EXPECT_EQ(Hex(Cp1252ToUtf8(std::string(1, static_cast<char>(b)))), Hex(reference)) << "byte " << b;
        ++compared;
    }
    iconv_close(cd);
    EXPECT_GE(compared, 251);
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
