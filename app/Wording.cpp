#include "app/Wording.h"

#include "astro/Nakshatras.h"
#include "astro/Signs.h"
#include "astro/TimeScales.h"
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

// The reading file names a value by its key: the field it cannot store, the
// line that does not read as its kind.
QString FieldName(const std::string& key)
{
    static const std::pair<const char*, const char*> kNames[] = {
        {"name", QT_TRANSLATE_NOOP("Wording", "name")},
        {"month", QT_TRANSLATE_NOOP("Wording", "month")},
        {"day", QT_TRANSLATE_NOOP("Wording", "day")},
        {"year", QT_TRANSLATE_NOOP("Wording", "year")},
        {"hour", QT_TRANSLATE_NOOP("Wording", "hour")},
        {"minute", QT_TRANSLATE_NOOP("Wording", "minute")},
        {"time zone", QT_TRANSLATE_NOOP("Wording", "time zone")},
        {"longitude degrees", QT_TRANSLATE_NOOP("Wording", "longitude degrees")},
        {"longitude minutes", QT_TRANSLATE_NOOP("Wording", "longitude minutes")},
        {"latitude degrees", QT_TRANSLATE_NOOP("Wording", "latitude degrees")},
        {"latitude minutes", QT_TRANSLATE_NOOP("Wording", "latitude minutes")},
        {"east", QT_TRANSLATE_NOOP("Wording", "east")},
        {"south", QT_TRANSLATE_NOOP("Wording", "south")},
        {"daylight saving", QT_TRANSLATE_NOOP("Wording", "daylight saving")},
        {"city", QT_TRANSLATE_NOOP("Wording", "city")},
        {"state", QT_TRANSLATE_NOOP("Wording", "state")},
        {"country", QT_TRANSLATE_NOOP("Wording", "country")},
    };
    for (const auto& [known, name] : kNames) {
        if (key == known)
            return Wording::tr(name);
    }
    return QString::fromStdString(key);
}

