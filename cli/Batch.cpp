#include "cli/Batch.h"

#include "cli/JsonWriter.h"
#include "form/Form.h"
#include "reading/Reading.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace varelio::cli {
namespace {

// A chunk is the unit a worker takes: small enough that the chunks in flight
// stay a few megabytes whatever the input's size, large enough that the
// workers rarely meet at the lock.
constexpr std::size_t kChunkRows = 256;
constexpr std::size_t kChunkBytes = 256 * 1024;

constexpr std::string_view kFlagColumnNames[] = {"lat-dir", "lon-dir", "dst"};

// The header's columns in the order the documentation lists them.
constexpr std::string_view kColumnList =
    "name, day, month, year, hour, minute, zone, dst, lat-deg, lat-min, lat-dir, lon-deg, lon-min, lon-dir, "
    "city, state, country";

std::string Quoted(std::string_view value) { return "'" + Printable(value) + "'"; }

bool EqualsIgnoringCase(std::string_view text, std::string_view lower) {
    return text.size() == lower.size() && std::equal(text.begin(), text.end(), lower.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
           });
}

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsUtf8(std::string_view text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = p + text.size();
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        std::size_t length;
        unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
        if (*p >= 0xC2 && *p <= 0xDF) {
            length = 2;
        } else if (*p >= 0xE0 && *p <= 0xEF) {
            length = 3;
            if (*p == 0xE0) low = 0xA0;
            if (*p == 0xED) high = 0x9F;
        } else if (*p >= 0xF0 && *p <= 0xF4) {
            length = 4;
            if (*p == 0xF0) low = 0x90;
            if (*p == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (static_cast<std::size_t>(end - p) < length || p[1] < low || p[1] > high) return false;
        for (std::size_t i = 2; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80) return false;
        }
        p += length;
    }
    return true;
}

// A flag column's value as the flag options it stands for.
std::optional<std::string> ApplyFlag(FlagColumn column, std::string_view value, BirthOptions& options) {
    const std::string_view text = TrimSpaces(value);
    switch (column) {
        case FlagColumn::LatDir:
            if (EqualsIgnoringCase(text, "n") || EqualsIgnoringCase(text, "north")) {
                options.north = true;
            } else if (EqualsIgnoringCase(text, "s") || EqualsIgnoringCase(text, "south")) {
                options.south = true;
            } else if (!text.empty()) {
                return "lat-dir takes N or S, not " + Quoted(value);
            }
            break;
        case FlagColumn::LonDir:
            if (EqualsIgnoringCase(text, "e") || EqualsIgnoringCase(text, "east")) {
                options.east = true;
            } else if (EqualsIgnoringCase(text, "w") || EqualsIgnoringCase(text, "west")) {
                options.west = true;
            } else if (!text.empty()) {
                return "lon-dir takes E or W, not " + Quoted(value);
            }
            break;
        case FlagColumn::Dst:
            if (EqualsIgnoringCase(text, "yes") || text == "1" || EqualsIgnoringCase(text, "true")) {
                options.dst = true;
            } else if (!text.empty() && !EqualsIgnoringCase(text, "no") && text != "0" &&
                       !EqualsIgnoringCase(text, "false")) {
                return "dst takes yes or no, not " + Quoted(value);
            }
            break;
    }
    return std::nullopt;
}

void AppendTwoDigits(int value, std::string& out) {
    out += static_cast<char>('0' + value / 10 % 10);
    out += static_cast<char>('0' + value % 10);
}

