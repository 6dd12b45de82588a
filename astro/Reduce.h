// Full-turn reductions that give exactly what the repeated "subtract 360
// while ..." / "add 360 while ..." loops give, in constant time: each
// subtraction of a whole turn is exact in binary floating point, so only the
// final step can round, and fmod plus one correction reproduces it.
#pragma once

#include <cmath>

namespace varelio {

// while x >= turn: x -= turn
inline double SubtractWhileAtLeast(double x, double turn) {
    if (!(x >= turn)) return x;
    return std::fmod(x, turn);
}

// while x > turn: x -= turn   (a whole multiple ends at turn, not 0)
inline double SubtractWhileAbove(double x, double turn) {
    if (!(x > turn)) return x;
    const double r = std::fmod(x, turn);
    return r == 0.0 ? turn : r;
}

// while x < 0: x += turn
inline double AddWhileBelowZero(double x, double turn) {
    if (!(x < 0.0)) return x;
    const double r = std::fmod(x, turn);  // in (-turn, 0]
    if (r == 0.0) return 0.0;
    return r + turn;  // the loop's last step, rounding included
}

// x brought into 0 <= x < turn, whatever its size or sign.
inline double ReduceIntoTurn(double x, double turn) {
    double r = std::fmod(x, turn);
    if (r < 0.0) r += turn;
    // A tiny negative remainder plus a turn rounds up to the turn itself.
    return r >= turn ? 0.0 : r;
}

}  // namespace varelio
