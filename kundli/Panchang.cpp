#include "kundli/Panchang.h"

#include "astro/Reduce.h"

#include <algorithm>
#include <cmath>

namespace varelio {

namespace {

// The part a longitude falls in, 1 to count, in steps from 0; counted in
// arc-minutes, as the nakshatras are.
int PartOf(double longitudeDeg, int stepArcMinutes, int count) {
    const double arcMinutes = ReduceIntoTurn(longitudeDeg, 360.0) * 60.0;
    return std::clamp(static_cast<int>(std::floor(arcMinutes / stepArcMinutes)), 0, count - 1) + 1;
}

}  // namespace

int TithiAt(double sunSiderealDeg, double moonSiderealDeg) {
    return PartOf(moonSiderealDeg - sunSiderealDeg, kTithiArcMinutes, kTithiCount);
}

Paksha PakshaOf(int tithi) { return tithi <= kTithisPerPaksha ? Paksha::Shukla : Paksha::Krishna; }

int TithiInPaksha(int tithi) { return (tithi - 1) % kTithisPerPaksha + 1; }

int YogaAt(double sunSiderealDeg, double moonSiderealDeg) {
    return PartOf(sunSiderealDeg + moonSiderealDeg, kYogaArcMinutes, kYogaCount);
}

int KaranaAt(double sunSiderealDeg, double moonSiderealDeg) {
    return PartOf(moonSiderealDeg - sunSiderealDeg, kKaranaArcMinutes, kKaranaCount);
}

Karana KaranaOf(int karana) {
    if (karana <= 1) return Karana::Kimstughna;
    constexpr int kLastMovable = 1 + 8 * kMovableKaranaCount;  // the 57th
    if (karana > kLastMovable) return static_cast<Karana>(static_cast<int>(Karana::Shakuni) + karana - kLastMovable - 1);
    return static_cast<Karana>(static_cast<int>(Karana::Bava) + (karana - 2) % kMovableKaranaCount);
}

BirthPanchang ComputePanchang(const ClockMoment& birth, double latitudeDeg, double longitudeEastDeg,
                              double sunSiderealDeg, double moonSiderealDeg) {
    BirthPanchang panchang;
    panchang.day = HinduDayOf(birth.jdUt, birth.offsetSeconds, latitudeDeg, longitudeEastDeg);
    panchang.tithi = TithiAt(sunSiderealDeg, moonSiderealDeg);
    panchang.yoga = YogaAt(sunSiderealDeg, moonSiderealDeg);
    panchang.karana = KaranaAt(sunSiderealDeg, moonSiderealDeg);
    return panchang;
}

}  // namespace varelio
