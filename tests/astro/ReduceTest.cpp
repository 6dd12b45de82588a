#include "astro/Reduce.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

namespace varelio {
namespace {

double LoopAtLeast(double x) { while (x >= 360) x -= 360; return x; }
double LoopAbove(double x) { while (x > 360) x -= 360; return x; }
double LoopBelowZero(double x) { while (x < 0) x += 360; return x; }

// The constant-time reductions must give bit for bit what the loops give.
TEST(Reduce, SameBitsAsTheRepeatedTurnLoops) {
    const double samples[] = {0.0, -0.0, 1e-300, -1e-300, 1e-17, -1e-17, 359.9999999999999, 360.0,
                              360.0000000000001, 720.0, -360.0, -720.0, -359.99999999999994,
                              -1e-14, 481267.88134236, -476450.37, 1933.95, -1933.95,
                              100.2607, 123456.789, -98765.4321, 3600.0};
    for (double x : samples) {
        EXPECT_EQ(SubtractWhileAtLeast(x, 360), LoopAtLeast(x)) << "x " << x;
        EXPECT_EQ(SubtractWhileAbove(x, 360), LoopAbove(x)) << "x " << x;
        EXPECT_EQ(AddWhileBelowZero(x, 360), LoopBelowZero(x)) << "x " << x;
    }
    for (double x = -500000; x < 500000; x += 977.123456789) {
        ASSERT_EQ(SubtractWhileAtLeast(x, 360), LoopAtLeast(x)) << "x " << x;
        ASSERT_EQ(SubtractWhileAbove(x, 360), LoopAbove(x)) << "x " << x;
        ASSERT_EQ(AddWhileBelowZero(x, 360), LoopBelowZero(x)) << "x " << x;
    }
}

// Its remainder is fmod's, sign of a zero included, near whole turns above all.
TEST(Reduce, TurnRemainderIsFmodBitForBit) {
    std::mt19937_64 random(5);
    for (int i = 0; i < 200000; ++i) {
        const double scale = std::ldexp(1.0, static_cast<int>(random() % 60) - 20);
        const double near = static_cast<double>(static_cast<long long>(random() % 100000) - 50000) * 360.0;
        double x = i % 2 == 0 ? (static_cast<double>(random() % (1ULL << 53)) / (1ULL << 53) - 0.5) * scale : near;
        for (int step = static_cast<int>(random() % 5); step > 0; --step) x = std::nextafter(x, i % 4 < 2 ? 1e300 : -1e300);
        for (const double turn : {360.0, 6.28318530717958}) {
            const double ours = TurnRemainder(x, turn);
            const double theirs = std::fmod(x, turn);
            ASSERT_EQ(std::memcmp(&ours, &theirs, sizeof ours), 0) << std::hexfloat << x << " turn " << turn;
        }
    }
}

// The nearest whole turns come off exactly: what is left is the IEEE
// remainder, or a hair beyond a half turn the turn next to it.
TEST(Reduce, NearestTurnRemainderIsTheExactRemainder) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 200000; ++i) {
        const double scale = std::ldexp(1.0, static_cast<int>(random() % 44) - 20);
        double x = (static_cast<double>(random() % (1ULL << 53)) / (1ULL << 53) - 0.5) * scale;
        if (i % 3 == 0) x = std::nextafter((static_cast<double>(random() % 40000) - 20000) * 180.0, i % 2 ? 1e9 : -1e9);
        const double ours = NearestTurnRemainder(x, 360.0);
        const double exact = std::remainder(x, 360.0);
        ASSERT_TRUE(ours == exact || (std::fabs(ours) > 179.9 && ours - std::copysign(360.0, ours) == exact))
            << std::hexfloat << x << " gave " << ours << ", not " << exact;
        ASSERT_LE(std::fabs(ours), 180.0 + 1e-9) << std::hexfloat << x;
    }
}

TEST(Reduce, IntoOneTurnFromAnywhere) {
    struct Case { double x, expected; };
    const Case cases[] = {
        {0.0, 0.0}, {359.5, 359.5}, {360.0, 0.0}, {725.0, 5.0}, {-5.0, 355.0}, {-725.0, 355.0}, {-1e-17, 0.0},
    };
    for (const Case& c : cases) EXPECT_EQ(ReduceIntoTurn(c.x, 360), c.expected) << "x " << c.x;
}

}  // namespace
}  // namespace varelio
