// The Ashtakoota (Guna Milan) of a bride and a groom from their Moons: each
// koota's points, maximum and reason, the total of 36 and its band, and the
// doshas the score reveals with the exceptions that lift them. Numbers and
// codes only; the windows and the companion put them into words.
#pragma once

#include "matching/KootaTables.h"

#include <array>
#include <cstdint>
#include <optional>

namespace varelio {

// Why a koota scored what it did.
enum class KootaReason : std::uint8_t {
    GroomVarnaNotLower,      // Varna 1
    GroomVarnaLower,         // Varna 0
    SameVashya,              // Vashya 2
    DifferentVashya,         // Vashya by kVashyaPoints
    TaraBothFavourable,      // both directions favourable (or the one counted)
    TaraOneFavourable,
    TaraNoneFavourable,
    SameYoni,                // Yoni 4
    FriendlyYoni,            // 3
    NeutralYoni,             // 2
    UnfriendlyYoni,          // 1
    EnemyYoni,               // 0: sworn enemies
    SameSignLord,            // Graha Maitri 5
    LordsRelated,            // Graha Maitri by the two lords' friendship
    SameGana,                // Gana 6
    DifferentGana,           // Gana by kGanaPoints
    SignsFavourable,         // Bhakoot 7: 1/1, 1/7, 3/11, 4/10
    SignsTwoTwelve,          // Bhakoot 0
    SignsFiveNine,
    SignsSixEight,
    DifferentNadi,           // Nadi 8
    SameNadi,                // Nadi 0
};

struct KootaScore {
    Koota koota = Koota::Varna;
    double points = 0;
    double maximum = 0;
    KootaReason reason = KootaReason::GroomVarnaLower;
};

// What one Moon brings to the match.
struct MoonTraits {
    int sign = 0;       // 1 Aries .. 12 Pisces
    int nakshatra = 0;  // 1 Aswini .. 27 Revati
    int pada = 0;       // 1 to 4
    Varna varna = Varna::Shudra;
    VashyaClass vashya = VashyaClass::Chatushpada;
    Yoni yoni = Yoni::Horse;
    Gana gana = Gana::Deva;
    Nadi nadi = Nadi::Adi;
    BodyIndex signLord = kSun;
};

enum class ScoreBand : std::uint8_t {
    NotRecommended,  // below 18
    Acceptable,      // 18 to 24 (24.5 too)
    Good,            // 25 to 32 (32.5 is above)
    Excellent,       // above 32
};
ScoreBand BandOfTotal(double total);

enum class Dosha : std::uint8_t { Nadi, Bhakoot, Gana };

// The published exceptions, each a rule of its own.
enum class DoshaException : std::uint8_t {
    SameSignDifferentNakshatra,  // Nadi: one Moon sign, two nakshatras
    SameNakshatraDifferentSign,  // Nadi: one nakshatra split over two signs
    SameSignLord,                // Nadi, Bhakoot, Gana: two signs with one lord
    SignLordsMutualFriends,      // Bhakoot: each lord a natural friend of the other
    SignLordsNotEnemies,         // Gana: one lord for one sign, or two lords friends or neutral to each other
    BrideFourteenthOrMore,       // Gana: the bride's nakshatra 14th or more from the groom's
};
inline constexpr std::array<DoshaException, 6> kDoshaExceptions{
    DoshaException::SameSignDifferentNakshatra, DoshaException::SameNakshatraDifferentSign,
    DoshaException::SameSignLord,               DoshaException::SignLordsMutualFriends,
    DoshaException::SignLordsNotEnemies,        DoshaException::BrideFourteenthOrMore};

struct DoshaFinding {
    Dosha dosha = Dosha::Nadi;
    std::uint16_t exceptions = 0;  // bit per DoshaException that applies

    bool liftedBy(DoshaException e) const { return (exceptions >> static_cast<int>(e)) & 1u; }
    bool lifted() const { return exceptions != 0; }
};

struct Ashtakoota {
    MoonTraits bride;
    MoonTraits groom;
    std::array<KootaScore, kKootaCount> kootas;  // in kKootas order
    double total = 0;
    ScoreBand band = ScoreBand::NotRecommended;
    // Tara, 1 to 9: the groom's nakshatra counted from the bride's, and the other way.
    int taraFromBride = 0;
    int taraFromGroom = 0;
    // Nadi, Bhakoot and Gana doshas found, in that order.
    std::array<DoshaFinding, 3> doshas{};
    int doshaCount = 0;

    const KootaScore& of(Koota koota) const { return kootas[static_cast<std::size_t>(koota)]; }
    const DoshaFinding* find(Dosha dosha) const;
};

// The traits of a Moon position; nothing when its sign, nakshatra or pada is unknown.
std::optional<MoonTraits> TraitsOfMoon(const BodyPosition& moon, const AshtakootaRules& rules = kAshtakootaRules);

// The match of two Moons; nothing when either cannot be placed.
std::optional<Ashtakoota> ComputeAshtakoota(const BodyPosition& brideMoon, const BodyPosition& groomMoon,
                                            const AshtakootaRules& rules = kAshtakootaRules);

}  // namespace varelio
