#include "words/TextExport.h"

#include "formats/Cp1252.h"
#include "formats/Utf8.h"
#include "words/English.h"

namespace varelio::words {

std::string TextExportBytes(const std::array<std::string, kTextExportLines>& lines, TextEncoding encoding) {
    // A separator line holds a lone CR, so with its line end it reads CR CR LF.
    constexpr std::string_view kSeparator = "\r";
    std::string file;
    for (const std::string& line : lines) {
        if (line == kSeparator) {
            file += line;
        } else if (encoding == TextEncoding::Windows1252) {
            // A name read from a crafted file may hold control characters; they
            // must not break the file's line count.
            for (char c : Utf8ToCp1252Lossy(line)) {
                file += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
            }
        } else {
            // Nor drive the terminal that shows the lines (C1 and DEL too).
            for (std::size_t pos = 0; pos < line.size();) {
                const std::optional<char32_t> c = NextCodePoint(line, pos);
                AppendUtf8(file, !c || *c < 0x20 || (*c >= 0x7F && *c < 0xA0) ? U'?' : *c);
            }
        }
        file += "\r\n";
    }
    return file;
}

std::string ComposeTextExport(const Reading& reading, TextEncoding encoding) {
    return TextExportBytes(TextExportLines(English(), reading), encoding);
}

}  // namespace varelio::words
