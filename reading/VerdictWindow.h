// How far the entered birth time may be off before a verdict changes: for the
// Lagna and the Moon, the local birth times around the entered one over which
// the verdict counted from that reference (Manglik or Non Manglik) stays the
// same, what ends them, and whether a birth a few minutes off gets the other
// verdict.
#pragma once

#include "astro/Planets.h"
#include "astro/Records.h"

#include <optional>

namespace varelio {

// The search reaches three hours either side of the entered time.
inline constexpr int kWindowSearchMinutes = 180;
// A different verdict this close to the entered time earns a warning.
inline constexpr int kTimeWarningMinutes = 15;

// What ends a window on one side: a change of the ascendant's, the Moon's or
// Mars's sign, or the end of the search.
enum class WindowEndCause { Ascendant, Moon, Mars, Limit };

// One side of a window. Times are local clock times, minutes from midnight, on
// the zone and daylight-saving flag as entered; the day says when one falls on
// the civil date before (-1) or after (+1) the entered one.
struct WindowEnd {
    int minute = 0;  // the earliest (from) or latest (to) whole minute with the entered verdict; at the limit, the search's end
    int day = 0;
    WindowEndCause setBy = WindowEndCause::Limit;
    std::optional<int> minutesToChange;  // to the nearest birth on this side with the other verdict; none at the limit
    int house = 0;                       // that birth's house of Mars; 0 at the limit or when not countable
    // Set by Mars: how many minutes the sky's change may lie either side, the
    // engine's error over Mars's speed there (Mars moves about 1' an hour).
    int uncertaintyMinutes = 0;
    // Mars's house changes nearer on this side, to one with the same verdict.
    bool houseChangesFirst = false;
    // The sky's end may lie elsewhere: it is set by Mars, or Mars comes within
    // kMarsErrorArcMinutes of a sign's edge somewhere from the entered time to
    // the birth with the other verdict (to the search's end at the limit), so
    // the sky's Mars may change sign there and bring or take away a change of
    // verdict.
    bool approximate = false;
};

struct ReferenceWindow {
    int house = 0;  // house of Mars at the entered time; 0 when it cannot be counted
    WindowEnd from;
    WindowEnd to;
    // Mars is within kMarsErrorArcMinutes of its sign's edge at the entered
    // time, and in the sign across that edge the house from this reference
    // gives the other verdict: the sky's verdict may be that one.
    bool verdictMayDiffer = false;
};

// The nearest minute of the search on one side at which Mars is within
// kMarsErrorArcMinutes of a sign's edge, where the sky's Mars may already
// stand in the neighbouring sign.
struct NearEdgeMinute {
    int minutesAway = 0;  // from the entered time; 0 at it
    int minute = 0;       // its local clock time and date, as a WindowEnd's
    int day = 0;
};

// That minute on each side; none where Mars stays farther.
struct MarsNearEdge {
    std::optional<NearEdgeMinute> before;
    std::optional<NearEdgeMinute> after;

    bool atEnteredTime() const { return before && before->minutesAway == 0; }
};

struct VerdictWindow {
    ReferenceWindow lagna;
    ReferenceWindow moon;
    // Whole arc-minutes (cut) from Mars to the nearer boundary of its sign:
    // Mars 0° 20' into a sign gives 20, 29° 50' 30" gives 9.
    int marsToBoundary = 0;
    MarsNearEdge marsNearEdge;
};

// The windows of a birth whose chart has its angles, Moon and planets
// computed (ComputeAngles, ComputeMoon, ComputePlanets). Signs are those the
// position texts name, minute by minute as the engine gives them: the
// ascendant's changes are solved from the sidereal time and checked against
// the engine's own ascendant where they end a window, the Moon's and Mars's
// found from their motion on the engine's own longitudes.
VerdictWindow ComputeVerdictWindow(const BirthData& birth, const ChartState& chart);

// An end's uncertainty as it is said: whole minutes under an hour, whole
// hours under two days, whole days beyond, each rounded to the nearest.
struct WindowSpread {
    enum class Unit { Minutes, Hours, Days };
    Unit unit = Unit::Minutes;
    int count = 0;
};
WindowSpread SpreadOf(int uncertaintyMinutes);

// A birth with the other verdict within kTimeWarningMinutes on a side where
// the house of Mars does not change before (the nearer side first, later on a
// tie): how many minutes away, on which side, and its verdict. Nothing when
// there is none.
struct TimeWarning {
    int minutes = 0;
    bool later = false;
    bool manglik = false;  // the verdict such a birth gets
};
std::optional<TimeWarning> NearbyVerdictChange(const ReferenceWindow& window);

}  // namespace varelio
