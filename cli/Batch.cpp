#include "cli/Batch.h"

#include "cli/JsonWriter.h"
#include "cli/KundliKeys.h"
#include "form/Form.h"
#include "formats/Utf8.h"
#include "reading/Reading.h"
#include "words/EnglishTexts.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include <csignal>

#include <pthread.h>
#include <stdio_ext.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varelio::cli {
namespace {

// A chunk is the unit a worker takes. The chunks in flight (two per busy
// worker and two more) share a fixed number of rows and input bytes, so
// memory stays the same whatever the number of workers; with few workers a
// chunk is large enough that they rarely meet at the lock. No more workers
// are kept busy than there are processors: more would only wait their turn,
// in ever smaller chunks. A JSON row is some 4.6 KB, so the rows bound the
// output held, not only the input.
constexpr std::size_t kRowsInFlight = 1024;
constexpr std::size_t kBytesInFlight = 2 * 1024 * 1024;
constexpr std::size_t kMaxChunkRows = 256;
constexpr std::size_t kMaxChunkBytes = 256 * 1024;

constexpr std::string_view kFlagColumnNames[] = {"lat-dir", "lon-dir", "dst"};

// The header's columns in the order the documentation lists them.
constexpr std::string_view kColumnList =
    "name, day, month, year, hour, minute, zone, dst, lat-deg, lat-min, lat-dir, lon-deg, lon-min, lon-dir, "
    "city, state, country, utc-offset";

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

// 0 to 99 without a leading zero: a balance's parts, a tithi.
char* UpToTwoDigits(char* at, int value) {
    if (value >= 10) *at++ = static_cast<char>('0' + value / 10 % 10);
    *at++ = static_cast<char>('0' + value % 10);
    return at;
}

char* Text(char* at, std::string_view text) {
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

char* Number(char* at, long value) { return std::to_chars(at, at + 24, value).ptr; }

// A dosha's percentage as the verdict's caption writes it, without the
// sign: its shortest digits, which for a whole percentage are the integer's.
char* Percent(char* at, double percent) {
    if (percent == std::trunc(percent) && std::fabs(percent) < 1e15) return Number(at, static_cast<long>(percent));
    return std::to_chars(at, at + 32, percent).ptr;
}

// The row is written in one go into room made once: the texts' room as
// fields, and enough for the numbers and words around them.
void AppendCsvRow(long row, const Reading& reading, std::string& out) {
    const BirthData& b = reading.birthData;
    const words::EnglishSummary s = words::SummaryInEnglish(reading.chartState);
    const std::string_view summary[] = {s.lagnaName, s.rashi, s.nakshatra, s.nakshatraLord, s.pada.view()};
    std::array<words::PositionText, kBodyCount> positions;
    for (std::size_t body = 0; body < positions.size(); ++body) {
        positions[body] = words::ShortForm(reading.chartState.bodies[body].longitudeDeg);
    }
    std::string escapedName;
    const std::string_view name = CsvSafeText(b.name, escapedName);
    constexpr std::size_t kRoomBesideTexts = 384;
    std::size_t room = kRoomBesideTexts + CsvFieldRoom(name);
    for (const words::PositionText& text : positions) room += CsvFieldRoom(text);
    for (const std::string_view text : summary) room += CsvFieldRoom(text);

    const std::size_t used = out.size();
    out.resize(used + room);
    char* at = out.data() + used;
    at = Number(at, row);
    *at++ = ',';
    at = WriteCsvField(at, name);
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
        at = WriteCsvField(at, positions[static_cast<std::size_t>(body)]);
    }
    for (const std::string_view text : summary) {
        *at++ = ',';
        at = WriteCsvField(at, text);
    }
    for (const ManglikReference reference : {ManglikReference::Lagna, ManglikReference::Moon}) {
        const ManglikVerdict& verdict = reading.of(reference).verdict;
        *at++ = ',';
        if (verdict.known()) at = Number(at, verdict.house);
        *at++ = ',';
        if (verdict.known()) at = Percent(at, verdict.doshaPercent);
        *at++ = ',';
        at = Text(at, !verdict.known() ? "unknown" : (verdict.manglik ? "yes" : "no"));
        *at++ = ',';
        // Only beside a Manglik verdict, as the JSON.
        if (const auto& cancellation = verdict.cancellation) at = Number(at, static_cast<int>(cancellation->rule));
    }
    for (int planet = kMercury; planet <= kSaturn; ++planet) {
        at = Text(at, reading.chartState.bodies[static_cast<std::size_t>(planet)].retrograde ? ",yes" : ",no");
    }
    // The mahadasha running at birth and its balance, then the Panchang.
    const YearsMonthsDays balance = ToYearsMonthsDays(BalanceYears(reading.dashaBalance));
    const BirthPanchang& panchang = reading.panchang;
    *at++ = ',';
    at = Text(at, LordKey(reading.dashaBalance.lord));
    for (const int part : {balance.years, balance.months, balance.days, panchang.tithi}) {
        *at++ = ',';
        at = UpToTwoDigits(at, part);
    }
    for (const std::string_view key : {PakshaKey(PakshaOf(panchang.tithi)), YogaKey(panchang.yoga),
                                       KaranaKey(KaranaOf(panchang.karana)), WeekdayKey(panchang.day.weekday)}) {
        *at++ = ',';
        at = Text(at, key);
    }
    *at++ = '\n';
    out.resize(static_cast<std::size_t>(at - out.data()));
}

// The signal that asked the batch to stop, 0 while none has. A signal
// handler reaches nothing but such a value, so this is the one the batch
// shares with it; StopSignals sets it up and puts it back.
std::atomic<int> gStopSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "set from a signal handler");

