#include "cli/BirthOptions.h"

#include <cstdint>

namespace varelio::cli {
namespace {

constexpr std::array<std::string_view, kBirthOptionCount> kNames = {
    "day", "month", "year", "hour", "minute", "zone",
    "name", "city", "state", "country", "lat-deg", "lat-min", "lon-deg", "lon-min",
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

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The code point of the sequence at text[at, at + length); a malformed or
// overlong sequence, or one longer than three bytes, gives a value that is no
// space.
char32_t CodePointAt(std::string_view text, std::size_t at, std::size_t length) {
    constexpr char32_t kNone = 0xFFFFFFFF;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuation(byte(i))) return kNone;
    }
    switch (length) {
        case 1: return byte(0);
        case 2: return byte(0) < 0xC2 ? kNone : (char32_t(byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
        case 3: {
            const char32_t c = (char32_t(byte(0) & 0x0F) << 12) | (char32_t(byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
            return c < 0x800 ? kNone : c;
        }
        default: return kNone;
    }
}

std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    return 4;
}

std::string Quoted(std::string_view value) { return "'" + Printable(value) + "'"; }

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
        if (option.digitsOnly) {
            text = TrimSpaces(text);
            if (text.size() > static_cast<std::size_t>(kNumberFieldLength) || !AllDigits(text)) {
                return named(option.option) + " takes up to three digits, not " + Quoted(*given);
            }
        }
        form.*option.field = std::string(text);
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
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        unsigned control = 0x100;  // none
        if (byte < 0x20 || byte == 0x7F) {
            control = byte;
        } else if (byte == 0xC2 && i + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[i + 1]);
            if (next >= 0x80 && next < 0xA0) {
                control = next;  // U+0080 to U+009F
                ++i;
            }
        }
        if (byte == '\\') {
            text += "\\\\";
        } else if (control < 0x100) {
            text += "\\x";
            text += kHex[control >> 4];
            text += kHex[control & 0xF];
        } else {
            text += static_cast<char>(byte);
        }
    }
    return text;
}

std::string_view TrimSpaces(std::string_view utf8) {
    while (!utf8.empty()) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(utf8.front()));
        if (length > utf8.size() || !IsSpace(CodePointAt(utf8, 0, length))) break;
        utf8.remove_prefix(length);
    }
    while (!utf8.empty()) {
        std::size_t start = utf8.size() - 1;
        while (start > 0 && utf8.size() - start < 4 && IsContinuation(static_cast<unsigned char>(utf8[start]))) {
            --start;
        }
        const std::size_t length = utf8.size() - start;
        if (SequenceLength(static_cast<unsigned char>(utf8[start])) != length ||
            !IsSpace(CodePointAt(utf8, start, length))) {
            break;
        }
        utf8.remove_suffix(length);
    }
    return utf8;
}

}  // namespace varelio::cli
