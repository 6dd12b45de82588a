// What the companion writes for the kundli layer's codes, in JSON and CSV
// alike: lowercase ASCII keys (the dasha lords as "bodies" names them), and
// the dates and times of periods and sunrises as ISO 8601 texts on the
// birth's own clock.
#pragma once

#include "kundli/Panchang.h"
#include "kundli/Vimshottari.h"
#include "matching/KootaTables.h"
#include "words/EnglishTexts.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace varelio::cli {

// How deep the JSON's "dasha" lists the periods: 1 the mahadashas, 2 each
// with its antardashas, 3 each of those with its pratyantardashas.
inline constexpr int kReadingDashaDepth = 2;  // one reading's, unless asked
inline constexpr int kBatchDashaDepth = 1;    // a batch row's, unless asked

namespace keys {
struct LowerName {
    std::array<char, 12> chars{};
    std::size_t size = 0;
};

inline constexpr std::array<LowerName, kDashaLordCount> kLordKeys = [] {
    std::array<LowerName, kDashaLordCount> lowered{};
    for (std::size_t i = 0; i < lowered.size(); ++i) {
        for (const char c : words::kBodyNamesInEnglish[kDashaLords[i].body]) {
            lowered[i].chars[lowered[i].size++] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    return lowered;
}();

inline constexpr std::array<std::string_view, kTithisPerPaksha> kTithiKeys{
    "pratipada", "dwitiya", "tritiya",  "chaturthi", "panchami",  "shashthi",   "saptami",     "ashtami",
    "navami",    "dashami", "ekadashi", "dwadashi",  "trayodashi", "chaturdashi", "purnima"};
inline constexpr std::array<std::string_view, kYogaCount> kYogaKeys{
    "vishkambha", "priti",   "ayushman", "saubhagya", "shobhana", "atiganda", "sukarma", "dhriti",   "shula",
    "ganda",      "vriddhi", "dhruva",   "vyaghata",  "harshana", "vajra",    "siddhi",  "vyatipata", "variyana",
    "parigha",    "shiva",   "siddha",   "sadhya",    "shubha",   "shukla",   "brahma",  "indra",    "vaidhriti"};
inline constexpr std::array<std::string_view, kKaranaNameCount> kKaranaKeys{
    "kimstughna", "bava", "balava", "kaulava", "taitila", "garaja", "vanija", "vishti", "shakuni", "chatushpada", "naga"};
inline constexpr std::array<std::string_view, kWeekdayCount> kWeekdayKeys{"sunday",   "monday", "tuesday", "wednesday",
                                                                   "thursday", "friday", "saturday"};
inline constexpr std::array<std::string_view, 3> kDaylightKeys{"riseAndSet", "noSunrise", "noSunset"};
inline constexpr std::array<std::string_view, 4> kVarnaKeys{"shudra", "vaishya", "kshatriya", "brahmin"};
inline constexpr std::array<std::string_view, kVashyaClassCount> kVashyaKeys{"chatushpada", "manava", "jalachara",
                                                                      "vanachara", "keeta"};
inline constexpr std::array<std::string_view, kYoniCount> kYoniKeys{"horse", "elephant", "sheep", "serpent", "dog",
                                                             "cat",   "rat",      "cow",   "buffalo", "tiger",
                                                             "deer",  "monkey",   "mongoose", "lion"};
inline constexpr std::array<std::string_view, kGanaCount> kGanaKeys{"deva", "manushya", "rakshasa"};
inline constexpr std::array<std::string_view, 3> kNadiKeys{"adi", "madhya", "antya"};

template <std::size_t N, typename E>
constexpr std::string_view At(const std::array<std::string_view, N>& table, E code) {
    return table[static_cast<std::size_t>(code)];
}
}  // namespace keys

// "ketu", "venus", ...: the lord's English name in lower case.
inline std::string_view LordKey(int dashaLord) {
    const keys::LowerName& key = keys::kLordKeys[static_cast<std::size_t>(dashaLord)];
    return {key.chars.data(), key.size};
}
// "pratipada" .. "chaturdashi", then "purnima" (15) or "amavasya" (30).
inline std::string_view TithiKey(int tithi) {
    return tithi == kTithiCount ? std::string_view("amavasya")
                                : keys::kTithiKeys[static_cast<std::size_t>(TithiInPaksha(tithi) - 1)];
}
inline std::string_view PakshaKey(Paksha paksha) { return paksha == Paksha::Shukla ? "shukla" : "krishna"; }
// "vishkambha" .. "vaidhriti"
inline std::string_view YogaKey(int yoga) { return keys::kYogaKeys[static_cast<std::size_t>(yoga - 1)]; }
inline std::string_view KaranaKey(Karana karana) { return keys::At(keys::kKaranaKeys, karana); }
inline std::string_view WeekdayKey(Weekday weekday) { return keys::At(keys::kWeekdayKeys, weekday); }
// "riseAndSet", "noSunrise", "noSunset"
inline std::string_view DaylightKey(Daylight daylight) { return keys::At(keys::kDaylightKeys, daylight); }
inline std::string_view VarnaKey(Varna varna) { return keys::At(keys::kVarnaKeys, varna); }
inline std::string_view VashyaKey(VashyaClass vashya) { return keys::At(keys::kVashyaKeys, vashya); }
inline std::string_view YoniKey(Yoni yoni) { return keys::At(keys::kYoniKeys, yoni); }
inline std::string_view GanaKey(Gana gana) { return keys::At(keys::kGanaKeys, gana); }
inline std::string_view NadiKey(Nadi nadi) { return keys::At(keys::kNadiKeys, nadi); }

struct IsoText {
    std::array<char, 16> chars{};
    std::size_t size = 0;
    std::string_view view() const { return {chars.data(), size}; }
};

// "2016-09-30": the date a moment falls on, on the clock offsetSeconds east of UT.
IsoText IsoDate(double jdUt, int offsetSeconds);
// "2000-01-01T07:14": the date and time there to the nearest minute.
IsoText IsoMinute(double jdUt, int offsetSeconds);

}  // namespace varelio::cli
