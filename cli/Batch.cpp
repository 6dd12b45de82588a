#include "cli/Batch.h"

#include "cli/JsonWriter.h"
#include "form/Form.h"
#include "formats/Utf8.h"
#include "reading/Reading.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
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

char* TwoDigits(char* at, int value) {
    at[0] = static_cast<char>('0' + value / 10 % 10);
    at[1] = static_cast<char>('0' + value % 10);
    return at + 2;
}

char* Text(char* at, std::string_view text) {
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

char* Number(char* at, long value) { return std::to_chars(at, at + 24, value).ptr; }

// The row is written in one go into room made once: the texts' room as
// fields, and enough for the numbers and words around them.
void AppendCsvRow(long row, const Reading& reading, std::string& out) {
    const BirthData& b = reading.birthData;
    const ReadingSummary& s = reading.summary;
    const std::string* const summary[] = {&s.lagnaSignName, &s.rashiDisplay, &s.nakshatraDisplay, &s.nakshatraLord,
                                          &s.nakshatraPada};
    constexpr std::size_t kRoomBesideTexts = 256;
    std::size_t room = kRoomBesideTexts + CsvFieldRoom(b.name);
    for (const std::string& text : reading.chartState.bodyPositionText) room += CsvFieldRoom(text);
    for (const std::string* text : summary) room += CsvFieldRoom(*text);
    std::array<std::string, 2> percentages;
    for (const ManglikReference reference : {ManglikReference::Lagna, ManglikReference::Moon}) {
        const ManglikVerdict& verdict = reading.of(reference).verdict;
        if (!verdict.known()) continue;
        std::string& percentage = percentages[static_cast<std::size_t>(reference)];
        percentage = DoshaPercentText(verdict.doshaPercent);
        if (percentage.ends_with('%')) percentage.pop_back();
        room += CsvFieldRoom(percentage);
    }

    const std::size_t used = out.size();
    out.resize(used + room);
    char* at = out.data() + used;
    at = Number(at, row);
    *at++ = ',';
    at = WriteCsvField(at, b.name);
    *at++ = ',';
    at = Number(at, b.year);
    *at++ = '-';
    at = TwoDigits(at, b.month);
    *at++ = '-';
    at = TwoDigits(at, b.day);
    *at++ = ',';
    at = TwoDigits(at, b.hour);
    *at++ = ':';
    at = TwoDigits(at, b.minute);
    for (int body = 0; body < kBodyCount; ++body) {
        *at++ = ',';
        at = WriteCsvField(at, reading.chartState.bodyPositionText[static_cast<std::size_t>(body)]);
    }
    for (const std::string* text : summary) {
        *at++ = ',';
        at = WriteCsvField(at, *text);
    }
    for (const ManglikReference reference : {ManglikReference::Lagna, ManglikReference::Moon}) {
        const ManglikVerdict& verdict = reading.of(reference).verdict;
        *at++ = ',';
        if (verdict.known()) at = Number(at, verdict.house);
        *at++ = ',';
        if (verdict.known()) at = WriteCsvField(at, percentages[static_cast<std::size_t>(reference)]);
        *at++ = ',';
        at = Text(at, !verdict.known() ? "unknown" : (verdict.manglik ? "yes" : "no"));
        *at++ = ',';
        // The table names the rule beside any verdict, the JSON only beside a Manglik one.
        if (const auto cancellation = FirstCancellation(reference, reading.chartState)) {
            at = Number(at, static_cast<int>(cancellation->rule));
        }
    }
    for (int planet = kMercury; planet <= kSaturn; ++planet) {
        at = Text(at, reading.chartState.bodies[static_cast<std::size_t>(planet)].retrograde ? ",yes" : ",no");
    }
    *at++ = '\n';
    out.resize(static_cast<std::size_t>(at - out.data()));
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
                freed_.wait(lock, [&] { return !free_.empty(); });
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
            if (!more) {
                inputEnded_ = true;
                queued_.notify_all();
                finished_.notify_one();
                break;
            }
            queued_.notify_one();
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
        Reading reading;
        for (;;) {
            Chunk* chunk;
            {
                std::unique_lock lock(mutex_);
                queued_.wait(lock, [&] { return !work_.empty() || inputEnded_; });
                if (work_.empty()) return;
                chunk = work_.front();
                work_.pop_front();
            }
            chunk->out.clear();
            chunk->err.clear();
            chunk->refused = 0;
            if (!writeFailed_) {
                for (const CsvRecords::Record& record : chunk->input.records) {
                    if (!row_.Process(chunk->input, record, reading, chunk->out, chunk->err)) ++chunk->refused;
                }
            }
            std::lock_guard lock(mutex_);
            chunk->done = true;
            finished_.notify_one();
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
                finished_.wait(lock, [&] { return (!ordered_.empty() && ordered_.front()->done) ||
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
            freed_.notify_one();
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

    // One condition each for the reader (a chunk freed), the workers (a chunk
    // queued or the input's end) and the writer (a chunk finished), so a
    // change wakes only who waits for it.
    std::mutex mutex_;
    std::condition_variable freed_, queued_, finished_;
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

// Says why the batch stopped; returns the exit code.
int Report(std::FILE* err, const Failure& failure) {
    std::fwrite(failure.text.data(), 1, failure.text.size(), err);
    return failure.exitCode;
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
                                             Reading& reading, std::string& out) const {
    const auto refused = [&record](std::string_view reason) { return RowRefused(record.row, reason); };
    if (!record.problem.empty()) return refused(record.problem);
    if (record.fieldCount != columns_.size()) {
        return refused("has " + std::to_string(record.fieldCount) + " fields where the header has " +
                       std::to_string(columns_.size()));
    }
    if (record.fieldCount > 0) {
        const std::string_view first = records.Field(record, 0);
        const std::string_view last = records.Field(record, record.fieldCount - 1);
        if (!IsUtf8(std::string_view(first.data(), static_cast<std::size_t>(last.data() + last.size() - first.data())))) {
            return refused("is not UTF-8 text");
        }
    }
    BirthOptions options;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const std::string_view value = records.Field(record, i);
        if (const auto* option = std::get_if<BirthOption>(&columns_[i])) {
            options[*option] = value;
        } else if (auto problem = ApplyFlag(std::get<FlagColumn>(columns_[i]), value, options)) {
            return refused(*problem);
        }
    }
    FormValues form = InitialFormValues();
    if (auto problem = ApplyBirthOptions(options, form, "")) return refused(*problem);
    // The companion writes no picture, so the JPEG converter is never missing.
    if (const auto computed = ComputeReadingFromForm(form, /*converterAvailable=*/true, reading); !computed) {
        return RowRefused(record.row, computed.problem());
    }
    if (format_ == BatchFormat::JsonLines) {
        AppendReadingJson(reading, JsonLayout::Compact, out);
        out += '\n';
    } else {
        AppendCsvRow(record.row, reading, out);
    }
    return std::nullopt;
}

bool BatchRow::Process(const CsvRecords& records, const CsvRecords::Record& record, Reading& reading,
                       std::string& out, std::string& err) const {
    const auto refusal = Refusal(records, record, reading, out);
    if (!refusal) return true;
    err += *refusal;
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
        const int error = reader.ReadError();
        outcome.exitCode = Report(err, Stop(error != 0 ? "cannot read the batch: " + std::string(std::strerror(error))
                                                       : std::string("the batch holds no header")));
        return outcome;
    }
    auto parsed = ParseBatchHeader(header);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        outcome.exitCode = Report(err, Stop(*problem));
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
        outcome.exitCode =
            Report(err, Stop("could not write the output: " + std::string(std::strerror(writeError)), kExitWriteFailed));
    } else if (readError != 0) {
        outcome.exitCode = Report(err, Stop("cannot read the batch after " + std::to_string(outcome.rows) + " rows: " +
                                            std::strerror(readError)));
    } else if (outcome.refused > 0) {
        outcome.exitCode = kExitSomeRowsRefused;
    }
    return outcome;
}

}  // namespace varelio::cli
