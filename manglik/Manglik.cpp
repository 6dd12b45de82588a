#include "manglik/Manglik.h"

#include "engine/SignNames.h"
#include "manglik/PositionText.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace varelio {

void BuildManglikTables(ManglikTables& tables) {
    for (std::size_t k = 0; k < kSignNames.size(); ++k) {
        tables.signNames[k] = kSignNames[k].english;
        tables.signLords[k] = kSignNames[k].lordName;
    }
    tables.signNames[12].clear();
    tables.signLords[12].clear();
}

namespace {

constexpr int kNoSign = -1;

// The working lists of one evaluation; built fresh every time.
struct Houses {
    int referenceSign = kNoSign;             // k0, sign index of house 1
    std::array<std::string_view, 13> signs;  // house h is signs[h-1]; the 13th repeats house 1
    // Bit b set: body b stands in the house. Body order is the order the
    // names would be listed in, so scanning bits low to high reads them in order.
    std::array<std::uint16_t, 12> occupants{};
};

// First sign whose name begins with the three letters, or kNoSign.
int SignIndexOf(std::string_view abbreviation, const ManglikTables& tables) {
    if (abbreviation.size() != 3) return kNoSign;
    for (int k = 0; k < 12; ++k) {
        if (std::string_view(tables.signNames[k]).substr(0, 3) == abbreviation) return k;
    }
    return kNoSign;
}

// House 1 to 12 holding the sign abbreviation, or 0 when no house does.
int HouseOf(std::string_view abbreviation, const Houses& houses) {
    if (houses.referenceSign == kNoSign) return 0;
    for (int h = 1; h <= 12; ++h) {
        if (houses.signs[h - 1] == abbreviation) return h;
    }
    return 0;
}

Houses WalkHouses(std::string_view referenceSign, const ManglikTables& tables,
                  const ChartState& chart) {
    Houses houses;
    houses.referenceSign = SignIndexOf(referenceSign, tables);
    if (houses.referenceSign == kNoSign) return houses;
    const int k0 = houses.referenceSign;
    houses.signs[0] = referenceSign;
    int h = 1;
    for (int k = k0 + 1; k < 12; ++k) houses.signs[h++] = std::string_view(tables.signNames[k]).substr(0, 3);
    for (int k = 0; k <= k0; ++k) houses.signs[h++] = std::string_view(tables.signNames[k]).substr(0, 3);

    for (int b = kSun; b <= kKetu; ++b) {
        const int house = HouseOf(SignAbbreviationOf(chart.bodyPositionText[b]), houses);
        if (house != 0) houses.occupants[house - 1] |= static_cast<std::uint16_t>(1u << b);
    }
    return houses;
}

// First house (1 to 12) whose occupants include a body of that English name.
bool HouseHolds(const Houses& houses, int house, std::string_view name, const ChartState& chart) {
    for (int b = kSun; b <= kKetu; ++b) {
        if ((houses.occupants[house - 1] & (1u << b)) != 0 && chart.bodyNames[b] == name) return true;
    }
    return false;
}

int FindTarget(const Houses& houses, std::string_view targetName, const ChartState& chart) {
    if (houses.referenceSign == kNoSign) return 0;
    for (int h = 1; h <= 12; ++h) {
        if (HouseHolds(houses, h, targetName, chart)) return h;
    }
    return 0;
}

// The texts stand as the tradition this program follows writes them:
// 2nd and 12th give "0.0625%", the 4th "0.125%".
struct HouseVerdict {
    const char* percentage;
    bool manglik;
};
HouseVerdict VerdictForHouse(int house) {
    switch (house) {
        case 1: return {"50%", true};
        case 2: return {"0.0625%", true};
        case 4: return {"0.125%", true};
        case 7: return {"25%", true};
        case 8: return {"100%", true};
        case 12: return {"0.0625%", true};
        default: return {"0%", false};
    }
}

std::optional<Cancellation> MarsInLeoOrAquarius(int marsSign, const ManglikTables& tables) {
    if (marsSign == 4 || marsSign == 10) return Cancellation{1, "Mars in " + tables.signNames[marsSign]};
    return std::nullopt;
}

std::optional<Cancellation> MarsHouseSignPair(int marsHouse, int marsSign, const ManglikTables& tables) {
    struct Pair {
        int house;
        int signs[2];
    };
    // Gemini/Virgo, Aries/Scorpio, Cancer/Capricorn, Sagittarius/Pisces, Taurus/Libra.
    static constexpr Pair kPairs[] = {{2, {2, 5}}, {4, {0, 7}}, {7, {3, 9}}, {8, {8, 11}}, {12, {1, 6}}};
    for (const Pair& pair : kPairs) {
        if (pair.house == marsHouse && (pair.signs[0] == marsSign || pair.signs[1] == marsSign)) {
            return Cancellation{2, "Mars in house " + std::to_string(marsHouse) + " in " +
                                       tables.signNames[marsSign]};
        }
    }
    return std::nullopt;
}

std::optional<Cancellation> MoonInCancerOrLeo(const ChartState& chart) {
    const std::string_view moonSign = chart.moonSignName;
    if (moonSign.substr(0, 3) == "Can" || moonSign.substr(0, 3) == "Leo") {
        return Cancellation{3, "Moon sign is " + chart.moonSignName};
    }
    return std::nullopt;
}

std::optional<Cancellation> LordInKendraOrTrikona(const Houses& houses, const ManglikTables& tables,
                                                  const ChartState& chart, const char* referenceName) {
    const std::string& lord = tables.signLords[houses.referenceSign];
    for (int house : {1, 4, 5, 7, 9, 10}) {
        if (HouseHolds(houses, house, lord, chart)) {
            return Cancellation{4, std::string("Lord of the ") + referenceName + " sign, " + lord +
                                       ", stands in house " + std::to_string(house)};
        }
    }
    return std::nullopt;
}

// Close means in the same or a neighbouring sign (Pisces and Aries are
// neighbours) and within 10 whole degrees of arc; minutes are not used. The
// sign is checked on its own: a text whose degrees run past 29 must not bring
// a body two signs away within reach.
std::optional<Cancellation> BeneficNearReference(const std::string& referenceText, const Houses& houses,
                                                 const ManglikTables& tables, const ChartState& chart,
                                                 const char* referenceName) {
    const std::optional<int> referenceDegrees = DegreesOf(referenceText);
    if (!referenceDegrees) return std::nullopt;
    const int referenceArc = houses.referenceSign * 30 + *referenceDegrees;
    for (int b : {kMercury, kJupiter, kSaturn, kRahu, kKetu}) {
        const std::string& text = chart.bodyPositionText[b];
        const int sign = SignIndexOf(SignAbbreviationOf(text), tables);
        const std::optional<int> degrees = DegreesOf(text);
        if (sign == kNoSign || !degrees) continue;
        const int signsApart = (sign - houses.referenceSign + 12) % 12;
        if (signsApart != 0 && signsApart != 1 && signsApart != 11) continue;
        const int apart = std::abs(sign * 30 + *degrees - referenceArc) % 360;
        if (std::min(apart, 360 - apart) <= 10) {
            return Cancellation{5, chart.bodyNames[b] + " is close to the " + referenceName};
        }
    }
    return std::nullopt;
}

std::optional<Cancellation> FirstCancellation(const std::string& referenceText, const Houses& houses,
                                              int marsHouse, int marsSign, const ManglikTables& tables,
                                              const ChartState& chart, bool isLagnaRun) {
    if (marsSign != kNoSign) {
        if (auto c = MarsInLeoOrAquarius(marsSign, tables)) return c;
        if (auto c = MarsHouseSignPair(marsHouse, marsSign, tables)) return c;
    }
    if (auto c = MoonInCancerOrLeo(chart)) return c;
    if (houses.referenceSign == kNoSign) return std::nullopt;
    if (auto c = LordInKendraOrTrikona(houses, tables, chart, isLagnaRun ? "Lagna" : "Moon")) return c;
    return BeneficNearReference(referenceText, houses, tables, chart, isLagnaRun ? "ascendant" : "Moon");
}

}  // namespace

