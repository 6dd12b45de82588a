#include "cli/BirthOptions.h"

#include "form/ZoneChoice.h"
#include "formats/Utf8.h"

#include <cstdint>

namespace varelio::cli {
namespace {

constexpr std::array<std::string_view, kBirthOptionCount> kNames = {
    "day", "month", "year", "hour", "minute", "zone",
    "name", "city", "state", "country", "lat-deg", "lat-min", "lon-deg", "lon-min", "utc-offset",
};

struct NumberOption {
    BirthOption option;
    FormList list;  // the value is the list entry's value
    int FormValues::*field;
};

constexpr NumberOption kNumberOptions[] = {
    {BirthOption::Day, FormList::Day, &FormValues::dayIndex},
    {BirthOption::Month, FormList::Month, &FormValues::monthIndex},
    {BirthOption::Year, FormList::Year, &FormValues::yearIndex},
    {BirthOption::Hour, FormList::Hour, &FormValues::hourIndex},
    {BirthOption::Minute, FormList::Minute, &FormValues::minuteIndex},
    {BirthOption::Zone, FormList::Zone, &FormValues::zoneIndex},
};

struct TextOption {
    BirthOption option;
    std::string FormValues::*field;
    bool digitsOnly;  // the form's degree and minute fields: at most three digits
};

constexpr TextOption kTextOptions[] = {
    {BirthOption::Name, &FormValues::name, false},     {BirthOption::City, &FormValues::city, false},
    {BirthOption::State, &FormValues::state, false},   {BirthOption::Country, &FormValues::country, false},
    {BirthOption::LatDeg, &FormValues::latDeg, true},  {BirthOption::LatMin, &FormValues::latMin, true},
    {BirthOption::LonDeg, &FormValues::lonDeg, true},  {BirthOption::LonMin, &FormValues::lonMin, true},
};

bool AllDigits(std::string_view text) {
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

bool IsSpace(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

std::string Quoted(std::string_view value) { return "'" + Printable(value) + "'"; }

// Characters that show nothing yet hide or reorder what follows them: the
// byte-order mark, zero-width characters and the bidirectional controls.
bool IsInvisibleFormat(char32_t c) {
    return c == 0xFEFF || (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) || c == 0x2060 ||
           (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::string_view BirthOptionName(BirthOption option) { return kNames[static_cast<std::size_t>(option)]; }

std::optional<BirthOption> FindBirthOption(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name) return static_cast<BirthOption>(i);
    }
    return std::nullopt;
}

std::optional<std::string> ApplyBirthOptions(const BirthOptions& options, FormValues& form, std::string_view prefix) {
    const auto named = [&](BirthOption option) { return std::string(prefix) + std::string(BirthOptionName(option)); };
    const auto valueOf = [&](BirthOption option) { return options.values[static_cast<std::size_t>(option)]; };

    for (const NumberOption& number : kNumberOptions) {
        const auto given = valueOf(number.option);
        if (!given) continue;
        const std::string_view text = TrimSpaces(*given);
        const ListRange range = RangeOf(number.list);
        int value = -1;
        if (!text.empty() && text.size() <= 6 && AllDigits(text)) {
            value = 0;
            for (const char c : text) value = value * 10 + (c - '0');
        }
        if (value < range.firstValue || value > range.lastValue()) {
            return named(number.option) + " takes a whole number from " + std::to_string(range.firstValue) +
                   " to " + std::to_string(range.lastValue()) + ", not " + Quoted(*given);
        }
        form.*number.field = value - range.firstValue;
    }
    for (const TextOption& option : kTextOptions) {
        const auto given = valueOf(option.option);
        if (!given) continue;
        std::string_view text = *given;
        if (!option.digitsOnly && !IsUtf8(text)) return named(option.option) + " takes UTF-8 text, not " + Quoted(*given);
        if (option.digitsOnly) {
            text = TrimSpaces(text);
            if (text.size() > static_cast<std::size_t>(kNumberFieldLength) || !AllDigits(text)) {
                return named(option.option) + " takes up to three digits, not " + Quoted(*given);
            }
        }
        (form.*option.field).assign(text);
    }
    if (const auto given = valueOf(BirthOption::UtcOffset)) {
        const std::string_view text = TrimSpaces(*given);
        if (!text.empty() && !ParseUtcOffset(text)) {
            return named(BirthOption::UtcOffset) + " takes the clock's offset from UT as +HH:MM or +HH:MM:SS, " +
                   "from -14:00 to +14:00, not " + Quoted(*given);
        }
        form.utcOffset = std::string(text);
    }
    if (options.north && options.south) return std::string(prefix) + "north and " + std::string(prefix) + "south exclude each other";
    if (options.east && options.west) return std::string(prefix) + "east and " + std::string(prefix) + "west exclude each other";
    if (options.north) form.latDirection = 0;
    if (options.south) form.latDirection = 1;
    if (options.east) form.lonDirection = 0;
    if (options.west) form.lonDirection = 1;
    if (options.dst) form.dst = true;
    return std::nullopt;
}

std::string Printable(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    const auto hex = [](std::string& text, unsigned value, int digits) {
        while (digits-- > 0) text += kHex[(value >> (4 * digits)) & 0xF];
    };
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const std::optional<char32_t> c = NextCodePoint(utf8, pos);
        if (c == U'\\') {
            text += "\\\\";
        } else if (!c || *c < 0x20 || (*c >= 0x7F && *c < 0xA0)) {
            text += "\\x";  // a malformed byte is a byte too
            hex(text, c ? static_cast<unsigned>(*c) : static_cast<unsigned char>(utf8[start]), 2);
        } else if (IsInvisibleFormat(*c)) {
            text += "\\u";
            hex(text, static_cast<unsigned>(*c), 4);
        } else {
            text.append(utf8, start, pos - start);
        }
    }
    return text;
}

std::string_view TrimSpaces(std::string_view utf8) {
    // Forward, so the last character is found as every other is; a malformed
    // byte is no space.
    std::size_t begin = utf8.size(), end = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        // ASCII, most of a batch's bytes, without decoding.
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        const std::optional<char32_t> c = byte < 0x80 ? std::optional<char32_t>(utf8[pos++]) : NextCodePoint(utf8, pos);
        if (c && IsSpace(*c)) continue;
        if (begin == utf8.size()) begin = start;
        end = pos;
    }
    return begin < end ? utf8.substr(begin, end - begin) : std::string_view();
}

}  // namespace varelio::cli
