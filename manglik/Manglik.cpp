#include "manglik/Manglik.h"

#include "astro/AngleText.h"
#include "astro/Signs.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace varelio {

namespace {

constexpr int kJudgedBodies = kKetu + 1;  // Sun .. Ketu stand in houses

// How each reference is named: in the first caption, in rule 4 ("Lord of
// the Lagna sign") and in rule 5 ("close to the ascendant").
struct ReferenceNames {
    BodyIndex body;
    const char* caption;
    const char* signOf;
    const char* point;
};

ReferenceNames NamesOf(ManglikReference reference) {
    switch (reference) {
        case ManglikReference::Lagna: return {kAscendant, "Lagna", "Lagna", "the ascendant"};
        case ManglikReference::Moon: return {kMoon, "Moon", "Moon", "the Moon"};
        case ManglikReference::Venus: return {kVenus, "Venus", "Venus", "Venus"};
    }
    return {kAscendant, "Lagna", "Lagna", "the ascendant"};
}

// The chart as the verdict reads it: each body's sign and whole degrees, when
// its position text holds them.
struct SignChart {
    std::array<std::optional<int>, kJudgedBodies> sign;
    std::array<std::optional<int>, kJudgedBodies> degrees;
    std::optional<int> referenceSign;
    std::optional<int> referenceDegrees;
};

SignChart ReadSigns(BodyIndex reference, const ChartState& chart) {
    SignChart signs;
    for (std::size_t b = 0; b < kJudgedBodies; ++b) {
        signs.sign[b] = SignOfPosition(chart.bodyPositionText[b]);
        signs.degrees[b] = DegreesOf(chart.bodyPositionText[b]);
    }
    const std::string& referenceText = chart.bodyPositionText[reference];
    signs.referenceSign = SignOfPosition(referenceText);
    signs.referenceDegrees = DegreesOf(referenceText);
    return signs;
}

// House 1 to 12 of a sign counted from the reference sign, or 0 when either is unknown.
int HouseOf(std::optional<int> sign, const SignChart& signs) {
    if (!sign || !signs.referenceSign) return 0;
    return (*sign - *signs.referenceSign + kSignCount) % kSignCount + 1;
}

std::string EnglishName(int sign) { return std::string(kSignNames[static_cast<std::size_t>(sign)].english); }

std::optional<Cancellation> MarsInLeoOrAquarius(int marsSign) {
    if (marsSign == 4 || marsSign == 10) return Cancellation{1, "Mars in " + EnglishName(marsSign)};
    return std::nullopt;
}

std::optional<Cancellation> MarsHouseSignPair(int marsHouse, int marsSign) {
    struct Pair {
        int house;
        int signs[2];
    };
    // Gemini/Virgo, Aries/Scorpio, Cancer/Capricorn, Sagittarius/Pisces, Taurus/Libra.
    static constexpr Pair kPairs[] = {{2, {2, 5}}, {4, {0, 7}}, {7, {3, 9}}, {8, {8, 11}}, {12, {1, 6}}};
    for (const Pair& pair : kPairs) {
        if (pair.house == marsHouse && (pair.signs[0] == marsSign || pair.signs[1] == marsSign)) {
            return Cancellation{2, "Mars in house " + std::to_string(marsHouse) + " in " + EnglishName(marsSign)};
        }
    }
    return std::nullopt;
}

std::optional<Cancellation> MoonInCancerOrLeo(const SignChart& signs) {
    const std::optional<int> moonSign = signs.sign[kMoon];
    if (moonSign == 3 || moonSign == 4) return Cancellation{3, "Moon sign is " + EnglishName(*moonSign)};
    return std::nullopt;
}

std::optional<Cancellation> LordInKendraOrTrikona(const SignChart& signs, const ReferenceNames& names) {
    const BodyIndex lord = kSignNames[static_cast<std::size_t>(*signs.referenceSign)].lord;
    const int house = HouseOf(signs.sign[lord], signs);
    constexpr int kGoodHouses[] = {1, 4, 5, 7, 9, 10};
    if (std::find(std::begin(kGoodHouses), std::end(kGoodHouses), house) == std::end(kGoodHouses)) {
        return std::nullopt;
    }
    return Cancellation{4, std::string("Lord of the ") + names.signOf + " sign, " +
                               std::string(kBodyNamesEnglish[lord]) + ", stands in house " + std::to_string(house)};
}

// Close means in the same or a neighbouring sign (Pisces and Aries are
// neighbours) and within 10 whole degrees of arc; minutes are not used. The
// sign is checked on its own: a text whose degrees run past 29 must not bring
// a body two signs away within reach.
std::optional<Cancellation> BeneficNearReference(const SignChart& signs, const ReferenceNames& names) {
    if (!signs.referenceDegrees) return std::nullopt;
    const int referenceSign = *signs.referenceSign;
    const int referenceArc = referenceSign * 30 + *signs.referenceDegrees;
    for (int b : {kMercury, kJupiter, kSaturn, kRahu, kKetu}) {
        const std::optional<int> sign = signs.sign[static_cast<std::size_t>(b)];
        const std::optional<int> degrees = signs.degrees[static_cast<std::size_t>(b)];
        if (!sign || !degrees) continue;
        const int signsApart = (*sign - referenceSign + kSignCount) % kSignCount;
        if (signsApart != 0 && signsApart != 1 && signsApart != 11) continue;
        const int apart = std::abs(*sign * 30 + *degrees - referenceArc) % 360;
        if (std::min(apart, 360 - apart) <= 10) {
            return Cancellation{5, std::string(kBodyNamesEnglish[static_cast<std::size_t>(b)]) +
                                       " is close to " + names.point};
        }
    }
    return std::nullopt;
}

std::optional<Cancellation> FirstCancellation(const SignChart& signs, int marsHouse, const ReferenceNames& names) {
    if (const std::optional<int> marsSign = signs.sign[kMars]) {
        if (auto c = MarsInLeoOrAquarius(*marsSign)) return c;
        if (auto c = MarsHouseSignPair(marsHouse, *marsSign)) return c;
    }
    if (auto c = MoonInCancerOrLeo(signs)) return c;
    if (!signs.referenceSign) return std::nullopt;
    if (auto c = LordInKendraOrTrikona(signs, names)) return c;
    return BeneficNearReference(signs, names);
}

}  // namespace

