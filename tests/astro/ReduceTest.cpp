#include "astro/Reduce.h"

#include <gtest/gtest.h>

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

TEST(Reduce, IntoOneTurnFromAnywhere) {
    struct Case { double x, expected; };
    const Case cases[] = {
        {0.0, 0.0}, {359.5, 359.5}, {360.0, 0.0}, {725.0, 5.0}, {-5.0, 355.0}, {-725.0, 355.0}, {-1e-17, 0.0},
    };
    for (const Case& c : cases) EXPECT_EQ(ReduceIntoTurn(c.x, 360), c.expected) << "x " << c.x;
}

}  // namespace
}  // namespace varelio
