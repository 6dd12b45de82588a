// The catalogue's names: bodies, signs, nakshatras, months, the references a
// verdict counts from, the charts, the match's terms, each in the order of
// the core's numbers and codes. Tables of marked sources, so plain C++ reads
// their English (kSignNames[s].text) and the windows translate them.
#pragma once

#include "astro/Nakshatras.h"
#include "astro/Records.h"
#include "astro/Signs.h"
#include "charts/DivisionalCharts.h"
#include "form/CityClocks.h"
#include "manglik/Manglik.h"
#include "matching/Match.h"
#include "words/Source.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace varelio::words {

// In body order, Sun to Midheaven.
inline constexpr std::array<Source, kBodyCount> kBodyNames{{
    {QT_TRANSLATE_NOOP("Words", "Sun")}, {QT_TRANSLATE_NOOP("Words", "Moon")},
    {QT_TRANSLATE_NOOP("Words", "Mercury")}, {QT_TRANSLATE_NOOP("Words", "Venus")},
    {QT_TRANSLATE_NOOP("Words", "Mars")}, {QT_TRANSLATE_NOOP("Words", "Jupiter")},
    {QT_TRANSLATE_NOOP("Words", "Saturn")}, {QT_TRANSLATE_NOOP("Words", "Rahu")},
    {QT_TRANSLATE_NOOP("Words", "Ketu")}, {QT_TRANSLATE_NOOP("Words", "Ascendant")},
    {QT_TRANSLATE_NOOP("Words", "Midheaven")},
}};

// The rows of the position table, Sun to Ketu and the ascendant.
inline constexpr std::array<Source, kAscendant + 1> kBodyLabels{{
    {QT_TRANSLATE_NOOP("Words", "Surya / Sun")}, {QT_TRANSLATE_NOOP("Words", "Chandra / Moon")},
    {QT_TRANSLATE_NOOP("Words", "Budha / Mercury")}, {QT_TRANSLATE_NOOP("Words", "Shukra / Venus")},
    {QT_TRANSLATE_NOOP("Words", "Mangala / Mars")}, {QT_TRANSLATE_NOOP("Words", "Guru / Jupiter")},
    {QT_TRANSLATE_NOOP("Words", "Shani / Saturn")}, {QT_TRANSLATE_NOOP("Words", "Rahu / North Node")},
    {QT_TRANSLATE_NOOP("Words", "Ketu / South Node")}, {QT_TRANSLATE_NOOP("Words", "Lagna / Asc")},
}};

// What a chart's cell calls Sun to Ketu: their Sanskrit names.
inline constexpr std::array<Source, kKetu + 1> kChartLabels{{
    QT_TRANSLATE_NOOP3("Words", "Surya", "a body in a chart's cell"),
    QT_TRANSLATE_NOOP3("Words", "Chandra", "a body in a chart's cell"),
    QT_TRANSLATE_NOOP3("Words", "Budha", "a body in a chart's cell"),
    QT_TRANSLATE_NOOP3("Words", "Shukra", "a body in a chart's cell"),
    QT_TRANSLATE_NOOP3("Words", "Mangala", "a body in a chart's cell"),
    QT_TRANSLATE_NOOP3("Words", "Guru", "a body in a chart's cell"),
    QT_TRANSLATE_NOOP3("Words", "Shani", "a body in a chart's cell"),
    QT_TRANSLATE_NOOP3("Words", "Rahu", "a body in a chart's cell"),
    QT_TRANSLATE_NOOP3("Words", "Ketu", "a body in a chart's cell"),
}};
inline constexpr Source kAscendantMark = QT_TRANSLATE_NOOP3("Words", "Asc", "the ascendant in a chart's cell");
inline constexpr Source kRetrogradeLabel =
    QT_TRANSLATE_NOOP3("Words", "%1 (R) ", "a retrograde body in a chart's cell; the blanks belong to it");

