#include "cli/JsonWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace varelio::cli {
namespace {

constexpr char kHex[] = "0123456789abcdef";

// Whether any of the eight bytes is a quote, a backslash or below 0x20
// (bytes from 0x80 up never are).
constexpr bool NeedsEscape(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
    const auto hasZeroByte = [](std::uint64_t v) { return (v - kOnes) & ~v & kHigh; };
    const std::uint64_t below20 = (word - kOnes * 0x20) & ~word & kHigh;
    return (below20 | hasZeroByte(word ^ (kOnes * '"')) | hasZeroByte(word ^ (kOnes * '\\'))) != 0;
}

// Writes into room made beforehand: the reading's bound (WorstCase) is
// reserved once, so no append checks the capacity.
class Cursor {
public:
    explicit Cursor(char* at) : at_(at) {}
    char* at() const { return at_; }

    template <std::size_t N>
    void Put(const char (&literal)[N]) {
        std::memcpy(at_, literal, N - 1);
        at_ += N - 1;
    }
    void Put(char c) { *at_++ = c; }
    void Put(std::string_view text) {
        std::memcpy(at_, text.data(), text.size());
        at_ += text.size();
    }
    void Integer(long long value) { at_ = std::to_chars(at_, at_ + 24, value).ptr; }
    void Bool(bool value) {
        if (value) {
            Put("true");
        } else {
            Put("false");
        }
    }

    void String(std::string_view utf8) {
        char* o = at_;  // a local, so the byte stores need not reload it
        *o++ = '"';
        const char* p = utf8.data();
        const char* const end = p + utf8.size();
        // Eight bytes at a time while none of them needs an escape; a tail
        // of a longer text is taken as the text's last eight bytes, written
        // again over the ones already copied.
        if (end - p >= 8) {
            while (end - p >= 8) {
                std::uint64_t word;
                std::memcpy(&word, p, 8);
                if (NeedsEscape(word)) break;
                std::memcpy(o, &word, 8);
                o += 8;
                p += 8;
            }
            if (p < end && end - p < 8) {
                std::uint64_t word;
                std::memcpy(&word, end - 8, 8);
                if (!NeedsEscape(word)) {
                    std::memcpy(o - (8 - (end - p)), &word, 8);
                    o += end - p;
                    p = end;
                }
            }
        }
        for (; p < end; ++p) {
            const auto c = static_cast<unsigned char>(*p);
            if (c >= 0x20 && c != '"' && c != '\\') {
                *o++ = static_cast<char>(c);
                continue;
            }
            *o++ = '\\';
            switch (c) {
                case '"': *o++ = '"'; break;
                case '\\': *o++ = '\\'; break;
                case '\b': *o++ = 'b'; break;
                case '\f': *o++ = 'f'; break;
                case '\n': *o++ = 'n'; break;
                case '\r': *o++ = 'r'; break;
                case '\t': *o++ = 't'; break;
                default:
                    *o++ = 'u';
                    *o++ = '0';
                    *o++ = '0';
                    *o++ = kHex[c >> 4];
                    *o++ = kHex[c & 0xF];
            }
        }
        *o++ = '"';
        at_ = o;
    }

    void Number(double value);

