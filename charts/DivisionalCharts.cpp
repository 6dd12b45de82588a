#include "charts/DivisionalCharts.h"

#include "astro/AngleCut.h"
#include "astro/Signs.h"
#include "manglik/Manglik.h"

namespace varelio {

namespace {

// The Sun's sign and the Moon's, whose halves the Hora gives.
constexpr int kLeo = 5;
constexpr int kCancer = 4;

// A longitude written in degrees and minutes (23°20') is held as the nearest
// double, which can fall a hair short of the boundary it names; within a
// billionth of a part of a boundary it counts as on it, far below anything
// the engine can tell apart.
constexpr double kBoundarySlack = 1e-9;

// The nth sign from a sign (the sign itself is the 1st), any n >= 1.
constexpr int NthFrom(int sign, int nth) { return SignInHouse(sign, (nth - 1) % kSignCount + 1); }

constexpr int FromColumn(FirstPart first, int sign) {
    switch (first) {
        case FirstPart::ByParity: return sign % 2 == 1 ? 0 : 1;
        case FirstPart::ByModality: return (sign - 1) % 3;  // Aries movable, Taurus fixed, Gemini dual, ...
        default: return 0;
    }
}

// The sign of part 0 .. parts - 1 of a sign 1 to 12, by the chart's rule.
constexpr int SignOfPart(const Division& division, int sign, int part) {
    if (division.first == FirstPart::Luminaries) return (sign % 2 == 1) == (part == 0) ? kLeo : kCancer;
    const int from = division.from[static_cast<std::size_t>(FromColumn(division.first, sign))];
    return NthFrom(sign, from + part * (division.next - 1));
}

// The rules worked out once, at compile time, for every sign and part: a
// reading asks for some eighty signs at a time.
using PartSigns = std::array<std::array<signed char, kSignCount>, kSignCount>;  // [sign - 1][part]
constexpr auto kPartSigns = [] {
    std::array<PartSigns, kDivisions.size()> all{};
    for (std::size_t c = 0; c < kDivisions.size(); ++c)
        for (int sign = 1; sign <= kSignCount; ++sign)
            for (int part = 0; part < kDivisions[c].parts; ++part)
                all[c][static_cast<std::size_t>(sign - 1)][static_cast<std::size_t>(part)] =
                    static_cast<signed char>(SignOfPart(kDivisions[c], sign, part));
    return all;
}();

int SignIn(const PartSigns& partSigns, int parts, double partsPerDegree, int sign, double longitudeDeg) {
    if (sign < 1 || sign > kSignCount) return 0;
    double part = (longitudeDeg - 30.0 * (sign - 1)) * partsPerDegree + kBoundarySlack;
    if (!(part >= 0.0)) part = 0.0;
    // The sign is reckoned from cut whole degrees, so its very last instant stays in its last part.
    const int index = part < parts ? static_cast<int>(part) : parts - 1;
    return partSigns[static_cast<std::size_t>(sign - 1)][static_cast<std::size_t>(index)];
}

}  // namespace

int SignInChart(DivisionalChart chart, int sign, double longitudeDeg) {
    const int parts = DivisionOf(chart).parts;
    return SignIn(kPartSigns[static_cast<std::size_t>(chart)], parts, parts / 30.0, sign, longitudeDeg);
}

int SignInChart(DivisionalChart chart, double longitudeDeg) {
    const auto sign = SignOfLongitude(longitudeDeg);
    return sign ? SignInChart(chart, *sign + 1, longitudeDeg) : 0;
}

ChartSigns SignsInChart(DivisionalChart chart, const ChartState& state) {
    const PartSigns& partSigns = kPartSigns[static_cast<std::size_t>(chart)];
    const int parts = DivisionOf(chart).parts;
    const double partsPerDegree = parts / 30.0;
    ChartSigns signs{};
    for (std::size_t b = 0; b < signs.size(); ++b)
        signs[b] = SignIn(partSigns, parts, partsPerDegree, state.bodies[b].sign, state.bodies[b].longitudeDeg);
    return signs;
}

}  // namespace varelio
