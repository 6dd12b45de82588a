#include "engine/TextExport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varelio {
namespace {

// Splits the export at CR LF; a separator line comes back as "\r".
std::vector<std::string> LinesOf(const std::string& file) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < file.size()) {
        const std::size_t end = file.find("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(file.substr(pos) + "<no CR LF>");
            break;
        }
        lines.push_back(file.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

Reading HandFilledReading() {
    Reading r;
    BirthData& b = r.birthData;
    b.name = "Asha Rao";
    b.day = 7;
    b.month = 3;
    b.year = 1985;
    b.hour = 9;
    b.minute = 5;
    b.latDegrees = 18;
    b.latMinutes = 58;
    b.lonDegrees = 72;
    b.lonMinutes = 50;
    b.east = true;
    b.city = "Mumbai";
    b.state = "Maharashtra";
    b.country = "India";
    const char* names[] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu",
                           "Ascendant", "Midheaven"};
    // Lagna Gemini; Mercury in Aquarius (house 9), Venus in Pisces (10), Mars
    // in Aries (11), Moon in Taurus (12), Sun in Aquarius (9), Jupiter in
    // Capricorn (8), Saturn in Scorpio (6).
    const char* positions[] = {"22 Aqu 41", "03 Tau 10", "28 Aqu 02", "14 Pis 55", "07 Ari 19",
                               "09 Cap 33", "01 Sco 44", "20 Ari 05", "20 Lib 05", "16 Gem 21", "03 Pis 36"};
    for (int i = 0; i < kBodyCount; ++i) {
        r.chartState.bodyNames[static_cast<std::size_t>(i)] = names[i];
        r.chartState.bodyNamesSanskrit[static_cast<std::size_t>(i)] = names[i];
        r.chartState.bodyPositionText[static_cast<std::size_t>(i)] = positions[i];
    }
    r.chartState.bodyNamesSanskrit[kMercury] = "Budha (R) ";  // marks stay out of the export
    r.chartState.moonRashiName = "Vrishabha";
    r.summary.ayanamsaDisplay = "23\u00B0 38' 9\"";
    r.summary.lagnaAbbreviation = "Gem";
    r.summary.lagnaSignName = "Mithuna";
    r.summary.nakshatraDisplay = "Krittika";
    r.summary.rashiDisplay = "Vrishabha";
    r.summary.nakshatraLord = "Sun";
    r.summary.nakshatraPada = "1";
    return r;
}

TEST(TextExport, HandFilledReadingGivesTheFortyOneLines) {
    const std::vector<std::string> expected = {
        "Name: Asha Rao",
        "Date of Birth: March 7, 1985",
        "Time of Birth: 9 Hour 5 Minute",
        "Latitude: 18 Degree 58 Minute ",
        "Longitude: 72 Degree 50 Minute ",
        "City: Mumbai",
        "State: Maharashtra",
        "Country: India",
        "\r",
        "Planetary Position",
        "Sun 22 Aqu 41",
        "Moon 03 Tau 10",
        "Mercury 28 Aqu 02",
        "Venus 14 Pis 55",
        "Mars 07 Ari 19",
        "Jupiter 09 Cap 33",
        "Saturn 01 Sco 44",
        "Rahu 20 Ari 05",
        "Ketu 20 Lib 05",
        "\r",
        "Other Planetary Details",
        "Ayanamsa: 23\xB0 38' 9\"",
        "Lagna / Asc: Mithuna",
        "Nakshatra: Krittika",
        "Rashi / Moon Sign: Vrishabha",
        "Pada: 1",
        "Lord: Sun",
        "\r",
        "House Lord Interpretation",
        "House 1 (Mithuna): lord Mercury in house 9",
        "House 2 (Kataka): lord Moon in house 12",
        "House 3 (Simha): lord Sun in house 9",
        "House 4 (Kanya): lord Mercury in house 9",
        "House 5 (Thula): lord Venus in house 10",
        "House 6 (Vrishcika): lord Mars in house 11",
        "House 7 (Dhanush): lord Jupiter in house 8",
        "House 8 (Makara): lord Saturn in house 6",
        "House 9 (Kumbha): lord Saturn in house 6",
        "House 10 (Meena): lord Jupiter in house 8",
        "House 11 (Mesha): lord Mars in house 11",
        "House 12 (Vrishabha): lord Venus in house 10",
    };
    const std::vector<std::string> actual = LinesOf(ComposeTextExport(HandFilledReading()));
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
    }
}

