#include "astro/AngleText.h"

#include "astro/Signs.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

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

// The room any of the three forms takes: up to 16 digits of degrees, the
// degree sign, minutes, seconds, marks and an abbreviation.
constexpr std::size_t kFormRoom = 48;

// Decimal digits of a number below 10^16 at `at`; returns the end.
char* Digits(char* at, long long value) {
    if (value >= 0 && value < 10) {
        *at = static_cast<char>('0' + value);
        return at + 1;
    }
    if (value >= 10 && value < 100) {
        at[0] = static_cast<char>('0' + value / 10);
        at[1] = static_cast<char>('0' + value % 10);
        return at + 2;
    }
    return std::to_chars(at, at + 20, value).ptr;
}

// At least two digits, a zero in front of one.
char* TwoDigits(char* at, long long value) {
    if (value >= 0 && value < 10) *at++ = '0';
    return Digits(at, value);
}

char* Text(char* at, std::string_view text) {
    // No sign's abbreviation is an empty view without storage, which memcpy may not be given.
    if (!text.empty()) std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

// "D° M' S\"" with the given degrees and the cut minutes and seconds.
char* DegreesMinutesSeconds(char* at, long long wholeDegrees, const CutAngle& cut) {
    at = Digits(at, wholeDegrees);
    at = Text(at, kDegreeSign);
    *at++ = ' ';
    at = Digits(at, cut.minutes);
    at = Text(at, "' ");
    at = Digits(at, cut.seconds);
    *at++ = '"';
    return at;
}

// Each form written into a buffer, then into the text in one go.
template <typename Write>
void Assign(std::string& text, Write write) {
    std::array<char, kFormRoom> buffer;
    const char* const end = write(buffer.data());
    text.assign(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
}

void LongForm(std::string& text, double degrees) {
    Assign(text, [degrees](char* at) {
        const CutAngle cut = Cut(degrees);
        // The sign comes from the whole degrees, so 29.99999 stays in Aries and
        // exactly 360 finds no sign at all.
        const long long signIndex = cut.wholeDegrees / 30;
        at = DegreesMinutesSeconds(at, cut.wholeDegrees - 30 * signIndex, cut);
        *at++ = ' ';
        return Text(at, SignAbbreviation(signIndex > 11 ? -1 : static_cast<int>(signIndex)));
    });
}

void SignedForm(std::string& text, double degrees) {
    Assign(text, [degrees](char* at) {
        const CutAngle cut = Cut(degrees);
        const long long sign = degrees < 0 ? -1 : 1;
        if (sign < 0 && cut.wholeDegrees != 0) *at++ = '-';
        return DegreesMinutesSeconds(at, cut.wholeDegrees, cut);
    });
}

void ShortForm(std::string& text, double degrees) {
    Assign(text, [degrees](char* at) {
        const CutAngle cut = Cut(degrees);
        const long long signIndex = cut.wholeDegrees / 30;
        at = TwoDigits(at, cut.wholeDegrees - 30 * signIndex);
        *at++ = ' ';
        if (signIndex <= 11) {
            at = Text(at, SignAbbreviation(static_cast<int>(signIndex)));
        } else {
            // No sign (360 and beyond): the long form then ends in its seconds,
            // and their last digit and mark stand where the abbreviation would.
            *at++ = static_cast<char>('0' + cut.seconds % 10);
            *at++ = '"';
        }
        *at++ = ' ';
        return TwoDigits(at, cut.minutes);
    });
}

}  // namespace

std::string FormatLongForm(double degrees) {
    std::string text;
    LongForm(text, degrees);
    return text;
}

void FormatLongForm(double degrees, std::string& text) { LongForm(text, degrees); }

int WholeDegreesInSign(double degrees) {
    const long long whole = Cut(degrees).wholeDegrees;
    return static_cast<int>(whole - 30 * (whole / 30));
}

std::string FormatSignedForm(double degrees) {
    std::string text;
    SignedForm(text, degrees);
    return text;
}

void FormatSignedForm(double degrees, std::string& text) { SignedForm(text, degrees); }

std::string FormatShortForm(double degrees) {
    std::string text;
    ShortForm(text, degrees);
    return text;
}

void FormatShortForm(double degrees, std::string& text) { ShortForm(text, degrees); }

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace varelio
