#include "words/MatchText.h"

#include "words/English.h"

namespace varelio::words {

std::string MatchTextBytes(const std::vector<std::string>& lines) {
    std::string file;
    for (const std::string& line : lines) {
        for (const char c : line) file += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
        file += '\n';
    }
    return file;
}

std::string ComposeMatchText(const Reading& bride, const Reading& groom, const Match& match) {
    return MatchTextBytes(MatchTextLines(English(), bride, groom, match));
}

}  // namespace varelio::words