constexpr int kStopSignals[] = {SIGINT, SIGTERM};

extern "C" void NoteStopSignal(int signal) {
    int none = 0;
    gStopSignal.compare_exchange_strong(none, signal);
}

int StopSignal() { return gStopSignal.load(std::memory_order_relaxed); }

// While it lives, Ctrl-C (SIGINT) and SIGTERM ask the batch to stop after
// the rows in hand instead of ending the process in the middle of a line. The
// handler is installed without SA_RESTART, so the reader's wait for input
// returns at once; only the reading thread takes the signals (HeldStopSignals
// keeps them from the others), so no write is cut short by one. A signal
// ignored when the batch began (a job started with nohup) stays ignored.
class StopSignals {
public:
    StopSignals() {
        gStopSignal = 0;
        struct sigaction action {};
        action.sa_handler = NoteStopSignal;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(kStopSignals); ++i) {
            installed_[i] = ::sigaction(kStopSignals[i], nullptr, &saved_[i]) == 0 && saved_[i].sa_handler != SIG_IGN &&
                            ::sigaction(kStopSignals[i], &action, nullptr) == 0;
        }
    }
    ~StopSignals() {
        for (std::size_t i = 0; i < std::size(kStopSignals); ++i) {
            if (installed_[i]) ::sigaction(kStopSignals[i], &saved_[i], nullptr);
        }
        gStopSignal = 0;
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    struct sigaction saved_[std::size(kStopSignals)] {};
    bool installed_[std::size(kStopSignals)] = {};
};

// Keeps the stop signals from this thread while it lives; a thread started
// meanwhile inherits the mask, and a signal that comes is delivered after.
class HeldStopSignals {
public:
    HeldStopSignals() {
        sigset_t stop;
        sigemptyset(&stop);
        for (const int signal : kStopSignals) sigaddset(&stop, signal);
        pthread_sigmask(SIG_BLOCK, &stop, &previous_);
    }
    ~HeldStopSignals() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    HeldStopSignals(const HeldStopSignals&) = delete;
    HeldStopSignals& operator=(const HeldStopSignals&) = delete;

private:
    sigset_t previous_{};
};

// A thread with a stack of its own size. A row takes well under 64 KB of
// stack, so 512 KB leaves ample room, and 256 workers reserve 128 MB of
// address space rather than the 2 GB of the system's usual 8 MB each: under
// a limit on it (ulimit -v) the rows' memory is not crowded out.
constexpr std::size_t kThreadStackBytes = 512 * 1024;

