#include "retro/Retrogrades.h"

#include "retro/StationData.h"
#include "retro/StationDays.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace varelio {
namespace {

namespace sd = stationdata;
using stationdays::PairDays;
using stationdays::ParsePairs;

constexpr auto kMercuryDays = ParsePairs(sd::kMercuryRetrograde, sd::kMercuryDirect);
constexpr auto kVenusDays = ParsePairs(sd::kVenusRetrograde, sd::kVenusDirect);
constexpr auto kMarsDays = ParsePairs(sd::kMarsRetrograde, sd::kMarsDirect);
constexpr auto kJupiterDays = ParsePairs(sd::kJupiterRetrograde, sd::kJupiterDirect);
constexpr auto kSaturnDays = ParsePairs(sd::kSaturnRetrograde, sd::kSaturnDirect);

// Mercury to Saturn, in body order.
constexpr std::array<std::span<const PairDays>, kRetrogradeCount> kPlanetDays = {
    kMercuryDays, kVenusDays, kMarsDays, kJupiterDays, kSaturnDays};

bool InsideAPeriod(std::span<const PairDays> pairs, std::int32_t day) {
    // Periods ascend and never overlap (checked when the tables are parsed),
    // so only the last period starting before the day can hold it. The
    // halving search keeps a pointer and no branch on the data (a birth's day
    // falls anywhere in the table, so each branch would be a coin toss).
    if (pairs.empty()) return false;
    const PairDays* base = pairs.data();
    for (std::size_t n = pairs.size(); n > 1;) {
        const std::size_t half = n / 2;
        base = base[half].retrograde < day ? base + half : base;
        n -= half;
    }
    // The first period starting on or after the day.
    const PairDays* after = base + (base->retrograde < day ? 1 : 0);
    return after != pairs.data() && day < after[-1].direct;
}

}  // namespace

bool IsRetrogradeAt(BodyIndex planet, const CivilMoment& birthMoment) {
    if (planet < kMercury || planet > kSaturn) return false;
    if (birthMoment.month < 1 || birthMoment.month > 12) return false;
    const auto day = static_cast<std::int32_t>(DaysSince1970(birthMoment.year, birthMoment.month, birthMoment.day));
    return InsideAPeriod(kPlanetDays[static_cast<std::size_t>(planet - kMercury)], day);
}

void MarkRetrogrades(const BirthData& birth, ChartState& chart) {
    // Local clock time as entered: the tables are compared by date alone,
    // its day number counted once for the five planets.
    const bool dated = birth.month >= 1 && birth.month <= 12;
    const auto day = static_cast<std::int32_t>(DaysSince1970(birth.year, birth.month, birth.day));
    for (int planet = kMercury; planet <= kSaturn; ++planet) {
        chart.bodies[static_cast<std::size_t>(planet)].retrograde =
            dated && InsideAPeriod(kPlanetDays[static_cast<std::size_t>(planet - kMercury)], day);
    }
}

}  // namespace varelio
