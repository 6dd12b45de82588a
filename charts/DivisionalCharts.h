// The divisional charts (vargas) the reading draws: the sign each body stands
// in when every sign is cut into equal parts and each part given a sign, by
// the Parashari rules. README.md beside this file names their source.
#pragma once

#include "astro/Records.h"

#include <array>

namespace varelio {

enum class DivisionalChart { Rasi, Hora, Drekkana, Saptamsa, Navamsa, Dasamsa, Dwadasamsa };

// Which sign a sign's first part starts counting from.
enum class FirstPart {
    BySign,      // from[0] for every sign
    ByParity,    // from[0] in an odd sign, from[1] in an even one
    ByModality,  // from[0] in a movable sign, from[1] in a fixed one, from[2] in a dual one
    Luminaries,  // odd sign: Leo then Cancer; even sign: Cancer then Leo (from and next unused)
};

// One chart's rule. Counts are as astrologers give them, the sign itself
// being the 1st: the first part falls in the from-th sign from the body's
// sign, and each later part in the next-th sign from the part before.
struct Division {
    DivisionalChart chart;
    int parts;  // into which a sign is cut; the chart's D-number
    FirstPart first;
    std::array<int, 3> from;
    int next;
};

inline constexpr std::array<Division, 7> kDivisions{{
    {DivisionalChart::Rasi, 1, FirstPart::BySign, {1, 1, 1}, 2},
    {DivisionalChart::Hora, 2, FirstPart::Luminaries, {0, 0, 0}, 0},
    {DivisionalChart::Drekkana, 3, FirstPart::BySign, {1, 1, 1}, 5},      // the 1st, 5th and 9th
    {DivisionalChart::Saptamsa, 7, FirstPart::ByParity, {1, 7, 0}, 2},
    {DivisionalChart::Navamsa, 9, FirstPart::ByModality, {1, 9, 5}, 2},
    {DivisionalChart::Dasamsa, 10, FirstPart::ByParity, {1, 9, 0}, 2},
    {DivisionalChart::Dwadasamsa, 12, FirstPart::BySign, {1, 1, 1}, 2},
}};

constexpr const Division& DivisionOf(DivisionalChart chart) {
    return kDivisions[static_cast<std::size_t>(chart)];
}

// The sign 1 to 12 in the chart of a body whose sign (1 to 12, as
// BodyPosition::sign holds it) and sidereal longitude are given; 0 when the
// sign is 0. A body on the boundary of two parts is in the later one.
int SignInChart(DivisionalChart chart, int sign, double longitudeDeg);

// The same from the longitude alone, its sign reckoned as PositionAt does.
int SignInChart(DivisionalChart chart, double longitudeDeg);

// Every body's sign in the chart, in body order (Sun .. Midheaven); 0 for a
// body without a sign.
using ChartSigns = std::array<int, kBodyCount>;
ChartSigns SignsInChart(DivisionalChart chart, const ChartState& state);

}  // namespace varelio
