// Comma-separated values read as a stream, a record at a time, into a table
// of records whose storage is kept from one use to the next; and a field
// written for a CSV file. Standard C++ and C stdio only.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace varelio::cli {

// A record longer than this is refused (its fields are not kept), so a
// stray quote cannot make the reader hold a whole file.
inline constexpr std::size_t kMaxRecordBytes = 64 * 1024;

// Why a record cannot be read; cli/Failure words it.
enum class CsvProblem : std::uint8_t {
    None,
    QuoteInsideField,       // a quote inside a field that does not start with one
    TextAfterClosingQuote,  // a closing quote followed by more than a comma
    QuoteNeverClosed,       // by the end of the input or within kMaxRecordBytes
    TooLong,                // longer than kMaxRecordBytes
    CarriageReturnAlone,    // a line ended by CR without LF
};

// Records as read, their fields' bytes side by side in one string.
struct CsvRecords {
    struct Record {
        long row = 0;                // line of the input where the record starts, from 1
        long lastRow = 0;            // line where it ends (a quoted field may hold line breaks)
        long quoteRow = 0;           // QuoteNeverClosed: the line where the quote opened
        std::uint32_t firstField = 0;
        std::uint32_t fieldCount = 0;
        CsvProblem problem = CsvProblem::None;
    };
    std::string bytes;
    std::vector<std::uint32_t> fieldEnds;  // end of each field in bytes
    std::vector<Record> records;

    void Clear();
    std::string_view Field(const Record& record, std::size_t index) const;
};

// RFC 4180 records: fields separated by commas, records by LF or CR LF; a
// field in double quotes may hold commas, line breaks and "" for a quote.
// Lines that hold nothing are skipped. A quote inside an unquoted field or
// anything but a comma or a line end after a closing quote gives the record a
// problem. So does a CR alone outside quotes, which also ends the record (a
// file of CR-only lines is named as such, line by line). A record that grows
// past kMaxRecordBytes is refused the moment it does, and its line's rest is
// skipped before the next record. A quote that is still open at the end of
// the input or at that length is a stray: the record is refused where the
// quote opened and reading goes on at the line after it, so the rows the
// quote would have swallowed are read as rows.
class CsvReader {
public:
    explicit CsvReader(std::FILE* input);

    // Appends the next record; false at the end of the input or on a read
    // error (then ReadError says which). A record the error cut short is not
    // appended: only records read whole are.
    bool ReadRecord(CsvRecords& into);
    int ReadError() const { return readError_; }

private:
    int Next();  // the next byte, or -1
    bool Refill();
    void Unread(std::string_view bytes);  // read again before what is left
    void SkipRestOfLine();

    std::FILE* input_;
    std::vector<char> buffer_;
    std::size_t at_ = 0, end_ = 0;
    long line_ = 1;
    bool ended_ = false;
    bool started_ = false;  // the byte-order mark is looked for once
    bool skipLine_ = false;  // the line of a record refused for its length goes on
    int pendingError_ = 0;  // met after the bytes in the buffer
    int readError_ = 0;
};

// Appends a field for a CSV file: in quotes, with quotes doubled, when it
// holds a comma, a quote, a line break or blanks at either end.
void AppendCsvField(std::string_view field, std::string& out);

// The same at `at`, which has CsvFieldRoom(field) bytes of room; returns the end.
constexpr std::size_t CsvFieldRoom(std::string_view field) { return 2 * field.size() + 2; }
char* WriteCsvField(char* at, std::string_view field);

// A text given by a user as it goes into a CSV field (through WriteCsvField),
// safe for a spreadsheet and a terminal: control characters, malformed bytes
// and backslashes written as Printable writes them (\x1b, \\), and a text that
// would then start with =, +, - or @, which a spreadsheet would take for a
// formula, preceded by a single quote. `text` itself when it needs no change
// (most names), else the changed text, made in `changed`.
std::string_view CsvSafeText(std::string_view text, std::string& changed);

}  // namespace varelio::cli
