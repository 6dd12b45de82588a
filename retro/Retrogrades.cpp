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

template <std::size_t N>
void Fill(StationTable& table, const std::array<std::string_view, N>& retrograde,
          const std::array<std::string_view, N>& direct) {
    table.retrogradeStations.assign(retrograde.begin(), retrograde.end());
    table.directStations.assign(direct.begin(), direct.end());
    table.retrogradeStations.emplace_back();
    table.directStations.emplace_back();
}

bool InsideAPeriod(std::span<const PairDays> pairs, std::int32_t day) {
    // Periods ascend and never overlap (checked when the tables are parsed),
    // so only the last period starting before the day can hold it.
    const auto after = std::partition_point(pairs.begin(), pairs.end(),
                                            [day](const PairDays& p) { return p.retrograde < day; });
    return after != pairs.begin() && day < std::prev(after)->direct;
}

}  // namespace

void LoadMercuryStations(StationTable& table) { Fill(table, sd::kMercuryRetrograde, sd::kMercuryDirect); }
void LoadVenusStations(StationTable& table) { Fill(table, sd::kVenusRetrograde, sd::kVenusDirect); }
void LoadMarsStations(StationTable& table) { Fill(table, sd::kMarsRetrograde, sd::kMarsDirect); }
void LoadJupiterStations(StationTable& table) { Fill(table, sd::kJupiterRetrograde, sd::kJupiterDirect); }
void LoadSaturnStations(StationTable& table) { Fill(table, sd::kSaturnRetrograde, sd::kSaturnDirect); }

int MonthNumber(std::string& monthPiece) {
    const int month = stationdays::MonthOfPiece(monthPiece);
    if (month != 0) monthPiece = std::to_string(month);
    return month;
}

bool IsRetrogradeAt(BodyIndex planet, const CivilMoment& birthMoment) {
    if (planet < kMercury || planet > kSaturn) return false;
    if (birthMoment.month < 1 || birthMoment.month > 12) return false;
    const auto day = static_cast<std::int32_t>(DaysSince1970(birthMoment.year, birthMoment.month, birthMoment.day));
    return InsideAPeriod(kPlanetDays[static_cast<std::size_t>(planet - kMercury)], day);
}

std::array<bool, kRetrogradeCount> MarkRetrogrades(const BirthData& birth, ChartState& chart) {
    // Local clock time as entered: the tables are compared by date alone.
    const CivilMoment birthMoment{birth.year, birth.month, birth.day, birth.hour, birth.minute};
    std::array<bool, kRetrogradeCount> retrogradeFlags{};
    for (std::size_t k = 0; k < retrogradeFlags.size(); ++k) {
        retrogradeFlags[k] = IsRetrogradeAt(static_cast<BodyIndex>(kMercury + static_cast<int>(k)), birthMoment);
    }
    for (std::size_t k = 0; k < retrogradeFlags.size(); ++k) {
        std::string& name = chart.bodyNamesSanskrit[kMercury + k];
        while (name.ends_with(kRetrogradeMark)) name.resize(name.size() - kRetrogradeMark.size());
        if (retrogradeFlags[k]) name += kRetrogradeMark;
    }
    return retrogradeFlags;
}

}  // namespace varelio
