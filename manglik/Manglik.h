// The Manglik verdict: the house of Mars counted from a reference sign (the
// ascendant's, the Moon's or Venus's), the dosha's weight and the first
// dosha-cancellation rule that applies, all as numbers and codes read from the
// bodies' positions. The words are the windows' and the companion's.
#pragma once

#include "astro/Records.h"

#include <array>
#include <optional>

namespace varelio {

inline constexpr int kHouseCount = 12;

// House 1 to 12 of a sign counted from the reference sign (signs 1 to 12);
// 0 when either sign is unknown (0).
constexpr int HouseFrom(int referenceSign, int sign) {
    if (referenceSign < 1 || referenceSign > kHouseCount || sign < 1 || sign > kHouseCount) return 0;
    return (sign - referenceSign + kHouseCount) % kHouseCount + 1;
}

// The sign 1 to 12 in house 1 to 12 counted from the reference sign: HouseFrom's
// inverse, as the North Indian chart writes it. House h holds the sign as many
// signs on from Aries as h is houses on from the house Aries stands in. 0 when
// either is out of range.
constexpr int SignInHouse(int referenceSign, int house) {
    return HouseFrom(HouseFrom(referenceSign, 1), house);
}

// Venus is the third reference other Manglik calculators count from; the
// program's window and export show the first two.
enum class ManglikReference { Lagna, Moon, Venus };
inline constexpr std::array<ManglikReference, 3> kManglikReferences{ManglikReference::Lagna, ManglikReference::Moon,
                                                                    ManglikReference::Venus};

// The body whose sign a reference counts from.
BodyIndex ReferenceBody(ManglikReference reference);

// The dosha of Mars in a house 1 to 12 from the reference: its weight in per
// cent (50, 0.0625, ...) and whether it makes the person Manglik; any other
// house has none.
struct HouseDosha {
    double percent = 0;
    bool manglik = false;
};
std::optional<HouseDosha> DoshaOfHouse(int house);

enum class CancellationRule {
    MarsInLeoOrAquarius = 1,   // sign: Mars's
    MarsInHouseAndSign,        // house and sign: Mars's
    MoonInCancerOrLeo,         // sign: the Moon's
    LordInKendraOrTrikona,     // body: the reference sign's lord; house: its house
    BeneficNearReference,      // body: the one close to the reference point
};

struct Cancellation {
    CancellationRule rule = CancellationRule::MarsInLeoOrAquarius;
    int sign = 0;        // 1 to 12
    int house = 0;       // 1 to 12
    BodyIndex body = kMars;
    friend bool operator==(const Cancellation&, const Cancellation&) = default;
};

struct ManglikVerdict {
    ManglikReference reference = ManglikReference::Lagna;
    int house = 0;                 // of Mars, 1 to 12; 0 when it could not be counted
    bool manglik = false;
    double doshaPercent = 0;       // meaningful when the house is known
    // The first cancellation rule that applies, only where there is a dosha to cancel.
    std::optional<Cancellation> cancellation;
    bool known() const { return house != 0; }
};

// The first dosha-cancellation rule that applies to Mars counted from the
// reference, whatever the verdict; nothing when none does.
std::optional<Cancellation> FirstCancellation(ManglikReference reference, const ChartState& chart);

// Judges the house of Mars counted from the sign of the ascendant, the Moon or
// Venus. The verdict comes from the house alone. A reference or Mars without a
// sign cannot be counted: the house is then 0 and the verdict unknown.
ManglikVerdict EvaluateManglik(ManglikReference reference, const ChartState& chart);

}  // namespace varelio