    template <typename Table>
    void Texts(const Table& texts, std::size_t count) {
        *at_++ = '[';
        for (std::size_t i = 0; i < count; ++i) {
            if (i > 0) *at_++ = ',';
            String(texts[i]);
        }
        *at_++ = ']';
    }

private:
    char* at_;
};

// At most this many bytes for a number (a sign, 17 digits, a point, zeros
// up to the exponent's place or an exponent).
constexpr std::size_t kNumberRoom = 32;

void Cursor::Number(double value) {
    if (!std::isfinite(value)) {
        Put("null");
        return;
    }
    constexpr double kTwoTo53 = 9007199254740992.0;
    if (value == std::trunc(value) && std::fabs(value) < kTwoTo53) {
        Integer(static_cast<long long>(value));
        return;
    }
    // The shortest digits that read back to the value, and their exponent.
    char buffer[kNumberRoom];
    const char* const end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
    const char* at = buffer;
    if (*at == '-') {
        *at_++ = '-';
        ++at;
    }
    char digits[20];
    int count = 0;
    for (; at < end && *at != 'e'; ++at) {
        if (*at != '.') digits[count++] = *at;
    }
    int exponent = 0;
    std::from_chars(at + 1 + (at[1] == '+' ? 1 : 0), end, exponent);
    const int point = exponent + 1;  // digits before the decimal point
    const std::string_view all(digits, static_cast<std::size_t>(count));

    const int exponentDigits = std::abs(exponent) >= 100 ? 3 : 2;
    const int scientificLength = count + (count > 1 ? 1 : 0) + 2 + exponentDigits;
    const int fixedLength = point <= 0 ? 2 - point + count : (point < count ? count + 1 : point);
    if (scientificLength < fixedLength) {
        *at_++ = digits[0];
        if (count > 1) {
            *at_++ = '.';
            Put(all.substr(1));
        }
        Put(exponent < 0 ? "e-" : "e+");
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) *at_++ = '0';
        Integer(magnitude);
    } else if (point <= 0) {
        Put("0.");
        at_ = std::fill_n(at_, -point, '0');
        Put(all);
    } else if (point < count) {
        Put(all.substr(0, static_cast<std::size_t>(point)));
        *at_++ = '.';
        Put(all.substr(static_cast<std::size_t>(point)));
    } else {
        Put(all);
        at_ = std::fill_n(at_, point - count, '0');
    }
}

// Room for a string: every byte may become a six-byte escape.
std::size_t Room(std::string_view text) { return 6 * text.size() + 2; }

template <typename Table>
std::size_t Room(const Table& texts, std::size_t count) {
    std::size_t room = count + 2;
    for (std::size_t i = 0; i < count; ++i) room += Room(texts[i]);
    return room;
}

// An upper bound of the object's length: its strings escaped at worst, and
// generous room for keys, punctuation and numbers.
std::size_t WorstCase(const Reading& r) {
    const ChartState& c = r.chartState;
    const BirthData& b = r.birthData;
    const ReadingSummary& s = r.summary;
    std::size_t room = 2048;
    for (const std::string* text :
         {&b.name, &b.city, &b.state, &b.country, &c.ascendantText, &c.ayanamsaText, &c.midheavenText,
          &c.moonNakshatraName, &c.moonPositionText, &c.moonRashiName, &c.moonSignName, &s.ayanamsaDisplay,
          &s.lagnaAbbreviation, &s.lagnaSignName, &s.nakshatraDisplay, &s.nakshatraLord, &s.nakshatraPada,
          &s.rashiDisplay}) {
        room += Room(*text);
    }
    for (const auto& cancellation : r.cancellations) {
        if (cancellation) room += Room(cancellation->reason);
    }
    room += Room(c.bodyNames, kBodyCount) + Room(c.bodyNamesSanskrit, kBodyCount) +
            Room(c.bodyPositionText, kBodyCount) + Room(r.chartCells, r.chartCells.size()) +
            Room(r.manglikCaptions, r.manglikCaptions.size()) + Room(r.manglikFromVenus.captions[2]) +
            Room(r.verdictWindow.lagna.from) + Room(r.verdictWindow.lagna.to) + Room(r.verdictWindow.moon.from) +
            Room(r.verdictWindow.moon.to);
    return room;
}

void WriteCancellation(const std::optional<Cancellation>& cancellation, Cursor& out) {
    if (!cancellation) {
        out.Put("null");
        return;
    }
    out.Put("{\"reason\":");
    out.String(cancellation->reason);
    out.Put(",\"rule\":");
    out.Integer(cancellation->rule);
    out.Put('}');
}

void WriteMinutes(const std::optional<int>& minutes, Cursor& out) {
    if (minutes) {
        out.Integer(*minutes);
    } else {
        out.Put("null");
    }
}

