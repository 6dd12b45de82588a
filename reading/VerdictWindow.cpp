#include "reading/VerdictWindow.h"

#include "astro/AngleCut.h"
#include "astro/Angles.h"
#include "astro/Moon.h"
#include "astro/Planets.h"
#include "astro/Signs.h"
#include "astro/TimeScales.h"
#include "manglik/Manglik.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace varelio {

namespace {

enum class Body { Ascendant, Moon, Mars };

constexpr int kRange = kWindowSearchMinutes;
constexpr int kNoSign = -1;

// The fastest the engine's Moon and Mars move, in degrees a minute: the
// Moon's mean motion with its 25 terms all at their fastest comes to 15.4
// degrees a day (and never below 10.9, so it never turns back); Mars, measured
// every three hours from 1901 to 2050, reaches 0.79.
constexpr double kMoonFastestDegPerMinute = 16.0 / kMinutesPerDay;
constexpr double kMarsFastestDegPerMinute = 1.0 / kMinutesPerDay;

int SignOf(double longitudeDeg) {
    const std::optional<int> sign = SignOfLongitude(longitudeDeg);
    return sign ? *sign : kNoSign;
}

// How far a longitude (0 to 360) is past a sign's first point, -180 to 180 degrees.
double PastPoint(double longitudeDeg, double pointDeg) {
    const double past = longitudeDeg - pointDeg;
    return past > 180.0 ? past - 360.0 : (past < -180.0 ? past + 360.0 : past);
}

// Births at whole minutes before or after the entered one, on the same zone,
// daylight-saving flag or exact offset, and place; the clock carries into the neighbouring dates.
class ShiftedBirths {
public:
    ShiftedBirths(const BirthData& birth, const ChartState& chart)
        : entered_(birth),
          shifted_(WithoutTexts(birth)),
          enteredMinuteOfDay_(birth.hour * 60 + birth.minute),
          ascendants_(birth, chart.julianDayNumber) {}

    double LatitudeTangent() const { return ascendants_.latitudeTangent(); }

    // The engine's own longitude of the body at an offset.
    double LongitudeAt(Body body, int offset) {
        const BirthData& birth = At(offset);
        switch (body) {
            case Body::Ascendant: return ascendants_(birth);
            case Body::Moon: return MoonSiderealLongitudeDeg(birth);
            case Body::Mars: return SiderealLongitudeDeg(kElementMars, birth);
        }
        return 0;
    }

    // The clock time at an offset, and its date's distance from the entered
    // date (an entered 24:00 is the next day's midnight).
    void ClockAt(int offset, int& minuteOfDay, int& day) const {
        const int minutes = enteredMinuteOfDay_ + offset;
        day = static_cast<int>(detail::FloorDiv(minutes, kMinutesPerDay));
        minuteOfDay = static_cast<int>(minutes - day * kMinutesPerDay);
    }

private:
    // The engine reads no text of a birth: the copy leaves them out.
    static BirthData WithoutTexts(const BirthData& birth) {
        BirthData numbers;
        numbers.day = birth.day;
        numbers.month = birth.month;
        numbers.year = birth.year;
        numbers.hour = birth.hour;
        numbers.minute = birth.minute;
        numbers.zoneHoursAbs = birth.zoneHoursAbs;
        numbers.zoneMinutesAbs = birth.zoneMinutesAbs;
        numbers.lonDegrees = birth.lonDegrees;
        numbers.lonMinutes = birth.lonMinutes;
        numbers.latDegrees = birth.latDegrees;
        numbers.latMinutes = birth.latMinutes;
        numbers.east = birth.east;
        numbers.south = birth.south;
        numbers.dst = birth.dst;
        numbers.zoneHours = birth.zoneHours;
        numbers.zoneMinutes = birth.zoneMinutes;
        numbers.utcOffsetSeconds = birth.utcOffsetSeconds;
        return numbers;
    }

