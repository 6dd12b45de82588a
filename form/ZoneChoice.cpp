#include "form/ZoneChoice.h"

#include "astro/AngleText.h"
#include "form/Form.h"
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

std::string Plural(long count, std::string_view unit) {
    return std::to_string(count) + " " + std::string(unit) + (count == 1 ? "" : "s");
}

std::string OffByText(int errorSeconds) {
    const long minutes = std::lround(std::abs(errorSeconds) / 60.0);
    const double degrees = std::abs(errorSeconds) * kAscendantDegreesPerSecond;
    const std::string time = minutes == 0 ? "under a minute" : Plural(minutes, "minute");
    const std::string angle = degrees < 0.5 ? "under 1°" : "about " + std::to_string(std::lround(degrees)) + "°";
    return ", " + time + " off: the ascendant may be " + angle + " off";
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

ZoneNote DescribeZoneChoice(std::string_view zoneId, int year, int month, int day, const ZoneFacts& facts,
                            const ZoneRowChoice& choice) {
    ZoneNote note;
    note.text = std::string(zoneId) + " on " + std::to_string(day) + " " + std::string(MonthName(month)) + " " +
                std::to_string(year) + ": " + UtcOffsetText(facts.utcOffsetSeconds);
    if (facts.summerTime) note.text += ", summer time";
    note.text += " → ";
    if (!choice.exact()) note.text += "nearest row ";
    note.text += std::string(Row(choice.zoneIndex).timeZoneNames);
    if (choice.dst) note.text += " with DST";
    if (!choice.exact()) note.text += OffByText(choice.errorSeconds);
    switch (facts.clockTime) {
    case ClockTime::Single: break;
    case ClockTime::Skipped:
        note.text += "; the clocks went forward over this time, so it never happened there: check it";
        break;
    case ClockTime::Repeated:
        note.text += "; the clocks went back over this time, so it happened twice: the earlier is taken";
        break;
    }
    note.warning = !choice.exact() || facts.clockTime != ClockTime::Single;
    return note;
}

}  // namespace varelio
