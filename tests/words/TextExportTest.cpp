#include "words/TextExport.h"

#include "Said.h"
#include "tests/support/ChartFixture.h"
#include "tests/support/SampleBirths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace varelio {
namespace {

// Lagna Gemini. Sun and Mercury in Aquarius, Moon in Taurus, Venus in Pisces,
// Mars in Aries, Jupiter in Capricorn, Saturn in Scorpio.
using namespace samples;
using namespace words;
using testing::LinesOf;

Reading ReadingWith(const Positions& positions) {
    Reading r;
    r.birthData.name = "Asha Rao";
    r.birthData.city = "Mumbai";
    r.birthData.month = 3;
    r.chartState = MakeChart(positions);
    r.chartState.ayanamsa = -(23 + 38 / 60.0 + 9.5 / 3600);
    r.chartState.bodies[kMercury].retrograde = true;
    return r;
}

Positions HandFilled() {
    return {Pos(Aqu, 22, 41), Pos(Tau, 3, 10), Pos(Aqu, 28, 2), Pos(Pis, 14, 55), Pos(Ari, 7, 19), Pos(Cap, 9, 33),
            Pos(Sco, 1, 44),  Pos(Ari, 20, 5), Pos(Lib, 20, 5), Pos(Gem, 16, 21), Pos(Pis, 3, 36)};
}

Reading HandFilledReading() { return ReadingWith(HandFilled()); }

TEST(TextExport, FortyOneCrLfLinesWithThreeSeparators) {
    const std::vector<std::string> lines = LinesOf(ComposeTextExport(HandFilledReading()));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kTextExportLines));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool separator = i == 8 || i == 19 || i == 27;
        EXPECT_EQ(lines[i] == "\r\r", separator) << "line " << i + 1 << ": " << lines[i];
        EXPECT_EQ(lines[i].back(), '\r') << "line " << i + 1;
    }
    EXPECT_EQ(lines[12], "Mercury 28 Aqu 02\r");  // no retrograde mark
    EXPECT_EQ(lines[21], "Ayanamsa: 23\xB0 38' 9\"\r");
}

TEST(TextExport, TextsOutsideTheCodePageAndControlsBecomeQuestionMarks) {
    Reading r = HandFilledReading();
    r.birthData.name = "R\u0101m \u00C9lise";
    r.birthData.city = "\u092E\u0941\u0902\u092C\u0908";  // five Devanagari code points
    r.birthData.country = "Line\rbreak\n";
    const std::vector<std::string> lines = LinesOf(ComposeTextExport(r));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kTextExportLines));
    EXPECT_EQ(lines[0], "Name: R?m \xC9lise\r");
    EXPECT_EQ(lines[5], "City: ?????\r");
    EXPECT_EQ(lines[7], "Country: Line?break?\r");

    // The same lines in UTF-8 keep every character but the controls (C1's too).
    r.birthData.state = "Esc\x1b[2J\u009b1m\x7f\xff";
    const std::vector<std::string> utf8 = LinesOf(ComposeTextExport(r, TextEncoding::Utf8));
    ASSERT_EQ(utf8.size(), static_cast<std::size_t>(kTextExportLines));
    EXPECT_EQ(utf8[0], "Name: R\u0101m \u00C9lise\r");
    EXPECT_EQ(utf8[5], "City: \u092E\u0941\u0902\u092C\u0908\r");
    EXPECT_EQ(utf8[6], "State: Esc?[2J?1m??\r");
    EXPECT_EQ(utf8[7], "Country: Line?break?\r");
    EXPECT_EQ(utf8[21], "Ayanamsa: 23\u00B0 38' 9\"\r");
}

TEST(TextExport, ABadMonthLeavesItsNameOut) {
    Reading r = HandFilledReading();
    r.birthData.month = 13;
    EXPECT_EQ(LinesOf(ComposeTextExport(r))[1], "Date of Birth:  0, 0\r");
}

