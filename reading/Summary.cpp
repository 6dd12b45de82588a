#include "reading/Summary.h"

#include "astro/AngleText.h"
#include "astro/Nakshatras.h"
#include "astro/Signs.h"

#include <cmath>

namespace varelio {

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
        summary.nakshatraPada = std::to_string(moon.pada);
    }
    return summary;
}

}  // namespace varelio
