#include "cli/KundliKeys.h"


namespace varelio::cli {
namespace {

char* Digits(char* at, int value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        at[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return at + width;
}

IsoText DateOf(const CivilMoment& moment) {
    IsoText text;
    char* at = Digits(text.chars.data(), moment.year, 4);
    *at++ = '-';
    at = Digits(at, moment.month, 2);
    *at++ = '-';
    at = Digits(at, moment.day, 2);
    text.size = static_cast<std::size_t>(at - text.chars.data());
    return text;
}

}  // namespace

IsoText IsoDate(double jdUt, int offsetSeconds) { return DateOf(ClockDateAt(jdUt, offsetSeconds)); }

IsoText IsoMinute(double jdUt, int offsetSeconds) {
    const CivilMoment moment = ClockMinuteAt(jdUt, offsetSeconds);
    IsoText text = DateOf(moment);
    char* at = text.chars.data() + text.size;
    *at++ = 'T';
    at = Digits(at, moment.hour, 2);
    *at++ = ':';
    at = Digits(at, moment.minute, 2);
    text.size = static_cast<std::size_t>(at - text.chars.data());
    return text;
}

}  // namespace varelio::cli
