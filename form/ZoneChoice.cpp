#include "form/ZoneChoice.h"

#include "astro/AngleText.h"
#include "form/TimeZones.h"

#include <cmath>
#include <cstdlib>
#include <tuple>

namespace varelio {
namespace {

constexpr int kHourSeconds = 3600;
// The ascendant turns about as fast as the sky: 15 degrees an hour.
constexpr double kAscendantDegreesPerSecond = 15.0 / kHourSeconds;

const TimeZoneRow& Row(int zoneIndex) { return kTimeZoneTable[static_cast<std::size_t>(zoneIndex)]; }

int RowStandardOffsetSeconds(int zoneIndex) {
    // Corrections are added to local time to give UT, so the offset is their negation.
    const TimeZoneRow& row = Row(zoneIndex);
    return -(row.timeZoneHourCorrection * kHourSeconds + row.timeZoneMinuteCorrection * 60);
}

}  // namespace

int ZoneRowUtcOffsetSeconds(int zoneIndex, bool dst) {
    return RowStandardOffsetSeconds(zoneIndex) + (dst ? kHourSeconds : 0);
}

std::string_view ZoneRowAbbreviation(int zoneIndex) {
    const std::string_view text = Row(zoneIndex).timeZoneNames;
    const std::size_t first = text.find(',');
    const std::size_t second = first == std::string_view::npos ? first : text.find(',', first + 1);
    if (second == std::string_view::npos) return {};
    return TrimBlanks(text.substr(first + 1, second - first - 1));
}

ZoneRowChoice ChooseZoneRow(const ZoneFacts& facts, std::string_view countryName) {
    ZoneRowChoice best;
    std::tuple<long, bool, bool, bool, bool> bestRank{};
    bool first = true;
    for (int row = 0; row < kTimeZoneCount; ++row) {
        const std::string_view abbreviation = ZoneRowAbbreviation(row);
        const bool named = !abbreviation.empty() &&
                           (abbreviation == facts.abbreviation || abbreviation == facts.standardAbbreviation);
        const bool countryNamed =
            !countryName.empty() && Row(row).timeZoneNames.find(countryName) != std::string_view::npos;
        for (const bool dst : {false, true}) {
            const int error = ZoneRowUtcOffsetSeconds(row, dst) - facts.utcOffsetSeconds;
            const bool standardRow =
                RowStandardOffsetSeconds(row) == facts.standardOffsetSeconds && dst == facts.summerTime;
            // Smaller is better; the first of equals (list order, box clear first) is kept.
            const std::tuple<long, bool, bool, bool, bool> rank{std::abs(error), !standardRow, !named, !countryNamed,
                                                                dst != facts.summerTime};
            if (first || rank < bestRank) {
                first = false;
                bestRank = rank;
                best = ZoneRowChoice{row, dst, error};
            }
        }
    }
    return best;
}

std::string UtcOffsetText(int offsetSeconds) {
    const int magnitude = std::abs(offsetSeconds);
    const int hours = magnitude / kHourSeconds;
    const int minutes = magnitude / 60 % 60;
    const int seconds = magnitude % 60;
    auto twoDigits = [](int value) { return (value < 10 ? "0" : "") + std::to_string(value); };
    std::string text = "UTC" + std::string(offsetSeconds < 0 ? "-" : "+") + std::to_string(hours) + ":" +
                       twoDigits(minutes);
    if (seconds != 0) text += ":" + twoDigits(seconds);
    return text;
}

bool ZoneNote::warning() const {
    switch (kind) {
        case Kind::None: return false;
        case Kind::Chosen: return !choice.exact() || facts.clockTime != ClockTime::Single;
        case Kind::DateNotInCalendar:
        case Kind::ZoneUnknown: return true;
    }
    return false;
}

int ChoiceErrorMinutes(const ZoneRowChoice& choice) {
    return static_cast<int>(std::lround(std::abs(choice.errorSeconds) / 60.0));
}

int ChoiceErrorDegrees(const ZoneRowChoice& choice) {
    const double degrees = std::abs(choice.errorSeconds) * kAscendantDegreesPerSecond;
    return degrees < 0.5 ? 0 : static_cast<int>(std::lround(degrees));
}

}  // namespace varelio
