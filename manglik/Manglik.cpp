#include "manglik/Manglik.h"

#include "astro/AngleCut.h"
#include "astro/Signs.h"

#include <algorithm>
#include <cstdlib>

namespace varelio {

namespace {

// Signs are 1 (Aries) to 12 (Pisces) here, 0 unknown.
constexpr int kCancer = 4, kLeo = 5, kAquarius = 11;

int SignOf(const ChartState& chart, int body) { return chart.bodies[static_cast<std::size_t>(body)].sign; }

std::optional<Cancellation> MarsInLeoOrAquarius(int marsSign) {
    if (marsSign == kLeo || marsSign == kAquarius) return Cancellation{CancellationRule::MarsInLeoOrAquarius, marsSign};
    return std::nullopt;
}

std::optional<Cancellation> MarsHouseSignPair(int marsHouse, int marsSign) {
    struct Pair {
        int house;
        int signs[2];
    };
    // Gemini/Virgo, Aries/Scorpio, Cancer/Capricorn, Sagittarius/Pisces, Taurus/Libra.
    static constexpr Pair kPairs[] = {{2, {3, 6}}, {4, {1, 8}}, {7, {4, 10}}, {8, {9, 12}}, {12, {2, 7}}};
    for (const Pair& pair : kPairs) {
        if (pair.house == marsHouse && (pair.signs[0] == marsSign || pair.signs[1] == marsSign)) {
            return Cancellation{CancellationRule::MarsInHouseAndSign, marsSign, marsHouse};
        }
    }
    return std::nullopt;
}

std::optional<Cancellation> MoonInCancerOrLeo(int moonSign) {
    if (moonSign == kCancer || moonSign == kLeo) return Cancellation{CancellationRule::MoonInCancerOrLeo, moonSign};
    return std::nullopt;
}

std::optional<Cancellation> LordInKendraOrTrikona(const ChartState& chart, int referenceSign) {
    const BodyIndex lord = SignLord(referenceSign);
    const int house = HouseFrom(referenceSign, SignOf(chart, lord));
    constexpr int kGoodHouses[] = {1, 4, 5, 7, 9, 10};
    if (std::find(std::begin(kGoodHouses), std::end(kGoodHouses), house) == std::end(kGoodHouses)) {
        return std::nullopt;
    }
    return Cancellation{CancellationRule::LordInKendraOrTrikona, 0, house, lord};
}

// Close means in the same or a neighbouring sign (Pisces and Aries are
// neighbours) and within 10 whole degrees of arc; minutes are not used.
std::optional<Cancellation> BeneficNearReference(const ChartState& chart, BodyIndex reference) {
    const BodyPosition& point = chart.bodies[reference];
    const int referenceArc = (point.sign - 1) * 30 + WholeDegreesInSign(point.longitudeDeg);
    for (const BodyIndex b : {kMercury, kJupiter, kSaturn, kRahu, kKetu}) {
        const BodyPosition& body = chart.bodies[b];
        if (body.sign == 0) continue;
        const int signsApart = (body.sign - point.sign + kHouseCount) % kHouseCount;
        if (signsApart != 0 && signsApart != 1 && signsApart != 11) continue;
        const int apart = std::abs((body.sign - 1) * 30 + WholeDegreesInSign(body.longitudeDeg) - referenceArc) % 360;
        if (std::min(apart, 360 - apart) <= 10) return Cancellation{CancellationRule::BeneficNearReference, 0, 0, b};
    }
    return std::nullopt;
}

std::optional<Cancellation> FirstApplying(const ChartState& chart, int marsHouse, BodyIndex reference) {
    const int marsSign = SignOf(chart, kMars);
    if (marsSign != 0) {
        if (auto c = MarsInLeoOrAquarius(marsSign)) return c;
        if (auto c = MarsHouseSignPair(marsHouse, marsSign)) return c;
    }
    if (auto c = MoonInCancerOrLeo(SignOf(chart, kMoon))) return c;
    const int referenceSign = SignOf(chart, reference);
    if (referenceSign == 0) return std::nullopt;
    if (auto c = LordInKendraOrTrikona(chart, referenceSign)) return c;
    return BeneficNearReference(chart, reference);
}

}  // namespace

BodyIndex ReferenceBody(ManglikReference reference) {
    switch (reference) {
        case ManglikReference::Lagna: return kAscendant;
        case ManglikReference::Moon: return kMoon;
        case ManglikReference::Venus: return kVenus;
    }
    return kAscendant;
}

// The weights stand as the tradition this program follows gives them:
// the 2nd and 12th 0.0625, the 4th 0.125.
std::optional<HouseDosha> DoshaOfHouse(int house) {
    switch (house) {
        case 1: return HouseDosha{50, true};
        case 2: return HouseDosha{0.0625, true};
        case 4: return HouseDosha{0.125, true};
        case 7: return HouseDosha{25, true};
        case 8: return HouseDosha{100, true};
        case 12: return HouseDosha{0.0625, true};
        case 3: case 5: case 6: case 9: case 10: case 11: return HouseDosha{0, false};
        default: return std::nullopt;
    }
}

std::optional<Cancellation> FirstCancellation(ManglikReference reference, const ChartState& chart) {
    const BodyIndex referenceBody = ReferenceBody(reference);
    return FirstApplying(chart, HouseFrom(SignOf(chart, referenceBody), SignOf(chart, kMars)), referenceBody);
}

ManglikVerdict EvaluateManglik(ManglikReference reference, const ChartState& chart) {
    ManglikVerdict verdict;
    verdict.reference = reference;
    const BodyIndex referenceBody = ReferenceBody(reference);
    verdict.house = HouseFrom(SignOf(chart, referenceBody), SignOf(chart, kMars));
    if (const auto dosha = DoshaOfHouse(verdict.house)) {
        verdict.doshaPercent = dosha->percent;
        verdict.manglik = dosha->manglik;
    }
    if (verdict.manglik) verdict.cancellation = FirstApplying(chart, verdict.house, referenceBody);
    return verdict;
}

}  // namespace varelio
