// The birth's Panchang: the weekday of its Hindu day (sunrise to sunrise), the
// tithi with its paksha, the yoga and the karana, from the Sun's and the
// Moon's sidereal longitudes; the nakshatra is the Moon's own (BodyPosition).
// Names and sources: README.md beside this file.
#pragma once

#include "kundli/Sunrise.h"

#include <cstdint>

namespace varelio {

inline constexpr int kTithiCount = 30;
inline constexpr int kTithisPerPaksha = 15;
inline constexpr int kYogaCount = 27;
inline constexpr int kKaranaCount = 60;
// The steps, in arc-minutes: 6° of the Moon's elongation from the Sun (a
// tithi is two of them, 12°), and 13°20' of the two longitudes' sum.
inline constexpr int kKaranaArcMinutes = 360;
inline constexpr int kYogaArcMinutes = 800;

// Shukla, the waxing half, tithis 1 to 15 (Pratipada to Purnima); Krishna,
// the waning half, 16 to 30 (Pratipada to Amavasya).
enum class Paksha : std::uint8_t { Shukla, Krishna };

// The eleven karanas: Kimstughna (the 1st of the 60), the seven movable ones
// eight times over (2nd to 57th), then Shakuni, Chatushpada and Naga.
enum class Karana : std::uint8_t {
    Kimstughna, Bava, Balava, Kaulava, Taitila, Garaja, Vanija, Vishti, Shakuni, Chatushpada, Naga,
};
inline constexpr int kKaranaNameCount = 11;
inline constexpr int kMovableKaranaCount = 7;

// 1 to 30, from the Moon's elongation from the Sun; the karana's two halves.
int TithiOfKarana(int karana);
int TithiAt(double sunSiderealDeg, double moonSiderealDeg);
Paksha PakshaOf(int tithi);
// 1 to 15 within the paksha.
int TithiInPaksha(int tithi);

// 1 (Vishkambha) to 27 (Vaidhriti), from the sum of the longitudes.
int YogaAt(double sunSiderealDeg, double moonSiderealDeg);

// 1 to 60, the half-tithis.
int KaranaAt(double sunSiderealDeg, double moonSiderealDeg);
Karana KaranaOf(int karana);

struct BirthPanchang {
    HinduDay day;  // its weekday, sunrise and sunset
    int tithi = 0;
    int yoga = 0;
    int karana = 0;
};

// latitude north-positive, longitude east-positive.
BirthPanchang ComputePanchang(const ClockMoment& birth, double latitudeDeg, double longitudeEastDeg,
                              double sunSiderealDeg, double moonSiderealDeg);

}  // namespace varelio
