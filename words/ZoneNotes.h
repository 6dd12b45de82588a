// The note beside the time zone (form/ZoneChoice.h's ZoneNote) in words:
// which zone and clock the place kept at the birth, the row taken for it and
// how far off that row is, and what a skipped or repeated clock time means.
#pragma once

#include "form/CityClocks.h"
#include "form/TimeZones.h"
#include "form/ZoneChoice.h"
#include "words/English.h"
#include "words/Names.h"
#include "words/Source.h"

namespace varelio::words {

// "Asia/Kolkata on 1 January 2000: UTC+5:30 → Indian Time, IST, +5.3", with
// the exact offset a row lacks or how far off an inexact row is, the city's
// clock or local mean time taken and the zone's as the other choice, and what
// a skipped or repeated clock time means; empty for no note.
template <typename Words>
typename Words::Text ZoneNoteText(const Words& words, const ZoneNote& note) {
    using Text = typename Words::Text;
    switch (note.kind) {
        case ZoneNote::Kind::None: return {};
        case ZoneNote::Kind::DateNotInCalendar:
            return words(
                QT_TRANSLATE_NOOP("Words", "No time zone chosen for %1: the date is not a day of the calendar"),
                note.zoneId);
        case ZoneNote::Kind::ZoneUnknown:
            return words(
                QT_TRANSLATE_NOOP("Words", "The time zone %1 is not in this system's time-zone data: choose the row"),
                note.zoneId);
        case ZoneNote::Kind::Chosen: break;
    }
    const ZoneRowChoice& choice = note.choice;
    const CityClock* city = note.cityClock >= 0 ? &kCityClocks[static_cast<std::size_t>(note.cityClock)] : nullptr;
    const auto cityKept = [&] {
        return words(QT_TRANSLATE_NOOP3("Words", "%1 kept %2, %3, until %4", "city, its clock, offset, year"),
                     city->city, Named(words, kCityClockNames, note.cityClock), UtcOffsetText(city->offsetSeconds),
                     city->lastYear);
    };
    const auto zoneOffset = [&] {
        const std::string offset = UtcOffsetText(note.facts.utcOffsetSeconds);
        return note.facts.summerTime ? words(QT_TRANSLATE_NOOP("Words", "%1, summer time"), offset)
                                     : words.Verbatim(offset);
    };
    const Text date = words.Date(note.year, note.month, note.day, DateForm::DayMonthYear);
    Text clock;
    switch (note.clock) {
        case ClockSource::Zone: clock = zoneOffset(); break;
        case ClockSource::CityTime: clock = cityKept(); break;
        case ClockSource::LocalMeanTime:
            clock = words(QT_TRANSLATE_NOOP("Words", "local mean time before standard time, %1"),
                          UtcOffsetText(note.offsetSeconds));
            break;
    }
    const std::string_view rowName = kTimeZoneTable[static_cast<std::size_t>(choice.zoneIndex)].timeZoneNames;
    const Text row = choice.dst ? words(QT_TRANSLATE_NOOP("Words", "%1 with DST"), rowName) : words.Verbatim(rowName);
    Text text;
    if (choice.exact()) {
        text = words(QT_TRANSLATE_NOOP("Words", "%1 on %2: %3 → %4"), note.zoneId, date, clock, row);
    } else if (note.exactOffsetEntered) {
        text = words(QT_TRANSLATE_NOOP("Words", "%1 on %2: %3 → exact offset %4, which no row gives"), note.zoneId,
                     date, clock, UtcOffsetFieldText(note.offsetSeconds));
    } else {
        static constexpr Counted kMinutes{QT_TRANSLATE_N_NOOP3("Words", "%n minutes", "how far off a row is"),
                                          "%n minute"};
        const int minutes = ChoiceErrorMinutes(choice);
        const int degrees = ChoiceErrorDegrees(choice);
        const Text minutesOff =
            minutes == 0 ? words(QT_TRANSLATE_NOOP("Words", "under a minute")) : words(kMinutes, minutes);
        const Text degreesOff = degrees == 0 ? words(QT_TRANSLATE_NOOP("Words", "under 1°"))
                                             : words(QT_TRANSLATE_NOOP("Words", "about %1°"), degrees);
        text = words(QT_TRANSLATE_NOOP("Words", "%1 on %2: %3 → nearest row %4, %5 off: the ascendant may be %6 off"),
                     note.zoneId, date, clock, row, minutesOff, degreesOff);
    }
    if (note.clock != ClockSource::Zone) {
        text = words(QT_TRANSLATE_NOOP("Words", "%1; the time-zone data gives %2 (%3)"), text, zoneOffset(),
                     note.facts.abbreviation);
    } else if (city) {
        text = words(QT_TRANSLATE_NOOP("Words", "%1; %2: for a time recorded in it, enter %3"), text, cityKept(),
                     UtcOffsetFieldText(city->offsetSeconds));
    }
    switch (note.facts.clockTime) {
        case ClockTime::Single: break;
        case ClockTime::Skipped:
            text = words(QT_TRANSLATE_NOOP("Words",
                                           "%1; the clocks went forward over this time, so it never happened "
                                           "there: check it"),
                         text);
            break;
        case ClockTime::Repeated:
            text = words(QT_TRANSLATE_NOOP("Words",
                                           "%1; the clocks went back over this time, so it happened twice: the "
                                           "earlier is taken"),
                         text);
            break;
    }
    return text;
}

// The note once a place field, the zone row, the DST box or the exact offset
// was changed by hand: the note, saying that the zone no longer follows the
// date; nothing for no note.
template <typename Words>
typename Words::Text ZoneNoteByHandText(const Words& words, const ZoneNote& note) {
    const typename Words::Text text = ZoneNoteText(words, note);
    if (text.size() == 0) return text;
    return words(QT_TRANSLATE_NOOP("Words", "%1; changed by hand, so the zone no longer follows the date"), text);
}

// The city typed no longer names the place picked (its label, "Mumbai,
// Maharashtra, India"), whose state, country, coordinates and exact offset
// were emptied.
template <typename Words, typename Label>
typename Words::Text PlaceClearedText(const Words& words, const Label& placeLabel) {
    return words(QT_TRANSLATE_NOOP("Words",
                                   "The city no longer names %1, so its state, country, latitude, longitude and "
                                   "exact offset were emptied: pick the new city from the list, or enter them "
                                   "and check the time zone"),
                 placeLabel);
}

}  // namespace varelio::words
