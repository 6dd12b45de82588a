#include "form/CityClocks.h"

#include <cmath>

namespace varelio {
namespace {

// The tz database's abbreviation of a zone's first period, a city's local mean time.
constexpr std::string_view kLocalMeanTime = "LMT";

bool Before(const CivilMoment& clock, int year, int month, int day) {
    if (clock.year != year) return clock.year < year;
    if (clock.month != month) return clock.month < month;
    return clock.day < day;
}

}  // namespace

int LocalMeanTimeSeconds(double longitudeDegrees) {
    // The Sun crosses 15 degrees of longitude an hour: 240 seconds a degree.
    return static_cast<int>(std::lround(longitudeDegrees * 240.0));
}

PlaceClock ChoosePlaceClock(const ZoneFacts& zone, std::uint32_t geonameId, std::string_view countryCode,
                            double longitudeDegrees, const CivilMoment& clock) {
    PlaceClock taken{ClockSource::Zone, zone.utcOffsetSeconds, -1};
    for (std::size_t i = 0; i < kCityClocks.size(); ++i) {
        const CityClock& city = kCityClocks[i];
        if (city.geonameId != geonameId || clock.year > city.lastYear) continue;
        if (clock.year < city.lastYear && !zone.summerTime) {
            return PlaceClock{ClockSource::CityTime, city.offsetSeconds, static_cast<int>(i)};
        }
        taken.cityClock = static_cast<int>(i);
        return taken;
    }
    bool beforeStandardTime = zone.abbreviation == kLocalMeanTime;
    for (const StandardTimeStart& start : kStandardTimeStarts) {
        if (start.countryCode == countryCode && Before(clock, start.year, start.month, start.day)) {
            beforeStandardTime = true;
        }
    }
    if (beforeStandardTime) return PlaceClock{ClockSource::LocalMeanTime, LocalMeanTimeSeconds(longitudeDegrees), -1};
    return taken;
}

}  // namespace varelio
