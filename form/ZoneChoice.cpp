#include "form/ZoneChoice.h"

#include "astro/Blanks.h"
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
            if (dst && !facts.summerTime) continue;
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

ZoneRowChoice NearestZoneRow(int offsetSeconds) {
    return ChooseZoneRow(ZoneFacts{offsetSeconds, offsetSeconds, false, {}, {}, ClockTime::Single});
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

std::string UtcOffsetFieldText(int offsetSeconds) {
    const int magnitude = std::abs(offsetSeconds);
    auto twoDigits = [](int value) { return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)}; };
    std::string text = (offsetSeconds < 0 ? "-" : "+") + twoDigits(magnitude / kHourSeconds) + ":" +
                       twoDigits(magnitude / 60 % 60);
    if (magnitude % 60 != 0) text += ":" + twoDigits(magnitude % 60);
    return text;
}

std::optional<int> ParseUtcOffset(std::string_view text) {
    text = TrimBlanks(text);
    int sign = 1;
    if (text.starts_with("+")) {
        text.remove_prefix(1);
    } else if (text.starts_with("-")) {
        sign = -1;
        text.remove_prefix(1);
    } else if (text.starts_with("\u2212")) {
        sign = -1;
        text.remove_prefix(3);
    }
    // Digits up to the next colon or the end; whole and at most maxDigits long.
    // Counted before any is added up, so that no run of digits overflows.
    auto number = [&text](std::size_t minDigits, std::size_t maxDigits) -> std::optional<int> {
        std::size_t digits = 0;
        while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
        if (digits < minDigits || digits > maxDigits) return std::nullopt;
        int value = 0;
        for (std::size_t i = 0; i < digits; ++i) value = value * 10 + (text[i] - '0');
        text.remove_prefix(digits);
        return value;
    };
    auto colon = [&text] {
        if (!text.starts_with(":")) return false;
        text.remove_prefix(1);
        return true;
    };
    const std::optional<int> hours = number(1, 2);
    if (!hours || !colon()) return std::nullopt;
    const std::optional<int> minutes = number(2, 2);
    if (!minutes || *minutes > 59) return std::nullopt;
    int seconds = 0;
    if (colon()) {
        const std::optional<int> given = number(2, 2);
        if (!given || *given > 59) return std::nullopt;
        seconds = *given;
    }
    if (!text.empty()) return std::nullopt;
    const int total = *hours * kHourSeconds + *minutes * 60 + seconds;
    if (total > kMaxUtcOffsetSeconds) return std::nullopt;
    return sign * total;
}

bool ZoneNote::warning() const {
    switch (kind) {
        case Kind::None: return false;
        case Kind::Chosen:
            return (!choice.exact() && !exactOffsetEntered) || facts.clockTime != ClockTime::Single;
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
