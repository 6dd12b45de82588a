// What the companion writes for the kundli layer's codes, in JSON and CSV
// alike: lowercase ASCII keys (the dasha lords as "bodies" names them), and
// the dates and times of periods and sunrises as ISO 8601 texts on the
// birth's own clock.
#pragma once

#include "kundli/Panchang.h"
#include "matching/KootaTables.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace varelio::cli {

// How deep the JSON's "dasha" lists the periods: 1 the mahadashas, 2 each
// with its antardashas, 3 each of those with its pratyantardashas.
inline constexpr int kReadingDashaDepth = 2;  // one reading's, unless asked
inline constexpr int kBatchDashaDepth = 1;    // a batch row's, unless asked

// "ketu", "venus", ...: the lord's English name in lower case.
std::string_view LordKey(int dashaLord);
// "pratipada" .. "chaturdashi", then "purnima" (15) or "amavasya" (30).
std::string_view TithiKey(int tithi);
std::string_view PakshaKey(Paksha paksha);      // "shukla", "krishna"
std::string_view YogaKey(int yoga);             // "vishkambha" .. "vaidhriti"
std::string_view KaranaKey(Karana karana);      // "kimstughna" .. "naga"
std::string_view WeekdayKey(Weekday weekday);   // "sunday" .. "saturday"
std::string_view DaylightKey(Daylight daylight);  // "riseAndSet", "noSunrise", "noSunset"
std::string_view VarnaKey(Varna varna);
std::string_view VashyaKey(VashyaClass vashya);
std::string_view YoniKey(Yoni yoni);
std::string_view GanaKey(Gana gana);
std::string_view NadiKey(Nadi nadi);

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
