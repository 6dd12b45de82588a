// One way to fail: a value, or the problem that stopped it, as a code with the
// values its message names. The core never words a problem; the windows and
// the companion each turn one into a message in one place.
#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace varelio {

enum class ProblemCode {
    // The input form's checks, in their order.
    NameMissing,
    LatitudeDegreesMissing,
    LatitudeMinutesMissing,
    LongitudeDegreesMissing,
    LongitudeMinutesMissing,
    CityMissing,
    StateMissing,
    CountryMissing,
    LatitudeDirectionMissing,
    LongitudeDirectionMissing,
    ImpossibleDate,
    ImpossibleDateInThirtyDayMonth,
    ConverterMissing,
    // Coordinates past their limits: degrees of latitude above 90 (or 90 with
    // minutes), of longitude above 180 (or 180 with minutes), minutes above 59.
    LatitudeDegreesOutOfRange,
    LatitudeMinutesOutOfRange,
    LatitudePastPole,
    LongitudeDegreesOutOfRange,
    LongitudeMinutesOutOfRange,
    LongitudePastLimit,
    // The exact UTC offset is neither empty nor an offset ParseUtcOffset reads.
    UtcOffsetInvalid,
    // Saved readings.
    NotAReadingFile,    // the name does not end in "vrl"
    NotReadingFileContent,  // bytes no reading file holds (a file of zeros)
    ReadingFileCutShort,    // detail: how many lines it holds, too few for a birth ("0": nothing in it)
    ReadingFileNotNumber,   // detail: the value's key ("month"), whose line holds no whole number
    ReadingFileNotFlag,     // detail: the value's key ("east"), neither "True" nor "False"
    ReadingFileControlCharacter,  // detail: the value's key ("name"), holding a control character
    NotARegularFile,    // a folder, a named pipe, a device
    FileUnreadable,     // detail: the system's reason
    FieldNotStorable,   // detail: the field's name ("name", "city", ...)
    // Files written.
    FileNotReplaceable,  // not a new name nor a regular file (or a link to one): a folder, a pipe, a device
    FileUnwritable,      // detail: the system's reason
};

// How a refused form is reported: refused or missing input is an error, an
// impossible date is information.
enum class Severity { Error, Information };

// Where the input window moves the focus or selection after a failed check.
enum class FormField { None, Name, LatDeg, LatMin, LonDeg, LonMin, City, State, Country, North, East, UtcOffset };

struct Problem {
    ProblemCode code = ProblemCode::NameMissing;
    Severity severity = Severity::Error;
    FormField focus = FormField::None;
    int step = 0;         // the input form's check, 1 to 15; 0 for other problems
    std::string detail;   // a value the message names
};

// A value, or the problem that kept it from being made.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Problem problem) : state_(std::in_place_index<1>, std::move(problem)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    const Problem& problem() const { return std::get<1>(state_); }

private:
    std::variant<T, Problem> state_;
};

// Whether something was done, or the problem that kept it from being done.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Problem problem) : problem_(std::move(problem)) {}

    bool ok() const { return !problem_; }
    explicit operator bool() const { return ok(); }
    const Problem& problem() const { return *problem_; }

private:
    std::optional<Problem> problem_;
};

}  // namespace varelio