// Mars stands in house 11 and the Moon in house 12 of the hand-filled Gemini chart.
TEST(HouseLordLine, MarksMarsAndTheMoonAndACancellationOnlyOfAManglikVerdict) {
    Reading r = HandFilledReading();
    EXPECT_EQ(SAID(HouseLordLine(w, r, 11)), "House 11 (Mesha): lord Mars in house 11; Mars here");
    EXPECT_EQ(SAID(HouseLordLine(w, r, 12)), "House 12 (Vrishabha): lord Venus in house 10; Moon here");

    r.evaluations[0].verdict.cancellation = Cancellation{CancellationRule::MarsInLeoOrAquarius, Leo + 1};
    r.evaluations[1].verdict.cancellation = Cancellation{CancellationRule::MoonInCancerOrLeo, Leo + 1};
    EXPECT_EQ(SAID(HouseLordLine(w, r, 11)),
              "House 11 (Mesha): lord Mars in house 11; Mars here, dosha cancelled: Mars in Leo");
    EXPECT_EQ(
        SAID(HouseLordLine(w, r, 12)),
        "House 12 (Vrishabha): lord Venus in house 10; Moon here, dosha from the Moon cancelled: Moon sign is Leo");

    r.chartState.bodies[kMoon] = PositionAt(Pos(Ari, 11, 0));
    EXPECT_EQ(SAID(HouseLordLine(w, r, 11)),
              "House 11 (Mesha): lord Mars in house 11; Mars here, dosha cancelled: Mars in Leo; "
              "Moon here, dosha from the Moon cancelled: Moon sign is Leo");
}

TEST(HouseLordLine, CountsHousesFromTheLagnaSign) {
    struct Case {
        double lagna;
        int house;
        std::string line;
    };
    const std::vector<Case> cases = {
        {Pos(Gem), 1, "House 1 (Mithuna): lord Mercury in house 9"},
        {Pos(Gem), 2, "House 2 (Kataka): lord Moon in house 12"},
        {Pos(Gem), 3, "House 3 (Simha): lord Sun in house 9"},
        {Pos(Gem), 5, "House 5 (Thula): lord Venus in house 10"},
        {Pos(Gem), 6, "House 6 (Vrishcika): lord Mars in house 11"},
        {Pos(Gem), 7, "House 7 (Dhanush): lord Jupiter in house 8"},
        {Pos(Gem), 9, "House 9 (Kumbha): lord Saturn in house 6"},
        {Pos(Ari), 1, "House 1 (Mesha): lord Mars in house 1; Mars here"},
        {Pos(Ari), 12, "House 12 (Meena): lord Jupiter in house 10"},
        {Pos(Pis), 2, "House 2 (Mesha): lord Mars in house 2; Mars here"},
        {Pos(Cap), 12, "House 12 (Dhanush): lord Jupiter in house 1"},
        {kNoSign, 1, "House 1: sign unknown"},
    };
    for (const Case& c : cases) {
        Positions positions = HandFilled();
        positions[kAscendant] = c.lagna;
        EXPECT_EQ(SAID(HouseLordLine(w, ReadingWith(positions), c.house)), c.line)
            << "lagna " << c.lagna << " house " << c.house;
    }
    Positions positions = HandFilled();
    positions[kMercury] = kNoSign;
    EXPECT_EQ(SAID(HouseLordLine(w, ReadingWith(positions), 4)), "House 4 (Kanya): lord Mercury, position unknown");
}

// 7 March 1985, 9:05, Mumbai (18 58 N, 72 50 E), Indian Time: the whole
// export against a file produced once by the engine and checked by hand
// (date and time lines, separators, the degree byte, the house lords).
TEST(TextExportOfAComputedReading, MatchesTheStoredMumbaiFile) {
    std::ifstream stored(VARELIO_WORDS_TEST_DATA "/mumbai-1985.txt", std::ios::binary);
    ASSERT_TRUE(stored) << "missing " VARELIO_WORDS_TEST_DATA "/mumbai-1985.txt";
    const std::string expected{std::istreambuf_iterator<char>(stored), std::istreambuf_iterator<char>()};

    const std::string actual = ComposeTextExport(samples::ReadingOf(samples::MumbaiForm()));

    const auto expectedLines = LinesOf(expected);
    const auto actualLines = LinesOf(actual);
    ASSERT_EQ(actualLines.size(), expectedLines.size());
    for (std::size_t i = 0; i < expectedLines.size(); ++i) {
        EXPECT_EQ(actualLines[i], expectedLines[i]) << "line " << i + 1;
    }
    EXPECT_EQ(actual, expected);
    EXPECT_NE(actual.find("Date of Birth: March 7, 1985\r\nTime of Birth: 9 Hour 5 Minute\r\n"), std::string::npos);
    EXPECT_NE(actual.find("Ayanamsa: 23\xB0 "), std::string::npos);
}

}  // namespace
}  // namespace varelio
