// The catalogue's entries: every English text a person reads, marked once
// for lupdate (QT_TRANSLATE_NOOP and kin, context "Words"), and the values
// the catalogue's two renderers take them in (words/English.h: the English
// sources as they are, for the companion's JSON and the files; and
// words/Translated.h: through Qt's translators, for the windows). Standard
// C++: the marks are Qt's names, which lupdate reads, defined here as QtCore
// defines them, so that either may come first.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_NOOP3
#define QT_TRANSLATE_NOOP3(scope, x, comment) {x, comment}
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_N_NOOP3
#define QT_TRANSLATE_N_NOOP3(scope, x, comment) {x, comment}
#endif

namespace varelio::words {

// The translators' context of every entry.
inline constexpr char kContext[] = "Words";

// One entry: its English, with %1, %2 ... where values go, and the note that
// tells two entries of the same English apart (a chart's label "Rahu" from
// the body's name), which Qt takes as the disambiguation.
struct Source {
    constexpr Source() = default;
    // From QT_TRANSLATE_NOOP's text, or QT_TRANSLATE_NOOP3's {text, comment}.
    constexpr Source(const char* english, const char* note = nullptr) : text(english), comment(note) {}

    const char* text = nullptr;
    const char* comment = nullptr;
};

// An entry with a count, %n, whose words change with it: the English for
// every count but one is the source (marked with QT_TRANSLATE_N_NOOP), the
// English for one beside it. Other languages' forms are in their .ts files;
// English's are in translations/varelio_en.ts too, which the windows load.
struct Counted {
    Source other;
    const char* one = nullptr;
};

// The form of a date in a sentence.
enum class DateForm {
    DayMonthYear,  // "1 January 2000"
    MonthDayYear,  // "January 1, 2000"
};

}  // namespace varelio::words
