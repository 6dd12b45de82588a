// The Ashtakoota's tables, compiled in: what each Moon sign and each Moon
// nakshatra stands for, the points of every pair, and the choices where the
// published tables differ (kAshtakootaRules). Sources: README.md beside this file.
#pragma once

#include "astro/Records.h"

#include <array>
#include <cstdint>

namespace varelio {

// The eight kootas in the order of their maxima, 1 to 8 points.
enum class Koota { Varna, Vashya, Tara, Yoni, GrahaMaitri, Gana, Bhakoot, Nadi };
inline constexpr int kKootaCount = 8;
inline constexpr std::array<Koota, kKootaCount> kKootas{Koota::Varna, Koota::Vashya,      Koota::Tara,
                                                        Koota::Yoni,  Koota::GrahaMaitri, Koota::Gana,
                                                        Koota::Bhakoot, Koota::Nadi};
inline constexpr std::array<double, kKootaCount> kKootaMaximum{1, 2, 3, 4, 5, 6, 7, 8};
inline constexpr double kAshtakootaMaximum = 36;

// Lowest first: the groom's varna must not be lower than the bride's.
enum class Varna : std::uint8_t { Shudra, Vaishya, Kshatriya, Brahmin };
enum class VashyaClass : std::uint8_t { Chatushpada, Manava, Jalachara, Vanachara, Keeta };
enum class Yoni : std::uint8_t {
    Horse, Elephant, Sheep, Serpent, Dog, Cat, Rat, Cow, Buffalo, Tiger, Deer, Monkey, Mongoose, Lion,
};
enum class Gana : std::uint8_t { Deva, Manushya, Rakshasa };
enum class Nadi : std::uint8_t { Adi, Madhya, Antya };
enum class Friendship : std::uint8_t { Friend, Neutral, Enemy };

inline constexpr int kVashyaClassCount = 5;
inline constexpr int kYoniCount = 14;
inline constexpr int kGanaCount = 3;

// --- Where the published tables differ: the choices, in this one place. ---

// Tara: counted both ways with 1.5 for each favourable direction (the
// North Indian Ashtakoota), or from the bride's nakshatra to the groom's
// alone, 3 or nothing (the South Indian dina reckoning).
enum class TaraCount : std::uint8_t { BothWays, BrideToGroom };
// Vashya of Sagittarius and Capricorn: split at 15 degrees, or one class for
// the whole sign (Sagittarius Manava, Capricorn Jalachara).
enum class VashyaSigns : std::uint8_t { HalfSigns, WholeSigns };

struct AshtakootaRules {
    TaraCount tara = TaraCount::BothWays;
    VashyaSigns vashya = VashyaSigns::HalfSigns;
};
// The most widely published reckoning; the program uses it.
inline constexpr AshtakootaRules kAshtakootaRules{};

// --- Moon signs, Aries first. ---

struct SignTraits {
    Varna varna;
    VashyaClass vashyaFirstHalf;   // 0 to 15 degrees into the sign
    VashyaClass vashyaSecondHalf;  // 15 to 30 degrees
    VashyaClass vashyaWholeSign;   // when VashyaSigns::WholeSigns
};

inline constexpr std::array<SignTraits, 12> kSignTraits{{
    {Varna::Kshatriya, VashyaClass::Chatushpada, VashyaClass::Chatushpada, VashyaClass::Chatushpada},  // Aries
    {Varna::Vaishya, VashyaClass::Chatushpada, VashyaClass::Chatushpada, VashyaClass::Chatushpada},    // Taurus
    {Varna::Shudra, VashyaClass::Manava, VashyaClass::Manava, VashyaClass::Manava},                     // Gemini
    {Varna::Brahmin, VashyaClass::Jalachara, VashyaClass::Jalachara, VashyaClass::Jalachara},           // Cancer
    {Varna::Kshatriya, VashyaClass::Vanachara, VashyaClass::Vanachara, VashyaClass::Vanachara},         // Leo
    {Varna::Vaishya, VashyaClass::Manava, VashyaClass::Manava, VashyaClass::Manava},                    // Virgo
    {Varna::Shudra, VashyaClass::Manava, VashyaClass::Manava, VashyaClass::Manava},                     // Libra
    {Varna::Brahmin, VashyaClass::Keeta, VashyaClass::Keeta, VashyaClass::Keeta},                       // Scorpio
    {Varna::Kshatriya, VashyaClass::Manava, VashyaClass::Chatushpada, VashyaClass::Manava},             // Sagittarius
    {Varna::Vaishya, VashyaClass::Chatushpada, VashyaClass::Jalachara, VashyaClass::Jalachara},         // Capricorn
    {Varna::Shudra, VashyaClass::Manava, VashyaClass::Manava, VashyaClass::Manava},                     // Aquarius
    {Varna::Brahmin, VashyaClass::Jalachara, VashyaClass::Jalachara, VashyaClass::Jalachara},           // Pisces
}};

// Vashya points of two classes (the same either way round), Chatushpada first.
inline constexpr double kVashyaPoints[kVashyaClassCount][kVashyaClassCount]{
    {2, 1, 1, 0.5, 1},  // Chatushpada
    {1, 2, 0.5, 0, 1},  // Manava
    {1, 0.5, 2, 1, 1},  // Jalachara
    {0.5, 0, 1, 2, 0},  // Vanachara
    {1, 1, 1, 0, 2},    // Keeta
};

// --- Moon nakshatras, Aswini first. ---

struct NakshatraTraits {
    Yoni yoni;
    Gana gana;
    Nadi nadi;
};

inline constexpr std::array<NakshatraTraits, 27> kNakshatraTraits{{
    {Yoni::Horse, Gana::Deva, Nadi::Adi},          // Aswini
    {Yoni::Elephant, Gana::Manushya, Nadi::Madhya},  // Bharani
    {Yoni::Sheep, Gana::Rakshasa, Nadi::Antya},      // Krittika
    {Yoni::Serpent, Gana::Manushya, Nadi::Antya},    // Rohini
    {Yoni::Serpent, Gana::Deva, Nadi::Madhya},       // Mrigashira
    {Yoni::Dog, Gana::Manushya, Nadi::Adi},          // Ardra
    {Yoni::Cat, Gana::Deva, Nadi::Adi},              // Punarvasu
    {Yoni::Sheep, Gana::Deva, Nadi::Madhya},         // Pushya
    {Yoni::Cat, Gana::Rakshasa, Nadi::Antya},        // Aslesha
    {Yoni::Rat, Gana::Rakshasa, Nadi::Antya},        // Magha
    {Yoni::Rat, Gana::Manushya, Nadi::Madhya},       // Purva Phalguni
    {Yoni::Cow, Gana::Manushya, Nadi::Adi},          // Uttara Phalguni
    {Yoni::Buffalo, Gana::Deva, Nadi::Adi},          // Hasta
    {Yoni::Tiger, Gana::Rakshasa, Nadi::Madhya},     // Chitra
    {Yoni::Buffalo, Gana::Deva, Nadi::Antya},        // Swati
    {Yoni::Tiger, Gana::Rakshasa, Nadi::Antya},      // Vishakha
    {Yoni::Deer, Gana::Deva, Nadi::Madhya},          // Anuradha
    {Yoni::Deer, Gana::Rakshasa, Nadi::Adi},         // Jyeshtha
    {Yoni::Dog, Gana::Rakshasa, Nadi::Adi},          // Mula
    {Yoni::Monkey, Gana::Manushya, Nadi::Madhya},    // Purva Ashadha
    {Yoni::Mongoose, Gana::Manushya, Nadi::Antya},   // Uttara Ashadha
    {Yoni::Monkey, Gana::Deva, Nadi::Antya},         // Shravana
    {Yoni::Lion, Gana::Rakshasa, Nadi::Madhya},      // Dhanishtha
    {Yoni::Horse, Gana::Rakshasa, Nadi::Adi},        // Shatabhisha
    {Yoni::Lion, Gana::Manushya, Nadi::Adi},         // Purva Bhadrapada
    {Yoni::Cow, Gana::Manushya, Nadi::Madhya},       // Uttara Bhadrapada
    {Yoni::Elephant, Gana::Deva, Nadi::Antya},       // Revati
}};

// Yoni points of two animals (the same either way round), Horse first:
// 4 the same, 3 friendly, 2 neutral, 1 unfriendly, 0 sworn enemies.
inline constexpr std::uint8_t kYoniPoints[kYoniCount][kYoniCount]{
    {4, 2, 2, 3, 2, 2, 2, 1, 0, 1, 3, 3, 2, 1},  // Horse
    {2, 4, 3, 3, 2, 2, 2, 2, 3, 1, 2, 3, 2, 0},  // Elephant
    {2, 3, 4, 2, 1, 2, 1, 3, 3, 1, 2, 0, 3, 1},  // Sheep
    {3, 3, 2, 4, 2, 1, 1, 1, 1, 2, 2, 2, 0, 2},  // Serpent
    {2, 2, 1, 2, 4, 2, 1, 2, 2, 1, 0, 2, 1, 1},  // Dog
    {2, 2, 2, 1, 2, 4, 0, 2, 2, 1, 3, 3, 2, 1},  // Cat
    {2, 2, 1, 1, 1, 0, 4, 2, 2, 2, 2, 2, 1, 2},  // Rat
    {1, 2, 3, 1, 2, 2, 2, 4, 3, 0, 3, 2, 2, 1},  // Cow
    {0, 3, 3, 1, 2, 2, 2, 3, 4, 1, 2, 2, 2, 1},  // Buffalo
    {1, 1, 1, 2, 1, 1, 2, 0, 1, 4, 1, 1, 2, 1},  // Tiger
    {3, 2, 2, 2, 0, 3, 2, 3, 2, 1, 4, 2, 2, 1},  // Deer
    {3, 3, 0, 2, 2, 3, 2, 2, 2, 1, 2, 4, 3, 2},  // Monkey
    {2, 2, 3, 0, 1, 2, 1, 2, 2, 2, 2, 3, 4, 2},  // Mongoose
    {1, 0, 1, 2, 1, 1, 2, 1, 1, 1, 1, 2, 2, 4},  // Lion
};

// --- Gana, Graha Maitri. ---

// Gana points by the groom's gana (row) and the bride's (column): Deva with
// Manushya 5 either way round; a Deva groom with a Rakshasa bride 0, a
// Rakshasa groom with a Deva bride 1; Manushya with Rakshasa 0 (the sources
// agreeing against Future Point's grid: README.md).
inline constexpr double kGanaPoints[kGanaCount][kGanaCount]{
    {6, 5, 0},  // groom Deva
    {5, 6, 0},  // groom Manushya
    {1, 0, 6},  // groom Rakshasa
};

// The natural friendship of the sign lords: how the row's planet regards the
// column's, Sun to Saturn in body order (Sun, Moon, Mercury, Venus, Mars,
// Jupiter, Saturn).
inline constexpr int kSignLordCount = 7;
inline constexpr Friendship kNaturalFriendship[kSignLordCount][kSignLordCount]{
    // Sun Moon Mercury Venus Mars Jupiter Saturn
    {Friendship::Friend, Friendship::Friend, Friendship::Neutral, Friendship::Enemy, Friendship::Friend,
     Friendship::Friend, Friendship::Enemy},  // Sun
    {Friendship::Friend, Friendship::Friend, Friendship::Friend, Friendship::Neutral, Friendship::Neutral,
     Friendship::Neutral, Friendship::Neutral},  // Moon
    {Friendship::Friend, Friendship::Enemy, Friendship::Friend, Friendship::Friend, Friendship::Neutral,
     Friendship::Neutral, Friendship::Neutral},  // Mercury
    {Friendship::Enemy, Friendship::Enemy, Friendship::Friend, Friendship::Friend, Friendship::Neutral,
     Friendship::Neutral, Friendship::Friend},  // Venus
    {Friendship::Friend, Friendship::Friend, Friendship::Enemy, Friendship::Neutral, Friendship::Friend,
     Friendship::Friend, Friendship::Neutral},  // Mars
    {Friendship::Friend, Friendship::Friend, Friendship::Enemy, Friendship::Enemy, Friendship::Friend,
     Friendship::Friend, Friendship::Neutral},  // Jupiter
    {Friendship::Enemy, Friendship::Enemy, Friendship::Friend, Friendship::Friend, Friendship::Enemy,
     Friendship::Neutral, Friendship::Friend},  // Saturn
};

// Graha Maitri points by how each lord regards the other (the same either way
// round); one lord for both signs counts as mutual friends, 5.
inline constexpr double kMaitriPoints[3][3]{
    {5, 4, 1},    // Friend: Friend, Neutral, Enemy
    {4, 3, 0.5},  // Neutral
    {1, 0.5, 0},  // Enemy
};

// Bhakoot: the Moon signs 2/12, 5/9 or 6/8 from each other give nothing.
inline constexpr double kBhakootPoints = 7;
inline constexpr double kNadiPoints = 8;

// Tara: the remainders 3 (Vipat), 5 (Pratyak) and 7 (Vadha) are unfavourable.
inline constexpr double kTaraPointsPerDirection = 1.5;

}  // namespace varelio
