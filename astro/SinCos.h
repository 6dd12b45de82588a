// An angle's sine and cosine together, and the sines and cosines of sums of
// angles made from them without libm: each of the Moon's terms from its four
// arguments, each planet's elements from their values at J2000 turned by the
// little they move over the program's years.
#pragma once

namespace varelio {

struct SinCos {
    double sin = 0;
    double cos = 1;
};

// Of the sum of two angles.
inline SinCos SumOf(const SinCos& a, const SinCos& b) {
    return {a.sin * b.cos + a.cos * b.sin, a.cos * b.cos - a.sin * b.sin};
}

// Of an angle of at most a quarter of a radian, by the series (Horner's rule,
// to x^11 and x^12): the terms left out are below 1e-18.
inline SinCos SmallAngle(double x) {
    const double x2 = x * x;
    return {x * (1 - x2 * (1.0 / 6) *
                         (1 - x2 * (1.0 / 20) *
                                  (1 - x2 * (1.0 / 42) * (1 - x2 * (1.0 / 72) * (1 - x2 * (1.0 / 110)))))),
            1 - x2 * (1.0 / 2) *
                    (1 - x2 * (1.0 / 12) *
                             (1 - x2 * (1.0 / 30) *
                                      (1 - x2 * (1.0 / 56) * (1 - x2 * (1.0 / 90) * (1 - x2 * (1.0 / 132))))))};
}

}  // namespace varelio
