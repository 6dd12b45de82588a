#include "formats/English.h"

#include "astro/Signs.h"
#include "form/CityClocks.h"
#include "form/Form.h"
#include "form/TimeZones.h"

namespace varelio::english {
namespace {

std::string SignName(int sign) { return std::string(kSignNames[static_cast<std::size_t>(sign - 1)].english); }
std::string BodyName(BodyIndex body) { return std::string(kBodyNamesEnglish[body]); }

// How rule 5 names the point it measures from.
std::string_view PointName(ManglikReference reference) {
    switch (reference) {
        case ManglikReference::Lagna: return "the ascendant";
        case ManglikReference::Moon: return "the Moon";
        case ManglikReference::Venus: return "Venus";
    }
    return {};
}

std::string ClockWithDay(int minuteOfDay, int day) {
    std::string text = ClockText(minuteOfDay);
    if (day < 0) return text + " the day before";
    if (day > 0) return text + " the next day";
    return text;
}

std::string Plural(long count, std::string_view unit) {
    return std::to_string(count) + " " + std::string(unit) + (count == 1 ? "" : "s");
}

std::string GiveOrTake(int minutes) {
    const WindowSpread spread = SpreadOf(minutes);
    switch (spread.unit) {
        case WindowSpread::Unit::Minutes: return "give or take " + Plural(spread.count, "minute");
        case WindowSpread::Unit::Hours:
            return spread.count == 1 ? "give or take an hour" : "give or take " + Plural(spread.count, "hour");
        case WindowSpread::Unit::Days:
            return spread.count == 1 ? "give or take a day" : "give or take " + Plural(spread.count, "day");
    }
    return {};
}

}  // namespace

std::string ProblemText(const Problem& problem) {
    switch (problem.code) {
        case ProblemCode::NameMissing: return "Please Enter Your Name";
        case ProblemCode::LatitudeDegreesMissing: return "Please Enter Degree of Latitude";
        case ProblemCode::LatitudeMinutesMissing: return "Please Enter Minutes of Latitude";
        case ProblemCode::LongitudeDegreesMissing: return "Please Enter Degree of Longitude";
        case ProblemCode::LongitudeMinutesMissing: return "Please Enter Minute of Longitude";
        case ProblemCode::CityMissing: return "Please Enter Your City name";
        case ProblemCode::StateMissing: return "Please Enter Your State name";
        case ProblemCode::CountryMissing: return "Please Enter Your Country name";
        case ProblemCode::LatitudeDirectionMissing: return "Please Select Direction For The Latitude";
        case ProblemCode::LongitudeDirectionMissing: return "Please Select Direction For The Longitude";
        case ProblemCode::ImpossibleDate: return "Please Enter Correct Date Or Month!";
        case ProblemCode::ImpossibleDateInThirtyDayMonth: return "Please Enter Correct Date Or Month !";
        case ProblemCode::ConverterMissing: return "Required File Is Missing. Please Reinstall The Software.";
        case ProblemCode::LatitudeDegreesOutOfRange: return "Please Enter Degree of Latitude from 0 to 90";
        case ProblemCode::LatitudeMinutesOutOfRange: return "Please Enter Minutes of Latitude from 0 to 59";
        case ProblemCode::LatitudePastPole: return "Please Enter a Latitude of at most 90 Degree 0 Minute";
        case ProblemCode::LongitudeDegreesOutOfRange: return "Please Enter Degree of Longitude from 0 to 180";
        case ProblemCode::LongitudeMinutesOutOfRange: return "Please Enter Minute of Longitude from 0 to 59";
        case ProblemCode::LongitudePastLimit: return "Please Enter a Longitude of at most 180 Degree 0 Minute";
        case ProblemCode::UtcOffsetInvalid:
            return "Please Enter the Exact UTC Offset as +HH:MM, from -14:00 to +14:00, or leave it empty";
        case ProblemCode::NotAReadingFile: return "not a saved reading (*.vrl)";
        case ProblemCode::NotReadingFileContent: return "its bytes are not those of a saved reading";
        case ProblemCode::NotARegularFile: return "not a regular file";
        case ProblemCode::FileUnreadable: return problem.detail;
        case ProblemCode::FieldNotStorable: return "the " + problem.detail + " holds a character a reading file cannot store";
    }
    return {};
}

std::string_view ReferenceName(ManglikReference reference) {
    switch (reference) {
        case ManglikReference::Lagna: return "Lagna";
        case ManglikReference::Moon: return "Moon";
        case ManglikReference::Venus: return "Venus";
    }
    return {};
}

std::array<std::string, 3> VerdictCaptions(const ManglikVerdict& verdict) {
    const std::string reference(ReferenceName(verdict.reference));
    if (!verdict.known()) {
        return {"Position of Mars from " + reference + " is unknown", "Percentage of Mangala dosha is unknown",
                "The person's Manglik status could not be determined"};
    }
    return {"Position of Mars from " + reference + " is " + std::to_string(verdict.house),
            "Percentage of Mangala dosha is " + DoshaPercentText(verdict.doshaPercent),
            verdict.manglik ? "The person is Manglik" : "The person is Non Manglik"};
}

std::string CancellationReason(const Cancellation& c, ManglikReference reference) {
    switch (c.rule) {
        case CancellationRule::MarsInLeoOrAquarius: return "Mars in " + SignName(c.sign);
        case CancellationRule::MarsInHouseAndSign:
            return "Mars in house " + std::to_string(c.house) + " in " + SignName(c.sign);
        case CancellationRule::MoonInCancerOrLeo: return "Moon sign is " + SignName(c.sign);
        case CancellationRule::LordInKendraOrTrikona:
            return "Lord of the " + std::string(ReferenceName(reference)) + " sign, " + BodyName(c.body) +
                   ", stands in house " + std::to_string(c.house);
        case CancellationRule::BeneficNearReference:
            return BodyName(c.body) + " is close to " + std::string(PointName(reference));
    }
    return {};
}

std::string_view ChartName(DivisionalChart chart) {
    switch (chart) {
        case DivisionalChart::Rasi: return "Rasi (D1)";
        case DivisionalChart::Hora: return "Hora (D2)";
        case DivisionalChart::Drekkana: return "Drekkana (D3)";
        case DivisionalChart::Saptamsa: return "Saptamsa (D7)";
        case DivisionalChart::Navamsa: return "Navamsa (D9)";
        case DivisionalChart::Dasamsa: return "Dasamsa (D10)";
        case DivisionalChart::Dwadasamsa: return "Dwadasamsa (D12)";
    }
    return {};
}

std::string WindowText(const ReferenceWindow& window) {
    const WindowEnd& from = window.from;
    const WindowEnd& to = window.to;
    std::string text = "Holds for births ";
    switch (from.setBy) {
        case WindowEndCause::Limit: text += "from before " + ClockWithDay(from.minute, from.day); break;
        case WindowEndCause::Mars:
            text += "from about " + ClockWithDay(from.minute, from.day) + ", " + GiveOrTake(from.uncertaintyMinutes) + ",";
            break;
        default: text += "from " + ClockWithDay(from.minute, from.day);
    }
    switch (to.setBy) {
        case WindowEndCause::Limit: return text + " until after " + ClockWithDay(to.minute, to.day);
        case WindowEndCause::Mars:
            return text + " to about " + ClockWithDay(to.minute, to.day) + ", " + GiveOrTake(to.uncertaintyMinutes);
        default: return text + " to " + ClockWithDay(to.minute, to.day);
    }
}

std::string TimeWarningText(const TimeWarning& warning, ManglikReference reference) {
    return "A birth " + std::to_string(warning.minutes) + (warning.minutes == 1 ? " minute " : " minutes ") +
           (warning.later ? "later" : "earlier") + " gives " + (warning.manglik ? "Manglik" : "Non Manglik") +
           " from " + std::string(ReferenceName(reference)) + ": check the recorded time.";
}

std::string ZoneNoteText(const ZoneNote& note) {
    switch (note.kind) {
        case ZoneNote::Kind::None: return {};
        case ZoneNote::Kind::DateNotInCalendar:
            return "No time zone chosen for " + note.zoneId + ": the date is not a day of the calendar";
        case ZoneNote::Kind::ZoneUnknown:
            return "The time zone " + note.zoneId + " is not in this system's time-zone data: choose the row";
        case ZoneNote::Kind::Chosen: break;
    }
    const ZoneRowChoice& choice = note.choice;
    const CityClock* city =
        note.cityClock >= 0 ? &kCityClocks[static_cast<std::size_t>(note.cityClock)] : nullptr;
    auto cityKept = [city] {
        return std::string(city->city) + " kept " + std::string(city->clock) + ", " +
               UtcOffsetText(city->offsetSeconds) + ", until " + std::to_string(city->lastYear);
    };
    auto zoneOffset = [&note] {
        return UtcOffsetText(note.facts.utcOffsetSeconds) + (note.facts.summerTime ? ", summer time" : "");
    };
    std::string text = note.zoneId + " on " + std::to_string(note.day) + " " + std::string(MonthName(note.month)) +
                       " " + std::to_string(note.year) + ": ";
    switch (note.clock) {
        case ClockSource::Zone: text += zoneOffset(); break;
        case ClockSource::CityTime: text += cityKept(); break;
        case ClockSource::LocalMeanTime:
            text += "local mean time before standard time, " + UtcOffsetText(note.offsetSeconds);
            break;
    }
    text += " → ";
    const std::string row(kTimeZoneTable[static_cast<std::size_t>(choice.zoneIndex)].timeZoneNames);
    if (choice.exact()) {
        text += row + (choice.dst ? " with DST" : "");
    } else if (note.exactOffsetEntered) {
        text += "exact offset " + UtcOffsetFieldText(note.offsetSeconds) + ", which no row gives";
    } else {
        const int minutes = ChoiceErrorMinutes(choice);
        const int degrees = ChoiceErrorDegrees(choice);
        text += "nearest row " + row + (choice.dst ? " with DST" : "") + ", " +
                (minutes == 0 ? std::string("under a minute") : Plural(minutes, "minute")) +
                " off: the ascendant may be " +
                (degrees == 0 ? std::string("under 1°") : "about " + std::to_string(degrees) + "°") + " off";
    }
    if (note.clock != ClockSource::Zone) {
        text += "; the time-zone data gives " + zoneOffset() + " (" + note.facts.abbreviation + ")";
    } else if (city != nullptr) {
        text += "; " + cityKept() + ": for a time recorded in it, enter " + UtcOffsetFieldText(city->offsetSeconds);
    }
    switch (note.facts.clockTime) {
        case ClockTime::Single: break;
        case ClockTime::Skipped:
            text += "; the clocks went forward over this time, so it never happened there: check it";
            break;
        case ClockTime::Repeated:
            text += "; the clocks went back over this time, so it happened twice: the earlier is taken";
            break;
    }
    return text;
}

}  // namespace varelio::english
