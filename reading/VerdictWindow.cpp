#include "reading/VerdictWindow.h"

#include "astro/AngleText.h"
#include "astro/Angles.h"
#include "astro/Moon.h"
#include "astro/Planets.h"
#include "astro/TimeScales.h"

#include <cmath>
#include <cstdlib>

namespace varelio {

namespace {

constexpr long long kMinutesPerDay = 24 * 60;

enum class Body { Ascendant, Moon, Mars };

// How far apart the search first looks at a body's sign before bisecting.
// The Moon and Mars move less than two degrees in three hours and cannot
// leave a sign and come back within them, so the whole search is one step;
// the ascendant can rise through a sign in minutes and, near the poles, leap,
// so it is looked at every 15 minutes.
int GridMinutes(Body body) { return body == Body::Ascendant ? 15 : kWindowSearchMinutes; }

// Births at whole minutes before or after the entered one, on the same zone,
// daylight-saving flag and place; the clock carries into the neighbouring dates.
class ShiftedBirths {
public:
    explicit ShiftedBirths(const BirthData& birth)
        : entered_(birth),
          shifted_(birth),
          enteredDay_(DaysSince1970(birth.year, birth.month, birth.day)),
          enteredMinute_(enteredDay_ * kMinutesPerDay + birth.hour * 60LL + birth.minute) {}

    std::optional<int> SignAt(Body body, int offset) {
        const BirthData& birth = At(offset);
        switch (body) {
            case Body::Ascendant: return SignOfLongitude(SiderealAscendantDeg(birth));
            case Body::Moon: return SignOfLongitude(MoonSiderealLongitudeDeg(birth));
            case Body::Mars: return SignOfLongitude(SiderealLongitudeDeg(kElementMars, birth));
        }
        return std::nullopt;
    }

    int HouseAt(Body reference, int offset) {
        const std::optional<int> referenceSign = SignAt(reference, offset);
        const std::optional<int> marsSign = SignAt(Body::Mars, offset);
        if (!referenceSign || !marsSign) return 0;
        return (*marsSign - *referenceSign + 12) % 12 + 1;
    }

    // The clock time at an offset, and its date's distance from the entered date.
    void ClockAt(int offset, std::string& text, int& day) const {
        const CivilMoment c = CivilFromMinutesSince1970(enteredMinute_ + offset);
        text = TwoDigits(c.hour) + ":" + TwoDigits(c.minute);
        day = static_cast<int>(DaysSince1970(c.year, c.month, c.day) - enteredDay_);
    }

private:
    const BirthData& At(int offset) {
        // The entered birth itself, not its carried copy: an entered 24:00
        // must give exactly the reading's own signs.
        if (offset == 0) return entered_;
        const CivilMoment c = CivilFromMinutesSince1970(enteredMinute_ + offset);
        shifted_.year = static_cast<std::int16_t>(c.year);
        shifted_.month = static_cast<std::int16_t>(c.month);
        shifted_.day = static_cast<std::int16_t>(c.day);
        shifted_.hour = static_cast<std::int16_t>(c.hour);
        shifted_.minute = static_cast<std::int16_t>(c.minute);
        return shifted_;
    }

    static std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

