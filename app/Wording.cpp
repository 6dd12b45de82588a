#include "app/Wording.h"

#include "form/TimeZones.h"

#include <QCoreApplication>

#include <string_view>

namespace varelio::app {

namespace {

// The translators' context of these words.
class Wording {
    Q_DECLARE_TR_FUNCTIONS(Wording)
};

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The reading file names the field it cannot store by its key.
QString FieldName(const std::string& key)
{
    if (key == "name")
        return Wording::tr("name");
    if (key == "city")
        return Wording::tr("city");
    if (key == "state")
        return Wording::tr("state");
    if (key == "country")
        return Wording::tr("country");
    return QString::fromStdString(key);
}

QString ClockWithDay(int minuteOfDay, int day)
{
    const QString clock = QString::fromStdString(ClockText(minuteOfDay));
    if (day < 0)
        return Wording::tr("%1 the day before").arg(clock);
    if (day > 0)
        return Wording::tr("%1 the next day").arg(clock);
    return clock;
}

// "give or take 2 hours": how far the sky's end of a window set by Mars may lie.
QString GiveOrTake(int uncertaintyMinutes)
{
    const WindowSpread spread = SpreadOf(uncertaintyMinutes);
    const QString count = QString::number(spread.count);
    switch (spread.unit) {
    case WindowSpread::Unit::Minutes:
        return spread.count == 1 ? Wording::tr("give or take 1 minute") : Wording::tr("give or take %1 minutes").arg(count);
    case WindowSpread::Unit::Hours:
        return spread.count == 1 ? Wording::tr("give or take an hour") : Wording::tr("give or take %1 hours").arg(count);
    case WindowSpread::Unit::Days:
        return spread.count == 1 ? Wording::tr("give or take a day") : Wording::tr("give or take %1 days").arg(count);
    }
    return {};
}

}  // namespace

QString ProblemText(const Problem& problem, const QString& file)
{
    switch (problem.code) {
    case ProblemCode::NameMissing: return Wording::tr("Please Enter Your Name");
    case ProblemCode::LatitudeDegreesMissing: return Wording::tr("Please Enter Degree of Latitude");
    case ProblemCode::LatitudeMinutesMissing: return Wording::tr("Please Enter Minutes of Latitude");
    case ProblemCode::LongitudeDegreesMissing: return Wording::tr("Please Enter Degree of Longitude");
    case ProblemCode::LongitudeMinutesMissing: return Wording::tr("Please Enter Minute of Longitude");
    case ProblemCode::CityMissing: return Wording::tr("Please Enter Your City name");
    case ProblemCode::StateMissing: return Wording::tr("Please Enter Your State name");
    case ProblemCode::CountryMissing: return Wording::tr("Please Enter Your Country name");
    case ProblemCode::LatitudeDirectionMissing: return Wording::tr("Please Select Direction For The Latitude");
    case ProblemCode::LongitudeDirectionMissing: return Wording::tr("Please Select Direction For The Longitude");
    case ProblemCode::ImpossibleDate: return Wording::tr("Please Enter Correct Date Or Month!");
    case ProblemCode::ImpossibleDateInThirtyDayMonth: return Wording::tr("Please Enter Correct Date Or Month !");
    case ProblemCode::ConverterMissing: return Wording::tr("Required File Is Missing. Please Reinstall The Software.");
    case ProblemCode::NotAReadingFile:
    case ProblemCode::NotARegularFile: return Wording::tr("Please Check The File.");
    case ProblemCode::FileUnreadable:
        return Wording::tr("Could not read the file \"%1\".\n%2").arg(file, QString::fromStdString(problem.detail));
    case ProblemCode::FieldNotStorable:
        return Wording::tr("The %1 holds a character that a reading file cannot store. Nothing was saved.")
            .arg(FieldName(problem.detail));
    }
    return {};
}

void ShowProblem(Dialogs& dialogs, QWidget* parent, const Problem& problem, const QString& file)
{
    dialogs.message(parent, ProblemText(problem, file), IconFor(problem.severity));
}

QString ReferenceName(ManglikReference reference)
{
    switch (reference) {
    case ManglikReference::Lagna: return Wording::tr("Lagna");
    case ManglikReference::Moon: return Wording::tr("Moon");
    case ManglikReference::Venus: return Wording::tr("Venus");
    }
    return {};
}

std::array<QString, 3> VerdictCaptions(const ManglikVerdict& verdict)
{
    const QString reference = ReferenceName(verdict.reference);
    if (!verdict.known()) {
        return {Wording::tr("Position of Mars from %1 is unknown").arg(reference),
                Wording::tr("Percentage of Mangala dosha is unknown"),
                Wording::tr("The person's Manglik status could not be determined")};
    }
    return {Wording::tr("Position of Mars from %1 is %2").arg(reference, QString::number(verdict.house)),
            Wording::tr("Percentage of Mangala dosha is %1")
                .arg(QString::fromStdString(DoshaPercentText(verdict.doshaPercent))),
            verdict.manglik ? Wording::tr("The person is Manglik") : Wording::tr("The person is Non Manglik")};
}

QString WindowLine(ManglikReference reference, const ReferenceWindow& window)
{
    const WindowEnd& start = window.from;
    const WindowEnd& end = window.to;
    const QString startClock = ClockWithDay(start.minute, start.day);
    const QString endClock = ClockWithDay(end.minute, end.day);
    QString from;
    switch (start.setBy) {
    case WindowEndCause::Limit: from = Wording::tr("from before %1").arg(startClock); break;
    case WindowEndCause::Mars:
        from = Wording::tr("from about %1, %2,").arg(startClock, GiveOrTake(start.uncertaintyMinutes));
        break;
    default: from = Wording::tr("from %1").arg(startClock);
    }
    QString to;
    switch (end.setBy) {
    case WindowEndCause::Limit: to = Wording::tr("until after %1").arg(endClock); break;
    case WindowEndCause::Mars: to = Wording::tr("to about %1, %2").arg(endClock, GiveOrTake(end.uncertaintyMinutes)); break;
    default: to = Wording::tr("to %1").arg(endClock);
    }
    const QString holds = Wording::tr("Holds for births %1 %2", "from when, to when").arg(from, to);
    return Wording::tr("%1: %2", "reference: birth-time window").arg(ReferenceName(reference), holds);
}

QString TimeWarningLine(ManglikReference reference, const TimeWarning& warning)
{
    const QString verdict = warning.manglik ? Wording::tr("Manglik") : Wording::tr("Non Manglik");
    const QString minutes = QString::number(warning.minutes);
    const QString name = ReferenceName(reference);
    if (warning.minutes == 1) {
        return warning.later
                   ? Wording::tr("A birth 1 minute later gives %1 from %2: check the recorded time.").arg(verdict, name)
                   : Wording::tr("A birth 1 minute earlier gives %1 from %2: check the recorded time.").arg(verdict, name);
    }
    return warning.later
               ? Wording::tr("A birth %1 minutes later gives %2 from %3: check the recorded time.")
                     .arg(minutes, verdict, name)
               : Wording::tr("A birth %1 minutes earlier gives %2 from %3: check the recorded time.")
                     .arg(minutes, verdict, name);
}

QString ZoneNoteText(const ZoneNote& note)
{
    const QString zone = QString::fromStdString(note.zoneId);
    switch (note.kind) {
    case ZoneNote::Kind::None: return {};
    case ZoneNote::Kind::DateNotInCalendar:
        return Wording::tr("No time zone chosen for %1: the date is not a day of the calendar").arg(zone);
    case ZoneNote::Kind::ZoneUnknown:
        return Wording::tr("The time zone %1 is not in this system's time-zone data: choose the row").arg(zone);
    case ZoneNote::Kind::Chosen: break;
    }
    const ZoneRowChoice& choice = note.choice;
    const QString date = Wording::tr("%1 %2 %3", "day, month name, year")
                             .arg(QString::number(note.day), MonthName(note.month), QString::number(note.year));
    QString offset = QString::fromStdString(UtcOffsetText(note.facts.utcOffsetSeconds));
    if (note.facts.summerTime)
        offset = Wording::tr("%1, summer time").arg(offset);
    QString row = FromView(kTimeZoneTable[static_cast<std::size_t>(choice.zoneIndex)].timeZoneNames);
    if (choice.dst)
        row = Wording::tr("%1 with DST").arg(row);
    if (!choice.exact())
        row = Wording::tr("nearest row %1").arg(row);
    QString text = Wording::tr("%1 on %2: %3 → %4").arg(zone, date, offset, row);
    if (!choice.exact()) {
        const int minutes = ChoiceErrorMinutes(choice);
        const int degrees = ChoiceErrorDegrees(choice);
        const QString minutesOff = minutes == 0   ? Wording::tr("under a minute")
                                   : minutes == 1 ? Wording::tr("1 minute")
                                                  : Wording::tr("%1 minutes").arg(minutes);
        const QString degreesOff = degrees == 0 ? Wording::tr("under 1°") : Wording::tr("about %1°").arg(degrees);
        text = Wording::tr("%1, %2 off: the ascendant may be %3 off").arg(text, minutesOff, degreesOff);
    }
    switch (note.facts.clockTime) {
    case ClockTime::Single: break;
    case ClockTime::Skipped:
        text = Wording::tr("%1; the clocks went forward over this time, so it never happened there: check it")
                   .arg(text);
        break;
    case ClockTime::Repeated:
        text = Wording::tr("%1; the clocks went back over this time, so it happened twice: the earlier is taken")
                   .arg(text);
        break;
    }
    return text;
}

QString MonthName(int month)
{
    switch (month) {
    case 1: return Wording::tr("January");
    case 2: return Wording::tr("February");
    case 3: return Wording::tr("March");
    case 4: return Wording::tr("April");
    case 5: return Wording::tr("May");
    case 6: return Wording::tr("June");
    case 7: return Wording::tr("July");
    case 8: return Wording::tr("August");
    case 9: return Wording::tr("September");
    case 10: return Wording::tr("October");
    case 11: return Wording::tr("November");
    case 12: return Wording::tr("December");
    }
    return {};
}

QString BodyLabel(BodyIndex body)
{
    return Wording::tr("%1 / %2", "Sanskrit / English name of a body")
        .arg(FromView(kBodyNamesSanskrit[body]), FromView(kBodyNamesEnglish[body]));
}

}  // namespace varelio::app
