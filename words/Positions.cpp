#include "words/Positions.h"

#include <charconv>
#include <cstring>

namespace varelio::words {

namespace {

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

// "D° M' S\"" with the given degrees and the cut minutes and seconds, as
// kLongForm and kSignedForm have them.
char* DegreesMinutesSeconds(char* at, long long wholeDegrees, const CutAngle& cut) {
    at = Digits(at, wholeDegrees);
    at = Text(at, "\u00B0 ");
    at = Digits(at, cut.minutes);
    at = Text(at, "' ");
    at = Digits(at, cut.seconds);
    *at++ = '"';
    return at;
}

std::string_view EnglishAbbreviation(long long signIndex) {
    return signIndex >= 0 && signIndex < kSignCount ? kSignAbbreviations[static_cast<std::size_t>(signIndex)].text
                                                    : std::string_view();
}

}  // namespace

PositionText LongForm(double degrees) {
    PositionText text;
    const CutAngle cut = CutDegrees(degrees);
    // The sign comes from the whole degrees, as SignOfLongitude reckons it.
    const long long signIndex = cut.wholeDegrees / 30;
    char* at = DegreesMinutesSeconds(text.begin(), cut.wholeDegrees - 30 * signIndex, cut);
    *at++ = ' ';
    text.end(Text(at, EnglishAbbreviation(signIndex)));
    return text;
}

PositionText SignedForm(double degrees) {
    PositionText text;
    const CutAngle cut = CutDegrees(degrees);
    char* at = text.begin();
    if (degrees < 0 && cut.wholeDegrees != 0) *at++ = '-';
    text.end(DegreesMinutesSeconds(at, cut.wholeDegrees, cut));
    return text;
}

PositionText ShortForm(double degrees) {
    PositionText text;
    const CutAngle cut = CutDegrees(degrees);
    const long long signIndex = cut.wholeDegrees / 30;
    char* at = TwoDigits(text.begin(), cut.wholeDegrees - 30 * signIndex);
    *at++ = ' ';
    if (signIndex < kSignCount) {
        at = Text(at, EnglishAbbreviation(signIndex));
    } else {
        *at++ = static_cast<char>('0' + cut.seconds % 10);
        *at++ = '"';
    }
    *at++ = ' ';
    text.end(TwoDigits(at, cut.minutes));
    return text;
}

}  // namespace varelio::words
