#include "astro/Moon.h"

#include "astro/Angles.h"
#include "astro/Positions.h"
#include "astro/Reduce.h"
#include "astro/SinCos.h"
#include "astro/TimeScales.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace varelio {

namespace {

// One periodic term: coefficient in degrees times the sine of a whole-number
// combination of D, M, M' and F; withE terms depend on the Sun's anomaly and
// shrink with the Earth's eccentricity.
struct LunarTerm {
    double coefficient;
    int d, m, mPrime, f;
    bool withE;
};

// Meeus, Astronomical Algorithms, table 47.A: its 25 largest longitude
// terms in the table's order, coefficients in degrees.
constexpr std::array<LunarTerm, 25> kLongitudeTerms{{
    {+6.288774, 0, 0, 1, 0, false},
    {+1.274027, 2, 0, -1, 0, false},
    {+0.658314, 2, 0, 0, 0, false},
    {+0.213618, 0, 0, 2, 0, false},
    {-0.185116, 0, 1, 0, 0, true},
    {-0.114332, 0, 0, 0, 2, false},
    {+0.058793, 2, 0, -2, 0, false},
    {+0.057066, 2, -1, -1, 0, true},
    {+0.053322, 2, 0, 1, 0, false},
    {+0.045758, 2, -1, 0, 0, true},
    {-0.040923, 0, 1, -1, 0, true},
    {-0.034720, 1, 0, 0, 0, false},
    {-0.030383, 0, 1, 1, 0, true},
    {+0.015327, 2, 0, 0, -2, false},
    {-0.012528, 0, 0, 1, 2, false},
    {+0.010980, 0, 0, 1, -2, false},
    {+0.010675, 4, 0, -1, 0, false},
    {+0.010034, 0, 0, 3, 0, false},
    {+0.008548, 4, 0, -2, 0, false},
    {-0.007888, 2, 1, -1, 0, true},
    {-0.006766, 2, 1, 0, 0, true},
    {-0.005163, 1, 0, -1, 0, false},
    {+0.004987, 1, 1, 0, 0, true},
    {+0.004036, 2, -1, 1, 0, true},
    {+0.003994, 2, 0, 2, 0, false},
}};

// The largest multiple of each argument the terms take.
constexpr int MaxMultiple(int LunarTerm::*argument) {
    int most = 0;
    // std::abs is constexpr only from C++23; clang's library keeps to that.
    for (const LunarTerm& term : kLongitudeTerms) most = std::max(most, term.*argument < 0 ? -(term.*argument) : term.*argument);
    return most;
}

// The sine and cosine of k times an angle given in degrees, k from -n to n at
// index k + n: the angle's own from libm, its multiples by the sum formulas.
template <int n>
std::array<SinCos, 2 * n + 1> Multiples(double degrees) {
    std::array<SinCos, 2 * n + 1> table{};
    const double radians = ReducedRadians(degrees);
    table[n] = {0.0, 1.0};
    table[n + 1] = {std::sin(radians), std::cos(radians)};
    for (int k = 2; k <= n; ++k) table[n + k] = SumOf(table[n + k - 1], table[n + 1]);
    for (int k = 1; k <= n; ++k) table[n - k] = {-table[n + k].sin, table[n + k].cos};
    return table;
}

}  // namespace

double MoonTropicalLongitude(double centuriesSinceJ2000) {
    const double t = centuriesSinceJ2000;
    const double meanLongitude = 218.3164591 + 481267.88134236 * t;
    // The four arguments grow by thousands of turns a century: their whole
    // turns come off in degrees (ReducedRadians), and each term's sine comes
    // from their sines and cosines by the sum formulas, four calls of libm
    // where there are twenty-five terms.
    constexpr int kD = MaxMultiple(&LunarTerm::d);
    constexpr int kM = MaxMultiple(&LunarTerm::m);
    constexpr int kMPrime = MaxMultiple(&LunarTerm::mPrime);
    constexpr int kF = MaxMultiple(&LunarTerm::f);
    const auto d = Multiples<kD>(297.8502042 + 445267.1115168 * t);
    const auto m = Multiples<kM>(357.5291092 + 35999.0502909 * t);
    const auto mPrime = Multiples<kMPrime>(134.9634114 + 477198.8676313 * t);
    const auto f = Multiples<kF>(93.2720993 + 483202.0175273 * t);
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t * t;

    double sum = 0.0;
    // Unrolled, each term's multiples are constants and its table places fixed.
#pragma GCC unroll 25
    for (const LunarTerm& term : kLongitudeTerms) {
        const SinCos first = SumOf(d[static_cast<std::size_t>(term.d + kD)], m[static_cast<std::size_t>(term.m + kM)]);
        const SinCos second =
            SumOf(mPrime[static_cast<std::size_t>(term.mPrime + kMPrime)], f[static_cast<std::size_t>(term.f + kF)]);
        double value = term.coefficient * (first.sin * second.cos + first.cos * second.sin);
        if (term.withE) value *= e;
        sum += value;
    }
    const double lambda = AddWhileBelowZero(meanLongitude + sum, 360.0);
    return SubtractWhileAbove(lambda, 360.0);
}

double MoonAyanamsaAt(double centuriesSinceJ2000) {
    const double t = centuriesSinceJ2000;
    const double node = 125.044555 - 1934.1361849 * t + 0.0020762 * t * t;
    const double sunLongitude = 280.466449 + 36000.7698231 * t + 0.0003106 * t * t;
    // Unlike the 1900-epoch formula: the Sun's longitude itself, and a plus
    // sign on the node term.
    const double nutation = 1.27 * std::sin(ReducedRadians(sunLongitude)) + 17.23 * std::sin(ReducedRadians(node));
    return (nutation - (5025.64 * t + 1.11 * t * t) - 85886.27) / 3600.0;
}

double MoonSiderealLongitudeDeg(const BirthData& birth) {
    const double ut = UniversalTimeHours(birth);
    const double jd = JulianDayOfDate(birth.month, birth.day, birth.year);
    const double t = (jd - kEpochJ2000 + ut / 24.0 - 0.5) / kDaysPerCentury;

    double longitude = MoonTropicalLongitude(t) + MoonAyanamsaAt(t);
    if (longitude < 0) longitude += 360.0;
    return longitude;
}

void ComputeMoon(const BirthData& birth, ChartState& chart) {
    chart.bodies[kMoon] = PositionAt(MoonSiderealLongitudeDeg(birth));
}

}  // namespace varelio