// Sign 1 (Aries) to 12 (Pisces), at [sign - 1].
inline constexpr std::array<Source, kSignCount> kSignNames{{
    {QT_TRANSLATE_NOOP("Words", "Aries")}, {QT_TRANSLATE_NOOP("Words", "Taurus")},
    {QT_TRANSLATE_NOOP("Words", "Gemini")}, {QT_TRANSLATE_NOOP("Words", "Cancer")},
    {QT_TRANSLATE_NOOP("Words", "Leo")}, {QT_TRANSLATE_NOOP("Words", "Virgo")},
    {QT_TRANSLATE_NOOP("Words", "Libra")}, {QT_TRANSLATE_NOOP("Words", "Scorpio")},
    {QT_TRANSLATE_NOOP("Words", "Sagittarius")}, {QT_TRANSLATE_NOOP("Words", "Capricorn")},
    {QT_TRANSLATE_NOOP("Words", "Aquarius")}, {QT_TRANSLATE_NOOP("Words", "Pisces")},
}};
// The rashi, as the Lagna and the Moon sign are named.
inline constexpr std::array<Source, kSignCount> kRashiNames{{
    {QT_TRANSLATE_NOOP("Words", "Mesha")}, {QT_TRANSLATE_NOOP("Words", "Vrishabha")},
    {QT_TRANSLATE_NOOP("Words", "Mithuna")}, {QT_TRANSLATE_NOOP("Words", "Kataka")},
    {QT_TRANSLATE_NOOP("Words", "Simha")}, {QT_TRANSLATE_NOOP("Words", "Kanya")},
    {QT_TRANSLATE_NOOP("Words", "Thula")}, {QT_TRANSLATE_NOOP("Words", "Vrishcika")},
    {QT_TRANSLATE_NOOP("Words", "Dhanush")}, {QT_TRANSLATE_NOOP("Words", "Makara")},
    {QT_TRANSLATE_NOOP("Words", "Kumbha")}, {QT_TRANSLATE_NOOP("Words", "Meena")},
}};
// Three letters in a position ("16 Gem 21").
inline constexpr std::array<Source, kSignCount> kSignAbbreviations{{
    QT_TRANSLATE_NOOP3("Words", "Ari", "Aries in a position"),
    QT_TRANSLATE_NOOP3("Words", "Tau", "Taurus in a position"),
    QT_TRANSLATE_NOOP3("Words", "Gem", "Gemini in a position"),
    QT_TRANSLATE_NOOP3("Words", "Can", "Cancer in a position"),
    QT_TRANSLATE_NOOP3("Words", "Leo", "Leo in a position"),
    QT_TRANSLATE_NOOP3("Words", "Vir", "Virgo in a position"),
    QT_TRANSLATE_NOOP3("Words", "Lib", "Libra in a position"),
    QT_TRANSLATE_NOOP3("Words", "Sco", "Scorpio in a position"),
    QT_TRANSLATE_NOOP3("Words", "Sag", "Sagittarius in a position"),
    QT_TRANSLATE_NOOP3("Words", "Cap", "Capricorn in a position"),
    QT_TRANSLATE_NOOP3("Words", "Aqu", "Aquarius in a position"),
    QT_TRANSLATE_NOOP3("Words", "Pis", "Pisces in a position"),
}};

// Nakshatra 1 (Aswini) to 27 (Revati), at [nakshatra - 1].
inline constexpr std::array<Source, kNakshatraCount> kNakshatraNames{{
    {QT_TRANSLATE_NOOP("Words", "Aswini")}, {QT_TRANSLATE_NOOP("Words", "Bharani")},
    {QT_TRANSLATE_NOOP("Words", "Krittika")}, {QT_TRANSLATE_NOOP("Words", "Rohini")},
    {QT_TRANSLATE_NOOP("Words", "Mrigsira")}, {QT_TRANSLATE_NOOP("Words", "Ardra")},
    {QT_TRANSLATE_NOOP("Words", "Punarvasu")}, {QT_TRANSLATE_NOOP("Words", "Pushya")},
    {QT_TRANSLATE_NOOP("Words", "Aslesha")}, {QT_TRANSLATE_NOOP("Words", "Magha")},
    {QT_TRANSLATE_NOOP("Words", "Purbha Phalguni")}, {QT_TRANSLATE_NOOP("Words", "Uttara Phalguni")},
    {QT_TRANSLATE_NOOP("Words", "Hasta")}, {QT_TRANSLATE_NOOP("Words", "Chitra")},
    {QT_TRANSLATE_NOOP("Words", "Swati")}, {QT_TRANSLATE_NOOP("Words", "Vishakha")},
    {QT_TRANSLATE_NOOP("Words", "Anuradha")}, {QT_TRANSLATE_NOOP("Words", "Jyeshtha")},
    {QT_TRANSLATE_NOOP("Words", "Mula")}, {QT_TRANSLATE_NOOP("Words", "Purva Ashadha")},
    {QT_TRANSLATE_NOOP("Words", "Uttara Ashadha")}, {QT_TRANSLATE_NOOP("Words", "Shravana")},
    {QT_TRANSLATE_NOOP("Words", "Dhanishtha")}, {QT_TRANSLATE_NOOP("Words", "Shatbisha")},
    {QT_TRANSLATE_NOOP("Words", "Poorva Bhadrapada")}, {QT_TRANSLATE_NOOP("Words", "Uttara Bhadrapada")},
    {QT_TRANSLATE_NOOP("Words", "Revati")},
}};

