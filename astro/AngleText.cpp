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

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::string TwoDigits(std::string_view field) {
    std::string text;
    if (field.size() <= 1) text = '0';
    text += field;
    return text;
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

std::string FormatSignedForm(double degrees) {
    const CutAngle cut = Cut(degrees);
    const long long sign = degrees < 0 ? -1 : 1;
    return DegreesMinutesSeconds(sign * cut.wholeDegrees, cut);
}

std::string ShortForm(std::string_view longForm) {
    const std::string_view trimmed = TrimBlanks(longForm);
    const std::size_t degreePos = trimmed.find(kDegreeSign);
    std::string_view degreesField = trimmed;
    std::string_view minutesField;
    if (degreePos != std::string_view::npos) {
        degreesField = trimmed.substr(0, degreePos);
        const std::size_t afterDegree = degreePos + kDegreeSign.size();
        const std::size_t quotePos = trimmed.find('\'', afterDegree);
        if (quotePos != std::string_view::npos) {
            minutesField = trimmed.substr(afterDegree, quotePos - afterDegree);
        }
    }
    std::string text = TwoDigits(TrimBlanks(degreesField));
    text += ' ';
    text += TrimBlanks(LastCharacters(longForm, 3));
    text += ' ';
    text += TwoDigits(TrimBlanks(minutesField));
    return text;
}

std::string_view SignAbbreviationOf(std::string_view positionText) {
    if (positionText.size() < 4) return {};
    return positionText.substr(3, 3);
}

std::optional<int> DegreesOf(std::string_view positionText) {
    if (positionText.size() < 2) return std::nullopt;
    const char tens = positionText[0];
    const char units = positionText[1];
    if (tens < '0' || tens > '9' || units < '0' || units > '9') return std::nullopt;
    return (tens - '0') * 10 + (units - '0');
}

std::optional<int> SignOfPosition(std::string_view positionText) {
    return SignIndexOf(SignAbbreviationOf(positionText));
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string_view LastCharacters(std::string_view text, std::size_t count) {
    std::size_t start = text.size();
    for (std::size_t taken = 0; taken < count && start > 0; ++taken) {
        --start;
        while (start > 0 && IsContinuationByte(text[start])) --start;
    }
    return text.substr(start);
}

std::string_view DropFirstCharacter(std::string_view text) {
    if (text.empty()) return text;
    std::size_t next = 1;
    while (next < text.size() && IsContinuationByte(text[next])) ++next;
    return text.substr(next);
}

}  // namespace varelio
