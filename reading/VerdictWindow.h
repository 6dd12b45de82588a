// How far the entered birth time may be off before a verdict changes: for the
// Lagna and the Moon, the local birth times around the entered one over which
// the house of Mars counted from that reference stays the same, and the texts
// the reading window shows about it.
#pragma once

#include "astro/Records.h"
#include "manglik/Manglik.h"

#include <optional>
#include <string>

namespace varelio {

// The search reaches three hours either side of the entered time.
inline constexpr int kWindowSearchMinutes = 180;
// A different verdict this close to the entered time earns a warning.
inline constexpr int kTimeWarningMinutes = 15;

// Times are local clock times ("HH:MM") on the zone and daylight-saving flag
// as entered; a day offset says when one falls on the civil date before (-1)
// or after (+1) the entered one.
struct ReferenceWindow {
    int house = 0;                     // house of Mars at the entered time; 0 when it cannot be counted
    std::string from;                  // the earliest whole minute with that house
    std::string to;                    // the latest one
    int fromDay = 0;
    int toDay = 0;
    bool fromCapped = false;           // no change within the search: from is its end, not a change
    bool toCapped = false;
    std::optional<int> minutesBefore;  // back to the nearest earlier birth with another house; none when capped
    std::optional<int> minutesAfter;   // on to the nearest later one
    int houseBefore = 0;               // that earlier birth's house; 0 when capped or not countable
    int houseAfter = 0;
};

struct VerdictWindow {
    ReferenceWindow lagna;
    ReferenceWindow moon;
    // Whole arc-minutes (cut) from Mars to the nearer boundary of its sign:
    // Mars 0° 20' into a sign gives 20, 29° 50' 30" gives 9.
    int marsToBoundary = 0;
};

// Signs are those the position texts name. A change of the ascendant's sign is
// looked for every 15 minutes, one of the Moon's or Mars's at the search's
// end, and then found to the minute by bisection; so a sign left and
// re-entered between two looks (only the ascendant near the poles moves so)
// goes unseen.
VerdictWindow ComputeVerdictWindow(const BirthData& birth);

// "Holds for births from 16:52 to 18:41", or with no change within the search
// either side "Holds for any birth time from 14:30 to 20:30"; a time on another
// date is followed by " the day before" or " the next day".
std::string WindowText(const ReferenceWindow& window);

// "A birth 6 minutes later gives Manglik from Lagna: check the recorded time."
// when the nearest birth with another house, within kTimeWarningMinutes,
// also has the other verdict (the nearer side first, later on a tie); empty
// otherwise. Only Lagna and Moon have windows.
std::string TimeWarning(const ReferenceWindow& window, ManglikReference reference);

}  // namespace varelio
