#include "matching/Ashtakoota.h"

#include "astro/Nakshatras.h"
#include "astro/Signs.h"

namespace varelio {

namespace {

constexpr int kSigns = 12;

template <typename E>
constexpr std::size_t At(E value) {
    return static_cast<std::size_t>(value);
}

// Counted inclusively: the same nakshatra is the 1st, the next one the 2nd.
constexpr int NakshatraCount(int from, int to) { return (to - from + kNakshatraCount) % kNakshatraCount + 1; }

// Janma 1 .. Parama Mitra 9.
constexpr int TaraOf(int count) { return (count - 1) % 9 + 1; }
constexpr bool Favourable(int tara) { return tara != 3 && tara != 5 && tara != 7; }

Friendship Regard(BodyIndex of, BodyIndex toward) { return kNaturalFriendship[of][toward]; }

KootaScore Score(Koota koota, double points, KootaReason reason) {
    return KootaScore{koota, points, kKootaMaximum[At(koota)], reason};
}

KootaScore VarnaScore(const MoonTraits& bride, const MoonTraits& groom) {
    if (groom.varna >= bride.varna) return Score(Koota::Varna, 1, KootaReason::GroomVarnaNotLower);
    return Score(Koota::Varna, 0, KootaReason::GroomVarnaLower);
}

KootaScore VashyaScore(const MoonTraits& bride, const MoonTraits& groom) {
    return Score(Koota::Vashya, kVashyaPoints[At(groom.vashya)][At(bride.vashya)],
                 bride.vashya == groom.vashya ? KootaReason::SameVashya : KootaReason::DifferentVashya);
}

KootaScore TaraScore(int fromBride, int fromGroom, TaraCount count) {
    const int favourable = count == TaraCount::BrideToGroom
                               ? (Favourable(fromBride) ? 2 : 0)
                               : int{Favourable(fromBride)} + int{Favourable(fromGroom)};
    constexpr KootaReason kReasons[] = {KootaReason::TaraNoneFavourable, KootaReason::TaraOneFavourable,
                                        KootaReason::TaraBothFavourable};
    return Score(Koota::Tara, favourable * kTaraPointsPerDirection, kReasons[favourable]);
}

KootaScore YoniScore(const MoonTraits& bride, const MoonTraits& groom) {
    const int points = kYoniPoints[At(groom.yoni)][At(bride.yoni)];
    constexpr KootaReason kReasons[] = {KootaReason::EnemyYoni, KootaReason::UnfriendlyYoni, KootaReason::NeutralYoni,
                                        KootaReason::FriendlyYoni, KootaReason::SameYoni};
    return Score(Koota::Yoni, points, kReasons[points]);
}

KootaScore GrahaMaitri(const MoonTraits& bride, const MoonTraits& groom) {
    if (bride.signLord == groom.signLord) return Score(Koota::GrahaMaitri, 5, KootaReason::SameSignLord);
    return Score(Koota::GrahaMaitri,
                 kMaitriPoints[At(Regard(bride.signLord, groom.signLord))][At(Regard(groom.signLord, bride.signLord))],
                 KootaReason::LordsRelated);
}

KootaScore GanaScore(const MoonTraits& bride, const MoonTraits& groom) {
    return Score(Koota::Gana, kGanaPoints[At(groom.gana)][At(bride.gana)],
                 bride.gana == groom.gana ? KootaReason::SameGana : KootaReason::DifferentGana);
}

KootaScore BhakootScore(const MoonTraits& bride, const MoonTraits& groom) {
    const int apart = (groom.sign - bride.sign + kSigns) % kSigns + 1;  // 1 to 12, and 14 - apart the other way
    switch (apart) {
        case 2: case 12: return Score(Koota::Bhakoot, 0, KootaReason::SignsTwoTwelve);
        case 5: case 9: return Score(Koota::Bhakoot, 0, KootaReason::SignsFiveNine);
        case 6: case 8: return Score(Koota::Bhakoot, 0, KootaReason::SignsSixEight);
        default: return Score(Koota::Bhakoot, kBhakootPoints, KootaReason::SignsFavourable);
    }
}

KootaScore NadiScore(const MoonTraits& bride, const MoonTraits& groom) {
    if (bride.nadi == groom.nadi) return Score(Koota::Nadi, 0, KootaReason::SameNadi);
    return Score(Koota::Nadi, kNadiPoints, KootaReason::DifferentNadi);
}

std::uint16_t Bit(DoshaException e, bool applies) {
    return applies ? static_cast<std::uint16_t>(1u << static_cast<int>(e)) : std::uint16_t{0};
}

// Two different Moon signs ruled by one planet (Aries and Scorpio, ...).
bool SameLordOfTwoSigns(const MoonTraits& bride, const MoonTraits& groom) {
    return bride.sign != groom.sign && bride.signLord == groom.signLord;
}

void FindDoshas(Ashtakoota& match) {
    const MoonTraits& b = match.bride;
    const MoonTraits& g = match.groom;
    const auto add = [&match](Dosha dosha, std::uint16_t exceptions) {
        match.doshas[static_cast<std::size_t>(match.doshaCount++)] = DoshaFinding{dosha, exceptions};
    };
    if (match.of(Koota::Nadi).points == 0) {
        add(Dosha::Nadi,
            Bit(DoshaException::SameSignDifferentNakshatra, b.sign == g.sign && b.nakshatra != g.nakshatra) |
                Bit(DoshaException::SameNakshatraDifferentSign, b.nakshatra == g.nakshatra && b.sign != g.sign) |
                Bit(DoshaException::SameSignLord, SameLordOfTwoSigns(b, g)));
    }
    if (match.of(Koota::Bhakoot).points == 0) {
        const bool friends = Regard(b.signLord, g.signLord) == Friendship::Friend &&
                             Regard(g.signLord, b.signLord) == Friendship::Friend;
        add(Dosha::Bhakoot, Bit(DoshaException::SameSignLord, SameLordOfTwoSigns(b, g)) |
                                Bit(DoshaException::SignLordsMutualFriends, b.signLord != g.signLord && friends));
    }
    // A Rakshasa with a Deva or a Manushya: 1 point or none. Two signs of one
    // lord are that one exception, not also a lord that is no enemy to itself.
    if (match.of(Koota::Gana).points <= 1) {
        const bool noEnemy = Regard(b.signLord, g.signLord) != Friendship::Enemy &&
                             Regard(g.signLord, b.signLord) != Friendship::Enemy;
        add(Dosha::Gana, Bit(DoshaException::BrideFourteenthOrMore, NakshatraCount(g.nakshatra, b.nakshatra) >= 14) |
                             Bit(DoshaException::SameSignLord, SameLordOfTwoSigns(b, g)) |
                             Bit(DoshaException::SignLordsNotEnemies, noEnemy && !SameLordOfTwoSigns(b, g)));
    }
}

}  // namespace

ScoreBand BandOfTotal(double total) {
    if (total < 18) return ScoreBand::NotRecommended;
    if (total < 25) return ScoreBand::Acceptable;
    if (total <= 32) return ScoreBand::Good;
    return ScoreBand::Excellent;
}

const DoshaFinding* Ashtakoota::find(Dosha dosha) const {
    for (int i = 0; i < doshaCount; ++i) {
        if (doshas[static_cast<std::size_t>(i)].dosha == dosha) return &doshas[static_cast<std::size_t>(i)];
    }
    return nullptr;
}

std::optional<MoonTraits> TraitsOfMoon(const BodyPosition& moon, const AshtakootaRules& rules) {
    if (moon.sign < 1 || moon.sign > kSigns || moon.nakshatra < 1 || moon.nakshatra > kNakshatraCount ||
        moon.pada < 1 || moon.pada > 4) {
        return std::nullopt;
    }
    const SignTraits& sign = kSignTraits[static_cast<std::size_t>(moon.sign - 1)];
    const NakshatraTraits& star = kNakshatraTraits[static_cast<std::size_t>(moon.nakshatra - 1)];
    MoonTraits traits;
    traits.sign = moon.sign;
    traits.nakshatra = moon.nakshatra;
    traits.pada = moon.pada;
    traits.varna = sign.varna;
    if (rules.vashya == VashyaSigns::WholeSigns) {
        traits.vashya = sign.vashyaWholeSign;
    } else {
        const double intoSign = moon.longitudeDeg - (moon.sign - 1) * 30.0;
        traits.vashya = intoSign < 15.0 ? sign.vashyaFirstHalf : sign.vashyaSecondHalf;
    }
    traits.yoni = star.yoni;
    traits.gana = star.gana;
    traits.nadi = star.nadi;
    traits.signLord = SignLord(moon.sign);
    return traits;
}

std::optional<Ashtakoota> ComputeAshtakoota(const BodyPosition& brideMoon, const BodyPosition& groomMoon,
                                            const AshtakootaRules& rules) {
    const auto bride = TraitsOfMoon(brideMoon, rules);
    const auto groom = TraitsOfMoon(groomMoon, rules);
    if (!bride || !groom) return std::nullopt;

    Ashtakoota match;
    match.bride = *bride;
    match.groom = *groom;
    match.taraFromBride = TaraOf(NakshatraCount(bride->nakshatra, groom->nakshatra));
    match.taraFromGroom = TaraOf(NakshatraCount(groom->nakshatra, bride->nakshatra));
    match.kootas = {VarnaScore(*bride, *groom),
                    VashyaScore(*bride, *groom),
                    TaraScore(match.taraFromBride, match.taraFromGroom, rules.tara),
                    YoniScore(*bride, *groom),
                    GrahaMaitri(*bride, *groom),
                    GanaScore(*bride, *groom),
                    BhakootScore(*bride, *groom),
                    NadiScore(*bride, *groom)};
    for (const KootaScore& k : match.kootas) match.total += k.points;
    match.band = BandOfTotal(match.total);
    FindDoshas(match);
    return match;
}

}  // namespace varelio
