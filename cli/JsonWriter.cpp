#include "cli/JsonWriter.h"

#include "astro/TimeScales.h"
#include "charts/DivisionalCharts.h"
#include "cli/KundliKeys.h"
#include "formats/Utf8.h"
#include "matching/Ashtakoota.h"
#include "retro/Retrogrades.h"
#include "words/English.h"
#include "words/EnglishTexts.h"
#include "words/Match.h"
#include "words/ZoneNotes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace varelio::cli {
namespace {

constexpr char kHex[] = "0123456789abcdef";
// The room one number may take: a sign, 17 digits, a point and zeros up to
// the exponent's place, or an exponent; and the 24 bytes the shortest digits
// of a fraction are copied in, after a sign, up to 18 digits and a point.
constexpr std::size_t kNumberRoom = 48;
// Room is made at least this much at a time: a reading's object takes a few
// such steps.
constexpr std::size_t kGrowBytes = 2048;

// 1 for a byte that needs more than a copy: a quote, a backslash, a control
// below 0x20, or a byte of a multi-byte sequence (checked to be well-formed).
constexpr std::array<unsigned char, 256> kByteCare = [] {
    std::array<unsigned char, 256> care{};
    for (std::size_t c = 0; c < care.size(); ++c) care[c] = c < 0x20 || c == '"' || c == '\\' || c >= 0x80;
    return care;
}();

// The top bit of each of the eight bytes that needs more than a copy; bytes
// after the first so marked may be marked too (a borrow runs on), never one
// before it.
constexpr std::uint64_t CareMask(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
    const auto hasZeroByte = [](std::uint64_t v) { return (v - kOnes) & ~v & kHigh; };
    const std::uint64_t below20 = (word - kOnes * 0x20) & ~word & kHigh;
    return below20 | (word & kHigh) | hasZeroByte(word ^ (kOnes * '"')) | hasZeroByte(word ^ (kOnes * '\\'));
}

constexpr bool NeedsCare(std::uint64_t word) { return CareMask(word) != 0; }

// Whether any of sixteen bytes needs more than a copy, the bytes as the lanes
// of one vector (SSE2 here): read as signed, a control below 0x20 and a byte
// from 0x80 on are both below 0x20.
typedef signed char SixteenBytes __attribute__((vector_size(16)));
typedef std::uint64_t TwoWords __attribute__((vector_size(16)));
inline bool NeedsCare(const SixteenBytes bytes) {
    const SixteenBytes care = (bytes < 0x20) | (bytes == '"') | (bytes == '\\');
    std::uint64_t low;
    std::uint64_t high;
    std::memcpy(&low, &care, 8);
    std::memcpy(&high, reinterpret_cast<const char*>(&care) + 8, 8);
    return (low | high) != 0;
}

// The writing itself is done by these free functions on a plain cursor, and
// the writer below keeps its cursor to itself: its byte stores then cannot
// touch the cursor, which stays in a register.

__extension__ typedef unsigned __int128 Wide;

constexpr std::array<Wide, 22> kPowersOfTen = [] {
    std::array<Wide, 22> powers{};
    Wide power = 1;
    for (Wide& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

constexpr std::array<std::uint64_t, 20> kSmallPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// "00" to "99".
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// The eight decimal digits of n below 10^8, leading zeros included, as the
// bytes of a word, the first digit lowest: the lanes of one word divided by
// 10^4, 100 and 10 at once (multiplications by reciprocals, exact below
// these bounds), so the digits never pass through memory before they are
// written where they go.
constexpr std::uint64_t EightDigitsWord(std::uint32_t n) {
    const std::uint64_t fours = n / 10000 | std::uint64_t{n % 10000} << 32;
    const std::uint64_t hundreds = (fours * 10486 >> 20) & 0x0000007F0000007FULL;
    const std::uint64_t twos = hundreds | (fours - hundreds * 100) << 16;
    const std::uint64_t tens = (twos * 103 >> 10) & 0x000F000F000F000FULL;
    return (tens | (twos - tens * 10) << 8) + 0x3030303030303030ULL;
}

void StoreWord(char* at, std::uint64_t word) { std::memcpy(at, &word, sizeof word); }

// The shortest digits that read back to a value that is not a whole number,
// from 2^-12 (0.000244) up to 2^53, the numbers of a reading, as plain
// to_chars writes them, in a fraction of its time; nullptr for any other
// value. The doubles that read back to v = m 2^e are those within half a
// unit of the last place: with p decimals the candidates are the whole
// numbers between the interval's ends times 10^p, exact in 128 bits here.
// At 17 significant digits there is always one; digits are then dropped
// while a coarser one still lies inside, and the candidate nearest v taken.
char* WriteShortestFraction(char* at, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const auto biased = static_cast<int>(bits >> 52 & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const int exponent = biased - 1075;  // v = m 2^exponent
    if (biased == 0 || exponent < -64 || exponent >= 0) return nullptr;
    const std::uint64_t m = fraction | std::uint64_t{1} << 52;
    // In quarters of the last place the interval runs from 4m - 2 to 4m + 2,
    // from 4m - 1 when the gap below halves at a power of two. Its ends read
    // back to v when m is even (ties to even).
    const bool endsIn = m % 2 == 0;
    const std::uint64_t below = fraction == 0 && biased > 1 ? 1 : 2;
    const int shift = 2 - exponent;
    const Wide fractionMask = (Wide{1} << shift) - 1;
    // 10^(decimal exponent) is at most 2^binaryExponent times 2, so these
    // decimals give at least 17 significant digits, and at most 18.
    const int binaryExponent = exponent + 52;
    const int decimalGuess = binaryExponent >= 0 ? binaryExponent * 30103 / 100000
                                                 : -((-binaryExponent * 30103 + 99999) / 100000);
    int decimals = 16 - decimalGuess;  // at most 20 here
    const Wide power = kPowersOfTen[static_cast<std::size_t>(decimals)];
    const Wide centre = Wide{4 * m} * power;
    const Wide low = centre - below * power;
    const Wide high = centre + 2 * power;
    auto lowest = static_cast<std::uint64_t>(low >> shift);
    auto highest = static_cast<std::uint64_t>(high >> shift);
    if ((low & fractionMask) != 0 || !endsIn) ++lowest;
    if ((high & fractionMask) == 0 && !endsIn) --highest;
    // Ceiling and floor of each tenth in turn are those of the whole quotient.
    int dropped = 0;
    while (true) {
        const std::uint64_t coarserLowest = lowest / 10 + (lowest % 10 != 0 ? 1 : 0);
        const std::uint64_t coarserHighest = highest / 10;
        if (coarserLowest > coarserHighest) break;
        lowest = coarserLowest;
        highest = coarserHighest;
        ++dropped;
    }
    decimals -= dropped;
    // The candidate nearest v, ties to even.
    const Wide scaled = dropped == 0 ? centre : Wide{4 * m} * kPowersOfTen[static_cast<std::size_t>(decimals)];
    auto nearest = static_cast<std::uint64_t>(scaled >> shift);
    const Wide rest = scaled & fractionMask;
    const Wide half = Wide{1} << (shift - 1);
    if (rest > half || (rest == half && nearest % 2 == 1)) ++nearest;
    nearest = std::clamp(nearest, lowest, highest);

    // The whole part, the point, then the decimals, padded on the right to
    // eighteen digits and written as a pair and two words. Nearer 0 than
    // 0.001 the exponent form may be the shorter, and more decimals need
    // more words: to_chars writes those.
    constexpr int kMostDecimals = 18;
    if (decimals > kMostDecimals) return nullptr;
    const std::uint64_t scale = kSmallPowersOfTen[static_cast<std::size_t>(decimals)];
    const std::uint64_t whole = nearest / scale;
    const std::uint64_t decimalDigits = nearest - whole * scale;
    if (whole == 0 && decimals > 3 && decimalDigits < kSmallPowersOfTen[static_cast<std::size_t>(decimals - 3)]) {
        return nullptr;
    }
    if (value < 0) *at++ = '-';
    if (whole < 10) {
        *at++ = static_cast<char>('0' + whole);
    } else if (whole < 100) {
        std::memcpy(at, &kDigitPairs[2 * whole], 2);
        at += 2;
    } else {
        at = std::to_chars(at, at + 20, whole).ptr;
    }
    *at++ = '.';
    const std::uint64_t padded = decimalDigits * kSmallPowersOfTen[static_cast<std::size_t>(kMostDecimals - decimals)];
    std::memcpy(at, &kDigitPairs[2 * (padded / 10000000000000000)], 2);
    StoreWord(at + 2, EightDigitsWord(static_cast<std::uint32_t>(padded / 100000000 % 100000000)));
    StoreWord(at + 10, EightDigitsWord(static_cast<std::uint32_t>(padded % 100000000)));
    return at + decimals;
}

// Writes a number at `at`, which has kNumberRoom bytes of room, as a
// QJsonValue holding it is written; returns the end.
char* WriteNumber(char* at, double value) {
    if (!std::isfinite(value)) return std::copy_n("null", 4, at);
    constexpr double kTwoTo53 = 9007199254740992.0;
    if (std::fabs(value) < kTwoTo53) {
        if (value == std::trunc(value)) return std::to_chars(at, at + kNumberRoom, static_cast<long long>(value)).ptr;
        if (char* const end = WriteShortestFraction(at, value)) return end;
        // Plain to_chars is the shortest digits in the shorter of the two
        // forms, fixed on a tie: QJsonDocument's choice.
        return std::to_chars(at, at + kNumberRoom, value).ptr;
    }
    // From 2^53 on (whole numbers all) plain to_chars writes the fixed form
    // with every digit, where QJsonDocument writes the shortest digits and
    // zeros: "d.ddde+XX" is kept unless those are no longer.
    char* const end = std::to_chars(at, at + kNumberRoom, value, std::chars_format::scientific).ptr;
    char* const first = at + (value < 0 ? 1 : 0);
    std::array<char, 20> digits{};
    std::size_t count = 0;
    const char* e = first;
    for (; *e != 'e'; ++e) {
        if (*e != '.') digits[count++] = *e;
    }
    int exponent = 0;
    std::from_chars(e + 2, end, exponent);  // "e+XX": never negative here
    const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (count > wholeDigits || wholeDigits > static_cast<std::size_t>(end - first)) return end;
    std::fill(std::copy_n(digits.data(), count, first), first + wholeDigits, '0');
    return first + wholeDigits;
}

// Writes the quoted string at o, which has 6 * size + 2 bytes of room (each
// byte becomes at most six, \u00xx; a malformed one three, U+FFFD); returns
// the end. Eight bytes are looked at and copied at a time; where one of them
// needs care, the copy stands up to it and that byte is written again.
char* WriteString(char* o, std::string_view utf8) {
    *o++ = '"';
    const char* p = utf8.data();
    const char* const end = p + utf8.size();
    while (p < end) {
        if (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            std::memcpy(o, &word, 8);
            const std::uint64_t care = CareMask(word);
            if (care == 0) {
                o += 8;
                p += 8;
                continue;
            }
            // The lowest marked byte is the first that needs care.
            const auto plain = static_cast<std::size_t>(std::countr_zero(care) / 8);
            o += plain;
            p += plain;
        } else if (kByteCare[static_cast<unsigned char>(*p)] == 0) {
            *o++ = *p++;
            continue;
        }
        const auto c = static_cast<unsigned char>(*p);
        if (c >= 0xC2 && c <= 0xDF && end - p >= 2 && (static_cast<unsigned char>(p[1]) & 0xC0) == 0x80) {
            // A two-byte sequence ("°"), well-formed as it stands.
            std::memcpy(o, p, 2);
            o += 2;
            p += 2;
        } else if (c >= 0x80) {
            std::size_t pos = static_cast<std::size_t>(p - utf8.data());
            const std::size_t start = pos;
            if (NextCodePoint(utf8, pos)) {
                std::memcpy(o, p, pos - start);
                o += pos - start;
            } else {
                std::memcpy(o, "\xEF\xBF\xBD", 3);
                o += 3;
            }
            p = utf8.data() + pos;
        } else {
            ++p;
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
    }
    *o++ = '"';
    return o;
}

// Makes at least `bytes` of room after at, the end of what was written into
// out; returns where at now is.
[[gnu::noinline]] char* Grow(std::string& out, char* at, std::size_t bytes) {
    const auto used = static_cast<std::size_t>(at - out.data());
    out.resize(used + std::max(bytes, kGrowBytes));
    return out.data() + used;
}

// A number formatted apart from the object, for one written twice (the
// longitudes of the ascendant, the Moon and the midheaven).
struct NumberText {
    std::array<char, kNumberRoom> digits{};
    std::size_t size = 0;

    explicit NumberText(double value) : size(static_cast<std::size_t>(WriteNumber(digits.data(), value) - digits.data())) {}
};

// A key of a size known only when written ("bodies"' keys), in room of a
// fixed size, so it is copied whole.
struct KeyText {
    std::array<char, 16> chars{};
    std::size_t size = 0;
    constexpr std::string_view view() const { return {chars.data(), size}; }
};

// Writes into out from its end on. Every write first makes room for itself,
// so no text, however long, can pass the string's end; the room made and
// not used is cut off when the writer goes. Everything is inlined into the
// one function that writes a reading, so the cursor never leaves it.
template <JsonLayout kLayout>
class Writer {
public:
    static constexpr bool kIndented = kLayout == JsonLayout::Indented;

    explicit Writer(std::string& out) : out_(out), at_(out.data() + out.size()), end_(at_) {}
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;
    ~Writer() { out_.resize(static_cast<std::size_t>(at_ - out_.data())); }

    [[gnu::always_inline]] void Open(char bracket) {
        Room(1);
        *at_++ = bracket;
        first_ = true;
        if constexpr (kIndented) ++depth_;
    }

    // As QJsonDocument closes a container on a line of its own, even an empty one.
    [[gnu::always_inline]] void Close(char bracket) {
        if constexpr (kIndented) --depth_;
        Room(2 + Indent());
        if constexpr (kIndented) NewLine();
        *at_++ = bracket;
        first_ = false;
    }

    // Before an array's element.
    [[gnu::always_inline]] void Element() {
        Room(2 + Indent());
        Separate();
    }

    [[gnu::always_inline]] void Key(std::string_view key) {
        // ",\n", the indent, the quoted key, ": ".
        Room(key.size() + 6 + Indent());
        Separate();
        *at_++ = '"';
        std::memcpy(at_, key.data(), key.size());
        at_ += key.size();
        EndKey();
    }

    [[gnu::always_inline]] void Key(const KeyText& key) {
        Room(key.chars.size() + 6 + Indent());
        Separate();
        *at_++ = '"';
        std::memcpy(at_, key.chars.data(), key.chars.size());
        at_ += key.size;
        EndKey();
    }

    template <typename T>
    [[gnu::always_inline]] void Member(std::string_view key, const T& value) {
        Key(key);
        Value(value);
    }

    [[gnu::always_inline]] void Value(bool value) {
        Room(5);
        if (value) {
            std::memcpy(at_, "true", 4);
            at_ += 4;
        } else {
            std::memcpy(at_, "false", 5);
            at_ += 5;
        }
    }

    [[gnu::always_inline]] void Value(int value) {
        Room(24);
        if (value >= 0 && value < 100) {  // most of a reading's integers
            if (value >= 10) *at_++ = static_cast<char>('0' + value / 10);
            *at_++ = static_cast<char>('0' + value % 10);
        } else {
            at_ = std::to_chars(at_, at_ + 24, value).ptr;
        }
    }

    [[gnu::always_inline]] void Value(double value) {
        Room(kNumberRoom);
        at_ = WriteNumber(at_, value);
    }

    [[gnu::always_inline]] void Value(const NumberText& number) {
        Room(number.digits.size());
        std::memcpy(at_, number.digits.data(), number.digits.size());
        at_ += number.size;
    }

    [[gnu::always_inline]] void Value(std::string_view utf8) {
        Room(6 * utf8.size() + 2);
        if (!QuotedAsItStands(utf8)) at_ = WriteString(at_, utf8);
    }
    [[gnu::always_inline]] void Value(const std::string& text) { Value(std::string_view(text)); }

    [[gnu::always_inline]] void Value(std::nullopt_t) { Null(); }

    template <typename T>
    [[gnu::always_inline]] void Value(const std::optional<T>& value) {
        if (value) {
            Value(*value);
        } else {
            Null();
        }
    }

    [[gnu::always_inline]] void Null() {
        Room(4);
        std::memcpy(at_, "null", 4);
        at_ += 4;
    }

    template <typename Texts>
    [[gnu::always_inline]] void TextArray(const Texts& texts, std::size_t count) {
        Open('[');
        for (std::size_t i = 0; i < count; ++i) {
            Element();
            Value(texts[i]);
        }
        Close(']');
    }

    // After the top-level object.
    [[gnu::always_inline]] void End() {
        if constexpr (kIndented) {
            Room(1);
            *at_++ = '\n';
        }
    }

private:
    std::size_t Indent() const { return kIndented ? 4 * static_cast<std::size_t>(depth_) : 0; }

    [[gnu::always_inline]] void Room(std::size_t bytes) {
        if (static_cast<std::size_t>(end_ - at_) < bytes) {
            at_ = Grow(out_, at_, bytes);
            end_ = out_.data() + out_.size();
        }
    }

    // Most of a reading's texts are 4 to 16 bytes that need no escape: they
    // are written here, as two words each end, without a call.
    [[gnu::always_inline]] bool QuotedAsItStands(std::string_view utf8) {
        const std::size_t size = utf8.size();
        const char* const p = utf8.data();
        if (size >= 8 && size <= 16) {
            // The first eight and the last eight bytes, overlapping, put
            // together in registers (not through memory, which would stall).
            std::uint64_t head;
            std::uint64_t tail;
            std::memcpy(&head, p, 8);
            std::memcpy(&tail, p + size - 8, 8);
            if (NeedsCare(reinterpret_cast<SixteenBytes>(TwoWords{head, tail}))) return false;
            at_[0] = '"';
            std::memcpy(at_ + 1, &head, 8);
            std::memcpy(at_ + 1 + size - 8, &tail, 8);
            at_[size + 1] = '"';
        } else if (size >= 4 && size < 8) {
            std::uint32_t head;
            std::uint32_t tail;
            std::memcpy(&head, p, 4);
            std::memcpy(&tail, p + size - 4, 4);
            if (NeedsCare(head | std::uint64_t{tail} << 32)) return false;
            at_[0] = '"';
            std::memcpy(at_ + 1, &head, 4);
            std::memcpy(at_ + 1 + size - 4, &tail, 4);
            at_[size + 1] = '"';
        } else {
            return false;
        }
        at_ += size + 2;
        return true;
    }

    [[gnu::always_inline]] void NewLine() {
        *at_++ = '\n';
        at_ = std::fill_n(at_, Indent(), ' ');
    }

    // A comma after an earlier member or element of the same container. Whether
    // one came before is kept here, not read back from the bytes written: the
    // writer then never waits on its own stores, and in straight code the
    // compiler knows it outright.
    [[gnu::always_inline]] void Separate() {
        if (!first_) *at_++ = ',';
        first_ = false;
        if constexpr (kIndented) NewLine();
    }

    [[gnu::always_inline]] void EndKey() {
        if constexpr (kIndented) {
            std::memcpy(at_, "\": ", 3);
            at_ += 3;
        } else {
            std::memcpy(at_, "\":", 2);
            at_ += 2;
        }
    }

    std::string& out_;
    char* at_;
    char* end_;
    int depth_ = 0;  // of the indent
    bool first_ = false;  // nothing written yet in the container just opened
};

// A body's key in "bodies": its English name in lower case.
struct BodyKey {
    BodyIndex body = kSun;
    KeyText name;
};

// The bodies in their keys' sorted order, the order QJsonObject keeps.
constexpr std::array<BodyKey, kBodyCount> SortedBodyKeys() {
    std::array<BodyKey, kBodyCount> keys{};
    for (std::size_t b = 0; b < keys.size(); ++b) {
        const std::string_view english = words::kBodyNamesInEnglish[b];
        keys[b].body = static_cast<BodyIndex>(b);
        keys[b].name.size = english.size();
        for (std::size_t i = 0; i < english.size(); ++i) {
            const char c = english[i];
            keys[b].name.chars[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    std::sort(keys.begin(), keys.end(),
              [](const BodyKey& a, const BodyKey& b) { return a.name.view() < b.name.view(); });
    return keys;
}
constexpr std::array<BodyKey, kBodyCount> kBodyKeys = SortedBodyKeys();

// Mercury to Saturn in the sorted order of their English names, the keys of "retrograde".
constexpr std::array<BodyIndex, kRetrogradeCount> SortedRetrogradePlanets() {
    std::array<BodyIndex, kRetrogradeCount> planets{};
    for (int k = 0; k < kRetrogradeCount; ++k) planets[static_cast<std::size_t>(k)] = static_cast<BodyIndex>(kMercury + k);
    std::sort(planets.begin(), planets.end(),
              [](BodyIndex a, BodyIndex b) {
                  return words::kBodyNamesInEnglish[a] < words::kBodyNamesInEnglish[b];
              });
    return planets;
}
constexpr std::array<BodyIndex, kRetrogradeCount> kRetrogradePlanets = SortedRetrogradePlanets();

// The references' keys in "cancellation", "verdictWindow" and "verdicts", in reference order.
constexpr std::array<std::string_view, kManglikReferences.size()> kReferenceKeys = {"lagna", "moon", "venus"};

// The divisional charts' keys in "vargas", "D1" to "D12", in sorted order.
struct VargaKey {
    DivisionalChart chart = DivisionalChart::Rasi;
    KeyText name;
};
constexpr std::array<VargaKey, kDivisions.size()> SortedVargaKeys() {
    std::array<VargaKey, kDivisions.size()> keys{};
    for (std::size_t c = 0; c < keys.size(); ++c) {
        keys[c].chart = kDivisions[c].chart;
        const int parts = kDivisions[c].parts;
        KeyText& name = keys[c].name;
        name.chars[name.size++] = 'D';
        if (parts >= 10) name.chars[name.size++] = static_cast<char>('0' + parts / 10);
        name.chars[name.size++] = static_cast<char>('0' + parts % 10);
    }
    std::sort(keys.begin(), keys.end(),
              [](const VargaKey& a, const VargaKey& b) { return a.name.view() < b.name.view(); });
    return keys;
}
constexpr std::array<VargaKey, kDivisions.size()> kVargaKeys = SortedVargaKeys();

// A verdict's words: its three captions and, when its house is known, its
// dosha as "25%".
struct VerdictWords {
    ManglikVerdict verdict;
    std::array<std::string, 3> captions;
    std::string percentage;
};

VerdictWords WordVerdict(const ManglikVerdict& verdict) {
    const words::English english;
    return {verdict, words::VerdictCaptions(english, verdict),
            verdict.known() ? words::PercentText(english, verdict.doshaPercent) : std::string()};
}

// The words of the verdict each reference and house gives, made once, as a
// verdict follows from its house and readings keep repeating them; a verdict
// that is not the one its house gives here is worded into fresh.
const VerdictWords& WordsOf(const ManglikVerdict& verdict, std::optional<VerdictWords>& fresh) {
    using Table = std::array<std::array<VerdictWords, kHouseCount + 1>, kManglikReferences.size()>;
    static const Table table = [] {
        Table all;
        for (const ManglikReference reference : kManglikReferences) {
            for (int house = 0; house <= kHouseCount; ++house) {
                ManglikVerdict made;
                made.reference = reference;
                made.house = house;
                if (const auto dosha = DoshaOfHouse(house)) {
                    made.doshaPercent = dosha->percent;
                    made.manglik = dosha->manglik;
                }
                all[static_cast<std::size_t>(reference)][static_cast<std::size_t>(house)] = WordVerdict(made);
            }
        }
        return all;
    }();
    if (verdict.house >= 0 && verdict.house <= kHouseCount) {
        const VerdictWords& made =
            table[static_cast<std::size_t>(verdict.reference)][static_cast<std::size_t>(verdict.house)];
        if (made.verdict.manglik == verdict.manglik && made.verdict.doshaPercent == verdict.doshaPercent) return made;
    }
    return fresh.emplace(WordVerdict(verdict));
}

// A minute of the day (0 to 1439, as the window's are) as "HH:MM".
struct ClockDigits {
    std::array<char, 5> chars{};
    std::string_view view() const { return {chars.data(), chars.size()}; }
};

ClockDigits Clock(int minuteOfDay) {
    ClockDigits clock;
    std::memcpy(clock.chars.data(), &kDigitPairs[2 * static_cast<std::size_t>(minuteOfDay / 60)], 2);
    clock.chars[2] = ':';
    std::memcpy(clock.chars.data() + 3, &kDigitPairs[2 * static_cast<std::size_t>(minuteOfDay % 60)], 2);
    return clock;
}

// The reading's words, and the numbers written twice, each made once for the object.
struct ReadingWords {
    NumberText ascendant, midheaven, moon;  // longitudes
    std::array<std::optional<VerdictWords>, kManglikReferences.size()> fresh;
    std::array<const VerdictWords*, kManglikReferences.size()> verdicts{};
    std::array<std::string, kManglikReferences.size()> reasons;  // of the cancellations

    explicit ReadingWords(const Reading& r)
        : ascendant(r.chartState.bodies[kAscendant].longitudeDeg),
          midheaven(r.chartState.bodies[kMidheaven].longitudeDeg),
          moon(r.chartState.bodies[kMoon].longitudeDeg) {
        for (const ManglikReference reference : kManglikReferences) {
            const auto i = static_cast<std::size_t>(reference);
            const ManglikVerdict& verdict = r.of(reference).verdict;
            verdicts[i] = &WordsOf(verdict, fresh[i]);
            if (verdict.cancellation) {
                reasons[i] = words::CancellationReason(words::English(), *verdict.cancellation, reference);
            }
        }
    }
    const VerdictWords& of(ManglikReference reference) const { return *verdicts[static_cast<std::size_t>(reference)]; }
    const std::string& reason(ManglikReference reference) const { return reasons[static_cast<std::size_t>(reference)]; }
};

// A number that is 0 when unknown, as null.
std::optional<int> Known(int value) { return value != 0 ? std::optional<int>(value) : std::nullopt; }

template <JsonLayout L>
[[gnu::always_inline]] inline void WriteBirthData(Writer<L>& w, const BirthData& b) {
    w.Open('{');
    w.Member("city", b.city);
    w.Member("country", b.country);
    w.Member("day", int{b.day});
    w.Member("dst", b.dst);
    w.Member("east", b.east);
    w.Member("hour", int{b.hour});
    w.Member("latDegrees", int{b.latDegrees});
    w.Member("latMinutes", int{b.latMinutes});
    w.Member("lonDegrees", int{b.lonDegrees});
    w.Member("lonMinutes", int{b.lonMinutes});
    w.Member("minute", int{b.minute});
    w.Member("month", int{b.month});
    w.Member("name", b.name);
    w.Member("south", b.south);
    w.Member("state", b.state);
    w.Member("utcOffsetSeconds", b.utcOffsetSeconds ? std::optional<int>(*b.utcOffsetSeconds) : std::nullopt);
    w.Member("year", int{b.year});
    w.Member("zoneHours", int{b.zoneHours});
    w.Member("zoneHoursAbs", int{b.zoneHoursAbs});
    w.Member("zoneMinutes", int{b.zoneMinutes});
    w.Member("zoneMinutesAbs", int{b.zoneMinutesAbs});
    w.Close('}');
}

template <JsonLayout L>
[[gnu::always_inline]] inline void WriteBodies(Writer<L>& w, const ChartState& chart, const ReadingWords& worded) {
    w.Open('{');
    for (const BodyKey& key : kBodyKeys) {
        const BodyPosition& body = chart.bodies[key.body];
        w.Key(key.name);
        w.Open('{');
        switch (key.body) {
            case kAscendant: w.Member("longitude", worded.ascendant); break;
            case kMidheaven: w.Member("longitude", worded.midheaven); break;
            case kMoon: w.Member("longitude", worded.moon); break;
            default: w.Member("longitude", body.longitudeDeg);
        }
        w.Member("nakshatra", Known(body.nakshatra));
        w.Member("pada", Known(body.pada));
        w.Member("retrograde", body.retrograde);
        w.Member("sign", Known(body.sign));
        w.Close('}');
    }
    w.Close('}');
}

// Every body's sign (Sun to Ketu and the ascendant) in each divisional chart.
template <JsonLayout L>
[[gnu::always_inline]] inline void WriteVargas(Writer<L>& w, const ChartState& chart) {
    w.Open('{');
    for (const VargaKey& varga : kVargaKeys) {
        const ChartSigns signs = SignsInChart(varga.chart, chart);
        w.Key(varga.name);
        w.Open('{');
        for (const BodyKey& key : kBodyKeys) {
            if (key.body == kMidheaven) continue;
            w.Key(key.name);
            w.Value(Known(signs[key.body]));
        }
        w.Close('}');
    }
    w.Close('}');
}

template <JsonLayout L>
[[gnu::always_inline]] inline void WriteCancellation(Writer<L>& w, const ManglikVerdict& verdict,
                                                     const ReadingWords& worded) {
    if (!verdict.cancellation) {
        w.Null();
        return;
    }
    w.Open('{');
    w.Member("reason", worded.reason(verdict.reference));
    w.Member("rule", static_cast<int>(verdict.cancellation->rule));
    w.Close('}');
}

// What set a window's end, as "setBy" names it.
std::string_view CauseKey(WindowEndCause cause) {
    switch (cause) {
        case WindowEndCause::Ascendant: return "ascendant";
        case WindowEndCause::Moon: return "moon";
        case WindowEndCause::Mars: return "mars";
        case WindowEndCause::Limit: return "limit";
    }
    return {};
}

// An end's uncertainty in minutes, given only for an end set by Mars.
std::optional<int> Uncertainty(const WindowEnd& end) {
    return end.setBy == WindowEndCause::Mars ? std::optional<int>(end.uncertaintyMinutes) : std::nullopt;
}

template <JsonLayout L>
[[gnu::always_inline]] inline void WriteWindow(Writer<L>& w, const std::optional<ReferenceWindow>& window) {
    if (!window) {
        w.Null();
        return;
    }
    const WindowEnd& from = window->from;
    const WindowEnd& to = window->to;
    w.Open('{');
    w.Key("approximate");
    w.Open('{');
    w.Member("from", from.approximate);
    w.Member("to", to.approximate);
    w.Close('}');
    w.Key("capped");
    w.Open('{');
    w.Member("from", from.setBy == WindowEndCause::Limit);
    w.Member("to", to.setBy == WindowEndCause::Limit);
    w.Close('}');
    w.Member("from", Clock(from.minute).view());
    w.Member("fromDay", from.day);
    w.Key("minutesToChange");
    w.Open('{');
    w.Member("after", to.minutesToChange);
    w.Member("before", from.minutesToChange);
    w.Close('}');
    w.Key("setBy");
    w.Open('{');
    w.Member("from", CauseKey(from.setBy));
    w.Member("to", CauseKey(to.setBy));
    w.Close('}');
    w.Member("to", Clock(to.minute).view());
    w.Member("toDay", to.day);
    w.Key("uncertaintyMinutes");
    w.Open('{');
    w.Member("from", Uncertainty(from));
    w.Member("to", Uncertainty(to));
    w.Close('}');
    w.Member("verdictMayDiffer", window->verdictMayDiffer);
    w.Close('}');
}

// Minutes from the entered time to where Mars comes within its error of an edge.
std::optional<int> MinutesAway(const std::optional<NearEdgeMinute>& near) {
    return near ? std::optional<int>(near->minutesAway) : std::nullopt;
}

template <JsonLayout L>
[[gnu::always_inline]] inline void WriteVerdict(Writer<L>& w, const ManglikVerdict& verdict,
                                                const ReadingWords& worded) {
    const bool known = verdict.known();
    w.Open('{');
    w.Key("cancellation");
    WriteCancellation(w, verdict, worded);
    w.Member("dosha", known ? std::optional<double>(verdict.doshaPercent) : std::nullopt);
    w.Member("house", Known(verdict.house));
    w.Member("manglik", known ? std::optional<bool>(verdict.manglik) : std::nullopt);
    w.Close('}');
}

// The verdicts from Lagna, Moon and Venus, keyed by reference.
template <JsonLayout L>
void WriteVerdicts(Writer<L>& w, const Reading& r, const ReadingWords& worded) {
    w.Open('{');
    for (const ManglikReference reference : kManglikReferences) {
        w.Key(kReferenceKeys[static_cast<std::size_t>(reference)]);
        WriteVerdict(w, r.of(reference).verdict, worded);
    }
    w.Close('}');
}

// A period's subperiods are made as they are written, level by level.
template <JsonLayout L>
void WritePeriods(Writer<L>& w, const DashaPeriods& periods, int offsetSeconds, int depth, int level) {
    w.Open('[');
    for (const DashaPeriod& period : periods) {
        w.Element();
        w.Open('{');
        if (level == 1 && depth > 1) {
            w.Key("antardashas");
            WritePeriods(w, SubPeriods(period), offsetSeconds, depth, 2);
        }
        w.Member("end", IsoDate(period.endJd, offsetSeconds).view());
        w.Member("lord", LordKey(period.lord));
        if (level == 2 && depth > 2) {
            w.Key("pratyantardashas");
            WritePeriods(w, SubPeriods(period), offsetSeconds, depth, 3);
        }
        w.Member("start", IsoDate(period.startJd, offsetSeconds).view());
        w.Close('}');
    }
    w.Close(']');
}

template <JsonLayout L>
void WriteDasha(Writer<L>& w, const Reading& r, int depth) {
    const YearsMonthsDays balance = ToYearsMonthsDays(BalanceYears(r.dashaBalance));
    w.Open('{');
    w.Key("balance");
    w.Open('{');
    w.Member("days", balance.days);
    w.Member("lord", LordKey(r.dashaBalance.lord));
    w.Member("months", balance.months);
    w.Member("years", balance.years);
    w.Close('}');
    w.Key("periods");
    WritePeriods(w, Mahadashas(r.dashaBalance, r.moment.jdUt), r.moment.offsetSeconds, depth, 1);
    w.Member("yearDays", kDashaYearDays);
    w.Close('}');
}

template <JsonLayout L>
[[gnu::always_inline]] inline void WriteNamedNumber(Writer<L>& w, std::string_view name, int number) {
    w.Open('{');
    w.Member("name", name);
    w.Member("number", number);
    w.Close('}');
}

template <JsonLayout L>
void WritePanchang(Writer<L>& w, const BirthPanchang& p, int offsetSeconds) {
    const SolarDay& sun = p.day.sun;
    const bool risesAndSets = sun.daylight == Daylight::RiseAndSet;
    w.Open('{');
    w.Member("daylight", DaylightKey(sun.daylight));
    w.Key("karana");
    WriteNamedNumber(w, KaranaKey(KaranaOf(p.karana)), p.karana);
    w.Member("paksha", PakshaKey(PakshaOf(p.tithi)));
    w.Key("sunrise");
    if (risesAndSets) {
        w.Value(IsoMinute(sun.riseJdUt, offsetSeconds).view());
    } else {
        w.Null();
    }
    w.Key("sunset");
    if (risesAndSets) {
        w.Value(IsoMinute(sun.setJdUt, offsetSeconds).view());
    } else {
        w.Null();
    }
    w.Key("tithi");
    WriteNamedNumber(w, TithiKey(p.tithi), p.tithi);
    w.Member("weekday", WeekdayKey(p.day.weekday));
    w.Key("yoga");
    WriteNamedNumber(w, YogaKey(p.yoga), p.yoga);
    w.Close('}');
}

// The person's koota traits, from the Moon as the matching takes them.
template <JsonLayout L>
void WriteTraits(Writer<L>& w, const BodyPosition& moon) {
    const std::optional<MoonTraits> traits = TraitsOfMoon(moon);
    if (!traits) {
        w.Null();
        return;
    }
    w.Open('{');
    w.Member("gana", GanaKey(traits->gana));
    w.Member("nadi", NadiKey(traits->nadi));
    w.Member("varna", VarnaKey(traits->varna));
    w.Member("vashya", VashyaKey(traits->vashya));
    w.Member("yoni", YoniKey(traits->yoni));
    w.Close('}');
}

template <JsonLayout L>
[[gnu::always_inline]] inline void WritePlace(Writer<L>& w, const Place& place, const ZoneEntry& zone) {
    const auto known = [&zone](auto value) { return zone.found ? std::optional(value) : std::nullopt; };
    w.Open('{');
    w.Member("city", place.city);
    w.Member("country", place.country);
    w.Member("dst", known(zone.choice.dst));
    w.Member("latitude", place.latitudeDegrees);
    w.Member("longitude", place.longitudeDegrees);
    w.Member("note", words::ZoneNoteText(words::English(), zone.note));
    w.Member("offsetMinutes", known(static_cast<int>(std::lround(zone.facts.utcOffsetSeconds / 60.0))));
    w.Member("state", place.state);
    w.Member("warning", zone.note.warning());
    w.Member("zone", place.zoneId);
    w.Member("zoneRow", known(zone.choice.zoneIndex));
    w.Close('}');
}

// How the offset the reading used was chosen: the place's own clock when it
// is a city's old time or local mean time and the reading took it, else an
// exact offset or the zone row (with its DST box).
std::string_view OffsetSource(const BirthData& birth, const ZoneEntry* zone) {
    if (zone != nullptr && zone->found && zone->note.kind == ZoneNote::Kind::Chosen &&
        OffsetUsedSeconds(birth) == zone->note.offsetSeconds) {
        switch (zone->note.clock) {
            case ClockSource::CityTime: return "cityClock";
            case ClockSource::LocalMeanTime: return "localMeanTime";
            case ClockSource::Zone: break;
        }
    }
    return birth.utcOffsetSeconds ? "exact" : "row";
}

// Keys in QJsonObject's order: sorted by their UTF-16 code units, which for
// these ASCII names is byte order.
template <JsonLayout L>
void WriteReading(std::string& out, const Reading& r, const Place* place, const ZoneEntry* zone, int dashaDepth) {
    const ReadingWords worded(r);
    const ChartState& c = r.chartState;
    const words::EnglishSummary s = words::SummaryInEnglish(c);
    const BodyPosition& moonPosition = c.bodies[kMoon];
    const ManglikVerdict& lagna = r.of(ManglikReference::Lagna).verdict;
    const ManglikVerdict& moon = r.of(ManglikReference::Moon).verdict;
    const ManglikVerdict& venus = r.of(ManglikReference::Venus).verdict;
    const VerdictWords& venusWords = worded.of(ManglikReference::Venus);

    Writer<L> w(out);
    w.Open('{');
    w.Member("ascendant", worded.ascendant);
    w.Member("ascendantText", words::LongForm(c.bodies[kAscendant].longitudeDeg).view());
    w.Member("ayanamsa", c.ayanamsa);
    w.Member("ayanamsaText", words::SignedForm(c.ayanamsa).view());
    w.Key("birthData");
    WriteBirthData(w, r.birthData);
    w.Key("bodies");
    WriteBodies(w, c, worded);
    w.Key("bodyNames");
    w.Open('[');
    for (const std::string_view name : words::kBodyNamesInEnglish) {
        w.Element();
        w.Value(name);
    }
    w.Close(']');
    w.Key("bodyNamesSanskrit");
    w.Open('[');
    for (int b = 0; b < kBodyCount; ++b) {
        w.Element();
        w.Value(words::SanskritNameInEnglish(static_cast<BodyIndex>(b), c.bodies[static_cast<std::size_t>(b)].retrograde));
    }
    w.Close(']');
    w.Key("bodyPositionText");
    w.Open('[');
    for (const BodyPosition& body : c.bodies) {
        w.Element();
        w.Value(words::ShortForm(body.longitudeDeg).view());
    }
    w.Close(']');
    // Beside the Lagna's and the Moon's verdicts, where there is a dosha to cancel.
    w.Key("cancellation");
    w.Open('{');
    w.Key("lagna");
    WriteCancellation(w, lagna, worded);
    w.Key("moon");
    WriteCancellation(w, moon, worded);
    w.Close('}');
    w.Member("centuries1900", c.centuries1900);
    w.Key("chart");
    w.Open('[');
    for (const words::CellText& cell : words::ChartCellsInEnglish(c)) {
        w.Element();
        w.Value(cell.view());
    }
    w.Close(']');
    w.Key("dasha");
    WriteDasha(w, r, dashaDepth);
    w.Member("julianDayNumber", c.julianDayNumber);
    w.Member("localSiderealTime", c.localSiderealTime);
    w.Key("manglik");
    w.Open('[');
    for (const ManglikReference reference : {ManglikReference::Lagna, ManglikReference::Moon}) {
        for (const std::string& caption : worded.of(reference).captions) {
            w.Element();
            w.Value(caption);
        }
    }
    w.Close(']');
    w.Key("manglikFromVenus");
    w.Open('{');
    w.Member("house", Known(venus.house));
    w.Member("percentage", venus.known() ? std::optional<std::string_view>(venusWords.percentage) : std::nullopt);
    w.Member("verdict", venusWords.captions[2]);
    w.Close('}');
    w.Member("midheaven", worded.midheaven);
    w.Member("midheavenText", words::LongForm(c.bodies[kMidheaven].longitudeDeg).view());
    w.Member("moonLongitude", worded.moon);
    w.Member("moonNakshatraName", s.nakshatra);
    w.Member("moonPositionText", words::LongForm(moonPosition.longitudeDeg).view());
    w.Member("moonRashiName", s.rashi);
    w.Member("moonSignName", words::EnglishFromOne(words::kSignNamesInEnglish, moonPosition.sign));
    w.Member("obliquity", c.obliquity);
    w.Key("offsetUsed");
    w.Open('{');
    w.Member("chosenBy", OffsetSource(r.birthData, zone));
    w.Member("seconds", OffsetUsedSeconds(r.birthData));
    w.Close('}');
    w.Key("panchang");
    WritePanchang(w, r.panchang, r.moment.offsetSeconds);
    if (place != nullptr && zone != nullptr) {
        w.Key("place");
        WritePlace(w, *place, *zone);
    }
    w.Key("retrograde");
    w.Open('{');
    for (const BodyIndex planet : kRetrogradePlanets) {
        w.Member(words::kBodyNamesInEnglish[planet], c.bodies[planet].retrograde);
    }
    w.Close('}');
    w.Key("summary");
    w.Open('{');
    w.Member("ayanamsaDisplay", s.ayanamsa.view());
    w.Member("lagnaAbbreviation", s.lagnaAbbreviation);
    w.Member("lagnaSignName", s.lagnaName);
    w.Member("nakshatraDisplay", s.nakshatra);
    w.Member("nakshatraLord", s.nakshatraLord);
    w.Member("nakshatraPada", s.pada.view());
    w.Member("rashiDisplay", s.rashi);
    w.Close('}');
    w.Key("traits");
    WriteTraits(w, c.bodies[kMoon]);
    w.Member("universalTime", c.universalTime);
    w.Key("vargas");
    WriteVargas(w, c);
    w.Key("verdictWindow");
    w.Open('{');
    w.Key("lagna");
    WriteWindow(w, r.of(ManglikReference::Lagna).window);
    w.Member("marsErrorArcMinutes", kMarsErrorArcMinutes);
    w.Key("marsNearEdge");
    w.Open('{');
    w.Member("after", MinutesAway(r.marsNearEdge.after));
    w.Member("before", MinutesAway(r.marsNearEdge.before));
    w.Close('}');
    w.Member("marsToBoundary", r.marsToBoundary);
    w.Key("moon");
    WriteWindow(w, r.of(ManglikReference::Moon).window);
    w.Close('}');
    w.Key("verdicts");
    WriteVerdicts(w, r, worded);
    w.Close('}');
    w.End();
}

// The codes of the match's verdicts, in the order of their enums.
constexpr std::array<std::string_view, 4> kBalanceCodes{"unknown", "neither", "both", "one"};
constexpr std::array<std::string_view, 4> kStandingCodes{"unknown", "notManglik", "cancelled", "manglik"};
constexpr std::array<std::string_view, 6> kExceptionCodes{"sameSignDifferentNakshatra", "sameNakshatraDifferentSign",
                                                          "sameSignLord",               "signLordsMutualFriends",
                                                          "signLordsNotEnemies",        "brideFourteenthOrMore"};

template <typename E, std::size_t N>
std::string_view Code(const std::array<std::string_view, N>& codes, E value) {
    return codes[static_cast<std::size_t>(value)];
}

std::optional<std::string_view> SideCode(const std::optional<MatchSide>& side) {
    if (!side) return std::nullopt;
    return *side == MatchSide::Bride ? "bride" : "groom";
}

void WriteMatchSide(Writer<JsonLayout::Indented>& w, const Reading& r) {
    const ReadingWords worded(r);
    const BodyPosition& moon = r.chartState.bodies[kMoon];
    w.Open('{');
    w.Key("birthData");
    WriteBirthData(w, r.birthData);
    w.Key("moon");
    w.Open('{');
    w.Member("nakshatra", Known(moon.nakshatra));
    w.Member("pada", Known(moon.pada));
    w.Member("sign", Known(moon.sign));
    w.Member("text", words::MoonLine(words::English(), moon));
    w.Close('}');
    w.Member("name", r.birthData.name);
    w.Key("verdicts");
    WriteVerdicts(w, r, worded);
    w.Close('}');
}

void WritePerson(Writer<JsonLayout::Indented>& w, MatchSide side, const PersonManglik& person) {
    w.Open('{');
    w.Member("fromLagna", person.fromLagna);
    w.Member("fromMoon", person.fromMoon);
    w.Member("standing", Code(kStandingCodes, person.standing));
    w.Member("standingReferences", person.standingReferences);
    w.Member("text", words::StandingLine(words::English(), side, person));
    w.Close('}');
}

void WriteCancelled(Writer<JsonLayout::Indented>& w, const Cancellation& cancellation, ManglikReference reference,
                    MatchSide side) {
    w.Open('{');
    w.Member("reason", words::CancellationReason(words::English(), cancellation, reference));
    w.Member("rule", static_cast<int>(cancellation.rule));
    w.Member("side", SideCode(side));
    w.Close('}');
}

void WriteReferenceComparison(Writer<JsonLayout::Indented>& w, const ReferenceComparison& one) {
    constexpr std::array<std::string_view, kManglikReferences.size()> kReferences{"lagna", "moon", "venus"};
    w.Open('{');
    w.Member("balance", Code(kBalanceCodes, one.balance));
    w.Member("balancedFrom", one.balancedFrom ? std::optional(Code(kReferences, *one.balancedFrom)) : std::nullopt);
    // The first cancelled dosha, as before "cancelled" listed each.
    w.Key("cancellation");
    const MatchSide first = one.cancelledOf(MatchSide::Bride) ? MatchSide::Bride : MatchSide::Groom;
    if (const auto& cancellation = one.cancelledOf(first)) {
        WriteCancelled(w, *cancellation, one.reference, first);
    } else {
        w.Null();
    }
    w.Key("cancelled");
    w.Open('[');
    for (const MatchSide side : kMatchSides) {
        if (const auto& cancellation = one.cancelledOf(side)) {
            w.Element();
            WriteCancelled(w, *cancellation, one.reference, side);
        }
    }
    w.Close(']');
    w.Member("counted", IsCounted(one.reference));
    w.Member("side", SideCode(one.side));
    w.Member("text", words::ComparisonLine(words::English(), one));
    w.Close('}');
}

void WriteComparison(Writer<JsonLayout::Indented>& w, const ManglikComparison& c) {
    w.Open('{');
    w.Key("bride");
    WritePerson(w, MatchSide::Bride, c.bride);
    w.Key("groom");
    WritePerson(w, MatchSide::Groom, c.groom);
    w.Key("lagna");
    WriteReferenceComparison(w, c.of(ManglikReference::Lagna));
    w.Key("moon");
    WriteReferenceComparison(w, c.of(ManglikReference::Moon));
    w.Key("overall");
    w.Open('{');
    w.Member("balance", Code(kBalanceCodes, c.overall));
    w.Member("note", words::HeadingText(words::English(), words::MatchHeading::ManglikCounted));
    w.Member("side", SideCode(c.overallSide));
    w.Member("text", words::OverallLine(words::English(), c));
    w.Close('}');
    w.Key("venus");
    WriteReferenceComparison(w, c.of(ManglikReference::Venus));
    w.Close('}');
}

void WriteConclusion(Writer<JsonLayout::Indented>& w, const MatchConclusion& c) {
    w.Open('{');
    w.Member("bandOverridden", c.bandOverridden);
    w.Member("recommended", c.recommended);
    w.Key("standing");
    w.Open('[');
    if (c.manglikStands()) {
        w.Element();
        w.Open('{');
        w.Member("name", std::string_view(words::kManglikDoshaName.text));
        w.Member("side", SideCode(c.manglikSide));
        w.Close('}');
    }
    for (int i = 0; i < c.standingCount; ++i) {
        w.Element();
        w.Open('{');
        w.Member("name", std::string_view(words::kDoshaNames[static_cast<std::size_t>(c.standing[static_cast<std::size_t>(i)])].text));
        w.Member("side", std::nullopt);
        w.Close('}');
    }
    w.Close(']');
    w.Member("text", words::ConclusionLine(words::English(), c));
    w.Close('}');
}

void WriteDoshas(Writer<JsonLayout::Indented>& w, const Ashtakoota* a) {
    w.Open('[');
    for (int i = 0; a != nullptr && i < a->doshaCount; ++i) {
        const DoshaFinding& finding = a->doshas[static_cast<std::size_t>(i)];
        w.Element();
        w.Open('{');
        w.Key("exceptions");
        w.Open('[');
        for (const DoshaException e : kDoshaExceptions) {
            if (!finding.liftedBy(e)) continue;
            w.Element();
            w.Open('{');
            w.Member("reason", words::DoshaExceptionText(words::English(), e, *a));
            w.Member("rule", Code(kExceptionCodes, e));
            w.Close('}');
        }
        w.Close(']');
        w.Member("lifted", finding.lifted());
        w.Member("name", std::string_view(words::kDoshaNames[static_cast<std::size_t>(finding.dosha)].text));
        w.Member("text", words::DoshaLine(words::English(), finding, *a));
        w.Close('}');
    }
    w.Close(']');
}

void WriteMatch(std::string& out, const Reading& bride, const Reading& groom, const Match& match) {
    const Ashtakoota* a = match.ashtakoota ? &*match.ashtakoota : nullptr;
    Writer<JsonLayout::Indented> w(out);
    w.Open('{');
    w.Member("band", a ? std::optional<std::string_view>(words::kBandNames[static_cast<std::size_t>(a->band)].text) : std::nullopt);
    w.Key("bride");
    WriteMatchSide(w, bride);
    w.Key("comparison");
    WriteComparison(w, match.manglik);
    w.Key("conclusion");
    WriteConclusion(w, match.conclusion);
    w.Key("doshas");
    WriteDoshas(w, a);
    w.Key("groom");
    WriteMatchSide(w, groom);
    w.Key("kootas");
    w.Open('[');
    for (std::size_t k = 0; a != nullptr && k < a->kootas.size(); ++k) {
        const KootaScore& score = a->kootas[k];
        w.Element();
        w.Open('{');
        w.Member("max", score.maximum);
        w.Member("name", std::string_view(words::kKootaNames[static_cast<std::size_t>(score.koota)].text));
        w.Member("points", score.points);
        w.Member("reason", words::KootaReasonText(words::English(), *a, score.koota));
        w.Close('}');
    }
    w.Close(']');
    w.Member("maximum", kAshtakootaMaximum);
    w.Member("total", a ? std::optional<double>(a->total) : std::nullopt);
    w.Close('}');
    w.End();
}

void Write(std::string& out, const Reading& reading, const Place* place, const ZoneEntry* zone, JsonLayout layout,
           int dashaDepth) {
    if (layout == JsonLayout::Indented) {
        WriteReading<JsonLayout::Indented>(out, reading, place, zone, dashaDepth);
    } else {
        WriteReading<JsonLayout::Compact>(out, reading, place, zone, dashaDepth);
    }
}

}  // namespace

void AppendReadingJson(const Reading& reading, JsonLayout layout, std::string& out, int dashaDepth) {
    Write(out, reading, nullptr, nullptr, layout, dashaDepth);
}

void AppendReadingJson(const Reading& reading, const Place& place, const ZoneEntry& zone, JsonLayout layout,
                       std::string& out, int dashaDepth) {
    Write(out, reading, &place, &zone, layout, dashaDepth);
}

void AppendMatchJson(const Reading& bride, const Reading& groom, const Match& match, std::string& out) {
    WriteMatch(out, bride, groom, match);
}

void AppendJsonNumber(double value, std::string& out) { Writer<JsonLayout::Compact>(out).Value(value); }

void AppendJsonString(std::string_view utf8, std::string& out) { Writer<JsonLayout::Compact>(out).Value(utf8); }

}  // namespace varelio::cli