// The texts stand as the tradition this program follows writes them:
// 2nd and 12th give "0.0625%", the 4th "0.125%".
HouseDosha DoshaOfHouse(int house) {
    switch (house) {
        case 1: return {"50%", true};
        case 2: return {"0.0625%", true};
        case 4: return {"0.125%", true};
        case 7: return {"25%", true};
        case 8: return {"100%", true};
        case 12: return {"0.0625%", true};
        case 3: case 5: case 6: case 9: case 10: case 11: return {"0%", false};
        default: return {"", false};
    }
}

ManglikEvaluation EvaluateManglik(ManglikReference reference, const ChartState& chart) {
    const ReferenceNames names = NamesOf(reference);
    const SignChart signs = ReadSigns(names.body, chart);

    ManglikEvaluation result;
    result.marsHouse = HouseOf(signs.sign[kMars], signs);
    result.cancellation = FirstCancellation(signs, result.marsHouse, names);
    const bool known = result.marsHouse != 0;
    if (known) {
        const HouseDosha dosha = DoshaOfHouse(result.marsHouse);
        result.doshaPercentage = dosha.percentage;
        result.manglik = dosha.manglik;
    }

    result.captions[0] = std::string("Position of Mars from ") + names.caption + " is " +
                         (known ? std::to_string(result.marsHouse) : "unknown");
    result.captions[1] = "Percentage of Mangala dosha is " + (known ? result.doshaPercentage : std::string("unknown"));
    if (!known) {
        result.captions[2] = "The person's Manglik status could not be determined";
    } else {
        result.captions[2] = result.manglik ? "The person is Manglik" : "The person is Non Manglik";
    }
    return result;
}

}  // namespace varelio
