// The position texts: a longitude's long form (5° 7' 41" Ari), short form
// (05 Ari 07) and the ayanamsa's signed form (-23° 51' 42"), every field cut
// from the core's numbers (astro/AngleCut.h), never rounded. English is
// written straight into room of its own, as the companion writes these for
// every row of a batch; the windows' forms are entries of the catalogue.
#pragma once

#include "astro/AngleCut.h"
#include "words/Names.h"
#include "words/Source.h"

#include <array>
#include <optional>
#include <cstddef>
#include <string>
#include <string_view>

namespace varelio::words {

inline constexpr Source kLongForm = QT_TRANSLATE_NOOP3(
    "Words", "%1\u00B0 %2' %3\" %4", "a position: degrees in the sign, minutes, seconds, the sign's abbreviation");
inline constexpr Source kShortForm = QT_TRANSLATE_NOOP3(
    "Words", "%1 %2 %3", "a position: two-digit degrees in the sign, the sign's abbreviation, two-digit minutes");
inline constexpr Source kSignedForm =
    QT_TRANSLATE_NOOP3("Words", "%1\u00B0 %2' %3\"", "an angle: signed degrees, minutes, seconds");

// A short text in room of its own, for texts written many times a second.
template <std::size_t Room>
class FixedText {
public:
    std::string_view view() const { return {chars_.data(), size_}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    // Where to write, and the end of what was written.
    char* begin() { return chars_.data(); }
    void end(const char* at) { size_ = static_cast<std::size_t>(at - chars_.data()); }

private:
    std::array<char, Room> chars_;
    std::size_t size_ = 0;
};
using PositionText = FixedText<48>;

// In English. A longitude of a full turn or more names no sign: the long
// form then ends after its seconds and a blank, and the short form shows the
// seconds' last digit and mark where the abbreviation would stand.
PositionText LongForm(double degrees);
PositionText ShortForm(double degrees);
// Sign times the whole degrees: between 0 and -1 there is no minus.
PositionText SignedForm(double degrees);

// The same in the words' language (words/Translated.h or words/English.h).

namespace forms {

// At least two digits, as the short form writes them.
inline std::string TwoDigits(long long value) { return (value >= 0 && value < 10 ? "0" : "") + std::to_string(value); }

template <typename Words>
typename Words::Text Abbreviation(const Words& words, double degrees) {
    const std::optional<int> sign = SignOfLongitude(degrees);
    return sign ? words(kSignAbbreviations[static_cast<std::size_t>(*sign)]) : typename Words::Text();
}

}  // namespace forms

template <typename Words>
typename Words::Text LongForm(const Words& words, double degrees) {
    const CutAngle cut = CutDegrees(degrees);
    return words(kLongForm, std::to_string(cut.wholeDegrees % 30), std::to_string(cut.minutes),
                 std::to_string(cut.seconds), forms::Abbreviation(words, degrees));
}

template <typename Words>
typename Words::Text ShortForm(const Words& words, double degrees) {
    const CutAngle cut = CutDegrees(degrees);
    const typename Words::Text abbreviation = SignOfLongitude(degrees)
                                                  ? forms::Abbreviation(words, degrees)
                                                  : words.Verbatim(std::to_string(cut.seconds % 10) + "\"");
    return words(kShortForm, forms::TwoDigits(cut.wholeDegrees % 30), abbreviation, forms::TwoDigits(cut.minutes));
}

template <typename Words>
typename Words::Text SignedForm(const Words& words, double degrees) {
    const CutAngle cut = CutDegrees(degrees);
    const long long whole = degrees < 0 ? -cut.wholeDegrees : cut.wholeDegrees;
    return words(kSignedForm, std::to_string(whole), std::to_string(cut.minutes), std::to_string(cut.seconds));
}

}  // namespace varelio::words
