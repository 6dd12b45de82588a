// What the system's tz database (through QTimeZone) says of a zone at a local
// clock time: the offset from universal time, whether summer time applied, the
// abbreviation, and whether the clock time was skipped or repeated.
#pragma once

#include "astro/TimeScales.h"
#include "form/ZoneChoice.h"

#include <optional>
#include <string_view>

namespace varelio {

// A birth's local clock time: the calendar moment of the records, with hour 24
// allowed for the midnight that ends the day, as the form's hour list allows.
using LocalClockTime = CivilMoment;

// Nothing when the tz database does not know zoneId or the date does not exist.
std::optional<ZoneFacts> ZoneFactsAt(std::string_view zoneId, const LocalClockTime& clock);

}  // namespace varelio
