// Two readings matched (matching/) in words: each side's birth, Moon and
// verdicts, the Manglik comparison, the kootas and their reasons, the total,
// the doshas and the conclusion, as the match window, its page, its text
// file and the companion's --match say them.
#pragma once

#include "matching/Match.h"
#include "words/Names.h"
#include "words/Reading.h"

#include <vector>

namespace varelio::words {

// The headings and fixed lines of the match.
enum class MatchHeading {
    Title,           // "Match of Two Readings"
    Manglik,         // "Manglik against Manglik"
    Ashtakoota,      // "Ashtakoota (Guna Milan)"
    Doshas,          // "Doshas"
    NoDosha,         // "No dosha found"
    NoAshtakoota,    // "The Ashtakoota needs both Moons' signs and nakshatras."
    ManglikCounted,  // "A person is Manglik with the dosha from Lagna or Moon ...; Venus is shown, not counted."
};
template <typename Words>
typename Words::Text HeadingText(const Words& words, MatchHeading heading) {
    switch (heading) {
        case MatchHeading::Title: return words(QT_TRANSLATE_NOOP("Words", "Match of Two Readings"));
        case MatchHeading::Manglik: return words(QT_TRANSLATE_NOOP("Words", "Manglik against Manglik"));
        case MatchHeading::Ashtakoota: return words(QT_TRANSLATE_NOOP("Words", "Ashtakoota (Guna Milan)"));
        case MatchHeading::Doshas: return words(QT_TRANSLATE_NOOP("Words", "Doshas"));
        case MatchHeading::NoDosha: return words(QT_TRANSLATE_NOOP("Words", "No dosha found"));
        case MatchHeading::NoAshtakoota:
            return words(QT_TRANSLATE_NOOP("Words", "The Ashtakoota needs both Moons' signs and nakshatras."));
        case MatchHeading::ManglikCounted:
            return words(QT_TRANSLATE_NOOP("Words",
                                           "A person is Manglik with the dosha from %1 or %2 that no "
                                           "cancellation lifts; %3 is shown, not counted."),
                         ReferenceName(words, ManglikReference::Lagna), ReferenceName(words, ManglikReference::Moon),
                         ReferenceName(words, ManglikReference::Venus));
    }
    return {};
}

template <typename Words>
typename Words::Text SideName(const Words& words, MatchSide side) {
    return Named(words, kSideNames, side);
}

// "Bride: Asha Rao"
template <typename Words>
typename Words::Text SideLine(const Words& words, MatchSide side, const BirthData& birth) {
    return words(QT_TRANSLATE_NOOP3("Words", "%1: %2", "side of the match: name"), SideName(words, side), birth.name);
}

// "1 January 2000, 17:30, Delhi, Delhi, India"
template <typename Words>
typename Words::Text BirthLine(const Words& words, const BirthData& b) {
    return words(QT_TRANSLATE_NOOP3("Words", "%1, %2, %3, %4, %5", "date, clock time, city, state, country"),
                 words.Date(b.year, b.month, b.day, DateForm::DayMonthYear),
                 words.Clock((b.hour % 100) * 60 + b.minute % 100), b.city, b.state, b.country);
}

// "Moon in Kataka (Cancer), Pushya pada 2"; "Moon position unknown" without a sign.
template <typename Words>
typename Words::Text MoonLine(const Words& words, const BodyPosition& moon) {
    if (moon.sign < 1 || moon.sign > kSignCount || moon.nakshatra < 1 || moon.nakshatra > kNakshatraCount)
        return words(QT_TRANSLATE_NOOP("Words", "Moon position unknown"));
    return words(QT_TRANSLATE_NOOP("Words", "Moon in %1 (%2), %3 pada %4"), NamedFromOne(words, kRashiNames, moon.sign),
                 NamedFromOne(words, kSignNames, moon.sign), NamedFromOne(words, kNakshatraNames, moon.nakshatra),
                 moon.pada);
}

// One reference's verdict on a line: "Lagna: Mars in house 7, Manglik (25%)",
// with ", cancelled: <reason>" when a cancellation applies; "Venus: unknown".
template <typename Words>
typename Words::Text VerdictLine(const Words& words, const ManglikVerdict& verdict) {
    const typename Words::Text reference = ReferenceName(words, verdict.reference);
    if (!verdict.known()) return words(QT_TRANSLATE_NOOP("Words", "%1: unknown"), reference);
    typename Words::Text line =
        verdict.manglik
            ? words(QT_TRANSLATE_NOOP("Words", "%1: Mars in house %2, Manglik (%3)"), reference, verdict.house,
                    PercentText(words, verdict.doshaPercent))
            : words(QT_TRANSLATE_NOOP("Words", "%1: Mars in house %2, Non Manglik"), reference, verdict.house);
    if (verdict.cancellation) {
        line = words(QT_TRANSLATE_NOOP("Words", "%1, cancelled: %2"), line,
                     CancellationReason(words, *verdict.cancellation, verdict.reference));
    }
    return line;
}

// One reference, who has the dosha: "From Lagna: both have the dosha, so the
// doshas balance", "From Moon: only the groom has the dosha, and it stands",
// "From Lagna: only the bride has the dosha; the groom's from Moon balances
// it", "From Venus (not counted): neither has the dosha", each followed by
// "; the bride's dosha is cancelled: Mars in Leo" for a cancelled dosha.
template <typename Words>
typename Words::Text ComparisonLine(const Words& words, const ReferenceComparison& c) {
    const typename Words::Text reference = ReferenceName(words, c.reference);
    const bool counted = IsCounted(c.reference);
    const bool bride = c.side.value_or(MatchSide::Bride) == MatchSide::Bride;
    typename Words::Text line;
    switch (c.balance) {
        case ManglikBalance::Unknown:
            return words(QT_TRANSLATE_NOOP("Words", "From %1: cannot be compared, a verdict is unknown"), reference);
        case ManglikBalance::Neither:
            line = counted
                       ? words(QT_TRANSLATE_NOOP("Words", "From %1: neither has the dosha"), reference)
                       : words(QT_TRANSLATE_NOOP("Words", "From %1 (not counted): neither has the dosha"), reference);
            break;
        case ManglikBalance::Both:
            line = counted ? words(QT_TRANSLATE_NOOP("Words", "From %1: both have the dosha, so the doshas balance"),
                                   reference)
                           : words(QT_TRANSLATE_NOOP("Words", "From %1 (not counted): both have the dosha"), reference);
            break;
        case ManglikBalance::One:
            if (c.balancedFrom) {
                const typename Words::Text other = ReferenceName(words, *c.balancedFrom);
                line = bride ? words(QT_TRANSLATE_NOOP("Words",
                                                       "From %1: only the bride has the dosha; the groom's from "
                                                       "%2 balances it"),
                                     reference, other)
                             : words(QT_TRANSLATE_NOOP("Words",
                                                       "From %1: only the groom has the dosha; the bride's from "
                                                       "%2 balances it"),
                                     reference, other);
            } else if (counted) {
                line = bride ? words(QT_TRANSLATE_NOOP("Words", "From %1: only the bride has the dosha, and it stands"),
                                     reference)
                             : words(QT_TRANSLATE_NOOP("Words", "From %1: only the groom has the dosha, and it stands"),
                                     reference);
            } else {
                line = bride ? words(QT_TRANSLATE_NOOP("Words", "From %1 (not counted): only the bride has the dosha"),
                                     reference)
                             : words(QT_TRANSLATE_NOOP("Words", "From %1 (not counted): only the groom has the dosha"),
                                     reference);
            }
            break;
    }
    if (const auto& cancellation = c.cancelledOf(MatchSide::Bride)) {
        line = words(QT_TRANSLATE_NOOP("Words", "%1; the bride's dosha is cancelled: %2"), line,
                     CancellationReason(words, *cancellation, c.reference));
    }
    if (const auto& cancellation = c.cancelledOf(MatchSide::Groom)) {
        line = words(QT_TRANSLATE_NOOP("Words", "%1; the groom's dosha is cancelled: %2"), line,
                     CancellationReason(words, *cancellation, c.reference));
    }
    return line;
}

// "The bride is Manglik from Lagna and Moon", "The groom is not Manglik",
// "The bride's dosha is cancelled (from Moon: Mars in Leo)", ...
template <typename Words>
typename Words::Text StandingLine(const Words& words, MatchSide side, const PersonManglik& person) {
    const bool bride = side == MatchSide::Bride;
    switch (person.standing) {
        case ManglikStanding::Unknown:
            return bride ? words(QT_TRANSLATE_NOOP("Words", "The bride's Manglik status could not be determined"))
                         : words(QT_TRANSLATE_NOOP("Words", "The groom's Manglik status could not be determined"));
        case ManglikStanding::NotManglik:
            return bride ? words(QT_TRANSLATE_NOOP("Words", "The bride is not Manglik"))
                         : words(QT_TRANSLATE_NOOP("Words", "The groom is not Manglik"));
        case ManglikStanding::Cancelled: {
            const ManglikReference reference = person.cancelledReference.value_or(ManglikReference::Lagna);
            const typename Words::Text name = ReferenceName(words, reference);
            const typename Words::Text reason = person.cancellation
                                                    ? CancellationReason(words, *person.cancellation, reference)
                                                    : typename Words::Text();
            return bride
                       ? words(QT_TRANSLATE_NOOP("Words", "The bride's dosha is cancelled (from %1: %2)"), name, reason)
                       : words(QT_TRANSLATE_NOOP("Words", "The groom's dosha is cancelled (from %1: %2)"), name,
                               reason);
        }
        case ManglikStanding::Manglik: {
            const typename Words::Text lagna = ReferenceName(words, ManglikReference::Lagna);
            const typename Words::Text moon = ReferenceName(words, ManglikReference::Moon);
            if (person.fromLagna && person.fromMoon) {
                return bride ? words(QT_TRANSLATE_NOOP("Words", "The bride is Manglik from %1 and %2"), lagna, moon)
                             : words(QT_TRANSLATE_NOOP("Words", "The groom is Manglik from %1 and %2"), lagna, moon);
            }
            const typename Words::Text& from = person.fromLagna ? lagna : moon;
            return bride ? words(QT_TRANSLATE_NOOP("Words", "The bride is Manglik from %1"), from)
                         : words(QT_TRANSLATE_NOOP("Words", "The groom is Manglik from %1"), from);
        }
    }
    return {};
}

// The two persons compared: "Both are Manglik: the doshas balance.",
// "Only the bride is Manglik: the dosha stands, unbalanced.", ...
template <typename Words>
typename Words::Text OverallLine(const Words& words, const ManglikComparison& c) {
    switch (c.overall) {
        case ManglikBalance::Unknown:
            return words(QT_TRANSLATE_NOOP("Words", "The Manglik comparison cannot be made: a verdict is unknown."));
        case ManglikBalance::Neither:
            return words(QT_TRANSLATE_NOOP("Words", "Neither is Manglik: there is no dosha to balance."));
        case ManglikBalance::Both: return words(QT_TRANSLATE_NOOP("Words", "Both are Manglik: the doshas balance."));
        case ManglikBalance::One:
            return c.overallSide.value_or(MatchSide::Bride) == MatchSide::Bride
                       ? words(QT_TRANSLATE_NOOP("Words", "Only the bride is Manglik: the dosha stands, unbalanced."))
                       : words(QT_TRANSLATE_NOOP("Words", "Only the groom is Manglik: the dosha stands, unbalanced."));
    }
    return {};
}

// "1.5 of 3"
template <typename Words>
typename Words::Text PointsText(const Words& words, double points, double maximum) {
    return words(QT_TRANSLATE_NOOP3("Words", "%1 of %2", "points of the maximum"), points, maximum);
}

// "Total: 27.5 of 36 (Good)"
template <typename Words>
typename Words::Text TotalLine(const Words& words, const Ashtakoota& match) {
    return words(QT_TRANSLATE_NOOP("Words", "Total: %1 (%2)"), PointsText(words, match.total, kAshtakootaMaximum),
                 Named(words, kBandNames, match.band));
}

namespace lists {

// The items one after another: "a, b, c" (or "a; b" with the other entry).
template <typename Words>
typename Words::Text Joined(const Words& words, const std::vector<typename Words::Text>& items, Source pair) {
    typename Words::Text list;
    for (const typename Words::Text& item : items) list = list.size() == 0 ? item : words(pair, list, item);
    return list;
}
inline constexpr Source kCommaPair = QT_TRANSLATE_NOOP3("Words", "%1, %2", "a list and one more of its items");
inline constexpr Source kSemicolonPair = QT_TRANSLATE_NOOP3("Words", "%1; %2", "a list of reasons and one more");

}  // namespace lists

// The match in one line: "Conclusion: 28 of 36 (Good), but not recommended:
// an unlifted Nadi dosha overrides the band; neither is Manglik; dosha
// standing: Nadi dosha."
template <typename Words>
typename Words::Text ConclusionLine(const Words& words, const MatchConclusion& c) {
    using Text = typename Words::Text;
    Text score;
    if (!c.ashtakootaKnown) {
        score = words(QT_TRANSLATE_NOOP("Words", "the Ashtakoota cannot be made"));
    } else {
        score = words(QT_TRANSLATE_NOOP3("Words", "%1 (%2)", "points of 36 (band)"),
                      PointsText(words, c.total, kAshtakootaMaximum), Named(words, kBandNames, c.band));
        if (c.bandOverridden) {
            const bool nadi = c.stands(Dosha::Nadi);
            const bool bhakoot = c.stands(Dosha::Bhakoot);
            score = nadi && bhakoot
                        ? words(QT_TRANSLATE_NOOP("Words",
                                                  "%1, but not recommended: unlifted Nadi and Bhakoot doshas "
                                                  "override the band"),
                                score)
                    : nadi ? words(QT_TRANSLATE_NOOP("Words",
                                                     "%1, but not recommended: an unlifted Nadi dosha overrides "
                                                     "the band"),
                                   score)
                           : words(QT_TRANSLATE_NOOP("Words",
                                                     "%1, but not recommended: an unlifted Bhakoot dosha "
                                                     "overrides the band"),
                                   score);
        } else if (c.recommended.value_or(false)) {
            score = words(QT_TRANSLATE_NOOP("Words", "%1, recommended"), score);
        }
    }
    const bool bride = c.manglikSide.value_or(MatchSide::Bride) == MatchSide::Bride;
    Text manglik;
    switch (c.manglik) {
        case ManglikBalance::Unknown:
            manglik = words(QT_TRANSLATE_NOOP("Words", "the Manglik comparison cannot be made"));
            break;
        case ManglikBalance::Neither: manglik = words(QT_TRANSLATE_NOOP("Words", "neither is Manglik")); break;
        case ManglikBalance::Both:
            manglik = words(QT_TRANSLATE_NOOP("Words", "both are Manglik, so the Manglik doshas balance"));
            break;
        case ManglikBalance::One:
            manglik = bride
                          ? words(QT_TRANSLATE_NOOP("Words", "only the bride is Manglik, so her Manglik dosha stands"))
                          : words(QT_TRANSLATE_NOOP("Words", "only the groom is Manglik, so his Manglik dosha stands"));
            break;
    }
    std::vector<Text> standing;
    if (c.manglikStands()) {
        standing.push_back(bride ? words(QT_TRANSLATE_NOOP("Words", "the bride's Manglik dosha"))
                                 : words(QT_TRANSLATE_NOOP("Words", "the groom's Manglik dosha")));
    }
    for (int i = 0; i < c.standingCount; ++i) {
        standing.push_back(Named(words, kDoshaNames, c.standing[static_cast<std::size_t>(i)]));
    }
    const Text list = standing.empty()       ? words(QT_TRANSLATE_NOOP("Words", "no dosha stands"))
                      : standing.size() == 1 ? words(QT_TRANSLATE_NOOP("Words", "dosha standing: %1"), standing.front())
                                             : words(QT_TRANSLATE_NOOP("Words", "doshas standing: %1"),
                                                     lists::Joined(words, standing, lists::kCommaPair));
    return words(QT_TRANSLATE_NOOP("Words", "Conclusion: %1; %2; %3."), score, manglik, list);
}

namespace kootas {

// The bride's and the groom's value of one trait: "Both Deva" or "Bride Manushya, groom Deva".
template <typename Words>
typename Words::Text Pair(const Words& words, const typename Words::Text& bride, const typename Words::Text& groom) {
    return bride == groom ? words(QT_TRANSLATE_NOOP("Words", "Both %1"), bride)
                          : words(QT_TRANSLATE_NOOP("Words", "Bride %1, groom %2"), bride, groom);
}

template <typename Words, std::size_t N, typename Code>
typename Words::Text Pair(const Words& words, const std::array<Source, N>& names, Code bride, Code groom) {
    return Pair(words, Named(words, names, bride), Named(words, names, groom));
}

}  // namespace kootas

// Why a koota scored what it did: "Bride Vaishya, groom Brahmin: the groom's
// varna is not lower", "Moon signs Aries and Leo: 5/9", ...
template <typename Words>
typename Words::Text KootaReasonText(const Words& words, const Ashtakoota& m, Koota koota) {
    using kootas::Pair;
    const MoonTraits& b = m.bride;
    const MoonTraits& g = m.groom;
    const KootaReason reason = m.of(koota).reason;
    switch (reason) {
        case KootaReason::GroomVarnaNotLower:
            return words(QT_TRANSLATE_NOOP("Words", "%1: the groom's varna is not lower"),
                         Pair(words, kVarnaNames, b.varna, g.varna));
        case KootaReason::GroomVarnaLower:
            return words(QT_TRANSLATE_NOOP("Words", "%1: the groom's varna is lower"),
                         Pair(words, kVarnaNames, b.varna, g.varna));
        case KootaReason::SameVashya:
        case KootaReason::DifferentVashya: return Pair(words, kVashyaNames, b.vashya, g.vashya);
        case KootaReason::TaraBothFavourable:
            return words(QT_TRANSLATE_NOOP("Words",
                                           "Tara %1 from the bride's nakshatra, %2 from the groom's: both "
                                           "favourable"),
                         m.taraFromBride, m.taraFromGroom);
        case KootaReason::TaraOneFavourable:
            return words(QT_TRANSLATE_NOOP("Words",
                                           "Tara %1 from the bride's nakshatra, %2 from the groom's: one "
                                           "favourable"),
                         m.taraFromBride, m.taraFromGroom);
        case KootaReason::TaraNoneFavourable:
            return words(QT_TRANSLATE_NOOP("Words",
                                           "Tara %1 from the bride's nakshatra, %2 from the groom's: neither "
                                           "favourable"),
                         m.taraFromBride, m.taraFromGroom);
        case KootaReason::SameYoni:
            return words(QT_TRANSLATE_NOOP("Words", "%1: the same yoni"), Pair(words, kYoniNames, b.yoni, g.yoni));
        case KootaReason::FriendlyYoni:
            return words(QT_TRANSLATE_NOOP("Words", "%1: friendly"), Pair(words, kYoniNames, b.yoni, g.yoni));
        case KootaReason::NeutralYoni:
            return words(QT_TRANSLATE_NOOP("Words", "%1: neutral"), Pair(words, kYoniNames, b.yoni, g.yoni));
        case KootaReason::UnfriendlyYoni:
            return words(QT_TRANSLATE_NOOP("Words", "%1: unfriendly"), Pair(words, kYoniNames, b.yoni, g.yoni));
        case KootaReason::EnemyYoni:
            return words(QT_TRANSLATE_NOOP("Words", "%1: sworn enemies"), Pair(words, kYoniNames, b.yoni, g.yoni));
        case KootaReason::SameSignLord:
            return words(QT_TRANSLATE_NOOP("Words", "Both Moon signs ruled by %1"),
                         Named(words, kBodyNames, b.signLord));
        case KootaReason::LordsRelated: {
            static constexpr std::array<Source, 3> kRegard{{{QT_TRANSLATE_NOOP("Words", "friendly")},
                                                            {QT_TRANSLATE_NOOP("Words", "neutral")},
                                                            {QT_TRANSLATE_NOOP("Words", "hostile")}}};
            static constexpr std::array<Source, 3> kMutual{{{QT_TRANSLATE_NOOP("Words", "mutual friends")},
                                                            {QT_TRANSLATE_NOOP("Words", "both neutral")},
                                                            {QT_TRANSLATE_NOOP("Words", "mutual enemies")}}};
            const Friendship brideRegard = kNaturalFriendship[b.signLord][g.signLord];
            const Friendship groomRegard = kNaturalFriendship[g.signLord][b.signLord];
            const typename Words::Text brideLord = Named(words, kBodyNames, b.signLord);
            const typename Words::Text groomLord = Named(words, kBodyNames, g.signLord);
            if (brideRegard == groomRegard) {
                return words(QT_TRANSLATE_NOOP("Words", "Lords %1 (bride) and %2 (groom): %3"), brideLord, groomLord,
                             Named(words, kMutual, brideRegard));
            }
            return words(QT_TRANSLATE_NOOP("Words", "Lords %1 (bride) and %2 (groom): %1 %3, %2 %4"), brideLord,
                         groomLord, Named(words, kRegard, brideRegard), Named(words, kRegard, groomRegard));
        }
        case KootaReason::SameGana:
        case KootaReason::DifferentGana: return Pair(words, kGanaNames, b.gana, g.gana);
        case KootaReason::SignsFavourable:
        case KootaReason::SignsTwoTwelve:
        case KootaReason::SignsFiveNine:
        case KootaReason::SignsSixEight: {
            if (b.sign == g.sign) {
                return words(QT_TRANSLATE_NOOP("Words", "Both Moons in %1"), NamedFromOne(words, kSignNames, b.sign));
            }
            static constexpr std::array<const char*, 12> kApart{"1/1", "2/12", "3/11", "4/10", "5/9",  "6/8",
                                                                "1/7", "6/8",  "5/9",  "4/10", "3/11", "2/12"};
            return words(QT_TRANSLATE_NOOP("Words", "Moon signs %1 and %2: %3"),
                         NamedFromOne(words, kSignNames, b.sign), NamedFromOne(words, kSignNames, g.sign),
                         kApart[static_cast<std::size_t>((g.sign - b.sign + kSignCount) % kSignCount)]);
        }
        case KootaReason::DifferentNadi:
        case KootaReason::SameNadi: return Pair(words, kNadiNames, b.nadi, g.nadi);
    }
    return {};
}

// "Varna: 1 of 1. Bride Shudra, groom Kshatriya: the groom's varna is not
// lower": a koota's line in the match's text file.
template <typename Words>
typename Words::Text KootaLine(const Words& words, const Ashtakoota& a, const KootaScore& score) {
    return words(QT_TRANSLATE_NOOP3("Words", "%1: %2. %3", "koota: points. reason"),
                 Named(words, kKootaNames, score.koota), PointsText(words, score.points, score.maximum),
                 KootaReasonText(words, a, score.koota));
}

// "both Moon signs ruled by Saturn", "both Moon signs have one lord" (one sign), ...
template <typename Words>
typename Words::Text DoshaExceptionText(const Words& words, DoshaException exception, const Ashtakoota& m) {
    const typename Words::Text brideLord = Named(words, kBodyNames, m.bride.signLord);
    const typename Words::Text groomLord = Named(words, kBodyNames, m.groom.signLord);
    switch (exception) {
        case DoshaException::SameSignDifferentNakshatra:
            return words(QT_TRANSLATE_NOOP("Words", "both Moons in one sign, in two nakshatras"));
        case DoshaException::SameNakshatraDifferentSign:
            return words(QT_TRANSLATE_NOOP("Words", "one nakshatra, in two signs"));
        case DoshaException::SameSignLord:
            return words(QT_TRANSLATE_NOOP("Words", "both Moon signs ruled by %1"), brideLord);
        case DoshaException::SignLordsMutualFriends:
            return words(QT_TRANSLATE_NOOP("Words", "the sign lords %1 and %2 are mutual friends"), brideLord,
                         groomLord);
        case DoshaException::SignLordsNotEnemies:
            if (m.bride.signLord == m.groom.signLord) {
                return words(QT_TRANSLATE_NOOP("Words", "both Moon signs have one lord"));
            }
            return words(QT_TRANSLATE_NOOP("Words", "the sign lords %1 and %2 are not enemies"), brideLord, groomLord);
        case DoshaException::BrideFourteenthOrMore:
            return words(QT_TRANSLATE_NOOP("Words", "the bride's nakshatra is 14th or more from the groom's"));
    }
    return {};
}

// "Nadi dosha, lifted: <exception>; <exception>" or "Nadi dosha: no exception lifts it".
template <typename Words>
typename Words::Text DoshaLine(const Words& words, const DoshaFinding& finding, const Ashtakoota& match) {
    const typename Words::Text name = Named(words, kDoshaNames, finding.dosha);
    if (!finding.lifted()) return words(QT_TRANSLATE_NOOP("Words", "%1: no exception lifts it"), name);
    std::vector<typename Words::Text> exceptions;
    for (const DoshaException e : kDoshaExceptions) {
        if (finding.liftedBy(e)) exceptions.push_back(DoshaExceptionText(words, e, match));
    }
    return words(QT_TRANSLATE_NOOP("Words", "%1, lifted: %2"), name,
                 lists::Joined(words, exceptions, lists::kSemicolonPair));
}

}  // namespace varelio::words
