// Manglik against Manglik: the bride's and the groom's verdicts from the
// Lagna, the Moon and Venus set side by side, per reference and overall.
// A Manglik should marry a Manglik: when both are, the doshas balance; when
// only one is, the dosha stands unless that person's own cancellation applies.
#pragma once

#include "manglik/Manglik.h"

#include <array>
#include <cstdint>
#include <optional>

namespace varelio {

enum class MatchSide : std::uint8_t { Bride, Groom };

enum class ManglikBalance : std::uint8_t {
    Unknown,         // a verdict that could not be counted
    Neither,         // no dosha on either side
    BothBalanced,    // both Manglik: the doshas balance
    DoshaStands,     // only `side` is Manglik and nothing cancels it
    DoshaCancelled,  // only `side` is Manglik and its own `cancellation` applies
};

struct ReferenceComparison {
    ManglikReference reference = ManglikReference::Lagna;
    ManglikBalance balance = ManglikBalance::Unknown;
    std::optional<MatchSide> side;             // with DoshaStands and DoshaCancelled
    std::optional<Cancellation> cancellation;  // with DoshaCancelled
};

// One person over the three references. Overall, a person is Manglik when any
// reference gives a dosha that none of the cancellation rules lifts.
enum class ManglikStanding : std::uint8_t {
    Unknown,     // no reference could be counted
    NotManglik,  // no reference gives a dosha
    Cancelled,   // every dosha found is cancelled
    Manglik,     // at least one dosha stands
};

struct PersonManglik {
    ManglikStanding standing = ManglikStanding::Unknown;
    int standingReferences = 0;  // references whose dosha stands, 0 to 3
    // With Cancelled: the first reference with a dosha and the rule that lifts it.
    std::optional<ManglikReference> cancelledReference;
    std::optional<Cancellation> cancellation;
};

struct ManglikComparison {
    std::array<ReferenceComparison, kManglikReferences.size()> references;  // Lagna, Moon, Venus
    PersonManglik bride;
    PersonManglik groom;
    // From the two standings: both Manglik balance, one Manglik stands (`side`),
    // neither leaves nothing; Unknown when either standing is.
    ManglikBalance overall = ManglikBalance::Unknown;
    std::optional<MatchSide> overallSide;

    const ReferenceComparison& of(ManglikReference reference) const {
        return references[static_cast<std::size_t>(reference)];
    }
};

using ManglikVerdicts = std::array<ManglikVerdict, kManglikReferences.size()>;  // Lagna, Moon, Venus

ReferenceComparison CompareVerdicts(const ManglikVerdict& bride, const ManglikVerdict& groom);
PersonManglik StandingOf(const ManglikVerdicts& verdicts);
ManglikComparison CompareManglik(const ManglikVerdicts& bride, const ManglikVerdicts& groom);

}  // namespace varelio