void AppendCsvRow(long row, const Reading& reading, std::string& out) {
    const BirthData& b = reading.birthData;
    out += std::to_string(row);
    out += ',';
    AppendCsvField(b.name, out);
    out += ',';
    out += std::to_string(b.year);
    out += '-';
    AppendTwoDigits(b.month, out);
    out += '-';
    AppendTwoDigits(b.day, out);
    out += ',';
    AppendTwoDigits(b.hour, out);
    out += ':';
    AppendTwoDigits(b.minute, out);
    for (int body = 0; body < kBodyCount; ++body) {
        out += ',';
        AppendCsvField(reading.chartState.bodyPositionText[static_cast<std::size_t>(body)], out);
    }
    const ReadingSummary& s = reading.summary;
    for (const std::string* text : {&s.lagnaSignName, &s.rashiDisplay, &s.nakshatraDisplay, &s.nakshatraLord,
                                    &s.nakshatraPada}) {
        out += ',';
        AppendCsvField(*text, out);
    }
    for (std::size_t run = 0; run < 2; ++run) {
        const int house = reading.marsHouses[run];
        out += ',';
        if (house > 0) out += std::to_string(house);
        out += ',';
        std::string_view percentage = reading.doshaPercentages[run];
        if (percentage.ends_with('%')) percentage.remove_suffix(1);
        AppendCsvField(percentage, out);
        out += ',';
        out += house == 0 ? "unknown" : (reading.manglikVerdicts[run] ? "yes" : "no");
        out += ',';
        if (reading.cancellations[run]) out += std::to_string(reading.cancellations[run]->rule);
    }
    for (const bool retrograde : reading.retrogradeFlags) out += retrograde ? ",yes" : ",no";
    out += '\n';
}

struct Chunk {
    CsvRecords input;
    std::string out, err;
    long refused = 0;
    bool done = false;
};

bool WriteAll(const std::string& bytes, std::FILE* stream) {
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

// Reader (the calling thread), workers and one writer, passing chunks: the
// reader fills a free chunk and queues it twice, for a worker and, in input
// order, for the writer; the writer takes the oldest once it is done and
// frees it. A fixed number of chunks bounds the memory.
class Pipeline {
public:
    Pipeline(const BatchRow& row, std::FILE* out, std::FILE* err, const BatchSettings& settings)
        : row_(row), out_(out), err_(err), settings_(settings) {
        const int workers = std::max(1, settings.workers);
        chunks_.resize(static_cast<std::size_t>(workers) * 2 + 2);
        for (auto& chunk : chunks_) {
            chunk = std::make_unique<Chunk>();
            free_.push_back(chunk.get());
        }
        for (int i = 0; i < workers; ++i) threads_.emplace_back([this] { Work(); });
        threads_.emplace_back([this] { Write(); });
    }

    // Reads every record; returns the read error, 0 when none.
    int Read(CsvReader& reader) {
        for (;;) {
            Chunk* chunk;
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return !free_.empty(); });
                chunk = free_.back();
                free_.pop_back();
            }
            chunk->input.Clear();
            bool more = !writeFailed_;
            while (more && chunk->input.records.size() < kChunkRows && chunk->input.bytes.size() < kChunkBytes) {
                more = reader.ReadRecord(chunk->input);
            }
            std::lock_guard lock(mutex_);
            if (chunk->input.records.empty()) {
                free_.push_back(chunk);
            } else {
                work_.push_back(chunk);
                ordered_.push_back(chunk);
            }
            if (!more) inputEnded_ = true;
            changed_.notify_all();
            if (!more) break;
        }
        for (std::thread& thread : threads_) thread.join();
        return reader.ReadError();
    }

    long rows() const { return rows_; }
    long refused() const { return refused_; }
    int writeError() const { return writeFailed_ ? writeError_ : 0; }

