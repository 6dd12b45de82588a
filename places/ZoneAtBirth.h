// What the system's tz database (through QTimeZone) says of a zone at a local
// clock time: the offset from universal time, whether summer time applied, the
// abbreviation, and whether the clock time was skipped or repeated.
#pragma once

#include "form/ZoneChoice.h"

#include <optional>
#include <string_view>

namespace varelio {

struct LocalClockTime {
    int year = 0;
    int month = 0;   // 1 to 12
    int day = 0;     // 1 to 31
    int hour = 0;    // 0 to 24; 24 is the midnight that ends the day, as the form's hour list allows
    int minute = 0;  // 0 to 59
};

// Nothing when the tz database does not know zoneId or the date does not exist.
std::optional<ZoneFacts> ZoneFactsAt(std::string_view zoneId, const LocalClockTime& clock);

}  // namespace varelio
