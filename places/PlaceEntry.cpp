#include "places/PlaceEntry.h"

#include "form/CityClocks.h"
#include "form/Coordinates.h"
#include "places/AsciiForm.h"
#include "places/ZoneAtBirth.h"

#include <string>

namespace varelio {
namespace {

// The value of a list's entry at the form's position, or nothing when the position is outside it.
std::optional<int> ListValue(FormList list, int index) {
    const ListRange range = RangeOf(list);
    if (!range.holdsPosition(index)) return std::nullopt;
    return range.firstValue + index;
}

std::optional<LocalClockTime> ClockOf(const FormValues& form) {
    const auto year = ListValue(FormList::Year, form.yearIndex);
    const auto month = ListValue(FormList::Month, form.monthIndex);
    const auto day = ListValue(FormList::Day, form.dayIndex);
    const auto hour = ListValue(FormList::Hour, form.hourIndex);
    const auto minute = ListValue(FormList::Minute, form.minuteIndex);
    if (!year || !month || !day || !hour || !minute) return std::nullopt;
    return LocalClockTime{*year, *month, *day, *hour, *minute};
}

}  // namespace

ZoneEntry EnterPlace(const Place& place, FormValues& form) {
    form.city = StorableName(place.city);
    form.state = StorableName(place.state);
    form.country = StorableName(place.country);
    SetLatitude(form, place.latitudeDegrees);
    SetLongitude(form, place.longitudeDegrees);
    return EnterZone(place, form);
}

ZoneEntry EnterZone(const Place& place, FormValues& form) {
    ZoneEntry entry;
    const std::string& zoneId = place.zoneId;
    entry.note.zoneId = zoneId;
    const std::optional<LocalClockTime> clock = ClockOf(form);
    const std::optional<ZoneFacts> facts = clock ? ZoneFactsAt(zoneId, *clock) : std::nullopt;
    if (!facts) {
        entry.note.kind = !clock || ZoneFactsAt(zoneId, LocalClockTime{2000, 1, 1, 12, 0})
                              ? ZoneNote::Kind::DateNotInCalendar
                              : ZoneNote::Kind::ZoneUnknown;
        return entry;
    }
    const PlaceClock kept =
        ChoosePlaceClock(*facts, place.geonameId, place.countryCode, place.longitudeDegrees, *clock);
    entry.found = true;
    entry.facts = *facts;
    entry.choice = kept.source == ClockSource::Zone ? ChooseZoneRow(*facts, place.country)
                                                    : NearestZoneRow(kept.offsetSeconds);
    entry.note.kind = ZoneNote::Kind::Chosen;
    entry.note.year = clock->year;
    entry.note.month = clock->month;
    entry.note.day = clock->day;
    entry.note.facts = *facts;
    entry.note.clock = kept.source;
    entry.note.cityClock = kept.cityClock;
    entry.note.offsetSeconds = kept.offsetSeconds;
    entry.note.choice = entry.choice;
    entry.note.exactOffsetEntered = !entry.choice.exact();
    form.zoneIndex = entry.choice.zoneIndex;
    form.dst = entry.choice.dst;
    form.utcOffset = entry.choice.exact() ? std::string() : UtcOffsetFieldText(kept.offsetSeconds);
    return entry;
}

}  // namespace varelio
