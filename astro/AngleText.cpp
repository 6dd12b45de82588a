#include "astro/AngleText.h"

#include "astro/Signs.h"

#include <cmath>

namespace varelio {

namespace {

struct CutAngle {
    long long wholeDegrees;
    long long minutes;
    long long seconds;
};

CutAngle Cut(double degrees) {
    // The engine's angles are finite and small; anything else would make the
    // integer conversions below undefined, so it is shown as zero.
    if (!(std::fabs(degrees) < 1e15)) return {0, 0, 0};
    const double magnitude = std::fabs(degrees);
    const double whole = std::floor(magnitude);
    const double minutesExact = (magnitude - whole) * 60.0;
    const double minutes = std::floor(minutesExact);
    const double seconds = std::floor((minutesExact - minutes) * 60.0);
    return {static_cast<long long>(whole), static_cast<long long>(minutes),
            static_cast<long long>(seconds)};
}

// "D° M' S\"" with the given degrees and the cut minutes and seconds.
std::string DegreesMinutesSeconds(long long wholeDegrees, const CutAngle& cut) {
    std::string text = std::to_string(wholeDegrees);
    text += kDegreeSign;
    text += ' ';
    text += std::to_string(cut.minutes);
    text += "' ";
    text += std::to_string(cut.seconds);
    text += '"';
    return text;
}

std::string TwoDigits(long long value) {
    std::string text = value < 10 ? "0" : "";
    return text + std::to_string(value);
}

}  // namespace

std::string FormatLongForm(double degrees) {
    const CutAngle cut = Cut(degrees);
    // The sign comes from the whole degrees, so 29.99999 stays in Aries and
    // exactly 360 finds no sign at all.
    const long long signIndex = cut.wholeDegrees / 30;
    const long long withinSign = cut.wholeDegrees - 30 * signIndex;
    std::string text = DegreesMinutesSeconds(withinSign, cut);
    text += ' ';
    text += SignAbbreviation(signIndex > 11 ? -1 : static_cast<int>(signIndex));
    return text;
}

std::optional<int> SignOfLongitude(double degrees) {
    const long long signIndex = Cut(degrees).wholeDegrees / 30;
    if (signIndex > 11) return std::nullopt;
    return static_cast<int>(signIndex);
}

int WholeDegreesInSign(double degrees) {
    const long long whole = Cut(degrees).wholeDegrees;
    return static_cast<int>(whole - 30 * (whole / 30));
}

std::string FormatSignedForm(double degrees) {
    const CutAngle cut = Cut(degrees);
    const long long sign = degrees < 0 ? -1 : 1;
    return DegreesMinutesSeconds(sign * cut.wholeDegrees, cut);
}

std::string FormatShortForm(double degrees) {
    const CutAngle cut = Cut(degrees);
    const long long signIndex = cut.wholeDegrees / 30;
    std::string text = TwoDigits(cut.wholeDegrees - 30 * signIndex);
    text += ' ';
    if (signIndex <= 11) {
        text += SignAbbreviation(static_cast<int>(signIndex));
    } else {
        // No sign (360 and beyond): the long form then ends in its seconds,
        // and their last digit and mark stand where the abbreviation would.
        text += static_cast<char>('0' + cut.seconds % 10);
        text += '"';
    }
    text += ' ';
    text += TwoDigits(cut.minutes);
    return text;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace varelio