    const BirthData& At(int offset) {
        // The entered birth itself, not its carried copy: an entered 24:00
        // must give exactly the reading's own signs.
        if (offset == 0) return entered_;
        int minuteOfDay = 0;
        int day = 0;
        ClockAt(offset, minuteOfDay, day);
        // The search reaches at most a day either side of the entered date,
        // or two days on from an entered 24:00.
        Date& date = dates_[static_cast<std::size_t>(day + 1)];
        if (day == 0 && entered_.hour < 24) {
            date = {entered_.year, entered_.month, entered_.day};
        } else if (date.year == 0) {
            const CivilMoment c = CivilFromMinutesSince1970(
                (DaysSince1970(entered_.year, entered_.month, entered_.day) + day) * kMinutesPerDay);
            date = {static_cast<std::int16_t>(c.year), static_cast<std::int16_t>(c.month),
                    static_cast<std::int16_t>(c.day)};
        }
        shifted_.year = date.year;
        shifted_.month = date.month;
        shifted_.day = date.day;
        shifted_.hour = static_cast<std::int16_t>(minuteOfDay / 60);
        shifted_.minute = static_cast<std::int16_t>(minuteOfDay % 60);
        return shifted_;
    }

    struct Date {
        std::int16_t year = 0, month = 0, day = 0;
    };

    const BirthData& entered_;
    BirthData shifted_;
    int enteredMinuteOfDay_;
    SiderealAscendantAtPlace ascendants_;
    std::array<Date, 4> dates_{};  // the day before the entered date to two days after
};

// A body's sign differs between the whole minutes `interval` and interval + 1.
struct SignChange {
    int interval;
    int before;  // the sign at interval
    int after;   // the sign at interval + 1
    // Solved so near a whole minute that the engine could put it in the
    // neighbouring one.
    bool close;
    double degPerMinute;  // Mars's speed there
};

// A body's sign changes on both sides of the entered minute, nearest first.
struct Track {
    Body body = Body::Ascendant;
    int sign = kNoSign;  // at the entered minute
    // Found minute by minute on the engine's own longitudes, rather than solved.
    bool exact = true;
    std::array<std::array<SignChange, 12>, 2> changes;  // [0] earlier, [1] later; counts of them made
    std::array<int, 2> counts{};