private:
    void Work() {
        ClearUpperVectorRegisters();
        for (;;) {
            Chunk* chunk;
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return !work_.empty() || inputEnded_; });
                if (work_.empty()) return;
                chunk = work_.front();
                work_.pop_front();
            }
            chunk->out.clear();
            chunk->err.clear();
            chunk->refused = 0;
            if (!writeFailed_) {
                for (const CsvRecords::Record& record : chunk->input.records) {
                    if (!row_.Process(chunk->input, record, chunk->out, chunk->err)) ++chunk->refused;
                }
            }
            std::lock_guard lock(mutex_);
            chunk->done = true;
            changed_.notify_all();
        }
    }

    void Write() {
        using Clock = std::chrono::steady_clock;
        auto lastProgress = Clock::now();
        bool progressShown = false;
        for (;;) {
            Chunk* chunk;
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return (!ordered_.empty() && ordered_.front()->done) ||
                                                 (inputEnded_ && ordered_.empty()); });
                if (ordered_.empty()) break;
                chunk = ordered_.front();
                ordered_.pop_front();
            }
            if (!writeFailed_) {
                if (!chunk->err.empty() && progressShown) std::fputs("\r\033[K", err_);
                if (!WriteAll(chunk->out, out_)) {
                    writeError_ = errno;
                    writeFailed_ = true;
                }
                WriteAll(chunk->err, err_);
            }
            rows_ += static_cast<long>(chunk->input.records.size());
            refused_ += chunk->refused;
            if (settings_.progress && Clock::now() - lastProgress > std::chrono::milliseconds(200)) {
                lastProgress = Clock::now();
                ShowProgress();
                progressShown = true;
            }
            std::lock_guard lock(mutex_);
            chunk->done = false;
            free_.push_back(chunk);
            changed_.notify_all();
        }
        if (!writeFailed_ && (std::fflush(out_) != 0 || std::ferror(out_))) {
            writeError_ = errno;
            writeFailed_ = true;
        }
        if (progressShown) {
            ShowProgress();
            std::fputc('\n', err_);
        }
    }

    void ShowProgress() {
        std::fprintf(err_, "\r\033[Kvarelio-cli: %ld rows, %ld refused", rows_, refused_);
        std::fflush(err_);
    }

    const BatchRow& row_;
    std::FILE* out_;
    std::FILE* err_;
    BatchSettings settings_;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::unique_ptr<Chunk>> chunks_;
    std::vector<Chunk*> free_;
    std::deque<Chunk*> work_;
    std::deque<Chunk*> ordered_;
    bool inputEnded_ = false;
    std::vector<std::thread> threads_;

    // The writer's own; the others read them after joining it.
    long rows_ = 0;
    long refused_ = 0;
    int writeError_ = 0;
    std::atomic<bool> writeFailed_ = false;
};

void Report(std::FILE* err, const std::string& message) {
    const std::string line = "varelio-cli: " + message + "\n";
    std::fwrite(line.data(), 1, line.size(), err);
}

}  // namespace

void ClearUpperVectorRegisters() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    if (__builtin_cpu_supports("avx")) asm volatile("vzeroupper");
#endif
}

std::variant<std::vector<BatchColumn>, std::string> ParseBatchHeader(const CsvRecords& header) {
    const CsvRecords::Record& record = header.records.front();
    if (!record.problem.empty()) return "the header (row " + std::to_string(record.row) + ") " + record.problem;
    std::vector<BatchColumn> columns;
    std::vector<std::string_view> seen;
    for (std::size_t i = 0; i < record.fieldCount; ++i) {
        const std::string_view name = TrimSpaces(header.Field(record, i));
        if (std::find(seen.begin(), seen.end(), name) != seen.end()) {
            return "the header names the column " + Quoted(name) + " twice";
        }
        seen.push_back(name);
        if (const auto option = FindBirthOption(name)) {
            columns.emplace_back(*option);
            continue;
        }
        const auto flag = std::find(std::begin(kFlagColumnNames), std::end(kFlagColumnNames), name);
        if (flag == std::end(kFlagColumnNames)) {
            return "the header names an unknown column " + Quoted(name) + "; the columns are " +
                   std::string(kColumnList);
        }
        columns.emplace_back(static_cast<FlagColumn>(flag - std::begin(kFlagColumnNames)));
    }
    return columns;
}

BatchRow::BatchRow(std::vector<BatchColumn> columns, BatchFormat format)
    : columns_(std::move(columns)), format_(format) {}

