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

// The pada shown is the Moon's own: Delhi, 1 March 1943, 10:00 has the Moon
// at 04 Sag 39, Mula pada 2; a nakshatra split between two signs gives the
// pada of the Moon's own degree, in either sign.
TEST(DeriveSummary, NamesTheNakshatraItsLordAndTheMoonsPada) {
    struct Case { double moon; const char* nakshatra; const char* lord; const char* padas; };
    const Case cases[] = {
        {Pos(Ari, 1), "Aswini", "Ketu", "1"},          {Pos(Ari, 28), "Krittika", "Sun", "1"},
        {Pos(Tau, 2), "Krittika", "Sun", "2"},         {Pos(Pis, 29), "Revati", "Mercury", "4"},
        {Pos(Leo, 1), "Magha", "Ketu", "1"},           {Pos(Can, 1), "Punarvasu", "Jupiter", "4"},
        {Pos(Cap, 25), "Dhanishtha", "Mars", "1"},     {Pos(Lib, 10), "Swati", "Rahu", "2"},
        {Pos(Sag, 4, 39), "Mula", "Ketu", "2"},        {Pos(Lib, 1), "Chitra", "Mars", "3"},
        {Pos(Sco, 1), "Vishakha", "Jupiter", "4"},
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
