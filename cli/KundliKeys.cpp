#include "cli/KundliKeys.h"

#include "kundli/Vimshottari.h"

namespace varelio::cli {
namespace {

struct LowerName {
    std::array<char, 12> chars{};
    std::size_t size = 0;
};

constexpr std::array<LowerName, kDashaLordCount> kLordKeys = [] {
    std::array<LowerName, kDashaLordCount> keys{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::string_view name = kBodyNamesEnglish[kDashaLords[i].body];
        for (const char c : name) keys[i].chars[keys[i].size++] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return keys;
}();

constexpr std::array<std::string_view, kTithisPerPaksha> kTithiKeys{
    "pratipada", "dwitiya", "tritiya",  "chaturthi", "panchami",  "shashthi",   "saptami",     "ashtami",
    "navami",    "dashami", "ekadashi", "dwadashi",  "trayodashi", "chaturdashi", "purnima"};
constexpr std::array<std::string_view, kYogaCount> kYogaKeys{
    "vishkambha", "priti",   "ayushman", "saubhagya", "shobhana", "atiganda", "sukarma", "dhriti",   "shula",
    "ganda",      "vriddhi", "dhruva",   "vyaghata",  "harshana", "vajra",    "siddhi",  "vyatipata", "variyana",
    "parigha",    "shiva",   "siddha",   "sadhya",    "shubha",   "shukla",   "brahma",  "indra",    "vaidhriti"};
constexpr std::array<std::string_view, kKaranaNameCount> kKaranaKeys{
    "kimstughna", "bava", "balava", "kaulava", "taitila", "garaja", "vanija", "vishti", "shakuni", "chatushpada", "naga"};
constexpr std::array<std::string_view, kWeekdayCount> kWeekdayKeys{"sunday",   "monday", "tuesday", "wednesday",
                                                                   "thursday", "friday", "saturday"};
constexpr std::array<std::string_view, 3> kDaylightKeys{"riseAndSet", "noSunrise", "noSunset"};
constexpr std::array<std::string_view, 4> kVarnaKeys{"shudra", "vaishya", "kshatriya", "brahmin"};
constexpr std::array<std::string_view, kVashyaClassCount> kVashyaKeys{"chatushpada", "manava", "jalachara",
                                                                      "vanachara", "keeta"};
constexpr std::array<std::string_view, kYoniCount> kYoniKeys{"horse", "elephant", "sheep", "serpent", "dog",
                                                             "cat",   "rat",      "cow",   "buffalo", "tiger",
                                                             "deer",  "monkey",   "mongoose", "lion"};
constexpr std::array<std::string_view, kGanaCount> kGanaKeys{"deva", "manushya", "rakshasa"};
constexpr std::array<std::string_view, 3> kNadiKeys{"adi", "madhya", "antya"};

template <std::size_t N, typename E>
std::string_view At(const std::array<std::string_view, N>& keys, E code) {
    return keys[static_cast<std::size_t>(code)];
}

char* Digits(char* at, int value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        at[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return at + width;
}

IsoText DateOf(const CivilMoment& moment) {
    IsoText text;
    char* at = Digits(text.chars.data(), moment.year, 4);
    *at++ = '-';
    at = Digits(at, moment.month, 2);
    *at++ = '-';
    at = Digits(at, moment.day, 2);
    text.size = static_cast<std::size_t>(at - text.chars.data());
    return text;
}

}  // namespace

std::string_view LordKey(int dashaLord) {
    const LowerName& key = kLordKeys[static_cast<std::size_t>(dashaLord)];
    return {key.chars.data(), key.size};
}

std::string_view TithiKey(int tithi) {
    return tithi == kTithiCount ? std::string_view("amavasya") : kTithiKeys[static_cast<std::size_t>(TithiInPaksha(tithi) - 1)];
}

std::string_view PakshaKey(Paksha paksha) { return paksha == Paksha::Shukla ? "shukla" : "krishna"; }
std::string_view YogaKey(int yoga) { return kYogaKeys[static_cast<std::size_t>(yoga - 1)]; }
std::string_view KaranaKey(Karana karana) { return At(kKaranaKeys, karana); }
std::string_view WeekdayKey(Weekday weekday) { return At(kWeekdayKeys, weekday); }
std::string_view DaylightKey(Daylight daylight) { return At(kDaylightKeys, daylight); }
std::string_view VarnaKey(Varna varna) { return At(kVarnaKeys, varna); }
std::string_view VashyaKey(VashyaClass vashya) { return At(kVashyaKeys, vashya); }
std::string_view YoniKey(Yoni yoni) { return At(kYoniKeys, yoni); }
std::string_view GanaKey(Gana gana) { return At(kGanaKeys, gana); }
std::string_view NadiKey(Nadi nadi) { return At(kNadiKeys, nadi); }

IsoText IsoDate(double jdUt, int offsetSeconds) { return DateOf(ClockDateAt(jdUt, offsetSeconds)); }

IsoText IsoMinute(double jdUt, int offsetSeconds) {
    const CivilMoment moment = ClockMinuteAt(jdUt, offsetSeconds);
    IsoText text = DateOf(moment);
    char* at = text.chars.data() + text.size;
    *at++ = 'T';
    at = Digits(at, moment.hour, 2);
    *at++ = ':';
    at = Digits(at, moment.minute, 2);
    text.size = static_cast<std::size_t>(at - text.chars.data());
    return text;
}

}  // namespace varelio::cli
