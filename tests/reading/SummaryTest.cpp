#include "reading/Summary.h"

#include "astro/Angles.h"
#include "astro/Moon.h"
#include "astro/Planets.h"
#include "tests/support/Births.h"

#include <gtest/gtest.h>

namespace varelio {
namespace {

ChartState ChartWith(const std::string& ascendantText, const std::string& nakshatra) {
    ChartState chart;
    chart.ayanamsaText = "-23\u00B0 51' 2\"";
    chart.ascendantText = ascendantText;
    chart.moonNakshatraName = nakshatra;
    chart.moonRashiName = "Thula";
    return chart;
}

TEST(DeriveSummary, LagnaNamesFromTheAscendantsSign) {
    struct Case { const char* abbreviation; const char* name; };
    const Case cases[] = {
        {"Ari", "Mesha"}, {"Tau", "Vrishabha"}, {"Gem", "Mithuna"}, {"Can", "Kataka"},
        {"Leo", "Simha"}, {"Vir", "Kanya"},     {"Lib", "Thula"},   {"Sco", "Vrishcika"},
        {"Sag", "Dhanush"}, {"Cap", "Makara"},  {"Aqu", "Kumbha"},  {"Pis", "Meena"},
    };
    for (const Case& c : cases) {
        ReadingSummary summary;
        DeriveSummary(ChartWith(std::string("4\u00B0 2' 1\" ") + c.abbreviation, "Hasta"), summary);
        EXPECT_EQ(summary.lagnaAbbreviation, c.abbreviation);
        EXPECT_EQ(summary.lagnaSignName, c.name) << c.abbreviation;
    }
}

TEST(DeriveSummary, AyanamsaShownWithoutItsMinus) {
    ReadingSummary summary;
    DeriveSummary(ChartWith("1\u00B0 0' 0\" Ari", "Hasta"), summary);
    EXPECT_EQ(summary.ayanamsaDisplay, "23\u00B0 51' 2\"");
    EXPECT_EQ(summary.rashiDisplay, "Thula");
    EXPECT_EQ(summary.nakshatraDisplay, "Hasta");
}

TEST(LookupNakshatraLord, FirstMatchingRowDecides) {
    struct Case { const char* nakshatra; const char* lord; const char* pada; };
    const Case cases[] = {
        {"Aswini", "Ketu", "4"},    {"Krittika", "Sun", "1"},   {"Revati", "Mercury", "4"},
        {"Magha", "Ketu", "4"},     {"Punarvasu", "Jupiter", "3"}, {"Dhanishtha", "Mars", "2"},
        {"Swati", "Rahu", "4"},     {"Uttara Ashadha", "Sun", "1"}, {"Chitra", "Mars", "2"},
    };
    for (const Case& c : cases) {
        ReadingSummary summary;
        summary.lagnaAbbreviation = "Cap";  // the Lagna's sign plays no part
        summary.nakshatraDisplay = c.nakshatra;
        LookupNakshatraLord(summary);
        EXPECT_EQ(summary.nakshatraLord, c.lord) << c.nakshatra;
        EXPECT_EQ(summary.nakshatraPada, c.pada) << c.nakshatra;
    }
}

TEST(LookupNakshatraLord, NoMatchKeepsThePreviousValues) {
    struct Case { const char* lagna; const char* nakshatra; };
    const Case cases[] = {
        {"Ari", "swati"},  // comparison is case-sensitive
        {"Ari", ""},
        {"", "Swati"},     // the empty thirteenth slot is not a sign
        {"ari", "Swati"},
        {"Ari", "Dhanista"},
    };
    for (const Case& c : cases) {
        ReadingSummary summary;
        summary.lagnaAbbreviation = c.lagna;
        summary.nakshatraDisplay = c.nakshatra;
        summary.nakshatraLord = "previous lord";
        summary.nakshatraPada = "9";
        LookupNakshatraLord(summary);
        EXPECT_EQ(summary.nakshatraLord, "previous lord") << c.lagna << " / " << c.nakshatra;
        EXPECT_EQ(summary.nakshatraPada, "9") << c.lagna << " / " << c.nakshatra;
    }
}

TEST(DeriveSummary, UnknownLagnaKeepsThePreviousName) {
    ReadingSummary summary;
    summary.lagnaSignName = "Mesha";
    summary.nakshatraLord = "Moon";
    DeriveSummary(ChartWith("0\u00B0 0' 0\" ", "Swati"), summary);
    EXPECT_EQ(summary.lagnaAbbreviation, "0\" ");
    EXPECT_EQ(summary.lagnaSignName, "Mesha");
    EXPECT_EQ(summary.nakshatraLord, "Moon");
}

TEST(DeriveSummary, DelhiMillennium) {
    const BirthData birth = samples::BirthOf(samples::kDelhi2000);
    ChartState chart;
    ComputeAngles(birth, chart);
    ComputeMoon(birth, chart);
    ComputePlanets(birth, chart);
    ReadingSummary summary;
    DeriveSummary(chart, summary);
    EXPECT_EQ(summary.ayanamsaDisplay, "23\u00B0 51' 42\"");
    EXPECT_EQ(summary.lagnaAbbreviation, "Gem");
    EXPECT_EQ(summary.lagnaSignName, "Mithuna");
    EXPECT_EQ(summary.nakshatraDisplay, "Swati");
    EXPECT_EQ(summary.rashiDisplay, "Thula");
    EXPECT_EQ(summary.nakshatraLord, "Rahu");
    EXPECT_EQ(summary.nakshatraPada, "4");
}

}  // namespace
}  // namespace varelio
