// Conversion between the program's UTF-8 texts and the single-byte
// Windows-1252 code page its files are written in.
//
// Every byte decodes: the five bytes the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control characters U+0081, U+008D,
// U+008F, U+0090 and U+009D, as Windows itself maps them, so any file reads
// back and a decoded text encodes to the same bytes again.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varelio {

// The Unicode code point of one Windows-1252 byte.
char32_t Cp1252ToCodePoint(unsigned char byte);

// The Windows-1252 byte of a code point, or nothing when the code page has none.
std::optional<unsigned char> CodePointToCp1252(char32_t codePoint);

// Windows-1252 bytes to UTF-8; never fails.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252 bytes; nothing when the text holds a character the
// code page cannot store or is not valid UTF-8.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// As Utf8ToCp1252, but every character the code page cannot store (and every
// byte of a malformed UTF-8 sequence) becomes the replacement byte.
std::string Utf8ToCp1252Lossy(std::string_view utf8, char replacement = '?');

}  // namespace varelio
