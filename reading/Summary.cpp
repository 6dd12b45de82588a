#include "reading/Summary.h"

#include "astro/AngleText.h"
#include "astro/Nakshatras.h"
#include "astro/Signs.h"

namespace varelio {

void DeriveSummary(const ChartState& chart, ReadingSummary& summary) {
    summary.ayanamsaDisplay = DropFirstCharacter(chart.ayanamsaText);
    summary.lagnaAbbreviation = LastCharacters(chart.ascendantText, 3);
    if (const auto sign = SignIndexOf(summary.lagnaAbbreviation)) {
        summary.lagnaSignName = kSignNames[static_cast<std::size_t>(*sign)].sanskrit;
    }
    summary.nakshatraDisplay = chart.moonNakshatraName;
    summary.rashiDisplay = chart.moonRashiName;
    LookupNakshatraLord(summary);
}

void LookupNakshatraLord(ReadingSummary& summary) {
    if (!SignIndexOf(summary.lagnaAbbreviation)) return;
    // The first row decides: a nakshatra spanning two signs always gives its
    // first segment, whichever sign the Moon is in.
    for (const NakshatraSegment& row : kNakshatraSegments) {
        if (row.nakshatra == summary.nakshatraDisplay) {
            summary.nakshatraLord = row.lord;
            summary.nakshatraPada = row.padas;
            return;
        }
    }
}

}  // namespace varelio
