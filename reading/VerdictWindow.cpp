#include "reading/VerdictWindow.h"

#include "astro/AngleText.h"
#include "astro/Angles.h"
#include "astro/Moon.h"
#include "astro/Planets.h"
#include "astro/TimeScales.h"
#include "manglik/Manglik.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace varelio {

namespace {

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

    // Each body's sign is worked out once per minute looked at: both
    // references and both directions ask for the same minutes again.
    std::optional<int> SignAt(Body body, int offset) {
        // The Moon and Mars keep their sign between two minutes that share it
        // (see GridMinutes), so inside a side whose ends agree nothing is computed.
        if (body != Body::Ascendant && offset != 0) {
            const int end = offset < 0 ? -kWindowSearchMinutes : kWindowSearchMinutes;
            const std::optional<int> atEntered = Cached(body, 0);
            if (Cached(body, end) == atEntered) return atEntered;
        }
        return Cached(body, offset);
    }

    int HouseAt(Body reference, int offset) {
        const std::optional<int> referenceSign = SignAt(reference, offset);
        const std::optional<int> marsSign = SignAt(Body::Mars, offset);
        if (!referenceSign || !marsSign) return 0;
        return HouseFrom(*referenceSign + 1, *marsSign + 1);
    }

    // The clock time at an offset, and its date's distance from the entered date.
    void ClockAt(int offset, int& minuteOfDay, int& day) const {
        const CivilMoment c = CivilFromMinutesSince1970(enteredMinute_ + offset);
        minuteOfDay = c.hour * 60 + c.minute;
        day = static_cast<int>(DaysSince1970(c.year, c.month, c.day) - enteredDay_);
    }

private:
    std::optional<int> Cached(Body body, int offset) {
        std::int8_t& known = signs_[static_cast<std::size_t>(body)][static_cast<std::size_t>(offset + kWindowSearchMinutes)];
        if (known == kNotYet) known = ComputeSign(body, offset);
        if (known == kNoSign) return std::nullopt;
        return known;
    }

    static constexpr std::int8_t kNotYet = -2;
    static constexpr std::int8_t kNoSign = -1;

    std::int8_t ComputeSign(Body body, int offset) {
        const BirthData& birth = At(offset);
        std::optional<int> sign;
        switch (body) {
            case Body::Ascendant: sign = SignOfLongitude(SiderealAscendantDeg(birth)); break;
            case Body::Moon: sign = SignOfLongitude(MoonSiderealLongitudeDeg(birth)); break;
            case Body::Mars: sign = SignOfLongitude(SiderealLongitudeDeg(kElementMars, birth)); break;
        }
        return sign ? static_cast<std::int8_t>(*sign) : kNoSign;
    }

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

    const BirthData& entered_;
    BirthData shifted_;
    long long enteredDay_;
    long long enteredMinute_;
    std::array<std::array<std::int8_t, 2 * kWindowSearchMinutes + 1>, 3> signs_ = Unknown();

    static std::array<std::array<std::int8_t, 2 * kWindowSearchMinutes + 1>, 3> Unknown() {
        std::array<std::array<std::int8_t, 2 * kWindowSearchMinutes + 1>, 3> table;
        for (auto& row : table) row.fill(kNotYet);
        return table;
    }
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
    births.ClockAt(before.change ? *before.change + 1 : -kWindowSearchMinutes, window.fromMinute, window.fromDay);
    births.ClockAt(after.change ? *after.change - 1 : kWindowSearchMinutes, window.toMinute, window.toDay);
    return window;
}

int ArcMinutesToBoundary(double longitudeDeg) {
    const std::optional<int> sign = SignOfLongitude(longitudeDeg);
    if (!sign) return 0;
    const double into = (std::fabs(longitudeDeg) - 30.0 * *sign) * 60.0;
    return static_cast<int>(std::floor(std::fmin(into, 30.0 * 60.0 - into)));
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

std::string ClockText(int minuteOfDay) {
    const auto twoDigits = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
    return twoDigits(minuteOfDay / 60) + ":" + twoDigits(minuteOfDay % 60);
}

std::optional<TimeWarning> NearbyVerdictChange(const ReferenceWindow& window) {
    const auto manglik = [](int house) {
        const auto dosha = DoshaOfHouse(house);
        return dosha && dosha->manglik;
    };
    const auto differs = [&](const std::optional<int>& minutes, int house) {
        return minutes && *minutes <= kTimeWarningMinutes && window.house != 0 && house != 0 &&
               manglik(house) != manglik(window.house);
    };
    const bool earlier = differs(window.minutesBefore, window.houseBefore);
    const bool later = differs(window.minutesAfter, window.houseAfter);
    if (!earlier && !later) return std::nullopt;
    const bool useLater = later && (!earlier || *window.minutesAfter <= *window.minutesBefore);
    return TimeWarning{useLater ? *window.minutesAfter : *window.minutesBefore, useLater,
                       manglik(useLater ? window.houseAfter : window.houseBefore)};
}

}  // namespace varelio