// The Gregorian months, as the input window's list shows them. A date in a
// sentence is written by QLocale in the windows (words/Translated.h), so a
// translation's names are CLDR's, which QLocale's are.
inline constexpr std::array<Source, 12> kMonthNames{{
    {QT_TRANSLATE_NOOP("Words", "January")}, {QT_TRANSLATE_NOOP("Words", "February")},
    {QT_TRANSLATE_NOOP("Words", "March")}, {QT_TRANSLATE_NOOP("Words", "April")},
    {QT_TRANSLATE_NOOP("Words", "May")}, {QT_TRANSLATE_NOOP("Words", "June")},
    {QT_TRANSLATE_NOOP("Words", "July")}, {QT_TRANSLATE_NOOP("Words", "August")},
    {QT_TRANSLATE_NOOP("Words", "September")}, {QT_TRANSLATE_NOOP("Words", "October")},
    {QT_TRANSLATE_NOOP("Words", "November")}, {QT_TRANSLATE_NOOP("Words", "December")},
}};

// In ManglikReference order.
inline constexpr std::array<Source, kManglikReferences.size()> kReferenceNames{{
    {QT_TRANSLATE_NOOP("Words", "Lagna")}, {QT_TRANSLATE_NOOP("Words", "Moon")},
    {QT_TRANSLATE_NOOP("Words", "Venus")},
}};

// In DivisionalChart order.
inline constexpr std::array<Source, kDivisions.size()> kChartNames{{
    {QT_TRANSLATE_NOOP("Words", "Rasi (D1)")}, {QT_TRANSLATE_NOOP("Words", "Hora (D2)")},
    {QT_TRANSLATE_NOOP("Words", "Drekkana (D3)")}, {QT_TRANSLATE_NOOP("Words", "Sapthamsa (D7)")},
    {QT_TRANSLATE_NOOP("Words", "Navamsa (D9)")}, {QT_TRANSLATE_NOOP("Words", "Dasamsa (D10)")},
    {QT_TRANSLATE_NOOP("Words", "Dwadasamsa (D12)")},
}};

// In kCityClocks order.
inline constexpr std::array<Source, kCityClocks.size()> kCityClockNames{{
    {QT_TRANSLATE_NOOP("Words", "Bombay Time")}, {QT_TRANSLATE_NOOP("Words", "Calcutta Time")},
}};

// --- The match (matching/), each in the order of its enum. ---

inline constexpr std::array<Source, 2> kSideNames{{{QT_TRANSLATE_NOOP("Words", "Bride")},
                                                   {QT_TRANSLATE_NOOP("Words", "Groom")}}};
