#include "kundli/Panchang.h"

#include "astro/Reduce.h"

#include <algorithm>
#include <cmath>

namespace varelio {

namespace {

// The part a longitude falls in, 1 to count, in steps from 0; counted in
// arc-minutes, as the nakshatras are.
int PartOf(double longitudeDeg, int stepArcMinutes, int count) {
    // A difference or a sum of two longitudes is within a turn of the range:
    // one turn added or taken off, as ReduceIntoTurn would.
    double turn = longitudeDeg;
    if (turn < 0 && turn >= -360.0) {
        turn += 360.0;
    } else if (turn >= 360.0 && turn < 720.0) {
        turn -= 360.0;
    } else if (!(turn >= 0 && turn < 360.0)) {
        turn = ReduceIntoTurn(turn, 360.0);
    }
    const double arcMinutes = turn * 60.0;
    return std::clamp(static_cast<int>(std::floor(arcMinutes / stepArcMinutes)), 0, count - 1) + 1;
}

}  // namespace

int KaranaAt(double sunSiderealDeg, double moonSiderealDeg) {
    return PartOf(moonSiderealDeg - sunSiderealDeg, kKaranaArcMinutes, kKaranaCount);
}

// Two karanas to a tithi: the tithi follows from the karana.
int TithiOfKarana(int karana) { return (karana + 1) / 2; }

int TithiAt(double sunSiderealDeg, double moonSiderealDeg) {
    return TithiOfKarana(KaranaAt(sunSiderealDeg, moonSiderealDeg));
}

Paksha PakshaOf(int tithi) { return tithi <= kTithisPerPaksha ? Paksha::Shukla : Paksha::Krishna; }

int TithiInPaksha(int tithi) { return (tithi - 1) % kTithisPerPaksha + 1; }

int YogaAt(double sunSiderealDeg, double moonSiderealDeg) {
    return PartOf(sunSiderealDeg + moonSiderealDeg, kYogaArcMinutes, kYogaCount);
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
    panchang.karana = KaranaAt(sunSiderealDeg, moonSiderealDeg);
    panchang.tithi = TithiOfKarana(panchang.karana);
    panchang.yoga = YogaAt(sunSiderealDeg, moonSiderealDeg);
    return panchang;
}

}  // namespace varelio
