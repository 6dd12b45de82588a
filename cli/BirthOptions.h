// The birth as the companion takes it, option by option, and the one check
// that turns those values into an input form. The command line and every row
// of a batch go through ApplyBirthOptions, so both accept and refuse alike.
// Standard C++ only: a batch row is checked without Qt.
#pragma once

#include "form/Form.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace varelio::cli {

// The options that carry a value, in the order they are checked: the list
// numbers, then the texts (the degree and minute texts, then the exact UTC
// offset, last).
enum class BirthOption {
    Day, Month, Year, Hour, Minute, Zone,
    Name, City, State, Country, LatDeg, LatMin, LonDeg, LonMin, UtcOffset,
};
inline constexpr std::size_t kBirthOptionCount = 15;

// "day", "lat-deg", ...: the option's name without its dashes, which is also
// the batch file's column name.
std::string_view BirthOptionName(BirthOption option);
std::optional<BirthOption> FindBirthOption(std::string_view name);

struct BirthOptions {
    // A value as given, UTF-8; none when the option was not given.
    std::array<std::optional<std::string_view>, kBirthOptionCount> values;
    bool north = false, south = false, east = false, west = false, dst = false;

    std::optional<std::string_view>& operator[](BirthOption option) {
        return values[static_cast<std::size_t>(option)];
    }
};

// Puts the given options into form, or returns the first problem with an
// option named as prefix + name ("--day takes a whole number from 1 to 31,
// not '32'"). Numbers are the lists' values, blanks around them ignored;
// the texts (name, city, state, country) must be UTF-8;
// degree and minute texts take up to three digits; the exact UTC offset is
// empty (the zone row's) or one ParseUtcOffset reads. Values are echoed
// through Printable. A form it accepts may still be refused by ValidateForm.
std::optional<std::string> ApplyBirthOptions(const BirthOptions& options, FormValues& form, std::string_view prefix);

// A value as it may be echoed to a terminal: control characters (C0, DEL and
// C1, escape among them) and the bytes of malformed UTF-8 are written as \xNN
// so a crafted value cannot drive the terminal, the byte-order mark, zero-width
// characters and bidirectional controls as \uNNNN so none hides in a message,
// and a backslash is doubled so the escapes read unambiguously.
std::string Printable(std::string_view utf8);

// The value without the white space around it, as the number fields ignore
// it: ASCII tab to carriage return and space, and Unicode's spaces and line
// and paragraph separators (U+0085, U+00A0, U+1680, U+2000 to U+200A, U+2028,
// U+2029, U+202F, U+205F, U+3000).
std::string_view TrimSpaces(std::string_view utf8);

}  // namespace varelio::cli
