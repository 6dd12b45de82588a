// modManglik: the Manglik verdict. Counts the house of Mars from a reference
// position (the ascendant or the Moon), turns it into the dosha percentage and
// the verdict captions, and works through the dosha-cancellation rules.
// Works only on the short-form position texts of ChartState ("16 Gem 21"):
// signs are compared as three-letter texts, never as numbers.
#pragma once

#include "engine/Reading.h"
#include "engine/Records.h"

#include <array>
#include <optional>
#include <string>

namespace varelio {

// Thirteen slots like the other sign lists; slot 12 stays empty.
struct ManglikTables {
    std::array<std::string, 13> signNames;  // "Aries" .. "Pisces"
    std::array<std::string, 13> signLords;  // ruling planet of each sign, English name
};

// Fills both tables; every call writes the same texts.
void BuildManglikTables(ManglikTables& tables);

struct ManglikEvaluation {
    int marsHouse = 0;              // 1 to 12; 0 when it could not be counted
    std::string doshaPercentage;    // "50%", "0.0625%", ...; empty when unknown
    bool manglik = false;
    std::array<std::string, 3> captions;  // house line, percentage line, verdict line
    std::optional<Cancellation> cancellation;  // first cancellation rule that applies
};

// Judges targetName's house counted from the sign of referenceText.
// isLagnaRun picks the wording of the house line ("from Lagna" / "from Moon").
// The verdict comes from the house alone; the cancellation is reported beside
// it and is evaluated whatever the verdict, so callers decide what to show.
//
// A reference or Mars text without a valid sign abbreviation cannot be
// counted; the captions then say so instead of guessing:
//   "Position of Mars from Lagna is unknown"
//   "Percentage of Mangala dosha is unknown"
//   "The person's Manglik status could not be determined"
ManglikEvaluation EvaluateManglik(const std::string& referenceText, const std::string& targetName,
                                  bool isLagnaRun, const ChartState& chart);

}  // namespace varelio
