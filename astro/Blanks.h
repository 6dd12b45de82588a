// Blanks around typed text, which the form and the files ignore.
#pragma once

#include <string_view>

namespace varelio {

// The text without the blanks (U+0020) before and after it.
constexpr std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace varelio