TEST(TextExport, SeparatorsAreCrCrLfAndEveryLineEndsInCrLf) {
    const std::string file = ComposeTextExport(HandFilledReading());
    EXPECT_NE(file.find("Country: India\r\n\r\r\nPlanetary Position\r\n"), std::string::npos);
    EXPECT_NE(file.find("Ketu 20 Lib 05\r\n\r\r\nOther Planetary Details\r\n"), std::string::npos);
    EXPECT_NE(file.find("Lord: Sun\r\n\r\r\nHouse Lord Interpretation\r\n"), std::string::npos);
    EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
    std::size_t lineEnds = 0;
    for (std::size_t pos = file.find("\r\n"); pos != std::string::npos; pos = file.find("\r\n", pos + 2)) ++lineEnds;
    EXPECT_EQ(lineEnds, static_cast<std::size_t>(kTextExportLines));
    EXPECT_EQ(file.find('\n'), file.find("\r\n") + 1);
}

TEST(TextExport, TextsOutsideTheCodePageBecomeQuestionMarks) {
    Reading r = HandFilledReading();
    r.birthData.name = "R\u0101m \u00C9lise";
    r.birthData.city = "\u092E\u0941\u0902\u092C\u0908";  // five Devanagari code points
    r.birthData.country = "Line\rbreak\n";               // must not add lines
    const std::vector<std::string> lines = LinesOf(ComposeTextExport(r));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kTextExportLines));
    EXPECT_EQ(lines[0], "Name: R?m \xC9lise");
    EXPECT_EQ(lines[5], "City: ?????");
    EXPECT_EQ(lines[7], "Country: Line?break?");
}

TEST(TextExport, CancellationsAddNoLines) {
    Reading r = HandFilledReading();
    r.cancellations[0] = Cancellation{2, "Mars in its own sign"};
    r.cancellations[1] = Cancellation{4, "Jupiter aspects Mars"};
    EXPECT_EQ(ComposeTextExport(r), ComposeTextExport(HandFilledReading()));
}

TEST(HouseLordLine, CountsHousesFromTheLagnaSign) {
    struct Case {
        std::string lagna;
        int house;
        std::string line;
    };
    // The hand-filled chart keeps its bodies; only the Lagna moves.
    const std::vector<Case> cases = {
        {"Ari", 1, "House 1 (Mesha): lord Mars in house 1"},
        {"Ari", 12, "House 12 (Meena): lord Jupiter in house 10"},
        {"Pis", 1, "House 1 (Meena): lord Jupiter in house 11"},
        {"Pis", 2, "House 2 (Mesha): lord Mars in house 2"},
        {"Cap", 12, "House 12 (Dhanush): lord Jupiter in house 1"},
        {"Leo", 1, "House 1 (Simha): lord Sun in house 7"},
        {"Can", 1, "House 1 (Kataka): lord Moon in house 11"},
        {"", 1, "House 1: sign unknown"},
        {"Gemini", 3, "House 3: sign unknown"},
    };
    for (const Case& c : cases) {
        Reading r = HandFilledReading();
        r.summary.lagnaAbbreviation = c.lagna;
        EXPECT_EQ(HouseLordLine(r, c.house), c.line) << "lagna \"" << c.lagna << "\" house " << c.house;
    }
}

TEST(HouseLordLine, LordWithoutAPositionText) {
    Reading r = HandFilledReading();
    r.chartState.bodyPositionText[kMercury] = "";
    EXPECT_EQ(HouseLordLine(r, 1), "House 1 (Mithuna): lord Mercury, position unknown");
    r.chartState.bodyPositionText[kMercury] = "28 Xyz 02";
    EXPECT_EQ(HouseLordLine(r, 4), "House 4 (Kanya): lord Mercury, position unknown");
}

TEST(TextExport, MonthOutsideTheYearLeavesTheNameOut) {
    Reading r = HandFilledReading();
    r.birthData.month = 13;
    EXPECT_EQ(LinesOf(ComposeTextExport(r))[1], "Date of Birth:  7, 1985");
}

}  // namespace
}  // namespace varelio
