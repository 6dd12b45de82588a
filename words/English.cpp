#include "words/English.h"

#include "words/Names.h"

#include <charconv>

namespace varelio::words {

EnglishValue::EnglishValue(int number) : EnglishValue(static_cast<long>(number)) {}

EnglishValue::EnglishValue(long number) {
    const char* end = std::to_chars(digits_.data(), digits_.data() + digits_.size(), number).ptr;
    text_ = {digits_.data(), static_cast<std::size_t>(end - digits_.data())};
}

EnglishValue::EnglishValue(double number) {
    const char* end = std::to_chars(digits_.data(), digits_.data() + digits_.size(), number).ptr;
    text_ = {digits_.data(), static_cast<std::size_t>(end - digits_.data())};
}

std::string Fill(std::string_view source, const EnglishValue* values, std::size_t valueCount, long count) {
    std::size_t room = source.size();
    for (std::size_t v = 0; v < valueCount; ++v) room += values[v].text().size();
    std::string text;
    text.reserve(room + 8);
    for (std::size_t at = 0; at < source.size(); ++at) {
        const char c = source[at];
        const char next = at + 1 < source.size() ? source[at + 1] : '\0';
        if (c == '%' && next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < valueCount) {
            text += values[next - '1'].text();
            ++at;
        } else if (c == '%' && next == 'n') {
            text += EnglishValue(count).text();
            ++at;
        } else {
            text += c;
        }
    }
    return text;
}

std::string English::Clock(int minuteOfDay) const {
    const int hour = minuteOfDay / 60;
    const int minute = minuteOfDay % 60;
    return {static_cast<char>('0' + hour / 10), static_cast<char>('0' + hour % 10), ':',
            static_cast<char>('0' + minute / 10), static_cast<char>('0' + minute % 10)};
}

std::string English::Date(int year, int month, int day, DateForm form) const {
    // A month outside the twelve has no name, and none is written.
    const std::string monthText =
        month >= 1 && month <= 12 ? kMonthNames[static_cast<std::size_t>(month - 1)].text : "";
    const EnglishValue dayText(day);
    const EnglishValue yearText(year);
    if (form == DateForm::MonthDayYear) {
        return monthText + " " + std::string(dayText.text()) + ", " + std::string(yearText.text());
    }
    return std::string(dayText.text()) + " " + monthText + " " + std::string(yearText.text());
}

}  // namespace varelio::words
