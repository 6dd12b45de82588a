#include "formats/ReadingFile.h"

#include "astro/AngleText.h"
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

std::string Flag(bool value) { return value ? "True" : "False"; }

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
std::optional<bool> ParseFlag(const std::string& line) {
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
    struct Value {
        std::string_view field;
        std::string text;
    };
    // Readers of 17 lines take the row and box; the exact offset follows them.
    bool dst = birth.dst;
    if (birth.utcOffsetSeconds) {
        const ZoneRowChoice nearest = NearestZoneRow(*birth.utcOffsetSeconds);
        zoneIndex = nearest.zoneIndex;
        dst = nearest.dst;
    }
    const std::array<Value, kReadingFileLines> values = {{
        {"name", birth.name},
        {"month", std::to_string(birth.month)},
        {"day", std::to_string(birth.day)},
        {"year", std::to_string(birth.year)},
        {"hour", std::to_string(birth.hour)},
        {"minute", std::to_string(birth.minute)},
        {"time zone", std::to_string(zoneIndex)},
        {"longitude degrees", std::to_string(birth.lonDegrees)},
        {"longitude minutes", std::to_string(birth.lonMinutes)},
        {"latitude degrees", std::to_string(birth.latDegrees)},
        {"latitude minutes", std::to_string(birth.latMinutes)},
        {"east", Flag(birth.east)},
        {"south", Flag(birth.south)},
        {"daylight saving", Flag(dst)},
        {"city", birth.city},
        {"state", birth.state},
        {"country", birth.country},
    }};

    std::string file;
    for (const Value& value : values) {
        const auto bytes = StorableBytes(value.text);
        if (!bytes) return Problem{ProblemCode::FieldNotStorable, Severity::Error, FormField::None, 0, std::string(value.field)};
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

bool HoldsReadingLines(std::string_view fileBytes) {
    bool holds = true;
    // The 17 lines every reading has; what follows them (an offset line, or
    // zeros padding a file after a crash) decodes without the low bytes.
    ForEachRawLine(fileBytes, kReadingFileLines, [&](std::size_t, std::string_view raw) {
        holds = holds && std::all_of(raw.begin(), raw.end(), [](char c) { return static_cast<unsigned char>(c) >= kLineShift; });
    });
    return holds;
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
    if (!HoldsReadingLines(bytes)) return fail(ProblemCode::NotReadingFileContent);
    return DecodeReadingFile(bytes);
}

}  // namespace varelio
