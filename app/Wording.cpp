#include "app/Wording.h"

#include "astro/Signs.h"
#include "form/CityClocks.h"
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
    case ProblemCode::LatitudeDegreesOutOfRange: return Wording::tr("Please Enter Degree of Latitude from 0 to 90");
    case ProblemCode::LatitudeMinutesOutOfRange: return Wording::tr("Please Enter Minutes of Latitude from 0 to 59");
    case ProblemCode::LatitudePastPole: return Wording::tr("Please Enter a Latitude of at most 90 Degree 0 Minute");
    case ProblemCode::LongitudeDegreesOutOfRange: return Wording::tr("Please Enter Degree of Longitude from 0 to 180");
    case ProblemCode::LongitudeMinutesOutOfRange: return Wording::tr("Please Enter Minute of Longitude from 0 to 59");
    case ProblemCode::LongitudePastLimit:
        return Wording::tr("Please Enter a Longitude of at most 180 Degree 0 Minute");
    case ProblemCode::UtcOffsetInvalid:
        return Wording::tr("Please Enter the Exact UTC Offset as +HH:MM, from -14:00 to +14:00, or leave it empty");
    case ProblemCode::NotAReadingFile:
    case ProblemCode::NotReadingFileContent:
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

QString CancellationLine(const Cancellation& cancellation, ManglikReference reference)
{
    const QString sign = cancellation.sign >= 1 && cancellation.sign <= kSignCount
                             ? FromView(kSignNames[static_cast<std::size_t>(cancellation.sign - 1)].english)
                             : QString();
    const QString body = FromView(kBodyNamesEnglish[cancellation.body]);
    QString reason;
    switch (cancellation.rule) {
    case CancellationRule::MarsInLeoOrAquarius: reason = Wording::tr("Mars in %1").arg(sign); break;
    case CancellationRule::MarsInHouseAndSign:
        reason = Wording::tr("Mars in house %1 in %2").arg(QString::number(cancellation.house), sign);
        break;
    case CancellationRule::MoonInCancerOrLeo: reason = Wording::tr("Moon sign is %1").arg(sign); break;
    case CancellationRule::LordInKendraOrTrikona:
        reason = Wording::tr("Lord of the %1 sign, %2, stands in house %3")
                     .arg(ReferenceName(reference), body, QString::number(cancellation.house));
        break;
    case CancellationRule::BeneficNearReference: {
        const QString point = reference == ManglikReference::Lagna  ? Wording::tr("the ascendant")
                              : reference == ManglikReference::Moon ? Wording::tr("the Moon")
                                                                    : Wording::tr("Venus");
        reason = Wording::tr("%1 is close to %2").arg(body, point);
        break;
    }
    }
    return Wording::tr("Dosha cancelled: %1").arg(reason);
}

QString ChartName(DivisionalChart chart)
{
    switch (chart) {
    case DivisionalChart::Rasi: return Wording::tr("Rasi (D1)");
    case DivisionalChart::Hora: return Wording::tr("Hora (D2)");
    case DivisionalChart::Drekkana: return Wording::tr("Drekkana (D3)");
    case DivisionalChart::Saptamsa: return Wording::tr("Saptamsa (D7)");
    case DivisionalChart::Navamsa: return Wording::tr("Navamsa (D9)");
    case DivisionalChart::Dasamsa: return Wording::tr("Dasamsa (D10)");
    case DivisionalChart::Dwadasamsa: return Wording::tr("Dwadasamsa (D12)");
    }
    return {};
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
    const CityClock* city = note.cityClock >= 0 ? &kCityClocks[static_cast<std::size_t>(note.cityClock)] : nullptr;
    auto offsetText = [](int seconds) { return QString::fromStdString(UtcOffsetText(seconds)); };
    auto cityKept = [&] {
        return Wording::tr("%1 kept %2, %3, until %4", "city, its clock, offset, year")
            .arg(FromView(city->city), QCoreApplication::translate("CityClocks", city->clock.data()),
                 offsetText(city->offsetSeconds), QString::number(city->lastYear));
    };
    auto zoneOffset = [&] {
        const QString offset = offsetText(note.facts.utcOffsetSeconds);
        return note.facts.summerTime ? Wording::tr("%1, summer time").arg(offset) : offset;
    };
    const QString date = Wording::tr("%1 %2 %3", "day, month name, year")
                             .arg(QString::number(note.day), MonthName(note.month), QString::number(note.year));
    QString clock;
    switch (note.clock) {
    case ClockSource::Zone: clock = zoneOffset(); break;
    case ClockSource::CityTime: clock = cityKept(); break;
    case ClockSource::LocalMeanTime:
        clock = Wording::tr("local mean time before standard time, %1").arg(offsetText(note.offsetSeconds));
        break;
    }
    QString row = FromView(kTimeZoneTable[static_cast<std::size_t>(choice.zoneIndex)].timeZoneNames);
    if (choice.dst)
        row = Wording::tr("%1 with DST").arg(row);
    QString text;
    if (choice.exact()) {
        text = Wording::tr("%1 on %2: %3 → %4").arg(zone, date, clock, row);
    } else if (note.exactOffsetEntered) {
        text = Wording::tr("%1 on %2: %3 → exact offset %4, which no row gives")
                   .arg(zone, date, clock, QString::fromStdString(UtcOffsetFieldText(note.offsetSeconds)));
    } else {
        text = Wording::tr("%1 on %2: %3 → %4").arg(zone, date, clock, Wording::tr("nearest row %1").arg(row));
        const int minutes = ChoiceErrorMinutes(choice);
        const int degrees = ChoiceErrorDegrees(choice);
        const QString minutesOff = minutes == 0   ? Wording::tr("under a minute")
                                   : minutes == 1 ? Wording::tr("1 minute")
                                                  : Wording::tr("%1 minutes").arg(minutes);
        const QString degreesOff = degrees == 0 ? Wording::tr("under 1°") : Wording::tr("about %1°").arg(degrees);
        text = Wording::tr("%1, %2 off: the ascendant may be %3 off").arg(text, minutesOff, degreesOff);
    }
    if (note.clock != ClockSource::Zone) {
        text = Wording::tr("%1; the time-zone data gives %2 (%3)")
                   .arg(text, zoneOffset(), QString::fromStdString(note.facts.abbreviation));
    } else if (city) {
        text = Wording::tr("%1; %2: for a time recorded in it, enter %3")
                   .arg(text, cityKept(), QString::fromStdString(UtcOffsetFieldText(city->offsetSeconds)));
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

QString ZoneNoteByHandText(const ZoneNote& note)
{
    const QString text = ZoneNoteText(note);
    if (text.isEmpty())
        return text;
    return Wording::tr("%1; changed by hand, so the zone no longer follows the date").arg(text);
}

QString PlaceLeftBehindText(const QString& placeLabel)
{
    return Wording::tr("Latitude, longitude and time zone are still those of %1: change them or pick the new place")
        .arg(placeLabel);
}

QString OffsetUsedText(const BirthData& birth)
{
    if (birth.utcOffsetSeconds)
        return Wording::tr("Offset: %1, exact").arg(QString::fromStdString(UtcOffsetText(*birth.utcOffsetSeconds)));
    const int seconds = -(birth.zoneHours * 3600 + birth.zoneMinutes * 60) + (birth.dst ? 3600 : 0);
    const QString offset = QString::fromStdString(UtcOffsetText(seconds));
    return birth.dst ? Wording::tr("Offset: %1, zone row with DST").arg(offset)
                     : Wording::tr("Offset: %1, zone row").arg(offset);
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
