#include "reading/Summary.h"

#include "astro/AngleText.h"
#include "astro/Nakshatras.h"
#include "astro/Positions.h"
#include "astro/Signs.h"

#include <algorithm>
#include <cmath>

namespace varelio {

namespace {

// How many padas of a nakshatra (1 to 27) lie in the sign where it begins.
int PadasInFirstSign(int nakshatra) {
    constexpr int kSignArcMinutes = 30 * 60;
    const int start = (nakshatra - 1) * kNakshatraArcMinutes;
    const int signEnd = (start / kSignArcMinutes + 1) * kSignArcMinutes;
    return std::min(4, (signEnd - start) / kPadaArcMinutes);
}

}  // namespace

ReadingSummary DeriveSummary(const ChartState& chart) {
    ReadingSummary summary;
    summary.ayanamsaDisplay = FormatSignedForm(std::fabs(chart.ayanamsa));
    const BodyPosition& lagna = chart.bodies[kAscendant];
    const BodyPosition& moon = chart.bodies[kMoon];
    summary.nakshatraDisplay = chart.moonNakshatraName;
    summary.rashiDisplay = chart.moonRashiName;
    if (lagna.sign == 0) return summary;
    summary.lagnaAbbreviation = SignAbbreviation(lagna.sign - 1);
    summary.lagnaSignName = kSignNames[static_cast<std::size_t>(lagna.sign - 1)].sanskrit;
    if (moon.nakshatra != 0) {
        summary.nakshatraLord = kBodyNamesEnglish[kNakshatras[static_cast<std::size_t>(moon.nakshatra - 1)].lord];
        summary.nakshatraPada = std::to_string(PadasInFirstSign(moon.nakshatra));
    }
    return summary;
}

}  // namespace varelio
