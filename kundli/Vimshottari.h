// Vimshottari dasha: the nine lords and their years, the balance at birth from
// the Moon's place in its nakshatra, and the periods of every level, made when
// asked for from the balance and the birth's moment (a reading keeps only those).
// Sources and conventions: README.md beside this file.
#pragma once

#include "astro/Records.h"

#include <array>

namespace varelio {

struct DashaLord {
    BodyIndex body;
    int years;
};

// In the order the periods run; the nakshatras' lords (astro/Nakshatras.h)
// follow it from Aswini on, three rounds.
inline constexpr int kDashaLordCount = 9;
inline constexpr std::array<DashaLord, kDashaLordCount> kDashaLords{{
    {kKetu, 7}, {kVenus, 20}, {kSun, 6}, {kMoon, 10}, {kMars, 7},
    {kRahu, 18}, {kJupiter, 16}, {kSaturn, 19}, {kMercury, 17},
}};
inline constexpr int kDashaCycleYears = 120;

// The length of a dasha year in days: the solar year of 365.25 days that
// K. S. Krishnamurti prescribes (KP Reader I, pp. 96-97). Traditions differ
// (360-day savana years, 365.2422 or 365.2564 days); this is the one place to
// change it.
inline constexpr double kDashaYearDays = 365.25;

// The mahadasha running at birth and how much of it is still to run.
struct DashaBalance {
    int lord = 0;                  // index into kDashaLords
    double remainingFraction = 1;  // of the lord's whole period, above 0 and at most 1
};

// From the Moon's sidereal longitude: the lord of its nakshatra (a longitude
// on a boundary belongs to the later nakshatra, as the reading counts it) and
// the part of the nakshatra the Moon has still to cross.
DashaBalance DashaBalanceAt(double moonSiderealLongitudeDeg);

double BalanceYears(const DashaBalance& balance);

// A length as the books write it: whole years, then twelfths of a year, then
// thirtieths of those, to the nearest day.
struct YearsMonthsDays {
    int years = 0;
    int months = 0;
    int days = 0;
    friend bool operator==(const YearsMonthsDays&, const YearsMonthsDays&) = default;
};
YearsMonthsDays ToYearsMonthsDays(double years);

// One period. Those running at birth began before it: each keeps its whole
// span, from which its own subperiods are divided, and the part of it within
// the 120 years from birth.
struct DashaPeriod {
    int lord = 0;            // index into kDashaLords
    double fullStartJd = 0;  // the whole period, Julian days (UT)
    double fullDays = 0;
    double startJd = 0;      // the part from birth on
    double endJd = 0;
};

// The periods of one level in order, without gaps: at most nine subperiods of
// a period, or ten mahadashas (the first lord's comes round again at the end
// of the 120 years for the part of it that ran before birth).
struct DashaPeriods {
    std::array<DashaPeriod, kDashaLordCount + 1> items{};
    int count = 0;

    const DashaPeriod* begin() const { return items.data(); }
    const DashaPeriod* end() const { return items.data() + count; }
    const DashaPeriod& operator[](int i) const { return items[static_cast<std::size_t>(i)]; }
};

// The mahadashas of the 120 years from birth.
DashaPeriods Mahadashas(const DashaBalance& balance, double birthJdUt);

// The nine subperiods of a period (antardashas of a mahadasha,
// pratyantardashas of an antardasha), each lasting the period's length times
// its lord's years over 120, starting with the period's own lord; those parts
// that lie before birth are left out.
DashaPeriods SubPeriods(const DashaPeriod& period);

// The index of the period running at a moment, or -1 outside them all.
int RunningPeriod(const DashaPeriods& periods, double jdUt);

}  // namespace varelio