class Thread {
public:
    // Throws std::system_error when the system will start no more threads.
    explicit Thread(std::function<void()> body) : body_(std::move(body)) {
        // The stack is a mapping of its own, unmapped when the thread is
        // joined: the system keeps the stacks it makes for reuse, so a worker
        // that gives up its place when memory runs short would free nothing.
        // Its lowest page is a guard.
        const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        stack_ = ::mmap(nullptr, kThreadStackBytes + page, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
        if (stack_ == MAP_FAILED) throw std::system_error(errno, std::generic_category());
        stackBytes_ = kThreadStackBytes + page;
        ::mprotect(stack_, page, PROT_NONE);
        const HeldStopSignals held;  // for the thread's whole life: the reader alone takes them
        pthread_attr_t attributes;
        pthread_attr_init(&attributes);
        pthread_attr_setstack(&attributes, static_cast<char*>(stack_) + page, kThreadStackBytes);
        const int error = pthread_create(&id_, &attributes, &Thread::Run, &body_);
        pthread_attr_destroy(&attributes);
        if (error != 0) {
            ::munmap(stack_, stackBytes_);
            throw std::system_error(error, std::generic_category());
        }
    }
    ~Thread() { Join(); }
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    void Join() {
        if (joined_) return;
        pthread_join(id_, nullptr);
        ::munmap(stack_, stackBytes_);
        joined_ = true;
    }

private:
    static void* Run(void* body) {
        (*static_cast<std::function<void()>*>(body))();
        return nullptr;
    }
    std::function<void()> body_;
    pthread_t id_{};
    void* stack_ = nullptr;
    std::size_t stackBytes_ = 0;
    bool joined_ = false;
};

struct Chunk {
    CsvRecords input;
    std::string out, err;
    std::size_t handled = 0;   // rows computed or refused, from the first; fewer when the batch was stopped
    long refused = 0;
    bool done = false;
    bool outOfMemory = false;  // the rows could not all be computed

