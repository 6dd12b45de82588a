// The saved reading file (*.vrl): 17 scrambled Windows-1252 lines holding one
// person's birth data, CR LF ended, and an 18th with the clock's exact offset
// when the birth has one. docs/file-formats.md describes the bytes.
#pragma once

#include "astro/Records.h"
#include "form/Form.h"
#include "form/Problem.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace varelio {

// Every byte of a line is stored shifted up by this much; it keeps encoded
// lines clear of CR and LF.
inline constexpr int kLineShift = 20;

// The lines every reader of the format reads; a birth with an exact offset
// adds one more, which readers of 17 lines pass over.
inline constexpr int kReadingFileLines = 17;
inline constexpr int kReadingFileLinesWithOffset = kReadingFileLines + 1;
// The reader looks at no more than this prefix of a file (a real file is a
// few hundred bytes); callers need not read more.
inline constexpr std::size_t kReadingFileMaxBytes = 64 * 1024;
// Bytes of one line kept by the reader; the rest of a longer line is skipped.
inline constexpr std::size_t kReadingLineMaxBytes = 4096;

using ReadingLines = std::array<std::string, kReadingFileLinesWithOffset>;

// Single-byte scrambling: each byte's code plus kLineShift; a byte whose code
// would pass 255 is left out.
std::string EncodeLine(std::string_view bytes);
// The inverse: each code minus kLineShift; a byte below kLineShift is left out.
std::string DecodeLine(std::string_view bytes);

// The file for birth (zoneIndex: the input window's time-zone list position).
// A birth with an exact offset keeps on line 6 and line 13 the row and box
// nearest it (NearestZoneRow), so a reader of 17 lines computes with them, and
// adds the offset as an 18th line (UtcOffsetFieldText). A text holding a character outside Windows-1252, or one whose code plus
// kLineShift passes 255, cannot be stored: nothing is produced and the first
// such field is named (FieldNotStorable, detail "name", "city", "state" or
// "country").
Result<std::string> ComposeReadingFile(const BirthData& birth, int zoneIndex);

// The 18 decoded lines (UTF-8) of a file's bytes. Lines may end in CR LF, LF
// or CR; lines missing at the end read as empty. Never fails.
ReadingLines DecodeReadingFile(std::string_view fileBytes);

// Fills the input form from decoded lines as opening a saved reading does.
// A value that does not fit its control leaves that control as it was:
// a month outside 1..12, a day, year, hour or minute text that is no list
// entry, a zone outside 0..70, and a flag line other than "True" or "False".
// Degree and minute texts are cut to the fields' 3 characters. The 18th line
// is the exact offset's text as it stands (empty when missing, so a file of 17
// lines computes with its row); the form's check refuses one it cannot read.
void ApplyReadingLines(const ReadingLines& lines, FormValues& form);

// Whether a text field's character survives a save: it has a Windows-1252
// byte and that byte plus kLineShift stays within 255 ("ã" does, "ü" not).
bool CanStoreCharacter(char32_t codePoint);

// Whether a chosen file name ends in "vrl", in any case ("RAVI.VRL" too, as
// the desktop's file type matches it).
bool HasReadingFileExtension(std::string_view path);

// Whether a file's bytes hold a saved reading, or why not. Every writer of
// the format puts text on lines 0 and 14 to 16, whole numbers on lines 1 to
// 10 and "True" or "False" on lines 11 to 13, so each of these lines that the
// file holds must read as its kind (a number out of its list's range is a
// number still, and leaves its list alone when opened). A file may end early,
// as one cut short does, and opens with the rest empty, but not before the
// birth's minute (line 5): it then holds no birth, and a name alone cannot be
// told from any short text. Refused, in this order: a byte below kLineShift
// in the 17 lines (a file of zeros, a program) as NotReadingFileContent;
// nothing but blanks and line ends as ReadingFileCutShort with detail "0"; the
// first line not of its kind as ReadingFileControlCharacter,
// ReadingFileNotNumber or ReadingFileNotFlag with the value's key as detail
// ("name", "month", "east", the keys of FieldNotStorable among them); too few
// lines as ReadingFileCutShort with their count as detail.
Result<void> CheckReadingFile(std::string_view fileBytes);

// Reads at most kReadingFileMaxBytes of path and decodes them, as the windows
// and the companion both open a saved reading. A name that does not end in
// "vrl" is NotAReadingFile; anything but a regular file (a folder, a named
// pipe, a device) is NotARegularFile, refused before it is opened, so the call
// never waits on a pipe's writer; a file that cannot be read is
// FileUnreadable with the system's reason as detail; bytes CheckReadingFile
// refuses are refused with its problem.
Result<ReadingLines> OpenReadingFile(const std::string& path);

}  // namespace varelio