std::optional<std::string> BatchRow::Refusal(const CsvRecords& records, const CsvRecords::Record& record,
                                             std::string& out) const {
    if (!record.problem.empty()) return record.problem;
    if (record.fieldCount != columns_.size()) {
        return "has " + std::to_string(record.fieldCount) + " fields where the header has " +
               std::to_string(columns_.size());
    }
    if (record.fieldCount > 0) {
        const std::string_view first = records.Field(record, 0);
        const std::string_view last = records.Field(record, record.fieldCount - 1);
        if (!IsUtf8(std::string_view(first.data(), static_cast<std::size_t>(last.data() + last.size() - first.data())))) {
            return std::string("is not UTF-8 text");
        }
    }
    BirthOptions options;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const std::string_view value = records.Field(record, i);
        if (const auto* option = std::get_if<BirthOption>(&columns_[i])) {
            options[*option] = value;
        } else if (auto problem = ApplyFlag(std::get<FlagColumn>(columns_[i]), value, options)) {
            return problem;
        }
    }
    FormValues form = InitialFormValues();
    if (auto problem = ApplyBirthOptions(options, form, "")) return problem;
    // The companion writes no picture, so the JPEG converter is never missing.
    if (auto failure = ValidateForm(form, /*converterAvailable=*/true)) return std::move(failure->message);

    Reading reading;
    CopyFormToBirthData(form, reading.birthData);
    ComputeReading(reading);
    if (format_ == BatchFormat::JsonLines) {
        AppendReadingJson(reading, out);
        out += '\n';
    } else {
        AppendCsvRow(record.row, reading, out);
    }
    return std::nullopt;
}

bool BatchRow::Process(const CsvRecords& records, const CsvRecords::Record& record, std::string& out,
                       std::string& err) const {
    const auto refusal = Refusal(records, record, out);
    if (!refusal) return true;
    err += "varelio-cli: row ";
    err += std::to_string(record.row);
    err += ": ";
    err += *refusal;
    err += '\n';
    return false;
}

std::string BatchCsvHeader() {
    return "row,name,date,time,sun,moon,mercury,venus,mars,jupiter,saturn,rahu,ketu,ascendant,midheaven,"
           "lagna,rashi,nakshatra,nakshatra-lord,nakshatra-pada,"
           "lagna-mars-house,lagna-dosha-percent,lagna-manglik,lagna-cancellation,"
           "moon-mars-house,moon-dosha-percent,moon-manglik,moon-cancellation,"
           "mercury-retrograde,venus-retrograde,mars-retrograde,jupiter-retrograde,saturn-retrograde\n";
}

BatchOutcome RunBatch(std::FILE* input, std::FILE* out, std::FILE* err, const BatchSettings& settings) {
    BatchOutcome outcome;
    CsvReader reader(input);
    CsvRecords header;
    if (!reader.ReadRecord(header)) {
        Report(err, reader.ReadError() != 0 ? "cannot read the batch: " + std::string(std::strerror(reader.ReadError()))
                                            : std::string("the batch holds no header"));
        outcome.exitCode = 2;
        return outcome;
    }
    auto parsed = ParseBatchHeader(header);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        Report(err, *problem);
        outcome.exitCode = 2;
        return outcome;
    }
    const BatchRow row(std::get<std::vector<BatchColumn>>(std::move(parsed)), settings.format);
    if (settings.format == BatchFormat::Csv) {
        const std::string line = BatchCsvHeader();
        WriteAll(line, out);
    }

    Pipeline pipeline(row, out, err, settings);
    const int readError = pipeline.Read(reader);
    outcome.rows = pipeline.rows();
    outcome.refused = pipeline.refused();
    if (const int writeError = pipeline.writeError()) {
        Report(err, "could not write the output: " + std::string(std::strerror(writeError)));
        outcome.exitCode = 1;
    } else if (readError != 0) {
        Report(err, "cannot read the batch after " + std::to_string(outcome.rows) + " rows: " +
                        std::strerror(readError));
        outcome.exitCode = 2;
    } else if (outcome.refused > 0) {
        outcome.exitCode = kExitSomeRowsRefused;
    }
    return outcome;
}

}  // namespace varelio::cli
