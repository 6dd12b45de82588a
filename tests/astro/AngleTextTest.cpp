#include "astro/AngleText.h"

#include "astro/Positions.h"
#include "astro/Signs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

namespace varelio {
namespace {

#define DEG "\u00B0"

// The long and short forms and the sign number of one longitude agree.
TEST(PositionForms, CutFieldsAndNameTheSign) {
    struct Case { double degrees; std::string longForm; std::string shortForm; std::optional<int> sign; };
    const Case cases[] = {
        {5.0 + 7.0 / 60 + 41.9 / 3600, "5" DEG " 7' 41\" Ari", "05 Ari 07", 0},
        {0.0, "0" DEG " 0' 0\" Ari", "00 Ari 00", 0},
        {29.99999, "29" DEG " 59' 59\" Ari", "29 Ari 59", 0},
        {30.0, "0" DEG " 0' 0\" Tau", "00 Tau 00", 1},
        {135.0 + 23.0 / 60 + 5.5 / 3600, "15" DEG " 23' 5\" Leo", "15 Leo 23", 4},
        {199.4624, "19" DEG " 27' 44\" Lib", "19 Lib 27", 6},
        {359.9999, "29" DEG " 59' 59\" Pis", "29 Pis 59", 11},
        // A whole turn finds no sign: the long form's abbreviation stays empty
        // and the short form shows what stands in its place.
        {360.0, "0" DEG " 0' 0\" ", "00 0\" 00", std::nullopt},
        {360.0 + 5.0 / 60 + 17.2 / 3600, "0" DEG " 5' 17\" ", "00 7\" 05", std::nullopt},
        // Negative input is taken by its absolute value.
        {-45.5, "15" DEG " 30' 0\" Tau", "15 Tau 30", 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatLongForm(c.degrees), c.longForm) << "degrees " << c.degrees;
        EXPECT_EQ(FormatShortForm(c.degrees), c.shortForm) << "degrees " << c.degrees;
        EXPECT_EQ(SignOfLongitude(c.degrees), c.sign) << "degrees " << c.degrees;
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

TEST(FormatShortForm, EveryFewMinutesOfTheZodiac) {
    for (int minute = 0; minute < 360 * 60; minute += 7) {
        const double degrees = minute / 60.0 + 1.0 / 7200;  // half a second in, so cutting is safe
        const int sign = minute / 1800;
        const int inSign = (minute % 1800) / 60;
        const int minutes = minute % 60;
        char expected[16];
        std::snprintf(expected, sizeof expected, "%02d %s %02d", inSign,
                      std::string(SignAbbreviation(sign)).c_str(), minutes);
        ASSERT_EQ(FormatShortForm(degrees), expected) << "degrees " << degrees;
    }
}

TEST(TrimBlanks, DropsOnlyOuterBlanks) {
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("   "), "");
}

// Sign, nakshatra and pada of a longitude; a longitude on a boundary belongs
// to the later part.
TEST(PositionAt, SignNakshatraAndPada) {
    constexpr double kMinute = 1.0 / 60;
    struct Case { double degrees; int sign, nakshatra, pada; };
    const Case cases[] = {
        {0.0, 1, 1, 1},
        {3 + 20 * kMinute, 1, 1, 2},
        {3 + 20 * kMinute - 1e-9, 1, 1, 1},
        {13 + 20 * kMinute, 1, 2, 1},
        {29 + 59 * kMinute + 59.0 / 3600, 1, 3, 1},  // Krittika's first pada lies in Aries
        {30.0, 2, 3, 2},
        {240 + 4 + 39 * kMinute, 9, 19, 2},          // 04 Sag 39: Mula, pada 2
        {346 + 40 * kMinute, 12, 27, 1},
        {359.99999, 12, 27, 4},
        {360.0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const BodyPosition p = PositionAt(c.degrees);
        EXPECT_EQ(p.sign, c.sign) << c.degrees;
        EXPECT_EQ(p.nakshatra, c.nakshatra) << c.degrees;
        EXPECT_EQ(p.pada, c.pada) << c.degrees;
    }
}

// Nakshatra and pada as two divisions count them (the nakshatras, then the
// padas within), for the longitudes nearest every pada's edge, where a
// rounding could tell them apart, and a spread of others.
TEST(PositionAt, CountsAsTheNakshatrasAndThePadasWithinThem) {
    const auto check = [](double degrees) {
        const double arcMinutes = degrees * 60;
        const double nakshatra = std::floor(arcMinutes / 800);
        const double into = arcMinutes - nakshatra * 800;
        const bool placed = nakshatra >= 0 && nakshatra < 27;
        const BodyPosition p = PositionAt(degrees);
        ASSERT_EQ(p.nakshatra, placed ? static_cast<int>(nakshatra) + 1 : 0) << std::hexfloat << degrees;
        ASSERT_EQ(p.pada, placed ? std::clamp(static_cast<int>(std::floor(into / 200)), 0, 3) + 1 : 0)
            << std::hexfloat << degrees;
    };
    for (int edge = 0; edge <= 108; ++edge) {
        double below = edge * 10.0 / 3.0;
        double above = below;
        for (int step = 0; step < 64; ++step) {
            check(below);
            check(above);
            below = std::nextafter(below, -1.0);
            above = std::nextafter(above, 360.0);
        }
    }
    for (double degrees = 1e-7; degrees < 360; degrees += 0.0123456789) check(degrees);
}

}  // namespace
}  // namespace varelio
