// Full-turn reductions that give exactly what the repeated "subtract 360
// while ..." / "add 360 while ..." loops give, in constant time: each
// subtraction of a whole turn is exact in binary floating point, so only the
// final step can round, and fmod plus one correction reproduces it.
#pragma once

#include <cmath>

namespace varelio {

// std::fmod(x, turn), exactly, and without its long division where it need
// not: for a whole turn and x below 10^12, x less whole turns (an integer
// below 2^53, so exact) is the remainder itself, once the quotient's rounding
// is put right.
inline double TurnRemainder(double x, double turn) {
    const double magnitude = std::fabs(x);
    // Most angles are within a turn or two: no division (a turn less is
    // exact there, for any turn).
    if (magnitude < turn) return x;
    double r = 0;
    if (magnitude < 2 * turn) {
        r = x - std::copysign(turn, x);
    } else if (!(magnitude < 1e12) || turn != static_cast<double>(static_cast<long long>(turn))) {
        return std::fmod(x, turn);
    } else {
        const auto turns = static_cast<long long>(x / turn);  // toward zero, as fmod's quotient
        r = x - static_cast<double>(turns) * turn;
        if (x >= 0) {
            if (r < 0) r += turn;
            else if (r >= turn) r -= turn;
        } else {
            if (r > 0) r -= turn;
            else if (r <= -turn) r += turn;
        }
    }
    // fmod keeps the sign of x on a zero remainder.
    return r == 0 ? std::copysign(0.0, x) : r;
}

// while x >= turn: x -= turn
inline double SubtractWhileAtLeast(double x, double turn) {
    if (!(x >= turn)) return x;
    return TurnRemainder(x, turn);
}

// while x > turn: x -= turn   (a whole multiple ends at turn, not 0)
inline double SubtractWhileAbove(double x, double turn) {
    if (!(x > turn)) return x;
    const double r = TurnRemainder(x, turn);
    return r == 0.0 ? turn : r;
}

// while x < 0: x += turn
inline double AddWhileBelowZero(double x, double turn) {
    if (!(x < 0.0)) return x;
    const double r = TurnRemainder(x, turn);  // in (-turn, 0]
    if (r == 0.0) return 0.0;
    return r + turn;  // the loop's last step, rounding included
}

// x less the whole turns nearest it, exactly, for a turn that is a whole
// number (360 degrees): -turn/2 <= result <= turn/2, or a hair beyond where
// x is a hair from a half turn. The turns taken off are a whole number times
// a multiple of x's last place, so what is left needs no rounding; their
// count is found by multiplying with the inverse, without a division or a
// branch, as a sine's argument comes here at random.
inline double NearestTurnRemainder(double x, double turn) {
    if (!(std::fabs(x) < 1e12)) return std::remainder(x, turn);
    const auto turns = static_cast<long long>(x * (1 / turn) + std::copysign(0.5, x));
    return x - static_cast<double>(turns) * turn;
}

// x brought into 0 <= x < turn, whatever its size or sign.
inline double ReduceIntoTurn(double x, double turn) {
    double r = TurnRemainder(x, turn);
    if (r < 0.0) r += turn;
    // A tiny negative remainder plus a turn rounds up to the turn itself.
    return r >= turn ? 0.0 : r;
}

}  // namespace varelio
