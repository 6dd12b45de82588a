#include "manglik/PositionText.h"

namespace varelio {

std::string_view SignAbbreviationOf(std::string_view positionText) {
    if (positionText.size() < 4) return {};
    return positionText.substr(3, 3);
}

std::optional<int> DegreesOf(std::string_view positionText) {
    if (positionText.size() < 2) return std::nullopt;
    const char tens = positionText[0];
    const char units = positionText[1];
    if (tens < '0' || tens > '9' || units < '0' || units > '9') return std::nullopt;
    return (tens - '0') * 10 + (units - '0');
}

}  // namespace varelio