// A saved reading refused: the window's own words, then the file and why.
QString FileRefusedText(const QString& reason)
{
    return Wording::tr("Please Check The File.") + QLatin1Char('\n') + reason;
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

// The Ashtakoota's names, in the order of matching/KootaTables.h's enums.
const char* const kVarnaNames[] = {QT_TRANSLATE_NOOP("Wording", "Shudra"), QT_TRANSLATE_NOOP("Wording", "Vaishya"),
                                   QT_TRANSLATE_NOOP("Wording", "Kshatriya"), QT_TRANSLATE_NOOP("Wording", "Brahmin")};
const char* const kVashyaNames[] = {QT_TRANSLATE_NOOP("Wording", "Chatushpada"), QT_TRANSLATE_NOOP("Wording", "Manava"),
                                    QT_TRANSLATE_NOOP("Wording", "Jalachara"), QT_TRANSLATE_NOOP("Wording", "Vanachara"),
                                    QT_TRANSLATE_NOOP("Wording", "Keeta")};
const char* const kYoniNames[] = {
    QT_TRANSLATE_NOOP("Wording", "Horse"),  QT_TRANSLATE_NOOP("Wording", "Elephant"), QT_TRANSLATE_NOOP("Wording", "Sheep"),
    QT_TRANSLATE_NOOP("Wording", "Serpent"), QT_TRANSLATE_NOOP("Wording", "Dog"),     QT_TRANSLATE_NOOP("Wording", "Cat"),
    QT_TRANSLATE_NOOP("Wording", "Rat"),    QT_TRANSLATE_NOOP("Wording", "Cow"),      QT_TRANSLATE_NOOP("Wording", "Buffalo"),
    QT_TRANSLATE_NOOP("Wording", "Tiger"),  QT_TRANSLATE_NOOP("Wording", "Deer"),     QT_TRANSLATE_NOOP("Wording", "Monkey"),
    QT_TRANSLATE_NOOP("Wording", "Mongoose"), QT_TRANSLATE_NOOP("Wording", "Lion")};
const char* const kGanaNames[] = {QT_TRANSLATE_NOOP("Wording", "Deva"), QT_TRANSLATE_NOOP("Wording", "Manushya"),
                                  QT_TRANSLATE_NOOP("Wording", "Rakshasa")};
const char* const kNadiNames[] = {QT_TRANSLATE_NOOP("Wording", "Adi"), QT_TRANSLATE_NOOP("Wording", "Madhya"),
                                  QT_TRANSLATE_NOOP("Wording", "Antya")};

template <typename E, std::size_t N>
QString Named(const char* const (&names)[N], E value)
{
    const auto at = static_cast<std::size_t>(value);
    return at < N ? Wording::tr(names[at]) : QString();
}

// A body's English name, as the cancellation and friendship words name it.
QString Lord(BodyIndex body)
{
    return FromView(kBodyNamesEnglish[body]);
}

// Empty for a sign out of 1 to 12.
QString EnglishSign(int sign)
{
    return sign >= 1 && sign <= kSignCount ? FromView(kSignNames[static_cast<std::size_t>(sign - 1)].english)
                                           : QString();
}

// The bride's and the groom's value of one trait: "Both Deva" or "Bride Manushya, groom Deva".
QString Pair(const QString& bride, const QString& groom)
{
    return bride == groom ? Wording::tr("Both %1").arg(bride) : Wording::tr("Bride %1, groom %2").arg(bride, groom);
}

QString Number(double value)
{
    return QString::number(value);
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

namespace {

QString ProblemWords(const Problem& problem, const QString& file)
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
        return FileRefusedText(Wording::tr("\"%1\" is not a saved reading: the name of one ends in .vrl.").arg(file));
    case ProblemCode::NotReadingFileContent:
        return FileRefusedText(
            Wording::tr("\"%1\" is not a saved reading: it holds bytes that no saved reading holds.").arg(file));
    case ProblemCode::ReadingFileCutShort:
        if (problem.detail == "0")
            return FileRefusedText(Wording::tr("\"%1\" is empty.").arg(file));
        return FileRefusedText(
            (problem.detail == "1"
                 ? Wording::tr("\"%1\" holds only 1 line, too few for a saved reading's birth date and time.")
                 : Wording::tr("\"%1\" holds only %2 lines, too few for a saved reading's birth date and time."))
                .arg(file, QString::fromStdString(problem.detail)));
    case ProblemCode::ReadingFileNotNumber:
        return FileRefusedText(Wording::tr("\"%1\" is not a saved reading: its %2 is not a number.")
                                   .arg(file, FieldName(problem.detail)));
    case ProblemCode::ReadingFileNotFlag:
        return FileRefusedText(Wording::tr("\"%1\" is not a saved reading: its %2 flag is neither True nor False.")
                                   .arg(file, FieldName(problem.detail)));
    case ProblemCode::ReadingFileControlCharacter:
        return FileRefusedText(Wording::tr("\"%1\" is not a saved reading: its %2 holds a control character.")
                                   .arg(file, FieldName(problem.detail)));
    case ProblemCode::NotARegularFile:
        return FileRefusedText(Wording::tr("\"%1\" is not a regular file.").arg(file));
    case ProblemCode::FileUnreadable:
        return Wording::tr("Could not read the file \"%1\".\n%2").arg(file, QString::fromStdString(problem.detail));
    case ProblemCode::FieldNotStorable:
        return Wording::tr("The %1 holds a character that a reading file cannot store. Nothing was saved.")
            .arg(FieldName(problem.detail));
    case ProblemCode::FileNotReplaceable:
        return Wording::tr("It is not a regular file but a folder, a named pipe, a device or a link to none or to "
                           "one of those; it was left as it was.");
    case ProblemCode::FileUnwritable: return QString::fromLocal8Bit(problem.detail);
    }
    return {};
}

}  // namespace

