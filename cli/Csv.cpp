#include "cli/Csv.h"

#include "cli/BirthOptions.h"

#include <algorithm>
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
    // Never more than kReadSize, so a buffer grown by Unread does not keep
    // growing. A read that fails after some bytes gives those first; the
    // error is kept for the next, which reads no more (a signal that cut the
    // read short must not be followed by a wait for more input).
    at_ = 0;
    end_ = pendingError_ != 0 ? 0 : std::fread(buffer_.data(), 1, kReadSize, input_);
    if (pendingError_ == 0 && std::ferror(input_)) pendingError_ = errno != 0 ? errno : EIO;
    if (end_ == 0) {
        ended_ = true;
        readError_ = pendingError_;
        return false;
    }
    return true;
}

int CsvReader::Next() {
    if (at_ == end_ && !Refill()) return -1;
    return static_cast<unsigned char>(buffer_[at_++]);
}

void CsvReader::Unread(std::string_view bytes) {
    std::vector<char> joined(bytes.begin(), bytes.end());
    joined.insert(joined.end(), buffer_.begin() + static_cast<std::ptrdiff_t>(at_),
                  buffer_.begin() + static_cast<std::ptrdiff_t>(end_));
    end_ = joined.size();
    at_ = 0;
    joined.resize(std::max(end_, kReadSize));
    buffer_.swap(joined);
}

void CsvReader::SkipRestOfLine() {
    skipLine_ = false;
    for (;;) {
        if (at_ == end_ && !Refill()) return;
        const char* from = buffer_.data() + at_;
        if (const void* lineEnd = std::memchr(from, '\n', end_ - at_)) {
            at_ += static_cast<std::size_t>(static_cast<const char*>(lineEnd) - from) + 1;
            ++line_;
            return;
        }
        at_ = end_;
    }
}

bool CsvReader::ReadRecord(CsvRecords& into) {
    if (!started_) {
        started_ = true;
        // A UTF-8 byte-order mark, as spreadsheets write, is not part of the header.
        if (Refill() && end_ >= 3 && buffer_[0] == '\xEF' && buffer_[1] == '\xBB' && buffer_[2] == '\xBF') at_ = 3;
    }
    if (skipLine_) SkipRestOfLine();

    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };
    for (;;) {
        const std::size_t bytesBefore = into.bytes.size();
        const std::size_t fieldsBefore = into.fieldEnds.size();
        CsvRecords::Record record;
        record.row = line_;
        record.firstField = static_cast<std::uint32_t>(fieldsBefore);
        std::size_t recordBytes = 0;  // every byte but the line end, commas and quotes too
        std::size_t quotedFrom = 0;   // where the open quoted field's bytes start in into.bytes
        State state = State::FieldStart;

        const auto fail = [&](CsvProblem why) {
            if (record.problem == CsvProblem::None) record.problem = why;
        };
        // A refused record keeps no fields.
        const auto refuse = [&](CsvProblem why, long lastRow) {
            record.problem = why;
            record.lastRow = lastRow;
            into.bytes.resize(bytesBefore);
            into.fieldEnds.resize(fieldsBefore);
            into.records.push_back(record);
            return true;
        };

        int c = Next();
        if (c < 0) return false;
        for (;; c = Next()) {
            if (c < 0) break;
            if (c == '\n') {
                ++line_;
                if (state != State::Quoted) break;
            } else if (c == '\r' && state != State::Quoted) {
                const int after = Next();
                ++line_;
                if (after == '\n') break;
                if (after >= 0) --at_;
                fail(CsvProblem::CarriageReturnAlone);  // a line end all the same
                break;
            }
            if (++recordBytes > kMaxRecordBytes) break;

            switch (state) {
                case State::Quoted:
                    if (c == '"') {
                        state = State::QuoteInQuoted;
                    } else {
                        into.bytes += static_cast<char>(c);
                    }
                    continue;
                case State::QuoteInQuoted:
                    if (c == '"') {  // a doubled quote stands for one
                        into.bytes += '"';
                        state = State::Quoted;
                        continue;
                    }
                    if (c != ',') fail(CsvProblem::TextAfterClosingQuote);
                    break;
                case State::FieldStart:
                case State::Unquoted: break;
            }
            if (c == ',') {
                into.fieldEnds.push_back(static_cast<std::uint32_t>(into.bytes.size()));
                state = State::FieldStart;
            } else if (c == '"' && state == State::FieldStart) {
                state = State::Quoted;
                quotedFrom = into.bytes.size();
                record.quoteRow = line_;
            } else {
                if (c == '"') fail(CsvProblem::QuoteInsideField);
                into.bytes += static_cast<char>(c);
                state = State::Unquoted;
            }
        }

        if (readError_ != 0) {
            // Cut short by the error: a row read in part is no row.
            into.bytes.resize(bytesBefore);
            into.fieldEnds.resize(fieldsBefore);
            return false;
        }
        if (state == State::Quoted && (c < 0 || recordBytes > kMaxRecordBytes)) {
            // A stray quote. The lines it took in after its own are read again
            // as records: its field holds them as they were, but for each
            // quote, which stood doubled, and the byte over the limit.
            const std::string_view field = std::string_view(into.bytes).substr(quotedFrom);
            const std::size_t lineEnd = field.find('\n');
            std::string again;
            if (lineEnd != std::string_view::npos) {
                for (const char byte : field.substr(lineEnd + 1)) {
                    if (byte == '"') again += '"';
                    again += byte;
                }
            }
            if (c >= 0) again += static_cast<char>(c);
            line_ = record.quoteRow + (lineEnd != std::string_view::npos ? 1 : 0);
            if (lineEnd == std::string_view::npos && c >= 0) skipLine_ = true;  // the quote's own line goes on
            Unread(again);
            return refuse(CsvProblem::QuoteNeverClosed, record.quoteRow);
        }
        if (recordBytes > kMaxRecordBytes) {
            skipLine_ = true;
            return refuse(CsvProblem::TooLong, line_);
        }
        if (recordBytes == 0 && record.problem == CsvProblem::None) {
            if (c < 0) return false;
            continue;  // a line that holds nothing
        }
        into.fieldEnds.push_back(static_cast<std::uint32_t>(into.bytes.size()));
        record.fieldCount = static_cast<std::uint32_t>(into.fieldEnds.size() - fieldsBefore);
        record.lastRow = c < 0 ? line_ : line_ - 1;  // a line end counted its line
        into.records.push_back(record);
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

std::string_view CsvSafeText(std::string_view text, std::string& changed) {
    const auto formula = [](std::string_view t) {
        return !t.empty() && (t.front() == '=' || t.front() == '+' || t.front() == '-' || t.front() == '@');
    };
    // Most names are printable ASCII that needs no escape.
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c < 0x7F && c != '\\'; });
    if (plain && !formula(text)) return text;
    changed = plain ? std::string(text) : Printable(text);
    if (formula(changed)) changed.insert(changed.begin(), '\'');
    return changed;
}

}  // namespace varelio::cli
