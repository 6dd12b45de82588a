// The Manglik verdict: the house of Mars counted from a reference sign (the
// ascendant's, the Moon's or Venus's), the dosha percentage and the verdict captions,
// and the first dosha-cancellation rule that applies. Signs are compared as
// numbers, read once from the chart's short-form position texts.
#pragma once

#include "astro/Records.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace varelio {

// A dosha-cancellation rule that applied: its number (1 to 5) and a sentence.
struct Cancellation {
    int rule = 0;
    std::string reason;
};

// Venus is the third reference other Manglik calculators count from; the
// program's window and export show the first two.
enum class ManglikReference { Lagna, Moon, Venus };

// The dosha of Mars in a house 1 to 12 from the reference: the percentage
// text ("50%", "0.0625%", ...) and whether it makes the person Manglik.
// Any other house gives an empty percentage and false.
struct HouseDosha {
    std::string_view percentage;
    bool manglik = false;
};
HouseDosha DoshaOfHouse(int house);

struct ManglikEvaluation {
    int marsHouse = 0;              // 1 to 12; 0 when it could not be counted
    std::string doshaPercentage;    // "50%", "0.0625%", ...; empty when unknown
    bool manglik = false;
    std::array<std::string, 3> captions;  // house line, percentage line, verdict line
    std::optional<Cancellation> cancellation;  // first cancellation rule that applies
};

// Judges the house of Mars counted from the sign of the ascendant's, the
// Moon's or Venus's position text. The verdict comes from the house alone; the
// cancellation is reported beside it and is evaluated whatever the verdict,
// so callers decide what to show.
//
// A reference or Mars text without a valid sign cannot be counted; the
// captions then say so instead of guessing:
//   "Position of Mars from Lagna is unknown" (or "from Moon", "from Venus")
//   "Percentage of Mangala dosha is unknown"
//   "The person's Manglik status could not be determined"
ManglikEvaluation EvaluateManglik(ManglikReference reference, const ChartState& chart);

}  // namespace varelio
