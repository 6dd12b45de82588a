#include "formats/ReadingFile.h"

#include "astro/Blanks.h"
#include "formats/Cp1252.h"
#include "formats/Utf8.h"
#include "form/ZoneChoice.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varelio {
namespace {

// The line indexes of the file.
enum Line : std::size_t {
    kName, kMonth, kDay, kYear, kHour, kMinute, kZone,
    kLonDeg, kLonMin, kLatDeg, kLatMin, kEast, kSouth, kDst,
    kCity, kState, kCountry, kUtcOffset,
};

// Each line's value by the key a problem names it with, in line order.
constexpr std::array<std::string_view, kReadingFileLines> kLineKeys = {
    "name", "month", "day", "year", "hour", "minute", "time zone",
    "longitude degrees", "longitude minutes", "latitude degrees", "latitude minutes",
    "east", "south", "daylight saving", "city", "state", "country",
};

// What every writer of the format puts on a line.
enum class LineKind { Text, Number, Flag };

LineKind KindOf(std::size_t line) {
    if (line >= kMonth && line <= kLatMin) return LineKind::Number;
    if (line >= kEast && line <= kDst) return LineKind::Flag;
    return LineKind::Text;
}

// The lines up to the birth's minute: a file that ends before them holds no
// birth to open, and a name alone cannot be told from any short text.
constexpr std::size_t kBirthMomentLines = kMinute + 1;

std::string Flag(bool value) { return value ? "True" : "False"; }

// A whole number as any writer spells one: blanks around it, a sign, digits,
// of any size (a value out of its list's range is a number still).
bool IsWholeNumber(std::string_view text) {
    std::string_view digits = TrimBlanks(text);
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
    return !digits.empty() && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Names and places never hold a control character (the window's fields take
// none); text shifted down from a text file does, at every blank and digit.
bool HoldsControlCharacter(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code < 0x20 || code == 0x7F;
    });
}

bool ShiftedByteFits(unsigned char byte) { return byte + kLineShift <= 255; }

// Windows-1252 bytes of a trimmed text, when every one survives the shift.
std::optional<std::string> StorableBytes(std::string_view text) {
    auto bytes = Utf8ToCp1252(TrimBlanks(text));
    if (!bytes) {
        return std::nullopt;
    }
    for (const char c : *bytes) {
        if (!ShiftedByteFits(static_cast<unsigned char>(c))) {
            return std::nullopt;
        }
    }
    return bytes;
}

// Flag lines hold exactly "True" or "False"; anything else is no flag.
std::optional<bool> ParseFlag(std::string_view line) {
    if (line == "True") return true;
    if (line == "False") return false;
    return std::nullopt;
}

void SelectEntry(FormList list, const std::string& line, int& index) {
    const int found = FindListEntry(list, line);
    if (found >= 0) {
        index = found;
    }
}

// Calls take(index, bytes) for each of the file's lines as the reader takes
// them: within the first kReadingFileMaxBytes, ended by CR LF, LF or CR, each
// cut to kReadingLineMaxBytes.
template <typename Take>
void ForEachRawLine(std::string_view fileBytes, std::size_t lines, Take take) {
    const std::string_view data = fileBytes.substr(0, std::min(fileBytes.size(), kReadingFileMaxBytes));
    std::size_t pos = 0;
    for (std::size_t line = 0; line < lines && pos < data.size(); ++line) {
        const std::size_t end = std::min(data.find_first_of("\r\n", pos), data.size());
        take(line, data.substr(pos, std::min(end - pos, kReadingLineMaxBytes)));
        pos = end;
        if (pos < data.size() && data[pos] == '\r') {
            ++pos;
        }
        if (pos < data.size() && data[pos] == '\n') {
            ++pos;
        }
    }
}

}  // namespace

std::string EncodeLine(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const int code = static_cast<unsigned char>(c) + kLineShift;
        if (code <= 255) {
            out.push_back(static_cast<char>(code));
        }
    }
    return out;
}

std::string DecodeLine(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const int code = static_cast<unsigned char>(c);
        if (code >= kLineShift) {
            out.push_back(static_cast<char>(code - kLineShift));
        }
    }
    return out;
}

Result<std::string> ComposeReadingFile(const BirthData& birth, int zoneIndex) {
    // Readers of 17 lines take the row and box; the exact offset follows them.
    bool dst = birth.dst;
    if (birth.utcOffsetSeconds) {
        const ZoneRowChoice nearest = NearestZoneRow(*birth.utcOffsetSeconds);
        zoneIndex = nearest.zoneIndex;
        dst = nearest.dst;
    }
    const std::array<std::string, kReadingFileLines> values = {
        birth.name,
        std::to_string(birth.month),
        std::to_string(birth.day),
        std::to_string(birth.year),
        std::to_string(birth.hour),
        std::to_string(birth.minute),
        std::to_string(zoneIndex),
        std::to_string(birth.lonDegrees),
        std::to_string(birth.lonMinutes),
        std::to_string(birth.latDegrees),
        std::to_string(birth.latMinutes),
        Flag(birth.east),
        Flag(birth.south),
        Flag(dst),
        birth.city,
        birth.state,
        birth.country,
    };

    std::string file;
    for (std::size_t line = 0; line < values.size(); ++line) {
        const auto bytes = StorableBytes(values[line]);
        if (!bytes) {
            return Problem{ProblemCode::FieldNotStorable, Severity::Error, FormField::None, 0,
                           std::string(kLineKeys[line])};
        }
        file += EncodeLine(*bytes);
        file += "\r\n";
    }
    if (birth.utcOffsetSeconds) file += EncodeLine(UtcOffsetFieldText(*birth.utcOffsetSeconds)) + "\r\n";
    return file;
}

