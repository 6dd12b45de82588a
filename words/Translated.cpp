#include "words/Translated.h"

#include <QCoreApplication>
#include <QDate>
#include <QTime>

namespace varelio::words {

namespace {

QLocale LocaleInUse() {
    QLocale locale(QCoreApplication::translate(kContext, kLocaleEntry.text, kLocaleEntry.comment));
    // A year is no thousands: 2000, not 2,000.
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

}  // namespace

Translated::Translated() : locale_(LocaleInUse()) {}

QString Translated::operator()(Source source) const {
    return QCoreApplication::translate(kContext, source.text, source.comment);
}

QString Translated::Translate(Source source, long count) const {
    return QCoreApplication::translate(kContext, source.text, source.comment, static_cast<int>(count));
}

QString Translated::Value(double number) const {
    return locale_.toString(number, 'g', QLocale::FloatingPointShortest);
}

QString Translated::Clock(int minuteOfDay) const {
    const QTime time(minuteOfDay / 60, minuteOfDay % 60);
    // Hour 24 of the form's list is no time of QTime's: written as the English writes it.
    if (!time.isValid()) return QString::fromStdString(English().Clock(minuteOfDay));
    return locale_.toString(time, QStringLiteral("HH:mm"));
}

QString Translated::Date(int year, int month, int day, DateForm form) const {
    const QDate date(year, month, day);
    if (!date.isValid()) return QString::fromStdString(English().Date(year, month, day, form));
    return locale_.toString(date, (*this)(form == DateForm::MonthDayYear ? kMonthDayYear : kDayMonthYear));
}

}  // namespace varelio::words