    const BirthData& entered_;
    BirthData shifted_;
    long long enteredDay_;
    long long enteredMinute_;
};

// The first offset beyond start, in the given direction (+1 or -1), at which the
// body's sign differs from its sign at start; nothing within the search.
std::optional<int> FirstSignChange(ShiftedBirths& births, Body body, int start, int direction) {
    const std::optional<int> base = births.SignAt(body, start);
    for (int same = start; same * direction < kWindowSearchMinutes;) {
        int other = same + direction * GridMinutes(body);
        if (other * direction > kWindowSearchMinutes) other = direction * kWindowSearchMinutes;
        if (births.SignAt(body, other) == base) {
            same = other;
            continue;
        }
        while (std::abs(other - same) > 1) {
            const int middle = (same + other) / 2;
            (births.SignAt(body, middle) == base ? same : other) = middle;
        }
        return other;
    }
    return std::nullopt;
}

struct Side {
    std::optional<int> change;  // offset of the nearest birth with another house
    int house = 0;              // its house
};

Side SearchSide(ShiftedBirths& births, Body reference, int enteredHouse, int direction) {
    int start = 0;
    for (;;) {
        const std::optional<int> referenceChange = FirstSignChange(births, reference, start, direction);
        const std::optional<int> marsChange = FirstSignChange(births, Body::Mars, start, direction);
        std::optional<int> first = referenceChange;
        if (!first || (marsChange && *marsChange * direction < *first * direction)) first = marsChange;
        if (!first) return {};
        const int house = births.HouseAt(reference, *first);
        if (house != enteredHouse) return {first, house};
        // Both signs moved on by the same count in the same minute: the house holds.
        start = *first;
    }
}

ReferenceWindow WindowOf(ShiftedBirths& births, Body reference) {
    ReferenceWindow window;
    window.house = births.HouseAt(reference, 0);
    const Side before = SearchSide(births, reference, window.house, -1);
    const Side after = SearchSide(births, reference, window.house, +1);

    window.fromCapped = !before.change;
    window.toCapped = !after.change;
    if (before.change) window.minutesBefore = -*before.change;
    if (after.change) window.minutesAfter = *after.change;
    window.houseBefore = before.house;
    window.houseAfter = after.house;
    births.ClockAt(before.change ? *before.change + 1 : -kWindowSearchMinutes, window.from, window.fromDay);
    births.ClockAt(after.change ? *after.change - 1 : kWindowSearchMinutes, window.to, window.toDay);
    return window;
}

int ArcMinutesToBoundary(double longitudeDeg) {
    const std::optional<int> sign = SignOfLongitude(longitudeDeg);
    if (!sign) return 0;
    const double into = (std::fabs(longitudeDeg) - 30.0 * *sign) * 60.0;
    return static_cast<int>(std::floor(std::fmin(into, 30.0 * 60.0 - into)));
}

std::string ClockWithDay(const std::string& clock, int day) {
    if (day < 0) return clock + " the day before";
    if (day > 0) return clock + " the next day";
    return clock;
}

const char* ReferenceName(ManglikReference reference) {
    switch (reference) {
        case ManglikReference::Lagna: return "Lagna";
        case ManglikReference::Moon: return "Moon";
        case ManglikReference::Venus: return "Venus";
    }
    return "";
}

}  // namespace

VerdictWindow ComputeVerdictWindow(const BirthData& birth) {
    ShiftedBirths births(birth);
    VerdictWindow window;
    window.lagna = WindowOf(births, Body::Ascendant);
    window.moon = WindowOf(births, Body::Moon);
    window.marsToBoundary = ArcMinutesToBoundary(SiderealLongitudeDeg(kElementMars, birth));
    return window;
}

std::string WindowText(const ReferenceWindow& window) {
    const bool open = window.fromCapped && window.toCapped;
    return std::string(open ? "Holds for any birth time from " : "Holds for births from ") +
           ClockWithDay(window.from, window.fromDay) + " to " + ClockWithDay(window.to, window.toDay);
}

std::string TimeWarning(const ReferenceWindow& window, ManglikReference reference) {
    const auto differs = [&](const std::optional<int>& minutes, int house) {
        return minutes && *minutes <= kTimeWarningMinutes && window.house != 0 && house != 0 &&
               DoshaOfHouse(house).manglik != DoshaOfHouse(window.house).manglik;
    };
    const bool earlier = differs(window.minutesBefore, window.houseBefore);
    const bool later = differs(window.minutesAfter, window.houseAfter);
    if (!earlier && !later) return {};
    const bool useLater = later && (!earlier || *window.minutesAfter <= *window.minutesBefore);
    const int minutes = useLater ? *window.minutesAfter : *window.minutesBefore;
    const int house = useLater ? window.houseAfter : window.houseBefore;
    return "A birth " + std::to_string(minutes) + (minutes == 1 ? " minute " : " minutes ") +
           (useLater ? "later" : "earlier") + " gives " + (DoshaOfHouse(house).manglik ? "Manglik" : "Non Manglik") +
           " from " + ReferenceName(reference) + ": check the recorded time.";
}

}  // namespace varelio