ManglikEvaluation EvaluateManglik(const std::string& referenceText, const std::string& targetName,
                                  bool isLagnaRun, const ChartState& chart) {
    ManglikTables tables;
    BuildManglikTables(tables);

    const std::string_view marsSignText = SignAbbreviationOf(chart.bodyPositionText[kMars]);
    const Houses houses = WalkHouses(SignAbbreviationOf(referenceText), tables, chart);
    const int marsSign = SignIndexOf(marsSignText, tables);

    ManglikEvaluation result;
    result.marsHouse = HouseOf(marsSignText, houses);
    result.cancellation =
        FirstCancellation(referenceText, houses, result.marsHouse, marsSign, tables, chart, isLagnaRun);

    const int targetHouse = FindTarget(houses, targetName, chart);
    if (targetHouse != 0) {
        const HouseVerdict verdict = VerdictForHouse(targetHouse);
        result.doshaPercentage = verdict.percentage;
        result.manglik = verdict.manglik;
    }

    result.captions[0] = std::string(isLagnaRun ? "Position of Mars from Lagna is " : "Position of Mars from Moon is ") +
                         (result.marsHouse != 0 ? std::to_string(result.marsHouse) : "unknown");
    result.captions[1] = "Percentage of Mangala dosha is " +
                         (targetHouse != 0 ? result.doshaPercentage : std::string("unknown"));
    if (targetHouse == 0) {
        result.captions[2] = "The person's Manglik status could not be determined";
    } else {
        result.captions[2] = result.manglik ? "The person is Manglik" : "The person is Non Manglik";
    }
    return result;
}

}  // namespace varelio