QString ProblemText(const Problem& problem, const QString& file)
{
    const QString text = ProblemWords(problem, file);
    // A form check refusing what a file filled in says where it came from.
    if (problem.step == 0 || file.isEmpty())
        return text;
    return Wording::tr("%1\nFrom the reading file \"%2\".").arg(text, file);
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

QString CancellationReason(const Cancellation& c, ManglikReference reference)
{
    switch (c.rule) {
    case CancellationRule::MarsInLeoOrAquarius: return Wording::tr("Mars in %1").arg(EnglishSign(c.sign));
    case CancellationRule::MarsInHouseAndSign:
        return Wording::tr("Mars in house %1 in %2").arg(QString::number(c.house), EnglishSign(c.sign));
    case CancellationRule::MoonInCancerOrLeo: return Wording::tr("Moon sign is %1").arg(EnglishSign(c.sign));
    case CancellationRule::LordInKendraOrTrikona:
        return Wording::tr("Lord of the %1 sign, %2, stands in house %3")
            .arg(ReferenceName(reference), Lord(c.body), QString::number(c.house));
    case CancellationRule::BeneficNearReference:
        switch (reference) {
        case ManglikReference::Lagna: return Wording::tr("%1 is close to the ascendant").arg(Lord(c.body));
        case ManglikReference::Moon: return Wording::tr("%1 is close to the Moon").arg(Lord(c.body));
        case ManglikReference::Venus: return Wording::tr("%1 is close to Venus").arg(Lord(c.body));
        }
    }
    return {};
}

QString CancellationLine(const Cancellation& cancellation, ManglikReference reference)
{
    return Wording::tr("Dosha cancelled: %1").arg(CancellationReason(cancellation, reference));
}

QString ChartName(DivisionalChart chart)
{
    switch (chart) {
    case DivisionalChart::Rasi: return Wording::tr("Rasi (D1)");
    case DivisionalChart::Hora: return Wording::tr("Hora (D2)");
    case DivisionalChart::Drekkana: return Wording::tr("Drekkana (D3)");
    // The View menu's own caption, "&Sapthamsa".
    case DivisionalChart::Saptamsa: return Wording::tr("Sapthamsa (D7)");
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
    // An end that Mars near a sign's edge makes approximate.
    const auto about = [](const WindowEnd& side, const QString& clock) {
        return side.approximate ? Wording::tr("about %1", "an approximate clock time").arg(clock) : clock;
    };
    QString from;
    switch (start.setBy) {
    case WindowEndCause::Limit:
        from = start.approximate ? Wording::tr("perhaps from before %1").arg(startClock)
                                 : Wording::tr("from before %1").arg(startClock);
        break;
    case WindowEndCause::Mars:
        from = Wording::tr("from about %1, %2,").arg(startClock, GiveOrTake(start.uncertaintyMinutes));
        break;
    case WindowEndCause::Ascendant: from = Wording::tr("from %1 (set by the ascendant)").arg(about(start, startClock)); break;
    case WindowEndCause::Moon: from = Wording::tr("from %1 (set by the Moon)").arg(about(start, startClock)); break;
    }
    QString to;
    switch (end.setBy) {
    case WindowEndCause::Limit:
        to = end.approximate ? Wording::tr("perhaps until after %1").arg(endClock)
                             : Wording::tr("until after %1").arg(endClock);
        break;
    case WindowEndCause::Mars: to = Wording::tr("to about %1, %2").arg(endClock, GiveOrTake(end.uncertaintyMinutes)); break;
    case WindowEndCause::Ascendant: to = Wording::tr("to %1 (set by the ascendant)").arg(about(end, endClock)); break;
    case WindowEndCause::Moon: to = Wording::tr("to %1 (set by the Moon)").arg(about(end, endClock)); break;
    }
    const QString holds = Wording::tr("Holds for births %1 %2", "from when, to when").arg(from, to);
    return Wording::tr("%1: %2", "reference: birth-time window").arg(ReferenceName(reference), holds);
}

QString VerdictMayDifferLine(ManglikReference reference, bool manglikAcross)
{
    const QString verdict = manglikAcross ? Wording::tr("Manglik") : Wording::tr("Non Manglik");
    return Wording::tr("Mars is within Varelio's error of %1' of the edge of its sign: a birth at this time may be %2 "
                       "from %3.")
        .arg(QString::number(kMarsErrorArcMinutes), verdict, ReferenceName(reference));
}

QString MarsNearEdgeLine(const NearEdgeMinute& near, bool later)
{
    const QString error = QString::number(kMarsErrorArcMinutes);
    if (near.minutesAway == 0) {
        return Wording::tr("Mars is within Varelio's error of %1' of the edge of its sign: the sky's Mars may change "
                           "sign at any of these times.")
            .arg(error);
    }
    const QString clock = ClockWithDay(near.minute, near.day);
    return later ? Wording::tr("Mars comes within Varelio's error of %1' of the edge of its sign at %2: the sky's Mars "
                               "may change sign from then.")
                       .arg(error, clock)
                 : Wording::tr("Mars is within Varelio's error of %1' of the edge of its sign until %2: the sky's Mars "
                               "may have changed sign before then.")
                       .arg(error, clock);
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

QString PlaceClearedText(const QString& placeLabel)
{
    return Wording::tr("The city no longer names %1, so its state, country, latitude, longitude and exact offset "
                       "were emptied: pick the new city from the list, or enter them and check the time zone")
        .arg(placeLabel);
}

QString OffsetUsedText(const BirthData& birth)
{
    if (birth.utcOffsetSeconds)
        return Wording::tr("Offset: %1, exact").arg(QString::fromStdString(UtcOffsetText(*birth.utcOffsetSeconds)));
    const QString offset = QString::fromStdString(UtcOffsetText(OffsetUsedSeconds(birth)));
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
    // The nodes and the ascendant have no English names of their own.
    switch (body) {
    case kRahu: return Wording::tr("Rahu / North Node");
    case kKetu: return Wording::tr("Ketu / South Node");
    case kAscendant: return Wording::tr("Lagna / Asc");
    default: break;
    }
    return Wording::tr("%1 / %2", "Sanskrit / English name of a body")
        .arg(FromView(kBodyNamesSanskrit[body]), FromView(kBodyNamesEnglish[body]));
}

QString SideName(MatchSide side)
{
    return side == MatchSide::Bride ? Wording::tr("Bride") : Wording::tr("Groom");
}

QString BirthLine(const BirthData& b)
{
    const QString clock = QStringLiteral("%1:%2").arg(b.hour % 100, 2, 10, QLatin1Char('0')).arg(b.minute % 100, 2, 10, QLatin1Char('0'));
    return Wording::tr("%1 %2 %3, %4, %5, %6, %7", "day, month name, year, clock, city, state, country")
        .arg(QString::number(b.day), MonthName(b.month), QString::number(b.year), clock, QString::fromStdString(b.city),
             QString::fromStdString(b.state), QString::fromStdString(b.country));
}

QString MoonLine(const BodyPosition& moon)
{
    if (moon.sign < 1 || moon.sign > kSignCount || moon.nakshatra < 1 || moon.nakshatra > kNakshatraCount)
        return Wording::tr("Moon position unknown");
    const SignName& sign = kSignNames[static_cast<std::size_t>(moon.sign - 1)];
    return Wording::tr("Moon in %1 (%2), %3 pada %4")
        .arg(FromView(sign.sanskrit), FromView(sign.english),
             FromView(kNakshatras[static_cast<std::size_t>(moon.nakshatra - 1)].name), QString::number(moon.pada));
}

QString VerdictLine(const ManglikVerdict& verdict)
{
    const QString reference = ReferenceName(verdict.reference);
    if (!verdict.known())
        return Wording::tr("%1: unknown").arg(reference);
    const QString house = QString::number(verdict.house);
    QString line = verdict.manglik
                       ? Wording::tr("%1: Mars in house %2, Manglik (%3)")
                             .arg(reference, house, QString::fromStdString(DoshaPercentText(verdict.doshaPercent)))
                       : Wording::tr("%1: Mars in house %2, Non Manglik").arg(reference, house);
    if (verdict.cancellation)
        line = Wording::tr("%1, cancelled: %2").arg(line, CancellationReason(*verdict.cancellation, verdict.reference));
    return line;
}

QString ComparisonLine(const ReferenceComparison& c)
{
    const QString reference = ReferenceName(c.reference);
    const bool counted = IsCounted(c.reference);
    const bool bride = c.side.value_or(MatchSide::Bride) == MatchSide::Bride;
    QString line;
    switch (c.balance) {
    case ManglikBalance::Unknown: return Wording::tr("From %1: cannot be compared, a verdict is unknown").arg(reference);
    case ManglikBalance::Neither:
        line = counted ? Wording::tr("From %1: neither has the dosha").arg(reference)
                       : Wording::tr("From %1 (not counted): neither has the dosha").arg(reference);
        break;
    case ManglikBalance::Both:
        line = counted ? Wording::tr("From %1: both have the dosha, so the doshas balance").arg(reference)
                       : Wording::tr("From %1 (not counted): both have the dosha").arg(reference);
        break;
    case ManglikBalance::One:
        if (c.balancedFrom) {
            const QString other = ReferenceName(*c.balancedFrom);
            line = bride ? Wording::tr("From %1: only the bride has the dosha; the groom's from %2 balances it")
                               .arg(reference, other)
                         : Wording::tr("From %1: only the groom has the dosha; the bride's from %2 balances it")
                               .arg(reference, other);
        } else if (counted) {
            line = bride ? Wording::tr("From %1: only the bride has the dosha, and it stands").arg(reference)
                         : Wording::tr("From %1: only the groom has the dosha, and it stands").arg(reference);
        } else {
            line = bride ? Wording::tr("From %1 (not counted): only the bride has the dosha").arg(reference)
                         : Wording::tr("From %1 (not counted): only the groom has the dosha").arg(reference);
        }
        break;
    }
    if (const auto& cancellation = c.cancelledOf(MatchSide::Bride))
        line = Wording::tr("%1; the bride's dosha is cancelled: %2").arg(line, CancellationReason(*cancellation, c.reference));
    if (const auto& cancellation = c.cancelledOf(MatchSide::Groom))
        line = Wording::tr("%1; the groom's dosha is cancelled: %2").arg(line, CancellationReason(*cancellation, c.reference));
    return line;
}

QString StandingLine(MatchSide side, const PersonManglik& person)
{
    const bool bride = side == MatchSide::Bride;
    switch (person.standing) {
    case ManglikStanding::Unknown:
        return bride ? Wording::tr("The bride's Manglik status could not be determined")
                     : Wording::tr("The groom's Manglik status could not be determined");
    case ManglikStanding::NotManglik:
        return bride ? Wording::tr("The bride is not Manglik") : Wording::tr("The groom is not Manglik");
    case ManglikStanding::Cancelled: {
        const ManglikReference reference = person.cancelledReference.value_or(ManglikReference::Lagna);
        const QString name = ReferenceName(reference);
        const QString reason = person.cancellation ? CancellationReason(*person.cancellation, reference) : QString();
        return bride ? Wording::tr("The bride's dosha is cancelled (from %1: %2)").arg(name, reason)
                     : Wording::tr("The groom's dosha is cancelled (from %1: %2)").arg(name, reason);
    }
    case ManglikStanding::Manglik: {
        const QString lagna = ReferenceName(ManglikReference::Lagna);
        const QString moon = ReferenceName(ManglikReference::Moon);
        if (person.fromLagna && person.fromMoon)
            return bride ? Wording::tr("The bride is Manglik from %1 and %2").arg(lagna, moon)
                         : Wording::tr("The groom is Manglik from %1 and %2").arg(lagna, moon);
        const QString from = person.fromLagna ? lagna : moon;
        return bride ? Wording::tr("The bride is Manglik from %1").arg(from)
                     : Wording::tr("The groom is Manglik from %1").arg(from);
    }
    }
    return {};
}

QString OverallLine(const ManglikComparison& c)
{
    switch (c.overall) {
    case ManglikBalance::Unknown: return Wording::tr("The Manglik comparison cannot be made: a verdict is unknown.");
    case ManglikBalance::Neither: return Wording::tr("Neither is Manglik: there is no dosha to balance.");
    case ManglikBalance::Both: return Wording::tr("Both are Manglik: the doshas balance.");
    case ManglikBalance::One:
        return c.overallSide.value_or(MatchSide::Bride) == MatchSide::Bride
                   ? Wording::tr("Only the bride is Manglik: the dosha stands, unbalanced.")
                   : Wording::tr("Only the groom is Manglik: the dosha stands, unbalanced.");
    }
    return {};
}

QString ManglikCountedLine()
{
    return Wording::tr("A person is Manglik with the dosha from %1 or %2 that no cancellation lifts; %3 is shown, "
                       "not counted.")
        .arg(ReferenceName(ManglikReference::Lagna), ReferenceName(ManglikReference::Moon),
             ReferenceName(ManglikReference::Venus));
}

QString ConclusionLine(const MatchConclusion& c)
{
    QString score;
    if (!c.ashtakootaKnown) {
        score = Wording::tr("the Ashtakoota cannot be made");
    } else {
        score = Wording::tr("%1 (%2)", "points of 36 (band)").arg(PointsText(c.total, kAshtakootaMaximum), BandName(c.band));
        if (c.bandOverridden) {
            const bool nadi = c.stands(Dosha::Nadi);
            const bool bhakoot = c.stands(Dosha::Bhakoot);
            score = nadi && bhakoot
                        ? Wording::tr("%1, but not recommended: unlifted Nadi and Bhakoot doshas override the band").arg(score)
                    : nadi ? Wording::tr("%1, but not recommended: an unlifted Nadi dosha overrides the band").arg(score)
                           : Wording::tr("%1, but not recommended: an unlifted Bhakoot dosha overrides the band").arg(score);
        } else if (c.recommended.value_or(false)) {
            score = Wording::tr("%1, recommended").arg(score);
        }
    }
    const bool bride = c.manglikSide.value_or(MatchSide::Bride) == MatchSide::Bride;
    QString manglik;
    switch (c.manglik) {
    case ManglikBalance::Unknown: manglik = Wording::tr("the Manglik comparison cannot be made"); break;
    case ManglikBalance::Neither: manglik = Wording::tr("neither is Manglik"); break;
    case ManglikBalance::Both: manglik = Wording::tr("both are Manglik, so the Manglik doshas balance"); break;
    case ManglikBalance::One:
        manglik = bride ? Wording::tr("only the bride is Manglik, so her Manglik dosha stands")
                        : Wording::tr("only the groom is Manglik, so his Manglik dosha stands");
        break;
    }
    QStringList standing;
    if (c.manglikStands())
        standing << (bride ? Wording::tr("the bride's Manglik dosha") : Wording::tr("the groom's Manglik dosha"));
    for (int i = 0; i < c.standingCount; ++i)
        standing << DoshaName(c.standing[static_cast<std::size_t>(i)]);
    const QString list = standing.isEmpty()      ? Wording::tr("no dosha stands")
                         : standing.size() == 1 ? Wording::tr("dosha standing: %1").arg(standing.first())
                                                : Wording::tr("doshas standing: %1").arg(standing.join(QStringLiteral(", ")));
    return Wording::tr("Conclusion: %1; %2; %3.").arg(score, manglik, list);
}

QString KootaName(Koota koota)
{
    static const char* const kNames[] = {
        QT_TRANSLATE_NOOP("Wording", "Varna"), QT_TRANSLATE_NOOP("Wording", "Vashya"),
        QT_TRANSLATE_NOOP("Wording", "Tara"),  QT_TRANSLATE_NOOP("Wording", "Yoni"),
        QT_TRANSLATE_NOOP("Wording", "Graha Maitri"), QT_TRANSLATE_NOOP("Wording", "Gana"),
        QT_TRANSLATE_NOOP("Wording", "Bhakoot"), QT_TRANSLATE_NOOP("Wording", "Nadi")};
    return Named(kNames, koota);
}

QString KootaReasonText(const Ashtakoota& m, Koota koota)
{
    const MoonTraits& b = m.bride;
    const MoonTraits& g = m.groom;
    const KootaReason reason = m.of(koota).reason;
    switch (reason) {
    case KootaReason::GroomVarnaNotLower:
        return Wording::tr("%1: the groom's varna is not lower").arg(Pair(Named(kVarnaNames, b.varna), Named(kVarnaNames, g.varna)));
    case KootaReason::GroomVarnaLower:
        return Wording::tr("%1: the groom's varna is lower").arg(Pair(Named(kVarnaNames, b.varna), Named(kVarnaNames, g.varna)));
    case KootaReason::SameVashya:
    case KootaReason::DifferentVashya: return Pair(Named(kVashyaNames, b.vashya), Named(kVashyaNames, g.vashya));
    case KootaReason::TaraBothFavourable:
    case KootaReason::TaraOneFavourable:
    case KootaReason::TaraNoneFavourable: {
        const QString fromBride = QString::number(m.taraFromBride);
        const QString fromGroom = QString::number(m.taraFromGroom);
        if (reason == KootaReason::TaraBothFavourable)
            return Wording::tr("Tara %1 from the bride's nakshatra, %2 from the groom's: both favourable").arg(fromBride, fromGroom);
        if (reason == KootaReason::TaraOneFavourable)
            return Wording::tr("Tara %1 from the bride's nakshatra, %2 from the groom's: one favourable").arg(fromBride, fromGroom);
        return Wording::tr("Tara %1 from the bride's nakshatra, %2 from the groom's: neither favourable").arg(fromBride, fromGroom);
    }
    case KootaReason::SameYoni:
    case KootaReason::FriendlyYoni:
    case KootaReason::NeutralYoni:
    case KootaReason::UnfriendlyYoni:
    case KootaReason::EnemyYoni: {
        const QString animals = Pair(Named(kYoniNames, b.yoni), Named(kYoniNames, g.yoni));
        switch (reason) {
        case KootaReason::SameYoni: return Wording::tr("%1: the same yoni").arg(animals);
        case KootaReason::FriendlyYoni: return Wording::tr("%1: friendly").arg(animals);
        case KootaReason::NeutralYoni: return Wording::tr("%1: neutral").arg(animals);
        case KootaReason::UnfriendlyYoni: return Wording::tr("%1: unfriendly").arg(animals);
        default: return Wording::tr("%1: sworn enemies").arg(animals);
        }
    }
    case KootaReason::SameSignLord: return Wording::tr("Both Moon signs ruled by %1").arg(Lord(b.signLord));
    case KootaReason::LordsRelated: {
        static const char* const kRegard[] = {QT_TRANSLATE_NOOP("Wording", "friendly"), QT_TRANSLATE_NOOP("Wording", "neutral"),
                                              QT_TRANSLATE_NOOP("Wording", "hostile")};
        static const char* const kMutual[] = {QT_TRANSLATE_NOOP("Wording", "mutual friends"),
                                              QT_TRANSLATE_NOOP("Wording", "both neutral"),
                                              QT_TRANSLATE_NOOP("Wording", "mutual enemies")};
        const Friendship brideRegard = kNaturalFriendship[b.signLord][g.signLord];
        const Friendship groomRegard = kNaturalFriendship[g.signLord][b.signLord];
        const QString brideLord = Lord(b.signLord);
        const QString groomLord = Lord(g.signLord);
        if (brideRegard == groomRegard)
            return Wording::tr("Lords %1 (bride) and %2 (groom): %3").arg(brideLord, groomLord, Named(kMutual, brideRegard));
        return Wording::tr("Lords %1 (bride) and %2 (groom): %1 %3, %2 %4")
            .arg(brideLord, groomLord, Named(kRegard, brideRegard), Named(kRegard, groomRegard));
    }
    case KootaReason::SameGana:
    case KootaReason::DifferentGana: return Pair(Named(kGanaNames, b.gana), Named(kGanaNames, g.gana));
    case KootaReason::SignsFavourable:
    case KootaReason::SignsTwoTwelve:
    case KootaReason::SignsFiveNine:
    case KootaReason::SignsSixEight: {
        if (b.sign == g.sign)
            return Wording::tr("Both Moons in %1").arg(EnglishSign(b.sign));
        static const char* const kApart[] = {"1/1", "2/12", "3/11", "4/10", "5/9", "6/8",
                                             "1/7", "6/8",  "5/9",  "4/10", "3/11", "2/12"};
        return Wording::tr("Moon signs %1 and %2: %3")
            .arg(EnglishSign(b.sign), EnglishSign(g.sign),
                 QLatin1String(kApart[(g.sign - b.sign + kSignCount) % kSignCount]));
    }
    case KootaReason::DifferentNadi:
    case KootaReason::SameNadi: return Pair(Named(kNadiNames, b.nadi), Named(kNadiNames, g.nadi));
    }
    return {};
}

QString PointsText(double points, double maximum)
{
    return Wording::tr("%1 of %2", "points of the maximum").arg(Number(points), Number(maximum));
}

QString BandName(ScoreBand band)
{
    switch (band) {
    case ScoreBand::NotRecommended: return Wording::tr("Not recommended");
    case ScoreBand::Acceptable: return Wording::tr("Acceptable");
    case ScoreBand::Good: return Wording::tr("Good");
    case ScoreBand::Excellent: return Wording::tr("Excellent");
    }
    return {};
}

QString TotalLine(const Ashtakoota& match)
{
    return Wording::tr("Total: %1 (%2)").arg(PointsText(match.total, kAshtakootaMaximum), BandName(match.band));
}

QString DoshaName(Dosha dosha)
{
    switch (dosha) {
    case Dosha::Nadi: return Wording::tr("Nadi dosha");
    case Dosha::Bhakoot: return Wording::tr("Bhakoot dosha");
    case Dosha::Gana: return Wording::tr("Gana dosha");
    }
    return {};
}

QString DoshaExceptionText(DoshaException exception, const Ashtakoota& m)
{
    const QString brideLord = Lord(m.bride.signLord);
    const QString groomLord = Lord(m.groom.signLord);
    switch (exception) {
    case DoshaException::SameSignDifferentNakshatra: return Wording::tr("both Moons in one sign, in two nakshatras");
    case DoshaException::SameNakshatraDifferentSign: return Wording::tr("one nakshatra, in two signs");
    case DoshaException::SameSignLord: return Wording::tr("both Moon signs ruled by %1").arg(brideLord);
    case DoshaException::SignLordsMutualFriends:
        return Wording::tr("the sign lords %1 and %2 are mutual friends").arg(brideLord, groomLord);
    case DoshaException::SignLordsNotEnemies:
        if (m.bride.signLord == m.groom.signLord)
            return Wording::tr("both Moon signs have one lord");
        return Wording::tr("the sign lords %1 and %2 are not enemies").arg(brideLord, groomLord);
    case DoshaException::BrideFourteenthOrMore: return Wording::tr("the bride's nakshatra is 14th or more from the groom's");
    }
    return {};
}

QString DoshaLine(const DoshaFinding& finding, const Ashtakoota& match)
{
    const QString name = DoshaName(finding.dosha);
    if (!finding.lifted())
        return Wording::tr("%1: no exception lifts it").arg(name);
    QStringList exceptions;
    for (const DoshaException e : kDoshaExceptions) {
        if (finding.liftedBy(e))
            exceptions << DoshaExceptionText(e, match);
    }
    return Wording::tr("%1, lifted: %2").arg(name, exceptions.join(QStringLiteral("; ")));
}

}  // namespace varelio::app
