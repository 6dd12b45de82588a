#include "reading/Summary.h"

#include "tests/support/ChartFixture.h"

#include <gtest/gtest.h>

namespace varelio {
namespace {

using namespace samples;

// Moon at a longitude, the ascendant in Capricorn (the Lagna plays no part in
// the nakshatra's lord and padas).
ChartState ChartWithMoonAt(double moonLongitude, double ascendant = Pos(Cap)) {
    Positions at{};
    at[kMoon] = moonLongitude;
    at[kAscendant] = ascendant;
    ChartState chart = MakeChart(at);
    chart.ayanamsa = -23.8506;
    return chart;
}

TEST(DeriveSummary, NamesAndTheNakshatrasLordAndPadasInItsFirstSign) {
    struct Case { double moon; const char* nakshatra; const char* lord; const char* padas; };
    const Case cases[] = {
        {Pos(Ari, 1), "Aswini", "Ketu", "4"},          {Pos(Ari, 28), "Krittika", "Sun", "1"},
        {Pos(Tau, 2), "Krittika", "Sun", "1"},         {Pos(Pis, 29), "Revati", "Mercury", "4"},
        {Pos(Leo, 1), "Magha", "Ketu", "4"},           {Pos(Can, 1), "Punarvasu", "Jupiter", "3"},
        {Pos(Cap, 25), "Dhanishtha", "Mars", "2"},     {Pos(Lib, 10), "Swati", "Rahu", "4"},
        {Pos(Sag, 28), "Uttara Ashadha", "Sun", "1"},  {Pos(Lib, 1), "Chitra", "Mars", "2"},
    };
    for (const Case& c : cases) {
        const ReadingSummary summary = DeriveSummary(ChartWithMoonAt(c.moon));
        EXPECT_EQ(summary.nakshatraDisplay, c.nakshatra) << c.moon;
        EXPECT_EQ(summary.nakshatraLord, c.lord) << c.moon;
        EXPECT_EQ(summary.nakshatraPada, c.padas) << c.moon;
        EXPECT_EQ(summary.lagnaAbbreviation, "Cap");
        EXPECT_EQ(summary.lagnaSignName, "Makara");
        EXPECT_EQ(summary.ayanamsaDisplay, "23\u00B0 51' 2\"");
    }
}

TEST(DeriveSummary, UnknownLagnaLeavesItsValuesEmpty) {
    const ReadingSummary summary = DeriveSummary(ChartWithMoonAt(Pos(Lib, 10), kNoSign));
    EXPECT_EQ(summary.lagnaAbbreviation, "");
    EXPECT_EQ(summary.lagnaSignName, "");
    EXPECT_EQ(summary.nakshatraLord, "");
    EXPECT_EQ(summary.nakshatraDisplay, "Swati");
}

}  // namespace
}  // namespace varelio
