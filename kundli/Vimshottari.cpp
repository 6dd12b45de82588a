#include "kundli/Vimshottari.h"

#include "astro/Nakshatras.h"
#include "astro/Positions.h"
#include "astro/Reduce.h"

#include <algorithm>
#include <cmath>

namespace varelio {

namespace {

// The nakshatras' lords are the dasha lords in order, three rounds: the
// lord's place in kDashaLords is the nakshatra's index modulo nine.
constexpr bool LordsFollowNakshatras() {
    for (int n = 0; n < kNakshatraCount; ++n) {
        if (kNakshatraLords[static_cast<std::size_t>(n)] != kDashaLords[static_cast<std::size_t>(n % kDashaLordCount)].body) {
            return false;
        }
    }
    return true;
}
static_assert(LordsFollowNakshatras());

constexpr double kDaysPerSavanaYear = 360;  // the books' twelve months of thirty days
constexpr int kDaysPerSavanaMonth = 30;

const DashaLord& LordAt(int lord) { return kDashaLords[static_cast<std::size_t>(lord)]; }

// Those wholly before birth (or after the 120 years) are left out.
void Append(DashaPeriods& periods, const DashaPeriod& period) {
    if (period.endJd <= period.startJd) return;
    periods.items[static_cast<std::size_t>(periods.count++)] = period;
}

}  // namespace

DashaBalance DashaBalanceAt(double moonSiderealLongitudeDeg) {
    // In arc-minutes, as PositionAt counts the nakshatras.
    const double longitudeDeg = moonSiderealLongitudeDeg >= 0 && moonSiderealLongitudeDeg < 360.0
                                    ? moonSiderealLongitudeDeg
                                    : ReduceIntoTurn(moonSiderealLongitudeDeg, 360.0);
    const double arcMinutes = longitudeDeg * 60.0;
    int nakshatra = std::clamp(static_cast<int>(std::floor(arcMinutes / kNakshatraArcMinutes)), 0, kNakshatraCount - 1);
    double into = std::max(0.0, arcMinutes - nakshatra * static_cast<double>(kNakshatraArcMinutes));
    if (into >= kNakshatraArcMinutes) {  // the quotient rounded down below a boundary
        nakshatra = (nakshatra + 1) % kNakshatraCount;
        into = 0;
    }
    return {nakshatra % kDashaLordCount, (kNakshatraArcMinutes - into) / kNakshatraArcMinutes};
}

double BalanceYears(const DashaBalance& balance) { return balance.remainingFraction * LordAt(balance.lord).years; }

YearsMonthsDays ToYearsMonthsDays(double years) {
    const long long days = std::llround(years * kDaysPerSavanaYear);
    const auto perYear = static_cast<long long>(kDaysPerSavanaYear);
    return {static_cast<int>(days / perYear), static_cast<int>(days % perYear / kDaysPerSavanaMonth),
            static_cast<int>(days % kDaysPerSavanaMonth)};
}

DashaPeriods Mahadashas(const DashaBalance& balance, double birthJdUt) {
    const double cycleEndJd = birthJdUt + kDashaCycleYears * kDashaYearDays;
    const double elapsedDays = (1.0 - balance.remainingFraction) * LordAt(balance.lord).years * kDashaYearDays;
    DashaPeriods periods;
    double fullStart = birthJdUt - elapsedDays;
    // The first lord comes round again only for a part that ran before birth.
    const int count = elapsedDays > 0 ? kDashaLordCount + 1 : kDashaLordCount;
    for (int k = 0; k < count; ++k) {
        const int lord = (balance.lord + k) % kDashaLordCount;
        const double fullDays = LordAt(lord).years * kDashaYearDays;
        Append(periods, {lord, fullStart, fullDays, std::max(fullStart, birthJdUt),
                         std::min(fullStart + fullDays, cycleEndJd)});
        fullStart += fullDays;
    }
    // The 120 years end where they do, whatever the sums' rounding.
    periods.items[static_cast<std::size_t>(periods.count - 1)].endJd = cycleEndJd;
    return periods;
}

DashaPeriods SubPeriods(const DashaPeriod& period) {
    const double fullEnd = period.fullStartJd + period.fullDays;
    DashaPeriods periods;
    double fullStart = period.fullStartJd;
    for (int k = 0; k < kDashaLordCount; ++k) {
        const int lord = (period.lord + k) % kDashaLordCount;
        // The last one ends where the period does, whatever the rounding.
        const double next = k + 1 == kDashaLordCount
                                ? fullEnd
                                : fullStart + period.fullDays * LordAt(lord).years / kDashaCycleYears;
        Append(periods, {lord, fullStart, next - fullStart, std::max(fullStart, period.startJd),
                         std::min(next, period.endJd)});
        fullStart = next;
    }
    return periods;
}

int RunningPeriod(const DashaPeriods& periods, double jdUt) {
    for (int i = 0; i < periods.count; ++i) {
        if (periods[i].startJd <= jdUt && jdUt < periods[i].endJd) return i;
    }
    return -1;
}

}  // namespace varelio
