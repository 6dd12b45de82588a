// The words of a problem (form/Problem.h): the input form's messages, and
// why a saved reading cannot be opened or stored, as the companion says it
// in a clause after the file's name and as the windows say it in a message.
#pragma once

#include "form/Problem.h"
#include "words/English.h"
#include "words/Source.h"

#include <array>
#include <charconv>
#include <string>
#include <string_view>

namespace varelio::words {

// The reading file names a value by its key ("latitude degrees"): the field
// it cannot store, the line that does not read as its kind.
inline constexpr std::array<std::pair<std::string_view, Source>, 17> kFieldNames{{
    {"name", {QT_TRANSLATE_NOOP("Words", "name")}},
    {"month", {QT_TRANSLATE_NOOP("Words", "month")}},
    {"day", {QT_TRANSLATE_NOOP("Words", "day")}},
    {"year", {QT_TRANSLATE_NOOP("Words", "year")}},
    {"hour", {QT_TRANSLATE_NOOP("Words", "hour")}},
    {"minute", {QT_TRANSLATE_NOOP("Words", "minute")}},
    {"time zone", {QT_TRANSLATE_NOOP("Words", "time zone")}},
    {"longitude degrees", {QT_TRANSLATE_NOOP("Words", "longitude degrees")}},
    {"longitude minutes", {QT_TRANSLATE_NOOP("Words", "longitude minutes")}},
    {"latitude degrees", {QT_TRANSLATE_NOOP("Words", "latitude degrees")}},
    {"latitude minutes", {QT_TRANSLATE_NOOP("Words", "latitude minutes")}},
    {"east", {QT_TRANSLATE_NOOP("Words", "east")}},
    {"south", {QT_TRANSLATE_NOOP("Words", "south")}},
    {"daylight saving", {QT_TRANSLATE_NOOP("Words", "daylight saving")}},
    {"city", {QT_TRANSLATE_NOOP("Words", "city")}},
    {"state", {QT_TRANSLATE_NOOP("Words", "state")}},
    {"country", {QT_TRANSLATE_NOOP("Words", "country")}},
}};

template <typename Words>
typename Words::Text FieldName(const Words& words, std::string_view key) {
    for (const auto& [known, name] : kFieldNames) {
        if (key == known) return words(name);
    }
    return words.Verbatim(key);
}

namespace problems {

// The count a problem's detail holds ("3" lines), 0 when it holds none.
inline long CountIn(const std::string& detail) {
    long count = 0;
    std::from_chars(detail.data(), detail.data() + detail.size(), count);
    return count;
}

// The input form's checks, as the window and the companion both say them;
// nothing for a problem of a file.
template <typename Words>
typename Words::Text FormMessage(const Words& words, ProblemCode code) {
    switch (code) {
        case ProblemCode::NameMissing: return words(QT_TRANSLATE_NOOP("Words", "Please Enter Your Name"));
        case ProblemCode::LatitudeDegreesMissing:
            return words(QT_TRANSLATE_NOOP("Words", "Please Enter Degree of Latitude"));
        case ProblemCode::LatitudeMinutesMissing:
            return words(QT_TRANSLATE_NOOP("Words", "Please Enter Minutes of Latitude"));
        case ProblemCode::LongitudeDegreesMissing:
            return words(QT_TRANSLATE_NOOP("Words", "Please Enter Degree of Longitude"));
        case ProblemCode::LongitudeMinutesMissing:
            return words(QT_TRANSLATE_NOOP("Words", "Please Enter Minute of Longitude"));
        case ProblemCode::CityMissing: return words(QT_TRANSLATE_NOOP("Words", "Please Enter Your City name"));
        case ProblemCode::StateMissing: return words(QT_TRANSLATE_NOOP("Words", "Please Enter Your State name"));
        case ProblemCode::CountryMissing: return words(QT_TRANSLATE_NOOP("Words", "Please Enter Your Country name"));
        case ProblemCode::LatitudeDirectionMissing:
            return words(QT_TRANSLATE_NOOP("Words", "Please Select Direction For The Latitude"));
        case ProblemCode::LongitudeDirectionMissing:
            return words(QT_TRANSLATE_NOOP("Words", "Please Select Direction For The Longitude"));
        case ProblemCode::ImpossibleDate:
            return words(QT_TRANSLATE_NOOP("Words", "Please Enter Correct Date Or Month!"));
        case ProblemCode::ImpossibleDateInThirtyDayMonth:
            return words(QT_TRANSLATE_NOOP("Words", "Please Enter Correct Date Or Month !"));
        case ProblemCode::ConverterMissing:
            return words(QT_TRANSLATE_NOOP("Words", "Required File Is Missing. Please Reinstall The Software."));
        case ProblemCode::LatitudeDegreesOutOfRange:
            return words(QT_TRANSLATE_NOOP("Words", "Please Enter Degree of Latitude from 0 to 90"));
        case ProblemCode::LatitudeMinutesOutOfRange:
            return words(QT_TRANSLATE_NOOP("Words", "Please Enter Minutes of Latitude from 0 to 59"));
        case ProblemCode::LatitudePastPole:
            return words(QT_TRANSLATE_NOOP("Words", "Please Enter a Latitude of at most 90 Degree 0 Minute"));
        case ProblemCode::LongitudeDegreesOutOfRange:
            return words(QT_TRANSLATE_NOOP("Words", "Please Enter Degree of Longitude from 0 to 180"));
        case ProblemCode::LongitudeMinutesOutOfRange:
            return words(QT_TRANSLATE_NOOP("Words", "Please Enter Minute of Longitude from 0 to 59"));
        case ProblemCode::LongitudePastLimit:
            return words(QT_TRANSLATE_NOOP("Words", "Please Enter a Longitude of at most 180 Degree 0 Minute"));
        case ProblemCode::UtcOffsetInvalid:
            return words(QT_TRANSLATE_NOOP(
                "Words", "Please Enter the Exact UTC Offset as +HH:MM, from -14:00 to +14:00, or leave it empty"));
        default: return {};
    }
}

}  // namespace problems

// The companion's words: the form's messages as the window shows them, and
// for a file the reason after its name ("not a saved reading (*.vrl)").
template <typename Words>
typename Words::Text ProblemReason(const Words& words, const Problem& problem) {
    const std::string& detail = problem.detail;
    switch (problem.code) {
        case ProblemCode::NotAReadingFile: return words(QT_TRANSLATE_NOOP("Words", "not a saved reading (*.vrl)"));
        case ProblemCode::NotReadingFileContent:
            return words(QT_TRANSLATE_NOOP("Words", "its bytes are not those of a saved reading"));
        case ProblemCode::ReadingFileCutShort: {
            static constexpr Counted kLines{
                QT_TRANSLATE_N_NOOP("Words",
                                    "it holds only %n lines, too few for a saved reading's birth date and time"),
                "it holds only %n line, too few for a saved reading's birth date and time"};
            const long lines = problems::CountIn(detail);
            if (lines == 0) return words(QT_TRANSLATE_NOOP("Words", "it is empty"));
            return words(kLines, lines);
        }
        case ProblemCode::ReadingFileNotNumber:
            return words(QT_TRANSLATE_NOOP("Words", "its %1 is not a number"), FieldName(words, detail));
        case ProblemCode::ReadingFileNotFlag:
            return words(QT_TRANSLATE_NOOP("Words", "its %1 flag is neither True nor False"), FieldName(words, detail));
        case ProblemCode::ReadingFileControlCharacter:
            return words(QT_TRANSLATE_NOOP("Words", "its %1 holds a control character"), FieldName(words, detail));
        case ProblemCode::NotARegularFile: return words(QT_TRANSLATE_NOOP("Words", "not a regular file"));
        // The system's own words for why the file cannot be read.
        case ProblemCode::FileUnreadable: return words.Verbatim(detail);
        case ProblemCode::FieldNotStorable:
            return words(QT_TRANSLATE_NOOP("Words", "the %1 holds a character a reading file cannot store"),
                         FieldName(words, detail));
        case ProblemCode::FileNotReplaceable:
            return words(QT_TRANSLATE_NOOP("Words", "not a regular file but a folder, a named pipe, a device or a link "
                                                    "to none or to one of those; it was left as it was"));
        // The system's own words for why it cannot be written.
        case ProblemCode::FileUnwritable: return words.Verbatim(detail);
        default: return problems::FormMessage(words, problem.code);
    }
}

// The windows' message of a problem: the form's checks; a saved reading
// that cannot be read or is refused, named (file) with the reason, or one
// that cannot be stored. A form check refusing what a file filled in says
// which file it was.
template <typename Words>
typename Words::Text ProblemMessage(const Words& words, const Problem& problem, const std::string& file = {}) {
    const std::string& detail = problem.detail;
    const auto refused = [&](const typename Words::Text& reason) {
        return words(QT_TRANSLATE_NOOP3("Words", "Please Check The File.\n%1", "a saved reading refused: why"), reason);
    };
    switch (problem.code) {
        case ProblemCode::NotAReadingFile:
            return refused(words(
                QT_TRANSLATE_NOOP("Words", "\"%1\" is not a saved reading: the name of one ends in .vrl."), file));
        case ProblemCode::NotReadingFileContent:
            return refused(
                words(QT_TRANSLATE_NOOP("Words",
                                        "\"%1\" is not a saved reading: it holds bytes that no saved reading holds."),
                      file));
        case ProblemCode::ReadingFileCutShort: {
            static constexpr Counted kLines{
                QT_TRANSLATE_N_NOOP("Words",
                                    "\"%1\" holds only %n lines, too few for a saved reading's birth date and time."),
                "\"%1\" holds only %n line, too few for a saved reading's birth date and time."};
            const long lines = problems::CountIn(detail);
            if (lines == 0) return refused(words(QT_TRANSLATE_NOOP("Words", "\"%1\" is empty."), file));
            return refused(words(kLines, lines, file));
        }
        case ProblemCode::ReadingFileNotNumber:
            return refused(words(QT_TRANSLATE_NOOP("Words", "\"%1\" is not a saved reading: its %2 is not a number."),
                                 file, FieldName(words, detail)));
        case ProblemCode::ReadingFileNotFlag:
            return refused(words(
                QT_TRANSLATE_NOOP("Words", "\"%1\" is not a saved reading: its %2 flag is neither True nor False."),
                file, FieldName(words, detail)));
        case ProblemCode::ReadingFileControlCharacter:
            return refused(
                words(QT_TRANSLATE_NOOP("Words", "\"%1\" is not a saved reading: its %2 holds a control character."),
                      file, FieldName(words, detail)));
        case ProblemCode::NotARegularFile:
            return refused(words(QT_TRANSLATE_NOOP("Words", "\"%1\" is not a regular file."), file));
        case ProblemCode::FileUnreadable:
            return words(QT_TRANSLATE_NOOP("Words", "Could not read the file \"%1\".\n%2"), file, detail);
        case ProblemCode::FieldNotStorable:
            return words(QT_TRANSLATE_NOOP(
                             "Words", "The %1 holds a character that a reading file cannot store. Nothing was saved."),
                         FieldName(words, detail));
        case ProblemCode::FileNotReplaceable:
            return words(QT_TRANSLATE_NOOP("Words", "It is not a regular file but a folder, a named pipe, a device or a "
                                                    "link to none or to one of those; it was left as it was."));
        // The system's own words for why it cannot be written.
        case ProblemCode::FileUnwritable: return words.Verbatim(detail);
        default: break;
    }
    const typename Words::Text message = problems::FormMessage(words, problem.code);
    if (problem.step == 0 || file.empty()) return message;
    return words(QT_TRANSLATE_NOOP("Words", "%1\nFrom the reading file \"%2\"."), message, file);
}

}  // namespace varelio::words
