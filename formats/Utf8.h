// The one UTF-8 reader and writer of the program's texts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace varelio {

// The code point of the sequence at pos, with pos moved past it; nothing,
// with pos moved one byte on, for a malformed sequence (cut short, overlong,
// a surrogate or beyond U+10FFFF).
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos);

// Whether every sequence of the text is well formed.
bool IsUtf8(std::string_view text);

void AppendUtf8(std::string& out, char32_t codePoint);

// The first count characters (code points) of a text; malformed bytes count
// as one character each.
std::string_view FirstCharacters(std::string_view text, std::size_t count);

}  // namespace varelio