ReadingLines DecodeReadingFile(std::string_view fileBytes) {
    ReadingLines lines;
    ForEachRawLine(fileBytes, lines.size(),
                   [&](std::size_t line, std::string_view raw) { lines[line] = Cp1252ToUtf8(DecodeLine(raw)); });
    return lines;
}

Result<void> CheckReadingFile(std::string_view fileBytes) {
    const auto refuse = [](ProblemCode code, std::string detail = {}) {
        return Problem{code, Severity::Error, FormField::None, 0, std::move(detail)};
    };
    // Encoded lines never hold a byte below kLineShift, so a file of zeros (or
    // any other binary) is no reading, though it would decode to empty lines.
    // What follows the 17 lines (an offset line, or zeros padding a file after
    // a crash) decodes without the low bytes.
    bool binary = false;
    std::size_t present = 0;
    bool anyValue = false;
    std::optional<Problem> wrong;
    ForEachRawLine(fileBytes, kReadingFileLines, [&](std::size_t line, std::string_view raw) {
        present = line + 1;
        binary = binary || std::any_of(raw.begin(), raw.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < kLineShift; });
        const std::string value = DecodeLine(raw);
        anyValue = anyValue || !TrimBlanks(value).empty();
        if (wrong) return;
        const std::string key(kLineKeys[line]);
        switch (KindOf(line)) {
        case LineKind::Text:
            if (HoldsControlCharacter(value)) wrong = refuse(ProblemCode::ReadingFileControlCharacter, key);
            break;
        case LineKind::Number:
            if (!IsWholeNumber(value)) wrong = refuse(ProblemCode::ReadingFileNotNumber, key);
            break;
        case LineKind::Flag:
            if (!ParseFlag(value)) wrong = refuse(ProblemCode::ReadingFileNotFlag, key);
            break;
        }
    });
    if (binary) return refuse(ProblemCode::NotReadingFileContent);
    if (!anyValue) return refuse(ProblemCode::ReadingFileCutShort, "0");
    if (wrong) return *wrong;
    if (present < kBirthMomentLines) return refuse(ProblemCode::ReadingFileCutShort, std::to_string(present));
    return {};
}

void ApplyReadingLines(const ReadingLines& lines, FormValues& form) {
    form.name = lines[kName];

    if (const auto month = ParseFormNumber(lines[kMonth]); month && RangeOf(FormList::Month).holdsPosition(*month - 1)) {
        form.monthIndex = *month - 1;
    }
    SelectEntry(FormList::Day, lines[kDay], form.dayIndex);
    SelectEntry(FormList::Year, lines[kYear], form.yearIndex);
    SelectEntry(FormList::Hour, lines[kHour], form.hourIndex);
    SelectEntry(FormList::Minute, lines[kMinute], form.minuteIndex);
    if (const auto zone = ParseFormNumber(lines[kZone]); zone && RangeOf(FormList::Zone).holdsPosition(*zone)) {
        form.zoneIndex = *zone;
    }

    form.lonDeg = std::string(FirstCharacters(lines[kLonDeg], kNumberFieldLength));
    form.lonMin = std::string(FirstCharacters(lines[kLonMin], kNumberFieldLength));
    form.latDeg = std::string(FirstCharacters(lines[kLatDeg], kNumberFieldLength));
    form.latMin = std::string(FirstCharacters(lines[kLatMin], kNumberFieldLength));

    if (const auto east = ParseFlag(lines[kEast])) {
        form.lonDirection = *east ? 0 : 1;
    }
    if (const auto south = ParseFlag(lines[kSouth])) {
        form.latDirection = *south ? 1 : 0;
    }
    if (const auto dst = ParseFlag(lines[kDst])) {
        form.dst = *dst;
    }

    form.city = lines[kCity];
    form.state = lines[kState];
    form.country = lines[kCountry];
    form.utcOffset = lines[kUtcOffset];
}

bool CanStoreCharacter(char32_t codePoint) {
    const auto byte = CodePointToCp1252(codePoint);
    return byte && ShiftedByteFits(*byte);
}

bool HasReadingFileExtension(std::string_view path) {
    if (path.size() < 3) return false;
    std::string ending(path.substr(path.size() - 3));
    for (char& c : ending) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return ending == "vrl";
}

Result<ReadingLines> OpenReadingFile(const std::string& path) {
    const auto fail = [](ProblemCode code, std::string detail = {}) {
        return Problem{code, Severity::Error, FormField::None, 0, std::move(detail)};
    };
    if (!HasReadingFileExtension(path)) return fail(ProblemCode::NotAReadingFile);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return fail(ProblemCode::FileUnreadable, std::strerror(errno));
    if (!S_ISREG(info.st_mode)) return fail(ProblemCode::NotARegularFile);
    // O_NONBLOCK: should the name be swapped for a pipe after the check, the
    // open still returns at once instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return fail(ProblemCode::FileUnreadable, std::strerror(errno));
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return fail(ProblemCode::NotARegularFile);
    }
    std::string bytes(kReadingFileMaxBytes, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return fail(ProblemCode::FileUnreadable, std::strerror(error));
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    bytes.resize(filled);
    if (const Result<void> checked = CheckReadingFile(bytes); !checked) return checked.problem();
    return DecodeReadingFile(bytes);
}

}  // namespace varelio