    // Gives back the memory of the outputs, for the rows to be computed again.
    void DropOutput() {
        std::string().swap(out);
        std::string().swap(err);
    }
};

// The chunks waiting in a queue, in room made once: a queue that allocated
// could fail, memory running short, where nothing can be undone.
class ChunkQueue {
public:
    void Reserve(std::size_t chunks) { ring_.resize(chunks); }
    bool empty() const { return count_ == 0; }
    Chunk* front() const { return ring_[first_]; }
    void pop_front() {
        first_ = (first_ + 1) % ring_.size();
        --count_;
    }
    void push_back(Chunk* chunk) { ring_[(first_ + count_++) % ring_.size()] = chunk; }
    void push_front(Chunk* chunk) {
        first_ = (first_ + ring_.size() - 1) % ring_.size();
        ring_[first_] = chunk;
        ++count_;
    }

private:
    std::vector<Chunk*> ring_;
    std::size_t first_ = 0, count_ = 0;
};

bool WriteAll(const std::string& bytes, std::FILE* stream) {
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

bool IsRegularFile(std::FILE* stream) {
    struct stat info {};
    const int fd = fileno(stream);
    return fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

// Reader (the calling thread), workers and one writer, passing chunks: the
// reader fills a free chunk and queues it twice, for a worker and, in input
// order, for the writer; the writer takes the oldest once it is done and
// frees it. A fixed number of chunks bounds the memory. Threads that cannot
// be started are done without: with no worker the reader computes each chunk
// itself, with no writer it writes them too.
class Pipeline {
public:
    Pipeline(const BatchRow& row, std::FILE* out, std::FILE* err, const BatchSettings& settings)
        : row_(row), out_(out), err_(err), settings_(settings) {
        const int wanted = std::max(1, settings.workers);
        const int useful = std::min(wanted, static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
        // Made before any thread starts, so running short of memory here stops nothing half-way.
        chunks_.resize(static_cast<std::size_t>(useful) * 2 + 2);
        for (auto& chunk : chunks_) chunk = std::make_unique<Chunk>();
        free_.reserve(chunks_.size());
        work_.Reserve(chunks_.size());
        ordered_.Reserve(chunks_.size());
        retired_.reserve(static_cast<std::size_t>(wanted));
        threads_.reserve(static_cast<std::size_t>(wanted) + 1);
        std::string why;
        try {
            threads_.push_back(std::make_unique<Thread>([this] { Write(); }));
            writerStarted_ = true;
            for (; workers_ < wanted; ++workers_) {
                const std::size_t self = threads_.size();
                threads_.push_back(std::make_unique<Thread>([this, self] { Work(self); }));
            }
        } catch (const std::exception& e) {
            why = e.what();
        }
        try {
            if (workers_ < wanted) {
                errLine_ = ProgramLine("only " + std::to_string(workers_) + " of " + std::to_string(wanted) +
                                       (wanted == 1 ? " worker" : " workers") + " could start (" + why + "); " +
                                       (workers_ > 0 ? "the batch goes on with " + std::to_string(workers_)
                                                     : std::string("the batch goes on in one thread")));
            }
        } catch (...) {
            Finish();
            throw;
        }
        const std::size_t chunks = static_cast<std::size_t>(std::min(workers_, useful)) * 2 + 2;
        chunkRows_ = std::clamp<std::size_t>(kRowsInFlight / chunks, 1, kMaxChunkRows);
        chunkBytes_ = std::clamp<std::size_t>(kBytesInFlight / chunks, 1, kMaxChunkBytes);
        outIsFile_ = IsRegularFile(out_);
        std::lock_guard lock(mutex_);
        running_ = workerLimit_ = fewestRunning_ = workers_;
        for (std::size_t i = 0; i < chunks; ++i) free_.push_back(chunks_[i].get());
    }

    ~Pipeline() { Finish(); }

    // Reads every record; returns the read error, 0 when none.
    int Read(CsvReader& reader) {
        if (!errLine_.empty()) WriteAll(errLine_, err_);
        try {
            ReadAll(reader);
        } catch (const std::bad_alloc&) {
            outOfMemory_ = true;
        }
        Finish();
        if (!writerStarted_) EndOutput();
        return reader.ReadError();
    }

    long rows() const { return rows_; }
    long refused() const { return refused_; }
    int writeError() const { return writeFailed_ ? writeError_ : 0; }
    bool outOfMemory() const { return outOfMemory_; }
    int workers() const { return workers_; }
    // The fewest workers left once memory ran short (workers() when it never did).
    int fewestWorkers() const { return fewestRunning_; }

private:
    bool Stopping() const { return writeFailed_ || outOfMemory_ || StopSignal() != 0; }

    // Joins the workers that gave up their place, so that their stacks are
    // freed, and lets the others go on; the writer's, with mutex_ held
    // through lock (there are no workers without a writer).
    void JoinRetired(std::unique_lock<std::mutex>& lock) {
        if (unjoined_ == 0) return;
        while (!retired_.empty()) {
            Thread& retired = *threads_[retired_.back()];
            retired_.pop_back();
            lock.unlock();
            retired.Join();
            lock.lock();
            --unjoined_;
        }
        workQueued_.notify_all();
        chunkFree_.notify_one();
    }

    void ReadAll(CsvReader& reader) {
        std::optional<Reading> reading;  // for the rows this thread computes, without workers
        for (bool more = true; more;) {
            Chunk* chunk;
            {
                std::unique_lock lock(mutex_);
                chunkFree_.wait(lock, [&] { return !free_.empty(); });
                chunk = free_.back();
                free_.pop_back();
            }
            chunk->input.Clear();
            // Room for the whole chunk, made before a record is read: should
            // memory run short, nothing is lost yet, and fewer workers may
            // leave enough.
            while (!ReserveInput(chunk->input)) {
                if (!ShedWorkers()) throw std::bad_alloc();
            }
            more = true;
            while (more && chunk->input.records.size() < chunkRows_ && chunk->input.bytes.size() < chunkBytes_) {
                more = !Stopping() && reader.ReadRecord(chunk->input);
                // Its refusal is said at once, while the rest of its line is skipped.
                if (more && chunk->input.records.back().problem == CsvProblem::TooLong) break;
            }
            if (workers_ == 0 && !chunk->input.records.empty() && !Compute(*chunk, reading ? *reading : reading.emplace())) {
                chunk->outOfMemory = true;
                outOfMemory_ = true;
            }
            if (!writerStarted_) {
                if (!chunk->input.records.empty()) Deliver(*chunk);
                free_.push_back(chunk);
                continue;
            }
            std::lock_guard lock(mutex_);
            if (chunk->input.records.empty()) {
                free_.push_back(chunk);
            } else {
                chunk->done = workers_ == 0;
                if (workers_ > 0) {
                    work_.push_back(chunk);
                    workQueued_.notify_one();
                }
                ordered_.push_back(chunk);
                if (chunk->done) chunkDone_.notify_one();
            }
        }
    }

    bool ReserveInput(CsvRecords& input) const {
        constexpr std::size_t kFieldsARow = 24;  // the columns, and some over
        try {
            input.bytes.reserve(chunkBytes_ + kMaxRecordBytes);
            input.records.reserve(chunkRows_);
            input.fieldEnds.reserve(chunkRows_ * kFieldsARow);
        } catch (const std::bad_alloc&) {
            return false;
        }
        return true;
    }

    // Halves the workers and waits until those to go have gone, their memory
    // freed; false when there are too few to halve.
    bool ShedWorkers() {
        std::unique_lock lock(mutex_);
        if (running_ <= 1) return false;
        workerLimit_ = running_ / 2;
        workQueued_.notify_all();
        chunkFree_.wait(lock, [&] { return running_ <= workerLimit_ && unjoined_ == 0; });
        return true;
    }

    // Ends the input and waits for every thread; once only.
    void Finish() {
        {
            std::lock_guard lock(mutex_);
            inputEnded_ = true;
        }
        workQueued_.notify_all();
        chunkDone_.notify_all();
        for (const auto& thread : threads_) thread->Join();
    }

    // A chunk's rows to its output, each row whole; once a stop signal has
    // come, the row in hand is the last. False when memory ran out.
    bool Compute(Chunk& chunk, Reading& reading) {
        chunk.out.clear();
        chunk.err.clear();
        chunk.handled = 0;
        chunk.refused = 0;
        chunk.outOfMemory = false;
        if (writeFailed_) return true;
        try {
            for (const CsvRecords::Record& record : chunk.input.records) {
                if (StopSignal() != 0) break;
                if (!row_.Process(chunk.input, record, reading, chunk.out, chunk.err)) ++chunk.refused;
                ++chunk.handled;
            }
        } catch (const std::bad_alloc&) {
            return false;
        }
        return true;
    }

    // Leaves the pool, to be joined by the writer; with mutex_ held.
    void Retire(std::size_t self) {
        --running_;
        fewestRunning_ = std::min(fewestRunning_, running_);
        retired_.push_back(self);
        ++unjoined_;
        chunkDone_.notify_one();
    }

    void Work(std::size_t self) {
        ClearUpperVectorRegisters();
        Reading reading;
        for (;;) {
            Chunk* chunk;
            {
                std::unique_lock lock(mutex_);
                // After memory ran short, work waits until the workers to go
                // have gone and their memory is free. At the input's end a
                // worker stays while others are busy: a chunk may come back.
                workQueued_.wait(lock, [&] {
                    return running_ > workerLimit_ || (unjoined_ == 0 && !work_.empty()) ||
                           (inputEnded_ && busy_ == 0 && work_.empty());
                });
                if (running_ > workerLimit_) return Retire(self);
                if (work_.empty()) return;
                chunk = work_.front();
                work_.pop_front();
                ++busy_;
            }
            const bool computed = Compute(*chunk, reading);
            std::lock_guard lock(mutex_);
            if (--busy_ == 0 && inputEnded_) workQueued_.notify_all();
            if (!computed && running_ > 1) {
                // Memory ran short. Every worker holds some (a stack, its
                // reading, its chunk's output), so half of them give theirs
                // back, this one first, and once they are gone the chunk is
                // computed again by one that stays. Only the last worker gives up.
                chunk->DropOutput();
                work_.push_front(chunk);
                workerLimit_ = running_ / 2;
                workQueued_.notify_all();
                return Retire(self);
            }
            chunk->outOfMemory = !computed;
            if (!computed) outOfMemory_ = true;
            chunk->done = true;
            chunkDone_.notify_one();
        }
    }

    void Write() {
        for (;;) {
            Chunk* chunk;
            {
                std::unique_lock lock(mutex_);
                chunkDone_.wait(lock, [&] { return (!ordered_.empty() && ordered_.front()->done) ||
                                                   (inputEnded_ && ordered_.empty()) || !retired_.empty(); });
                JoinRetired(lock);
                if (ordered_.empty() && inputEnded_) break;
                if (ordered_.empty() || !ordered_.front()->done) continue;
                chunk = ordered_.front();
                ordered_.pop_front();
            }
            Deliver(*chunk);
            std::lock_guard lock(mutex_);
            free_.push_back(chunk);
            chunkFree_.notify_one();
        }
        EndOutput();
    }

    // Writes a computed chunk in its turn; the writer's alone (or the reader's without one).
    void Deliver(Chunk& chunk) {
        using Clock = std::chrono::steady_clock;
        // Past a chunk that ran out of memory nothing is written: the rows
        // written are those before the stop.
        if (chunk.outOfMemory) stopped_ = true;
        if (!writeFailed_ && !stopped_) {
            // The reader writes too when the writer could not start.
            const HeldStopSignals held;
            if (!chunk.err.empty() && progressShown_) std::fputs("\r\033[K", err_);
            if (!WriteRows(chunk.out)) {
                writeError_ = errno;
                writeFailed_ = true;
            }
            WriteAll(chunk.err, err_);
            rows_ += static_cast<long>(chunk.handled);
            refused_ += chunk.refused;
            // Stopped by a signal within the chunk: the rows after it were not computed.
            if (chunk.handled < chunk.input.records.size()) stopped_ = true;
        }
        if (settings_.progress && Clock::now() - lastProgress_ > std::chrono::milliseconds(200)) {
            lastProgress_ = Clock::now();
            ShowProgress();
            progressShown_ = true;
        }
    }

    // Writes whole rows. Should the output fail part way (a full disk, a
    // file-size limit), a file is cut back to its last whole line and
    // whatever stdio still holds of the rows is dropped, so that it ends on
    // a whole row; what a pipe took stays taken.
    bool WriteRows(const std::string& rows) {
        if (rows.empty()) return true;
        off_t start = -1;
        if (outIsFile_ && std::fflush(out_) == 0) start = ::lseek(fileno(out_), 0, SEEK_CUR);
        if (WriteAll(rows, out_) && (!outIsFile_ || std::fflush(out_) == 0)) return true;
        const int error = errno;
        if (start >= 0) {
            const off_t end = ::lseek(fileno(out_), 0, SEEK_CUR);
            const std::string_view written(rows.data(), end > start ? std::min(rows.size(), static_cast<std::size_t>(end - start)) : 0);
            const std::size_t lastLine = written.rfind('\n');
            const off_t whole = start + static_cast<off_t>(lastLine == std::string_view::npos ? 0 : lastLine + 1);
            __fpurge(out_);
            if (end > whole && ::ftruncate(fileno(out_), whole) == 0) ::lseek(fileno(out_), whole, SEEK_SET);
        }
        errno = error;
        return false;
    }

    void EndOutput() {
        if (!writeFailed_ && (std::fflush(out_) != 0 || std::ferror(out_))) {
            writeError_ = errno;
            writeFailed_ = true;
        }
        if (progressShown_) {
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
    std::string errLine_;  // workers that could not start
    int workers_ = 0;      // started
    bool outIsFile_ = false;
    bool writerStarted_ = false;
    std::size_t chunkRows_ = kMaxChunkRows;
    std::size_t chunkBytes_ = kMaxChunkBytes;

    // One condition each for the workers (a chunk queued or the input's end),
    // the writer (a chunk done) and the reader (a chunk freed), so a change
    // wakes only who waits for it.
    std::mutex mutex_;
    std::condition_variable workQueued_, chunkDone_, chunkFree_;
    std::vector<std::unique_ptr<Chunk>> chunks_;
    std::vector<Chunk*> free_;
    ChunkQueue work_;
    ChunkQueue ordered_;
    bool inputEnded_ = false;
    std::vector<std::unique_ptr<Thread>> threads_;  // the writer first, then the workers
    int running_ = 0;        // workers that have not retired
    int workerLimit_ = 0;    // workers beyond it retire: halved each time memory runs short
    int fewestRunning_ = 0;
    std::vector<std::size_t> retired_;  // indices in threads_ of workers the writer has still to join
    int unjoined_ = 0;                  // retired workers not yet joined
    int busy_ = 0;                      // workers computing a chunk

    // The writer's own; the others read them after joining it.
    long rows_ = 0;
    long refused_ = 0;
    int writeError_ = 0;
    bool stopped_ = false;
    bool progressShown_ = false;
    std::chrono::steady_clock::time_point lastProgress_ = std::chrono::steady_clock::now();
    std::atomic<bool> writeFailed_ = false;
    std::atomic<bool> outOfMemory_ = false;
};

// "after 1 row", "after 1022 rows": how far a stopped batch came.
std::string AfterRows(long rows) { return "after " + std::to_string(rows) + (rows == 1 ? " row" : " rows"); }

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
    if (record.problem != CsvProblem::None) return HeaderProblem(record);
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

BatchRow::BatchRow(std::vector<BatchColumn> columns, BatchFormat format, int dashaDepth)
    : columns_(std::move(columns)), format_(format), dashaDepth_(dashaDepth) {}

std::optional<std::string> BatchRow::Refusal(const CsvRecords& records, const CsvRecords::Record& record,
                                             Reading& reading, std::string& out) const {
    const auto refused = [&record](std::string_view reason) { return RowRefused(record.row, reason); };
    if (record.problem != CsvProblem::None) return RowRefused(record);
    if (record.fieldCount != columns_.size()) {
        return refused("has " + std::to_string(record.fieldCount) + (record.fieldCount == 1 ? " field" : " fields") +
                       " where the header has " + std::to_string(columns_.size()));
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
        AppendReadingJson(reading, JsonLayout::Compact, out, dashaDepth_);
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
           "mercury-retrograde,venus-retrograde,mars-retrograde,jupiter-retrograde,saturn-retrograde,"
           "mahadasha,dasha-balance-years,dasha-balance-months,dasha-balance-days,tithi,paksha,yoga,karana,weekday\n";
}

BatchOutcome RunBatch(std::FILE* input, std::FILE* out, std::FILE* err, const BatchSettings& settings) {
    BatchOutcome outcome;
    const StopSignals stopSignals;
    const auto interrupted = [&](long rows) {
        const int signal = StopSignal();
        return Report(err, Stop(std::string("interrupted by ") + (signal == SIGINT ? "SIGINT" : "SIGTERM") + " " +
                                    AfterRows(rows) + "; the rest was not computed",
                                kExitSignalBase + signal));
    };
    CsvReader reader(input);
    CsvRecords header;
    if (!reader.ReadRecord(header)) {
        const int error = reader.ReadError();
        if (StopSignal() != 0) {
            outcome.exitCode = interrupted(0);
            return outcome;
        }
        outcome.exitCode = Report(err, Stop(error != 0 ? "cannot read the batch: " + std::string(std::strerror(error))
                                                       : std::string("the batch holds no header")));
        return outcome;
    }
    auto parsed = ParseBatchHeader(header);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        outcome.exitCode = Report(err, Stop(*problem));
        return outcome;
    }
    const BatchRow row(std::get<std::vector<BatchColumn>>(std::move(parsed)), settings.format, settings.dashaDepth);
    if (settings.format == BatchFormat::Csv) {
        const std::string line = BatchCsvHeader();
        WriteAll(line, out);
    }

    Pipeline pipeline(row, out, err, settings);
    const int readError = pipeline.Read(reader);
    outcome.rows = pipeline.rows();
    outcome.refused = pipeline.refused();
    const std::string after = AfterRows(outcome.rows);
    if (pipeline.fewestWorkers() < pipeline.workers()) {
        const std::string line = ProgramLine("memory ran short with " + std::to_string(pipeline.workers()) +
                                             " workers; the batch went on with " +
                                             std::to_string(pipeline.fewestWorkers()));
        WriteAll(line, err);
    }
    if (const int writeError = pipeline.writeError()) {
        outcome.exitCode =
            Report(err, Stop("could not write the output: " + std::string(std::strerror(writeError)), kExitWriteFailed));
    } else if (StopSignal() != 0) {
        outcome.exitCode = interrupted(outcome.rows);
    } else if (pipeline.outOfMemory()) {
        outcome.exitCode = Report(err, Stop("ran out of memory " + after + "; the rest was not computed", kExitBatchStopped));
    } else if (readError != 0) {
        outcome.exitCode =
            Report(err, Stop("cannot read the batch " + after + ": " + std::strerror(readError), kExitBatchStopped));
    } else if (outcome.refused > 0) {
        outcome.exitCode = kExitSomeRowsRefused;
    }
    return outcome;
}

}  // namespace varelio::cli
