// Feeds arbitrary bytes to the batch's CSV reader, each record then through
// what a batch row meets before its reading (the refusal's words, the UTF-8
// check, the birth options' checks with the columns in the header's order).
// The reader's own promises are checked: rows only go forward, a record's
// fields lie within its bytes, one refused whole (a stray quote, too long)
// keeps none, and a record read
// without a problem, written out again field by field, reads back the same.
#include "cli/BirthOptions.h"
#include "cli/Csv.h"
#include "cli/Failure.h"
#include "formats/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

using varelio::cli::CsvRecords;

CsvRecords ReadAll(std::string_view bytes) {
    CsvRecords records;
    std::FILE* input = fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
    if (input == nullptr) return records;  // fmemopen refuses an empty buffer
    varelio::cli::CsvReader reader(input);
    while (reader.ReadRecord(records)) {
    }
    std::fclose(input);
    return records;
}

// A batch row's checks for a record, the header's columns standing for options.
void CheckAsARow(const CsvRecords& records, const CsvRecords::Record& header, const CsvRecords::Record& row) {
    using namespace varelio::cli;
    if (row.problem != varelio::cli::CsvProblem::None) {
        (void)RowRefused(row);
        return;
    }
    BirthOptions options;
    for (std::size_t i = 0; i < row.fieldCount && i < header.fieldCount; ++i) {
        const std::string_view value = records.Field(row, i);
        if (!varelio::IsUtf8(value)) return;
        if (const auto option = FindBirthOption(TrimSpaces(records.Field(header, i)))) options[*option] = value;
    }
    varelio::FormValues form = varelio::InitialFormValues();
    if (!ApplyBirthOptions(options, form, "")) (void)varelio::ValidateForm(form, true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const CsvRecords records = ReadAll(bytes);
    long lastRow = 0;
    for (const CsvRecords::Record& record : records.records) {
        if (record.row <= lastRow || record.lastRow < record.row) __builtin_trap();
        lastRow = record.lastRow;
        using varelio::cli::CsvProblem;
        const bool refusedWhole = record.problem == CsvProblem::QuoteNeverClosed || record.problem == CsvProblem::TooLong;
        if (refusedWhole && record.fieldCount != 0) __builtin_trap();
        if (record.firstField + record.fieldCount > records.fieldEnds.size()) __builtin_trap();
        std::size_t end = record.firstField == 0 ? 0 : records.fieldEnds[record.firstField - 1];
        for (std::size_t i = 0; i < record.fieldCount; ++i) {
            if (records.fieldEnds[record.firstField + i] < end) __builtin_trap();
            end = records.fieldEnds[record.firstField + i];
        }
        if (end > records.bytes.size()) __builtin_trap();
        if (!records.records.empty()) CheckAsARow(records, records.records.front(), record);
    }
    // A record read without a problem, written again, reads back the same.
    for (const CsvRecords::Record& record : records.records) {
        if (record.problem != varelio::cli::CsvProblem::None) continue;
        std::string line;
        for (std::size_t i = 0; i < record.fieldCount; ++i) {
            if (i > 0) line += ',';
            varelio::cli::AppendCsvField(records.Field(record, i), line);
        }
        line += '\n';
        // A record of one empty field is an empty line, which holds no record;
        // a line starting as a byte-order mark loses it, and one grown past
        // the limit by its doubled quotes is refused.
        if ((record.fieldCount == 1 && records.Field(record, 0).empty()) || line.starts_with("\xEF\xBB\xBF") ||
            line.size() > varelio::cli::kMaxRecordBytes) {
            continue;
        }
        const CsvRecords again = ReadAll(line);
        if (again.records.size() != 1 || again.records[0].fieldCount != record.fieldCount) __builtin_trap();
        for (std::size_t i = 0; i < record.fieldCount; ++i) {
            if (again.Field(again.records[0], i) != records.Field(record, i)) __builtin_trap();
        }
    }
    return 0;
}
