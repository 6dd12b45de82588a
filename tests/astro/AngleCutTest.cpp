#include "astro/AngleCut.h"
#include "astro/Blanks.h"

#include "astro/Positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <optional>

namespace varelio {
namespace {

// The cut fields and the sign of one longitude agree: fields are cut, never
// rounded, and the sign comes from the whole degrees.
TEST(CutDegrees, FieldsAndSign) {
    struct Case { double degrees; CutAngle cut; std::optional<int> sign; };
    const Case cases[] = {
        {5.0 + 7.0 / 60 + 41.9 / 3600, {5, 7, 41}, 0},
        {29.99999, {29, 59, 59}, 0},
        {30.0, {30, 0, 0}, 1},
        {199.4624, {199, 27, 44}, 6},
        {359.9999, {359, 59, 59}, 11},
        // A whole turn finds no sign.
        {360.0, {360, 0, 0}, std::nullopt},
        // Negative input is taken by its absolute value.
        {-45.5, {45, 30, 0}, 1},
    };
    for (const Case& c : cases) {
        const CutAngle cut = CutDegrees(c.degrees);
        EXPECT_EQ(cut.wholeDegrees, c.cut.wholeDegrees) << "degrees " << c.degrees;
        EXPECT_EQ(cut.minutes, c.cut.minutes) << "degrees " << c.degrees;
        EXPECT_EQ(cut.seconds, c.cut.seconds) << "degrees " << c.degrees;
        EXPECT_EQ(SignOfLongitude(c.degrees), c.sign) << "degrees " << c.degrees;
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