void WriteWindow(const ReferenceWindow& w, Cursor& out) {
    out.Put("{\"capped\":{\"from\":");
    out.Bool(w.fromCapped);
    out.Put(",\"to\":");
    out.Bool(w.toCapped);
    out.Put("},\"from\":");
    out.String(w.from);
    out.Put(",\"fromDay\":");
    out.Integer(w.fromDay);
    out.Put(",\"minutesToChange\":{\"after\":");
    WriteMinutes(w.minutesAfter, out);
    out.Put(",\"before\":");
    WriteMinutes(w.minutesBefore, out);
    out.Put("},\"to\":");
    out.String(w.to);
    out.Put(",\"toDay\":");
    out.Integer(w.toDay);
    out.Put('}');
}

// Keys in QJsonObject's order: sorted by their UTF-16 code units, which for
// these ASCII names is byte order.
void WriteReading(const Reading& r, Cursor& out) {
    const ChartState& c = r.chartState;
    const BirthData& b = r.birthData;
    const ReadingSummary& s = r.summary;
    out.Put("{\"ascendant\":");
    out.Number(c.ascendant);
    out.Put(",\"ascendantText\":");
    out.String(c.ascendantText);
    out.Put(",\"ayanamsa\":");
    out.Number(c.ayanamsa);
    out.Put(",\"ayanamsaText\":");
    out.String(c.ayanamsaText);

    out.Put(",\"birthData\":{\"city\":");
    out.String(b.city);
    out.Put(",\"country\":");
    out.String(b.country);
    out.Put(",\"day\":");
    out.Integer(b.day);
    out.Put(",\"dst\":");
    out.Bool(b.dst);
    out.Put(",\"east\":");
    out.Bool(b.east);
    out.Put(",\"hour\":");
    out.Integer(b.hour);
    out.Put(",\"latDegrees\":");
    out.Integer(b.latDegrees);
    out.Put(",\"latMinutes\":");
    out.Integer(b.latMinutes);
    out.Put(",\"lonDegrees\":");
    out.Integer(b.lonDegrees);
    out.Put(",\"lonMinutes\":");
    out.Integer(b.lonMinutes);
    out.Put(",\"minute\":");
    out.Integer(b.minute);
    out.Put(",\"month\":");
    out.Integer(b.month);
    out.Put(",\"name\":");
    out.String(b.name);
    out.Put(",\"south\":");
    out.Bool(b.south);
    out.Put(",\"state\":");
    out.String(b.state);
    out.Put(",\"year\":");
    out.Integer(b.year);
    out.Put(",\"zoneHours\":");
    out.Integer(b.zoneHours);
    out.Put(",\"zoneHoursAbs\":");
    out.Integer(b.zoneHoursAbs);
    out.Put(",\"zoneMinutes\":");
    out.Integer(b.zoneMinutes);
    out.Put(",\"zoneMinutesAbs\":");
    out.Integer(b.zoneMinutesAbs);
    out.Put('}');

    out.Put(",\"bodyNames\":");
    out.Texts(c.bodyNames, kBodyCount);
    out.Put(",\"bodyNamesSanskrit\":");
    out.Texts(c.bodyNamesSanskrit, kBodyCount);
    out.Put(",\"bodyPositionText\":");
    out.Texts(c.bodyPositionText, kBodyCount);
    // A cancellation only means something where there is a dosha to cancel.
    out.Put(",\"cancellation\":{\"lagna\":");
    WriteCancellation(r.manglikVerdicts[0] ? r.cancellations[0] : std::nullopt, out);
    out.Put(",\"moon\":");
    WriteCancellation(r.manglikVerdicts[1] ? r.cancellations[1] : std::nullopt, out);
    out.Put("},\"centuries1900\":");
    out.Number(c.centuries1900);
    out.Put(",\"chart\":");
    out.Texts(r.chartCells, r.chartCells.size());
    out.Put(",\"julianDayNumber\":");
    out.Number(c.julianDayNumber);
    out.Put(",\"localSiderealTime\":");
    out.Number(c.localSiderealTime);
    out.Put(",\"manglik\":");
    out.Texts(r.manglikCaptions, r.manglikCaptions.size());
    const ManglikEvaluation& venus = r.manglikFromVenus;
    out.Put(",\"manglikFromVenus\":{\"house\":");
    if (venus.marsHouse != 0) {
        out.Integer(venus.marsHouse);
        out.Put(",\"percentage\":");
        out.String(venus.doshaPercentage);
    } else {
        out.Put("null,\"percentage\":null");
    }
    out.Put(",\"verdict\":");
    out.String(venus.captions[2]);
    out.Put('}');
    out.Put(",\"midheaven\":");
    out.Number(c.midheaven);
    out.Put(",\"midheavenText\":");
    out.String(c.midheavenText);
    out.Put(",\"moonLongitude\":");
    out.Number(c.moonLongitude);
    out.Put(",\"moonNakshatraName\":");
    out.String(c.moonNakshatraName);
    out.Put(",\"moonPositionText\":");
    out.String(c.moonPositionText);
    out.Put(",\"moonRashiName\":");
    out.String(c.moonRashiName);
    out.Put(",\"moonSignName\":");
    out.String(c.moonSignName);
    out.Put(",\"obliquity\":");
    out.Number(c.obliquity);

    // The five planets by name, in the sorted order of their names.
    const auto retrograde = [&](int planet) { return r.retrogradeFlags[static_cast<std::size_t>(planet - kMercury)]; };
    out.Put(",\"retrograde\":{\"Jupiter\":");
    out.Bool(retrograde(kJupiter));
    out.Put(",\"Mars\":");
    out.Bool(retrograde(kMars));
    out.Put(",\"Mercury\":");
    out.Bool(retrograde(kMercury));
    out.Put(",\"Saturn\":");
    out.Bool(retrograde(kSaturn));
    out.Put(",\"Venus\":");
    out.Bool(retrograde(kVenus));

    out.Put("},\"summary\":{\"ayanamsaDisplay\":");
    out.String(s.ayanamsaDisplay);
    out.Put(",\"lagnaAbbreviation\":");
    out.String(s.lagnaAbbreviation);
    out.Put(",\"lagnaSignName\":");
    out.String(s.lagnaSignName);
    out.Put(",\"nakshatraDisplay\":");
    out.String(s.nakshatraDisplay);
    out.Put(",\"nakshatraLord\":");
    out.String(s.nakshatraLord);
    out.Put(",\"nakshatraPada\":");
    out.String(s.nakshatraPada);
    out.Put(",\"rashiDisplay\":");
    out.String(s.rashiDisplay);
    out.Put("},\"universalTime\":");
    out.Number(c.universalTime);
    out.Put(",\"verdictWindow\":{\"lagna\":");
    WriteWindow(r.verdictWindow.lagna, out);
    out.Put(",\"marsToBoundary\":");
    out.Integer(r.verdictWindow.marsToBoundary);
    out.Put(",\"moon\":");
    WriteWindow(r.verdictWindow.moon, out);
    out.Put("}}");
}

// Makes room for up to `room` bytes at the end of out, lets write fill
// some, and keeps what it wrote.
template <typename Write>
void AppendWithin(std::string& out, std::size_t room, Write write) {
    const std::size_t start = out.size();
    out.resize(start + room);
    Cursor cursor(out.data() + start);
    write(cursor);
    out.resize(static_cast<std::size_t>(cursor.at() - out.data()));
}

}  // namespace

void AppendReadingJson(const Reading& reading, std::string& out) {
    AppendWithin(out, WorstCase(reading), [&](Cursor& cursor) { WriteReading(reading, cursor); });
}

void AppendJsonNumber(double value, std::string& out) {
    AppendWithin(out, kNumberRoom, [&](Cursor& cursor) { cursor.Number(value); });
}

void AppendJsonString(std::string_view utf8, std::string& out) {
    AppendWithin(out, Room(utf8), [&](Cursor& cursor) { cursor.String(utf8); });
}

}  // namespace varelio::cli