    void Add(int direction, const SignChange& change) {
        const std::size_t side = direction < 0 ? 0 : 1;
        if (counts[side] < static_cast<int>(changes[side].size())) changes[side][static_cast<std::size_t>(counts[side]++)] = change;
    }
};

// Every minute of the search looked at: what the others are checked against,
// and where they cannot tell.
Track WalkedTrack(ShiftedBirths& births, Body body, int sign) {
    Track track;
    track.body = body;
    track.sign = sign;
    for (const int direction : {-1, 1}) {
        int previous = sign;
        double previousLongitude = births.LongitudeAt(body, 0);
        for (int k = direction; k * direction <= kRange; k += direction) {
            const double longitude = births.LongitudeAt(body, k);
            const int now = SignOf(longitude);
            if (now != previous) {
                SignChange change{};
                change.interval = direction > 0 ? k - 1 : k;
                change.before = direction > 0 ? previous : now;
                change.after = direction > 0 ? now : previous;
                change.degPerMinute = std::fabs(PastPoint(longitude, previousLongitude));
                track.Add(direction, change);
            }
            previous = now;
            previousLongitude = longitude;
        }
    }
    return track;
}

// The first minute from the entered one towards `end` with another sign, for a
// body that passes the sign's first point `point` once on the way, its sign at
// `end` already known to differ: interpolation on the longitudes, each guess
// looked at. Returns the change.
SignChange ChangeTowards(ShiftedBirths& births, Body body, int sign, double longitude, double point, int end,
                         double endLongitude, int endSign) {
    const int direction = end > 0 ? 1 : -1;
    int same = 0;
    int other = end;
    double pastSame = PastPoint(longitude, point);
    double pastOther = PastPoint(endLongitude, point);
    double longitudeSame = longitude;
    double longitudeOther = endLongitude;
    int signOther = endSign;
    while ((other - same) * direction > 1) {
        const double guess = same + (other - same) * pastSame / (pastSame - pastOther);
        int minute = static_cast<int>(direction > 0 ? std::floor(guess) : std::ceil(guess));
        minute = direction > 0 ? std::clamp(minute, same + 1, other - 1) : std::clamp(minute, other + 1, same - 1);
        const double at = births.LongitudeAt(body, minute);
        const int signAt = SignOf(at);
        if (signAt == sign) {
            same = minute;
            pastSame = PastPoint(at, point);
            longitudeSame = at;
        } else {
            other = minute;
            pastOther = PastPoint(at, point);
            longitudeOther = at;
            signOther = signAt;
        }
    }
    SignChange change{};
    change.interval = std::min(same, other);
    change.before = direction > 0 ? sign : signOther;
    change.after = direction > 0 ? signOther : sign;
    change.degPerMinute = std::fabs(PastPoint(longitudeOther, longitudeSame));
    return change;
}

// The Moon never turns back and moves at most two degrees in the search, so it
// passes at most one sign's first point, and only when that lies within reach.
void FindMoonTrack(ShiftedBirths& births, double longitude, Track& track) {
    const int sign = SignOf(longitude);
    if (sign == kNoSign) {
        track = WalkedTrack(births, Body::Moon, sign);
        return;
    }
    track.body = Body::Moon;
    track.sign = sign;
    for (const int direction : {-1, 1}) {
        const double point = 30.0 * (direction > 0 ? sign + 1 : sign);
        if (std::fabs(longitude - point) > kMoonFastestDegPerMinute * kRange) continue;
        const int end = direction * kRange;
        const double endLongitude = births.LongitudeAt(Body::Moon, end);
        const int endSign = SignOf(endLongitude);
        if (endSign == sign) continue;
        track.Add(direction, ChangeTowards(births, Body::Moon, sign, longitude, point, end, endLongitude, endSign));
    }
}

// Mars can stand still and turn, so near a sign's first point its passages
// (none, one, or out and back) come from the parabola through its longitudes
// at both ends and the entered minute, each found to the minute and looked
// at; anything the parabola cannot settle is walked.
void FindMarsTrack(ShiftedBirths& births, double longitude, Track& track) {
    const int sign = SignOf(longitude);
    track.body = Body::Mars;
    track.sign = sign;
    const auto walk = [&] { track = WalkedTrack(births, Body::Mars, sign); };
    if (sign == kNoSign) return walk();
    const double reach = kMarsFastestDegPerMinute * kRange;
    const double first = 30.0 * sign;
    const double point = longitude - first < 15.0 ? first : first + 30.0;
    const double past0 = PastPoint(longitude, point);
    if (std::fabs(past0) > reach) return;

    const double before = births.LongitudeAt(Body::Mars, -kRange);
    const double after = births.LongitudeAt(Body::Mars, kRange);
    const double pastBefore = PastPoint(before, point);
    const double pastAfter = PastPoint(after, point);
    // past(k) = past0 + slope k + curve k^2
    const double slope = (pastAfter - pastBefore) / (2.0 * kRange);
    const double curve = (pastAfter + pastBefore - 2.0 * past0) / (2.0 * kRange * kRange);
    std::array<double, 2> roots{};
    int rootCount = 0;
    // Closer than this to the point at its turn, the parabola cannot tell.
    constexpr double kGrazeDeg = 1e-5;
    if (std::fabs(curve) * kRange * kRange < 1e-12) {
        if (slope != 0) roots[rootCount++] = -past0 / slope;
    } else {
        const double turn = -slope / (2.0 * curve);
        const double atTurn = past0 + slope * turn + curve * turn * turn;
        if (std::fabs(turn) <= kRange + 1 && std::fabs(atTurn) < kGrazeDeg) return walk();
        const double disc = slope * slope - 4.0 * curve * past0;
        if (disc >= 0) {
            const double q = -0.5 * (slope + std::copysign(std::sqrt(disc), slope));
            roots[rootCount++] = q / curve;
            if (q != 0) roots[rootCount++] = past0 / q;
        }
    }
    std::sort(roots.begin(), roots.begin() + rootCount);
    for (int r = 0; r < rootCount; ++r) {
        const double root = roots[static_cast<std::size_t>(r)];
        if (!(std::fabs(root) < kRange)) continue;
        const int interval = static_cast<int>(std::floor(root));
        const double at = interval == 0 ? longitude : births.LongitudeAt(Body::Mars, interval);
        const double next = interval + 1 == 0 ? longitude : births.LongitudeAt(Body::Mars, interval + 1);
        SignChange change{};
        change.interval = interval;
        change.before = SignOf(at);
        change.after = SignOf(next);
        change.degPerMinute = std::fabs(PastPoint(next, at));
        // The parabola's minute, not the engine's: walk instead.
        if (change.before == change.after) return walk();
        track.Add(interval < 0 ? -1 : 1, change);
    }
    // The earlier side nearest first.
    std::reverse(track.changes[0].begin(), track.changes[0].begin() + track.counts[0]);
    // Each side's changes must lead from the entered sign to the one at its end.
    for (const int direction : {-1, 1}) {
        const std::size_t side = direction < 0 ? 0 : 1;
        int current = sign;
        for (int c = 0; c < track.counts[side]; ++c) {
            const SignChange& change = track.changes[side][static_cast<std::size_t>(c)];
            if ((direction > 0 ? change.before : change.after) != current) return walk();
            current = direction > 0 ? change.after : change.before;
        }
        if (current != SignOf(direction > 0 ? after : before)) return walk();
    }
}

// The ascendant's changes solved from the sidereal time: its passages over the
// signs' first points, grouped by the minute they fall in. Nothing when a
// passage is too close to a whole minute and to another passage or the
// search's end to be placed without the engine, or the chain of signs does not
// lead on from the entered one.
bool SolveAscendantTrack(const ShiftedBirths& births, const ChartState& chart, int sign, Track& track) {
    if (sign == kNoSign) return false;
    const double perMinute = SiderealDegreesPerClockMinute(chart.centuries1900);
    const AscendantCrossings solved =
        AscendantCrossingsAround(chart.localSiderealTime, (kRange + 2) * perMinute, chart.obliquity,
                                 births.LatitudeTangent(), chart.ayanamsa);
    if (solved.grazing) return false;

    struct Passage {
        double minutes;
        int leaving, entering;
        bool close;
    };
    std::array<Passage, 12> passages;
    const auto count = static_cast<std::size_t>(solved.count);
    for (std::size_t i = 0; i < count; ++i) {
        const AscendantCrossing& x = solved.crossings[i];
        const double minutes = x.siderealDeg / perMinute;
        const int previous = (x.sign + kSignCount - 1) % kSignCount;
        const double fraction = minutes - std::floor(minutes);
        const double margin = std::fabs(x.rate) * perMinute * std::min(fraction, 1.0 - fraction);
        passages[i] = {minutes, x.rate > 0 ? previous : x.sign, x.rate > 0 ? x.sign : previous,
                       margin < kAscendantSolveToleranceDeg};
    }
    std::sort(passages.begin(), passages.begin() + static_cast<std::ptrdiff_t>(count),
              [](const Passage& a, const Passage& b) { return a.minutes < b.minutes; });
    for (std::size_t i = 0; i < count; ++i) {
        const Passage& p = passages[i];
        if (!p.close) continue;
        if (std::fabs(std::fabs(p.minutes) - kRange) < 1.5) return false;
        if (i > 0 && p.minutes - passages[i - 1].minutes < 1.5) return false;
        if (i + 1 < count && passages[i + 1].minutes - p.minutes < 1.5) return false;
    }

    track.body = Body::Ascendant;
    track.sign = sign;
    track.exact = false;
    // Later: passages after the entered minute in time order; earlier: before it, backwards.
    const auto first = std::find_if(passages.begin(), passages.begin() + static_cast<std::ptrdiff_t>(count),
                                    [](const Passage& p) { return p.minutes > 0; });
    for (const int direction : {-1, 1}) {
        const std::size_t side = direction < 0 ? 0 : 1;
        int current = sign;
        const auto visit = [&](const Passage& p) {
            if ((direction > 0 ? p.leaving : p.entering) != current) return false;
            current = direction > 0 ? p.entering : p.leaving;
            const int interval = static_cast<int>(std::floor(p.minutes));
            if (interval < -kRange || interval >= kRange) return true;
            const int made = track.counts[side];
            SignChange* last = made > 0 ? &track.changes[side][static_cast<std::size_t>(made - 1)] : nullptr;
            if (last != nullptr && last->interval == interval) {
                (direction > 0 ? last->after : last->before) = current;
                last->close = last->close || p.close;
            } else {
                SignChange change{};
                change.interval = interval;
                change.before = direction > 0 ? p.leaving : current;
                change.after = direction > 0 ? current : p.entering;
                change.close = p.close;
                track.Add(direction, change);
            }
            return true;
        };
        if (direction > 0) {
            for (auto p = first; p != passages.begin() + static_cast<std::ptrdiff_t>(count); ++p) {
                if (!visit(*p)) return false;
            }
        } else {
            for (auto p = first; p != passages.begin();) {
                if (!visit(*--p)) return false;
            }
        }
    }
    return true;
}

int HouseOf(int referenceSign, int marsSign) { return HouseFrom(referenceSign + 1, marsSign + 1); }

// 1 Manglik, 0 Non Manglik, -1 unknown.
int VerdictOf(int house) {
    const std::optional<HouseDosha> dosha = DoshaOfHouse(house);
    return dosha ? dosha->manglik : -1;
}

// The first minute on one side whose verdict differs from the entered one's.
struct Side {
    std::optional<int> change;
    WindowEndCause cause = WindowEndCause::Limit;
    int house = 0;
    bool houseChangesFirst = false;
    double marsDegPerMinute = 0;
};

WindowEndCause CauseOf(Body body) {
    switch (body) {
        case Body::Ascendant: return WindowEndCause::Ascendant;
        case Body::Moon: return WindowEndCause::Moon;
        case Body::Mars: return WindowEndCause::Mars;
    }
    return WindowEndCause::Limit;
}

// Walks the changes of the reference's and Mars's signs outwards from the
// entered minute. A solved change that ends the window is looked at with the
// engine; nothing is returned when the engine disagrees, or a close change
// of the solved track lies next to one of Mars's.
std::optional<Side> WalkSide(ShiftedBirths& births, const Track& reference, const Track& mars, int direction) {
    const std::size_t side = direction < 0 ? 0 : 1;
    const auto& referenceChanges = reference.changes[side];
    const auto& marsChanges = mars.changes[side];
    const int referenceCount = reference.counts[side];
    const int marsCount = mars.counts[side];
    int referenceSign = reference.sign;
    int marsSign = mars.sign;
    const int house0 = HouseOf(referenceSign, marsSign);
    const int verdict0 = VerdictOf(house0);
    Side result;
    int r = 0;
    int m = 0;
    while (r < referenceCount || m < marsCount) {
        const SignChange* referenceChange = r < referenceCount ? &referenceChanges[static_cast<std::size_t>(r)] : nullptr;
        const SignChange* marsChange = m < marsCount ? &marsChanges[static_cast<std::size_t>(m)] : nullptr;
        int interval = referenceChange != nullptr ? referenceChange->interval : marsChange->interval;
        if (marsChange != nullptr && (referenceChange == nullptr || marsChange->interval * direction < interval * direction)) {
            interval = marsChange->interval;
        }
        if (referenceChange != nullptr && referenceChange->close && marsChange != nullptr &&
            std::abs(referenceChange->interval - marsChange->interval) <= 1) {
            return std::nullopt;
        }
        const bool referenceMoves = referenceChange != nullptr && referenceChange->interval == interval;
        const bool marsMoves = marsChange != nullptr && marsChange->interval == interval;
        const int referenceNow = referenceMoves ? (direction > 0 ? referenceChange->after : referenceChange->before) : referenceSign;
        const int marsNow = marsMoves ? (direction > 0 ? marsChange->after : marsChange->before) : marsSign;
        const int house = HouseOf(referenceNow, marsNow);
        if (VerdictOf(house) != verdict0) {
            if (referenceMoves && !reference.exact) {
                // The engine's own signs at the two minutes of the change.
                const int earlier = interval == 0 ? reference.sign : SignOf(births.LongitudeAt(reference.body, interval));
                const int later = interval + 1 == 0 ? reference.sign : SignOf(births.LongitudeAt(reference.body, interval + 1));
                if (earlier != referenceChange->before || later != referenceChange->after) return std::nullopt;
            }
            result.change = direction > 0 ? interval + 1 : interval;
            result.cause = marsMoves ? WindowEndCause::Mars : CauseOf(reference.body);
            result.house = house;
            if (marsMoves) result.marsDegPerMinute = marsChange->degPerMinute;
            return result;
        }
        if (house != house0) result.houseChangesFirst = true;
        referenceSign = referenceNow;
        marsSign = marsNow;
        r += referenceMoves ? 1 : 0;
        m += marsMoves ? 1 : 0;
    }
    return result;
}

int UncertaintyMinutes(double marsDegPerMinute) {
    constexpr double kLongest = 100.0 * kMinutesPerDay;
    const double minutes = kMarsErrorArcMinutes / 60.0 / marsDegPerMinute;
    return static_cast<int>(std::ceil(std::fmin(minutes, kLongest)));
}

WindowEnd EndOf(ShiftedBirths& births, const Side& side, int direction) {
    WindowEnd end;
    end.setBy = side.cause;
    end.house = side.house;
    end.houseChangesFirst = side.houseChangesFirst;
    if (side.change) end.minutesToChange = *side.change * direction;
    if (side.cause == WindowEndCause::Mars) end.uncertaintyMinutes = UncertaintyMinutes(side.marsDegPerMinute);
    births.ClockAt(side.change ? *side.change - direction : direction * kRange, end.minute, end.day);
    return end;
}

ReferenceWindow WindowOf(ShiftedBirths& births, Track& reference, const Track& mars) {
    ReferenceWindow window;
    window.house = HouseOf(reference.sign, mars.sign);
    std::optional<Side> before = WalkSide(births, reference, mars, -1);
    std::optional<Side> after = WalkSide(births, reference, mars, 1);
    if (!before || !after) {
        // The engine's minutes where the solution cannot tell.
        reference = WalkedTrack(births, reference.body, reference.sign);
        before = WalkSide(births, reference, mars, -1);
        after = WalkSide(births, reference, mars, 1);
    }
    window.from = EndOf(births, *before, -1);
    window.to = EndOf(births, *after, 1);
    return window;
}

// Arc-minutes from a longitude to the nearer edge of its sign; none without a sign.
std::optional<double> ArcMinutesToEdge(double longitudeDeg) {
    const std::optional<int> sign = SignOfLongitude(longitudeDeg);
    if (!sign) return std::nullopt;
    const double into = (std::fabs(longitudeDeg) - 30.0 * *sign) * 60.0;
    return std::fmin(into, 30.0 * 60.0 - into);
}

int ArcMinutesToBoundary(double longitudeDeg) {
    const std::optional<double> toEdge = ArcMinutesToEdge(longitudeDeg);
    return toEdge ? static_cast<int>(std::floor(*toEdge)) : 0;
}

// The nearest minute on each side where Mars is within its error of a sign's
// edge. Mars closes on an edge by at most kMarsFastestDegPerMinute, so the
// minutes it cannot reach one in are stepped over: most births look at none
// but the entered one.
MarsNearEdge FindMarsNearEdge(ShiftedBirths& births, double longitude) {
    constexpr double kFastestArcMinutes = kMarsFastestDegPerMinute * 60.0;
    MarsNearEdge near;
    for (const int direction : {-1, 1}) {
        std::optional<NearEdgeMinute>& found = direction < 0 ? near.before : near.after;
        int k = 0;
        while (k <= kRange) {
            const std::optional<double> toEdge =
                ArcMinutesToEdge(k == 0 ? longitude : births.LongitudeAt(Body::Mars, direction * k));
            if (!toEdge) break;
            const double beyond = *toEdge - kMarsErrorArcMinutes;
            if (beyond <= 0) {
                found = NearEdgeMinute{k};
                births.ClockAt(direction * k, found->minute, found->day);
                break;
            }
            k += std::max(1, static_cast<int>(std::floor(beyond / kFastestArcMinutes)));
        }
    }
    return near;
}

// Marks the ends whose stretch from the entered time reaches a minute where
// Mars is near an edge, and a verdict that Mars across its nearer edge turns.
void MarkMarsNearEdge(ReferenceWindow& window, const MarsNearEdge& near, int referenceSign, double marsLongitude) {
    const auto mark = [](WindowEnd& end, const std::optional<NearEdgeMinute>& nearAt) {
        const int reach = end.minutesToChange.value_or(kRange);
        end.approximate = end.setBy == WindowEndCause::Mars || (nearAt && nearAt->minutesAway <= reach);
    };
    mark(window.from, near.before);
    mark(window.to, near.after);
    const int mars = SignOf(marsLongitude);
    if (!near.atEnteredTime() || referenceSign == kNoSign || mars == kNoSign) return;
    const bool early = std::fabs(marsLongitude) - 30.0 * mars < 15.0;
    const int across = (mars + (early ? kSignCount - 1 : 1)) % kSignCount;
    const int verdict = VerdictOf(window.house);
    const int acrossVerdict = VerdictOf(HouseOf(referenceSign, across));
    window.verdictMayDiffer = verdict >= 0 && acrossVerdict >= 0 && verdict != acrossVerdict;
}

}  // namespace

