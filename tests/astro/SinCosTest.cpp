#include "astro/SinCos.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varelio {
namespace {

// The series is as good as libm over its range, and sums of angles made from
// it (each Moon term, each planet's element) stay within a few last places.
TEST(SinCos, SmallAnglesAndTheirSumsAgreeWithLibm) {
    for (double x = -0.25; x <= 0.25; x += 0.000731) {
        const SinCos small = SmallAngle(x);
        ASSERT_NEAR(small.sin, std::sin(x), 6e-17) << x;
        ASSERT_NEAR(small.cos, std::cos(x), 1.2e-16) << x;
        for (const double other : {-2.9, 0.4, 1.7, 3.1}) {
            const SinCos sum = SumOf({std::sin(other), std::cos(other)}, small);
            ASSERT_NEAR(sum.sin, std::sin(other + x), 4.5e-16) << other << " + " << x;
            ASSERT_NEAR(sum.cos, std::cos(other + x), 4.5e-16) << other << " + " << x;
        }
    }
}

}  // namespace
}  // namespace varelio
