// Sunrise and sunset, and the Hindu day they bound: from one sunrise to the
// next. The Sun's upper limb on the horizon with standard refraction, from a
// low-precision Sun of date (Meeus, Astronomical Algorithms, ch. 15 and 25);
// good to well under a minute outside the polar circles. README.md beside
// this file says more.
#pragma once

#include "kundli/Calendar.h"

#include <cstdint>

namespace varelio {

// The altitude of the Sun's centre at its rising and setting: 34' of
// refraction at the horizon and 16' of semidiameter below it (Meeus ch. 15,
// h0 = -0°50'; the U.S. Naval Observatory's sunrise and sunset likewise).
inline constexpr double kSunriseAltitudeDeg = -50.0 / 60.0;

enum class Daylight : std::uint8_t {
    RiseAndSet,
    NoSunrise,  // the Sun stays below the horizon all day (polar night)
    NoSunset,   // it stays above (polar day)
};

// The Sun near one moment: its hour angle at a place, a straight line in
// time, and its declination, turning at a steady rate; over the day or two
// either side of the moment these stay within seconds of time of the
// low-precision Sun itself.
struct SunTrack {
    double jdUt = 0;
    double hourAngleDeg = 0;  // west of the meridian at the place
    double hourAngleDegPerDay = 0;
    double daysPerHourAngleDeg = 0;  // its inverse
    double sinDeclination = 0;
    double cosDeclination = 1;
    double declinationRadPerDay = 0;
};

SunTrack SunTrackAt(double jdUt, double longitudeEastDeg);

// The rising and setting of one solar day: the one whose transit of the
// meridian comes nearest noon of the given civil date on the clock.
struct SolarDay {
    Daylight daylight = Daylight::RiseAndSet;
    double transitJdUt = 0;
    double riseJdUt = 0;  // when daylight is RiseAndSet
    double setJdUt = 0;
};

// The place's latitude as the horizon's equation takes it.
struct Latitude {
    explicit Latitude(double latitudeDeg);
    double sine;
    double cosine;
};

SolarDay SolarDayOf(const SunTrack& sun, long long daysSince1970, int clockOffsetSeconds, const Latitude& latitude);

// The Hindu day a moment falls in: the civil date of the sunrise that began
// it (the one before, for a moment before that day's sunrise), its weekday,
// sunrise and the sunset after. Where the Sun did not rise that day (a polar
// night or day) the civil date and weekday are the moment's own, and daylight
// says why there is no sunrise.
struct HinduDay {
    long long daysSince1970 = 0;
    Weekday weekday = Weekday::Sunday;
    SolarDay sun;
};

HinduDay HinduDayOf(double jdUt, int clockOffsetSeconds, double latitudeDeg, double longitudeEastDeg);

}  // namespace varelio
