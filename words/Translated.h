// The catalogue through Qt's translators, in the language the program speaks
// now: the windows' words. An entry no translator knows stays in its
// English; translations/varelio_en.qm gives English its counted forms. Dates,
// clock times and numbers are written as the translation's own locale writes
// them (kLocaleEntry).
#pragma once

#include "words/English.h"
#include "words/Source.h"

#include <QLocale>
#include <QString>

#include <string>
#include <string_view>

namespace varelio::words {

// The translation's own locale, as QLocale names it ("hi_IN"): the one
// entry that is no words. Its English is English's.
inline constexpr Source kLocaleEntry = QT_TRANSLATE_NOOP3(
    "Words", "en_US",
    "The QLocale name of this translation's language and country, such as hi_IN or ta_IN: dates, clock times and "
    "numbers in the sentences are written as that locale writes them");

// QLocale's patterns of a date in a sentence.
inline constexpr Source kDayMonthYear =
    QT_TRANSLATE_NOOP3("Words", "d MMMM yyyy", "QLocale's pattern of a date in a sentence, as 1 January 2000");
inline constexpr Source kMonthDayYear =
    QT_TRANSLATE_NOOP3("Words", "MMMM d, yyyy", "QLocale's pattern of a date of birth, as January 1, 2000");

class Translated {
public:
    using Text = QString;

    // In the language of the translators installed now.
    Translated();

    QString operator()(Source source) const;

    template <typename... Values>
    QString operator()(Source source, const Values&... values) const {
        return Put((*this)(source), Value(values)...);
    }

    template <typename... Values>
    QString operator()(const Counted& counted, long count, const Values&... values) const {
        const QString text = Translate(counted.other, count);
        if constexpr (sizeof...(Values) == 0) {
            return text;
        } else {
            return Put(text, Value(values)...);
        }
    }

    QString Clock(int minuteOfDay) const;
    QString Date(int year, int month, int day, DateForm form) const;
    QString Number(double value) const { return Value(value); }
    static QString Verbatim(std::string_view text) { return Value(text); }

    const QLocale& locale() const { return locale_; }

private:
    QString Translate(Source source, long count) const;
    QString Value(int number) const { return locale_.toString(number); }
    QString Value(long number) const { return locale_.toString(number); }
    QString Value(double number) const;
    static const QString& Value(const QString& text) { return text; }
    static QString Value(std::string_view text) {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    static QString Value(const std::string& text) { return Value(std::string_view(text)); }
    static QString Value(const char* text) { return QString::fromUtf8(text); }

    static QString Put(const QString& text, const QString& value) { return text.arg(value); }
    template <typename... Texts>
    static QString Put(const QString& text, const Texts&... values) {
        return text.arg(values...);
    }

    QLocale locale_;
};

}  // namespace varelio::words
