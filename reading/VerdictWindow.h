// How far the entered birth time may be off before a verdict changes: for the
// Lagna and the Moon, the local birth times around the entered one over which
// the house of Mars counted from that reference stays the same, and whether a
// birth a few minutes off gets the other verdict.
#pragma once

#include "astro/Records.h"

#include <optional>
#include <string>

namespace varelio {

// The search reaches three hours either side of the entered time.
inline constexpr int kWindowSearchMinutes = 180;
// A different verdict this close to the entered time earns a warning.
inline constexpr int kTimeWarningMinutes = 15;

// Times are local clock times, minutes from midnight, on the zone and
// daylight-saving flag as entered; a day offset says when one falls on the
// civil date before (-1) or after (+1) the entered one.
struct ReferenceWindow {
    int house = 0;                     // house of Mars at the entered time; 0 when it cannot be counted
    int fromMinute = 0;                // the earliest whole minute with that house
    int toMinute = 0;                  // the latest one
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

// "HH:MM" of a minute from midnight.
std::string ClockText(int minuteOfDay);

// The nearest birth with another house within kTimeWarningMinutes whose
// verdict also differs (the nearer side first, later on a tie): how many
// minutes away, on which side, and its verdict. Nothing when there is none.
struct TimeWarning {
    int minutes = 0;
    bool later = false;
    bool manglik = false;  // the verdict such a birth gets
};
std::optional<TimeWarning> NearbyVerdictChange(const ReferenceWindow& window);

}  // namespace varelio
