// Manglik against Manglik: the bride's and the groom's verdicts from the
// Lagna, the Moon and Venus set side by side, per reference and overall, by
// one rule. From a reference a person *has the dosha* when the verdict is
// Manglik and no cancellation lifts it. Per reference: both have it, the
// doshas balance; one has it, the dosha stands; neither, there is none; a
// cancelled dosha is named beside it. Overall a person is Manglik who has the
// dosha from the Lagna or from the Moon (Venus is shown, not counted), and the
// two persons are compared the same way. Sources: README.md beside this file.
#pragma once

#include "manglik/Manglik.h"

#include <array>
#include <cstdint>
#include <optional>

namespace varelio {

enum class MatchSide : std::uint8_t { Bride, Groom };
inline constexpr std::array<MatchSide, 2> kMatchSides{MatchSide::Bride, MatchSide::Groom};
constexpr std::size_t SideIndex(MatchSide side) { return side == MatchSide::Bride ? 0 : 1; }
constexpr MatchSide OtherSide(MatchSide side) { return side == MatchSide::Bride ? MatchSide::Groom : MatchSide::Bride; }

// Who has the dosha, per reference or overall.
enum class ManglikBalance : std::uint8_t {
    Unknown,  // a verdict that could not be counted decides it
    Neither,  // neither has the dosha
    Both,     // both have it: the doshas balance
    One,      // only `side` has it: the dosha stands
};

// Whether a verdict gives the dosha: Manglik, and no cancellation lifts it.
constexpr bool HasDosha(const ManglikVerdict& verdict) { return verdict.manglik && !verdict.cancellation; }

// The references the overall comparison counts: the Lagna and the Moon.
// Venus is shown beside them, not counted.
constexpr bool IsCounted(ManglikReference reference) { return reference != ManglikReference::Venus; }

struct ReferenceComparison {
    ManglikReference reference = ManglikReference::Lagna;
    ManglikBalance balance = ManglikBalance::Unknown;
    std::optional<MatchSide> side;  // with One: who has the dosha
    // With One from a counted reference, when the other side has the dosha
    // from the other counted reference: that reference, whose dosha balances
    // this one overall (CompareManglik only).
    std::optional<ManglikReference> balancedFrom;
    // Each side's dosha from this reference that a cancellation lifts, bride first.
    std::array<std::optional<Cancellation>, 2> cancelled;

    const std::optional<Cancellation>& cancelledOf(MatchSide s) const { return cancelled[SideIndex(s)]; }
};

// One person over the counted references, the Lagna and the Moon.
enum class ManglikStanding : std::uint8_t {
    Unknown,     // no dosha from a counted reference, and one could not be counted
    NotManglik,  // no Manglik verdict from either counted reference
    Cancelled,   // Manglik verdicts from them, each lifted by a cancellation
    Manglik,     // the dosha from the Lagna, the Moon or both
};

struct PersonManglik {
    ManglikStanding standing = ManglikStanding::Unknown;
    int standingReferences = 0;  // counted references the person has the dosha from, 0 to 2
    bool fromLagna = false;      // has the dosha from the Lagna
    bool fromMoon = false;       // has the dosha from the Moon
    // With Cancelled: the first counted reference with a dosha and the rule that lifts it.
    std::optional<ManglikReference> cancelledReference;
    std::optional<Cancellation> cancellation;

    bool manglik() const { return standing == ManglikStanding::Manglik; }
};

struct ManglikComparison {
    std::array<ReferenceComparison, kManglikReferences.size()> references;  // Lagna, Moon, Venus
    PersonManglik bride;
    PersonManglik groom;
    // The two persons compared: both Manglik balance, one Manglik stands
    // (`overallSide`), neither leaves nothing; Unknown when either standing is.
    ManglikBalance overall = ManglikBalance::Unknown;
    std::optional<MatchSide> overallSide;

    const ReferenceComparison& of(ManglikReference reference) const {
        return references[static_cast<std::size_t>(reference)];
    }
    const PersonManglik& person(MatchSide side) const { return side == MatchSide::Bride ? bride : groom; }
};

using ManglikVerdicts = std::array<ManglikVerdict, kManglikReferences.size()>;  // Lagna, Moon, Venus

// One reference: who has the dosha, and the cancelled doshas beside it
// (balancedFrom is CompareManglik's).
ReferenceComparison CompareVerdicts(const ManglikVerdict& bride, const ManglikVerdict& groom);
PersonManglik StandingOf(const ManglikVerdicts& verdicts);
ManglikComparison CompareManglik(const ManglikVerdicts& bride, const ManglikVerdicts& groom);

}  // namespace varelio
