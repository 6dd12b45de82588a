// The catalogue in English: its sources as they are, with their values put
// in, in standard C++. The companion's output and the English files take
// their words from here (never through a translation), and so the words
// stay the same whatever language the windows speak.
#pragma once

#include "words/Source.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace varelio::words {

// A value for one of a source's %1 .. %9: text as it is, or a number in its
// shortest digits. Lives as long as the expression that makes it.
class EnglishValue {
public:
    EnglishValue(std::string_view text) : text_(text) {}
    EnglishValue(const std::string& text) : text_(text) {}
    EnglishValue(const char* text) : text_(text) {}
    EnglishValue(int number);
    EnglishValue(long number);
    EnglishValue(double number);
    EnglishValue(const EnglishValue&) = delete;
    EnglishValue& operator=(const EnglishValue&) = delete;

    std::string_view text() const { return text_; }

private:
    std::array<char, 32> digits_{};
    std::string_view text_;
};

// The source with %1 .. %9 replaced by values[0] .. values[8] and %n by
// count; a % before anything else is kept.
std::string Fill(std::string_view source, const EnglishValue* values, std::size_t valueCount, long count = 0);

class English {
public:
    using Text = std::string;

    Text operator()(Source source) const { return source.text; }

    template <typename... Values>
    Text operator()(Source source, const Values&... values) const {
        const EnglishValue filled[] = {EnglishValue(values)...};
        return Fill(source.text, filled, sizeof...(Values));
    }

    template <typename... Values>
    Text operator()(const Counted& counted, long count, const Values&... values) const {
        const char* source = count == 1 ? counted.one : counted.other.text;
        if constexpr (sizeof...(Values) == 0) {
            return Fill(source, nullptr, 0, count);
        } else {
            const EnglishValue filled[] = {EnglishValue(values)...};
            return Fill(source, filled, sizeof...(Values), count);
        }
    }

    // "17:30": a minute from midnight, 0 to 1439, on the 24-hour clock.
    Text Clock(int minuteOfDay) const;
    // Month 1 to 12 by its name; a month outside has none.
    Text Date(int year, int month, int day, DateForm form) const;
    // The number in its shortest digits: "7", "0.0625".
    Text Number(double value) const { return std::string(EnglishValue(value).text()); }
    // Text that is no entry (a name typed, a zone's id), as it is.
    Text Verbatim(std::string_view text) const { return std::string(text); }
};

}  // namespace varelio::words
