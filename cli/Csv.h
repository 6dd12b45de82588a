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

// Records as read, their fields' bytes side by side in one string.
struct CsvRecords {
    struct Record {
        long row = 0;                // line of the input where the record starts, from 1
        std::uint32_t firstField = 0;
        std::uint32_t fieldCount = 0;
        std::string problem;         // why the record cannot be read; empty when it can
    };
    std::string bytes;
    std::vector<std::uint32_t> fieldEnds;  // end of each field in bytes
    std::vector<Record> records;

    void Clear();
    std::string_view Field(const Record& record, std::size_t index) const;
};

// RFC 4180 records: fields separated by commas, records by LF or CR LF; a
// field in double quotes may hold commas, line breaks and "" for a quote.
// Lines that hold nothing are skipped. A quote inside an unquoted field,
// anything but a comma or a line end after a closing quote, a quote left
// open at the end of the input, or a record longer than kMaxRecordBytes
// gives the record a problem; reading goes on with the next record.
class CsvReader {
public:
    explicit CsvReader(std::FILE* input);

    // Appends the next record; false at the end of the input or on a read
    // error (then ReadError says which).
    bool ReadRecord(CsvRecords& into);
    int ReadError() const { return readError_; }

private:
    int Next();  // the next byte, or -1
    bool Refill();

    std::FILE* input_;
    std::vector<char> buffer_;
    std::size_t at_ = 0, end_ = 0;
    long line_ = 1;
    bool ended_ = false;
    bool started_ = false;  // the byte-order mark is looked for once
    int readError_ = 0;
};

// Appends a field for a CSV file: in quotes, with quotes doubled, when it
// holds a comma, a quote, a line break or blanks at either end.
void AppendCsvField(std::string_view field, std::string& out);

// The same at `at`, which has CsvFieldRoom(field) bytes of room; returns the end.
constexpr std::size_t CsvFieldRoom(std::string_view field) { return 2 * field.size() + 2; }
char* WriteCsvField(char* at, std::string_view field);

}  // namespace varelio::cli
