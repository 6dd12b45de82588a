#include "engine/Summary.h"

#include "engine/AngleText.h"
#include "engine/SignNames.h"
#include "engine/Tables.h"

#include <algorithm>
#include <span>

namespace varelio {

void DeriveSummary(const ChartState& chart, ReadingSummary& summary) {
    summary.ayanamsaDisplay = DropFirstCharacter(chart.ayanamsaText);
    summary.lagnaAbbreviation = LastCharacters(chart.ascendantText, 3);
    if (const SignName* sign = FindSignName(summary.lagnaAbbreviation)) {
        summary.lagnaSignName = sign->sanskrit;
    }
    summary.nakshatraDisplay = chart.moonNakshatraName;
    summary.rashiDisplay = chart.moonRashiName;
    LookupNakshatraLord(summary);
}

void LookupNakshatraLord(ReadingSummary& summary) {
    const LookupTables& tables = InitTables();
    const auto signs = std::span(tables.signAbbreviationList).first(12);
    if (std::find(signs.begin(), signs.end(), summary.lagnaAbbreviation) == signs.end()) return;
    // The first row decides: a nakshatra spanning two signs always gives its
    // first segment, whichever sign the Moon is in.
    for (const NakshatraSegment& row : tables.nakshatraSegments) {
        if (row.nakshatra == summary.nakshatraDisplay) {
            summary.nakshatraLord = row.lord;
            summary.nakshatraPada = row.padas;
            return;
        }
    }
}

}  // namespace varelio