VerdictWindow ComputeVerdictWindow(const BirthData& birth, const ChartState& chart) {
    ShiftedBirths births(birth, chart);
    Track ascendant;
    const int ascendantSign = SignOf(chart.bodies[kAscendant].longitudeDeg);
    if (!SolveAscendantTrack(births, chart, ascendantSign, ascendant)) {
        ascendant = WalkedTrack(births, Body::Ascendant, ascendantSign);
    }
    Track moon;
    FindMoonTrack(births, chart.bodies[kMoon].longitudeDeg, moon);
    Track mars;
    FindMarsTrack(births, chart.bodies[kMars].longitudeDeg, mars);

    VerdictWindow window;
    window.lagna = WindowOf(births, ascendant, mars);
    window.moon = WindowOf(births, moon, mars);
    const double marsLongitude = chart.bodies[kMars].longitudeDeg;
    window.marsToBoundary = ArcMinutesToBoundary(marsLongitude);
    window.marsNearEdge = FindMarsNearEdge(births, marsLongitude);
    MarkMarsNearEdge(window.lagna, window.marsNearEdge, ascendant.sign, marsLongitude);
    MarkMarsNearEdge(window.moon, window.marsNearEdge, moon.sign, marsLongitude);
    return window;
}

WindowSpread SpreadOf(int uncertaintyMinutes) {
    constexpr int kHour = 60;
    constexpr int kDay = 24 * kHour;
    if (uncertaintyMinutes < kHour) return {WindowSpread::Unit::Minutes, uncertaintyMinutes};
    if (uncertaintyMinutes < 2 * kDay - kHour / 2) {
        return {WindowSpread::Unit::Hours, (uncertaintyMinutes + kHour / 2) / kHour};
    }
    return {WindowSpread::Unit::Days, (uncertaintyMinutes + kDay / 2) / kDay};
}

std::optional<TimeWarning> NearbyVerdictChange(const ReferenceWindow& window) {
    const auto manglik = [](int house) {
        const auto dosha = DoshaOfHouse(house);
        return dosha && dosha->manglik;
    };
    const auto differs = [&](const WindowEnd& end) {
        return end.minutesToChange && *end.minutesToChange <= kTimeWarningMinutes && !end.houseChangesFirst &&
               window.house != 0 && end.house != 0 && manglik(end.house) != manglik(window.house);
    };
    const bool earlier = differs(window.from);
    const bool later = differs(window.to);
    if (!earlier && !later) return std::nullopt;
    const bool useLater = later && (!earlier || *window.to.minutesToChange <= *window.from.minutesToChange);
    return TimeWarning{useLater ? *window.to.minutesToChange : *window.from.minutesToChange, useLater,
                       manglik(useLater ? window.to.house : window.from.house)};
}

}  // namespace varelio
