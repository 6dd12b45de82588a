// The saved reading file (*.vrl): 17 scrambled Windows-1252 lines holding one
// person's birth data, CR LF ended. docs/file-formats.md describes the bytes.
#pragma once

#include "astro/Records.h"
#include "form/Form.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace varelio {

// Every byte of a line is stored shifted up by this much; it keeps encoded
// lines clear of CR and LF.
inline constexpr int kLineShift = 20;

inline constexpr int kReadingFileLines = 17;
// The reader looks at no more than this prefix of a file (a real file is a
// few hundred bytes); callers need not read more.
inline constexpr std::size_t kReadingFileMaxBytes = 64 * 1024;
// Bytes of one line kept by the reader; the rest of a longer line is skipped.
inline constexpr std::size_t kReadingLineMaxBytes = 4096;

using ReadingLines = std::array<std::string, kReadingFileLines>;

// Single-byte scrambling: each byte's code plus kLineShift; a byte whose code
// would pass 255 is left out.
std::string EncodeLine(std::string_view bytes);
// The inverse: each code minus kLineShift; a byte below kLineShift is left out.
std::string DecodeLine(std::string_view bytes);

struct ReadingFileResult {
    std::optional<std::string> bytes;  // the whole file, when every value can be stored
    std::string refusedField;          // otherwise "name", "city", "state" or "country"
};

// The file for birth (zoneIndex: the input window's time-zone list position).
// A text holding a character outside Windows-1252, or one whose code plus
// kLineShift passes 255, cannot be stored: nothing is produced and the first
// such field is named.
ReadingFileResult ComposeReadingFile(const BirthData& birth, int zoneIndex);

// The 17 decoded lines (UTF-8) of a file's bytes. Lines may end in CR LF, LF
// or CR; lines missing at the end read as empty. Never fails.
ReadingLines DecodeReadingFile(std::string_view fileBytes);

// Fills the input form from decoded lines as opening a saved reading does.
// A value that does not fit its control leaves that control as it was:
// a month outside 1..12, a day, year, hour or minute text that is no list
// entry, a zone outside 0..70, and a flag line other than "True" or "False".
// Degree and minute texts are cut to the fields' 3 characters.
void ApplyReadingLines(const ReadingLines& lines, FormValues& form);

// Whether a text field's character survives a save: it has a Windows-1252
// byte and that byte plus kLineShift stays within 255 ("ã" does, "ü" not).
bool CanStoreCharacter(char32_t codePoint);

// Whether a chosen file name ends in "vrl", exactly and in lower case.
bool HasReadingFileExtension(std::string_view path);

// Opening a saved reading, as the windows and the companion both do it.
enum class OpenProblem {
    None,
    NotAReadingFile,  // the name does not end in "vrl" (no reason), or it names no
                      // regular file (reason "not a regular file")
    Unreadable,       // the file could not be opened or read; reason says why
};

struct OpenedReading {
    OpenProblem problem = OpenProblem::None;
    std::string reason;   // why, for a file that is not regular or unreadable
    ReadingLines lines;   // the decoded lines when problem is None
};

// Reads at most kReadingFileMaxBytes of path and decodes them. Anything but a
// regular file (a folder, a named pipe, a device) is refused before it is
// opened, so the call never waits on a pipe's writer.
OpenedReading OpenReadingFile(const std::string& path);

}  // namespace varelio
