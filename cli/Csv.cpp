#include "cli/Csv.h"

#include <cerrno>
#include <cstring>

namespace varelio::cli {
namespace {

constexpr std::size_t kReadSize = 64 * 1024;

}  // namespace

void CsvRecords::Clear() {
    bytes.clear();
    fieldEnds.clear();
    records.clear();
}

std::string_view CsvRecords::Field(const Record& record, std::size_t index) const {
    const std::size_t field = record.firstField + index;
    const std::size_t begin = field == 0 ? 0 : fieldEnds[field - 1];
    return std::string_view(bytes).substr(begin, fieldEnds[field] - begin);
}

CsvReader::CsvReader(std::FILE* input) : input_(input), buffer_(kReadSize) {}

bool CsvReader::Refill() {
    if (ended_) return false;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), input_);
    at_ = 0;
    if (end_ == 0) {
        ended_ = true;
        if (std::ferror(input_)) readError_ = errno != 0 ? errno : EIO;
        return false;
    }
    return true;
}

int CsvReader::Next() {
    if (at_ == end_ && !Refill()) return -1;
    return static_cast<unsigned char>(buffer_[at_++]);
}

bool CsvReader::ReadRecord(CsvRecords& into) {
    if (!started_) {
        started_ = true;
        // A UTF-8 byte-order mark, as spreadsheets write, is not part of the header.
        if (Refill() && end_ >= 3 && buffer_[0] == '\xEF' && buffer_[1] == '\xBB' && buffer_[2] == '\xBF') at_ = 3;
    }

    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };
    for (;;) {
        const std::size_t bytesBefore = into.bytes.size();
        const std::size_t fieldsBefore = into.fieldEnds.size();
        CsvRecords::Record record;
        record.row = line_;
        record.firstField = static_cast<std::uint32_t>(fieldsBefore);
        std::size_t recordBytes = 0;  // every byte but the line end, commas and quotes too
        bool tooLong = false;
        State state = State::FieldStart;

        const auto endField = [&] {
            if (!tooLong) into.fieldEnds.push_back(static_cast<std::uint32_t>(into.bytes.size()));
        };
        const auto keep = [&](char c) {
            if (!tooLong) into.bytes += c;
        };
        const auto fail = [&](const char* why) {
            if (record.problem.empty()) record.problem = why;
        };

        int c = Next();
        if (c < 0) return false;
        for (;; c = Next()) {
            if (c < 0) {
                if (state == State::Quoted) fail("a quoted field is not closed at the end of the input");
                break;
            }
            if (c == '\n') ++line_;
            if (state != State::Quoted && c == '\r') {
                const int after = Next();
                if (after == '\n') {
                    c = '\n';
                    ++line_;
                } else if (after >= 0) {
                    --at_;  // a lone carriage return is a character of the field
                }
            }
            if (c == '\n' && state != State::Quoted) break;
            if (++recordBytes > kMaxRecordBytes) tooLong = true;

            switch (state) {
                case State::Quoted:
                    if (c == '"') {
                        state = State::QuoteInQuoted;
                    } else {
                        keep(static_cast<char>(c));
                    }
                    continue;
                case State::QuoteInQuoted:
                    if (c == '"') {  // a doubled quote stands for one
                        keep('"');
                        state = State::Quoted;
                        continue;
                    }
                    if (c != ',') fail("a closing quote is followed by more than a comma");
                    break;
                case State::FieldStart:
                case State::Unquoted: break;
            }
            if (c == ',') {
                endField();
                state = State::FieldStart;
            } else if (c == '"' && state == State::FieldStart) {
                state = State::Quoted;
            } else {
                if (c == '"') fail("a quote inside a field that does not start with one");
                keep(static_cast<char>(c));
                state = State::Unquoted;
            }
        }
        if (recordBytes == 0) {
            if (c < 0) return false;
            continue;  // a line that holds nothing
        }
        endField();
        if (tooLong) {
            record.problem = "longer than " + std::to_string(kMaxRecordBytes) + " bytes";
            into.bytes.resize(bytesBefore);
            into.fieldEnds.resize(fieldsBefore);
        }
        record.fieldCount = static_cast<std::uint32_t>(into.fieldEnds.size() - fieldsBefore);
        into.records.push_back(std::move(record));
        return true;
    }
}

char* WriteCsvField(char* at, std::string_view field) {
    // Copied and looked at in one pass, as most fields need no quotes.
    bool quote = !field.empty() && (field.front() == ' ' || field.back() == ' ');
    char* end = at;
    for (const char c : field) {
        *end++ = c;
        quote |= (c == ',') | (c == '"') | (c == '\r') | (c == '\n');
    }
    if (!quote) return end;
    *at++ = '"';
    for (const char c : field) {
        if (c == '"') *at++ = '"';
        *at++ = c;
    }
    *at++ = '"';
    return at;
}

void AppendCsvField(std::string_view field, std::string& out) {
    const std::size_t used = out.size();
    out.resize(used + CsvFieldRoom(field));
    out.resize(static_cast<std::size_t>(WriteCsvField(out.data() + used, field) - out.data()));
}

}  // namespace varelio::cli