inline constexpr std::array<Source, kKootaCount> kKootaNames{{
    {QT_TRANSLATE_NOOP("Words", "Varna")}, {QT_TRANSLATE_NOOP("Words", "Vashya")},
    {QT_TRANSLATE_NOOP("Words", "Tara")}, {QT_TRANSLATE_NOOP("Words", "Yoni")},
    {QT_TRANSLATE_NOOP("Words", "Graha Maitri")}, {QT_TRANSLATE_NOOP("Words", "Gana")},
    {QT_TRANSLATE_NOOP("Words", "Bhakoot")}, {QT_TRANSLATE_NOOP("Words", "Nadi")},
}};
inline constexpr std::array<Source, 4> kVarnaNames{{
    {QT_TRANSLATE_NOOP("Words", "Shudra")}, {QT_TRANSLATE_NOOP("Words", "Vaishya")},
    {QT_TRANSLATE_NOOP("Words", "Kshatriya")}, {QT_TRANSLATE_NOOP("Words", "Brahmin")},
}};
inline constexpr std::array<Source, kVashyaClassCount> kVashyaNames{{
    {QT_TRANSLATE_NOOP("Words", "Chatushpada")}, {QT_TRANSLATE_NOOP("Words", "Manava")},
    {QT_TRANSLATE_NOOP("Words", "Jalachara")}, {QT_TRANSLATE_NOOP("Words", "Vanachara")},
    {QT_TRANSLATE_NOOP("Words", "Keeta")},
}};
inline constexpr std::array<Source, kYoniCount> kYoniNames{{
    {QT_TRANSLATE_NOOP("Words", "Horse")}, {QT_TRANSLATE_NOOP("Words", "Elephant")},
    {QT_TRANSLATE_NOOP("Words", "Sheep")}, {QT_TRANSLATE_NOOP("Words", "Serpent")},
    {QT_TRANSLATE_NOOP("Words", "Dog")}, {QT_TRANSLATE_NOOP("Words", "Cat")},
    {QT_TRANSLATE_NOOP("Words", "Rat")}, {QT_TRANSLATE_NOOP("Words", "Cow")},
    {QT_TRANSLATE_NOOP("Words", "Buffalo")}, {QT_TRANSLATE_NOOP("Words", "Tiger")},
    {QT_TRANSLATE_NOOP("Words", "Deer")}, {QT_TRANSLATE_NOOP("Words", "Monkey")},
    {QT_TRANSLATE_NOOP("Words", "Mongoose")}, {QT_TRANSLATE_NOOP("Words", "Lion")},
}};
inline constexpr std::array<Source, kGanaCount> kGanaNames{{
    {QT_TRANSLATE_NOOP("Words", "Deva")}, {QT_TRANSLATE_NOOP("Words", "Manushya")},
    {QT_TRANSLATE_NOOP("Words", "Rakshasa")},
}};
inline constexpr std::array<Source, 3> kNadiNames{{
    {QT_TRANSLATE_NOOP("Words", "Adi")}, {QT_TRANSLATE_NOOP("Words", "Madhya")},
    {QT_TRANSLATE_NOOP("Words", "Antya")},
}};
inline constexpr std::array<Source, 4> kBandNames{{
    {QT_TRANSLATE_NOOP("Words", "Not recommended")}, {QT_TRANSLATE_NOOP("Words", "Acceptable")},
    {QT_TRANSLATE_NOOP("Words", "Good")}, {QT_TRANSLATE_NOOP("Words", "Excellent")},
}};
inline constexpr std::array<Source, 3> kDoshaNames{{
    {QT_TRANSLATE_NOOP("Words", "Nadi dosha")}, {QT_TRANSLATE_NOOP("Words", "Bhakoot dosha")},
    {QT_TRANSLATE_NOOP("Words", "Gana dosha")},
}};

// As the conclusion lists a lone Manglik's dosha.
inline constexpr Source kManglikDoshaName{QT_TRANSLATE_NOOP("Words", "Manglik dosha")};

// An entry of a table by a code or number, nothing outside it.
template <typename Words, std::size_t N, typename Code>
typename Words::Text Named(const Words& words, const std::array<Source, N>& table, Code code) {
    const auto at = static_cast<std::size_t>(code);
    return at < N ? words(table[at]) : typename Words::Text();
}
// An entry by a number counted from 1 (a sign, a nakshatra), nothing outside.
template <typename Words, std::size_t N>
typename Words::Text NamedFromOne(const Words& words, const std::array<Source, N>& table, int number) {
    return number >= 1 ? Named(words, table, number - 1) : typename Words::Text();
}

}  // namespace varelio::words
