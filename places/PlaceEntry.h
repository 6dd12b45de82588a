// Entering a found place into the input form: its names in forms a reading
// file can store, its latitude and longitude, and the time-zone row and DST box
// for the form's date and time, with a note on what was chosen. The input
// window and the companion both enter places through here.
#pragma once

#include "form/Form.h"
#include "form/ZoneChoice.h"
#include "places/PlaceFinder.h"


namespace varelio {

struct ZoneEntry {
    bool found = false;    // the zone and the form's date were known; only then were the row and box set
    ZoneFacts facts;       // when found: the tz database's account of the zone
    ZoneRowChoice choice;  // when found: the row and box nearest the clock taken
    ZoneNote note;         // always: what was chosen, or why nothing was, for the note beside the zone
};

// Fills city, state and country (StorableName of each), the degree and minute
// texts with their directions, and the zone row, DST box and exact offset
// (EnterZone).
ZoneEntry EnterPlace(const Place& place, FormValues& form);

// Only the zone row, DST box and exact offset for the place's clock at the
// form's date and time, as when the date or time changes after a place was
// chosen. The clock is the one ChoosePlaceClock takes (the zone's, a city's
// own, or local mean time); the row and box are the nearest to it, and when
// no row gives it exactly the exact offset holds it (UtcOffsetFieldText),
// else it is emptied. A form whose date is not a day of the calendar, or a
// zone the tz database does not know, keeps its row, box and exact offset.
ZoneEntry EnterZone(const Place& place, FormValues& form);

}  // namespace varelio
