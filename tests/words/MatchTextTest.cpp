// The match's text file: UTF-8 lines ended by LF, the conclusion, each side,
// the comparison, the kootas and the doshas; a control character cannot add a
// line.
#include "words/MatchText.h"

#include "Said.h"

#include "tests/support/SampleBirths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace varelio {
namespace {

TEST(MatchText, EachPartOnItsLines) {
    Reading bride = samples::ReadingOf(samples::DelhiForm());
    const Reading groom = samples::ReadingOf(samples::MumbaiForm());
    bride.birthData.name = "Ásha\nRao";  // as typed, with a line break a crafted file may bring
    const Match match = MatchReadings(bride, groom);
    const std::string file = words::ComposeMatchText(bride, groom, match);
    ASSERT_TRUE(file.ends_with("\n"));
    const std::vector<std::string> lines = testing::LinesOf(file);
    // Title, conclusion, blank; two sides of six lines and a blank; the comparison (heading,
    // 7 lines, blank); the Ashtakoota (heading, 8 kootas, total, blank); the doshas (heading,
    // at least one line).
    ASSERT_EQ(lines.size(), 38u + std::max(1, match.ashtakoota->doshaCount));
    EXPECT_EQ(lines[0], "Match of Two Readings");
    EXPECT_EQ(lines[1], words::ConclusionLine(words::English(), match.conclusion));
    EXPECT_EQ(lines[3], "Bride: Ásha?Rao");
    EXPECT_EQ(lines[10], "Groom: Asha Rao");
    EXPECT_EQ(lines[17], "Manglik against Manglik");
    EXPECT_EQ(lines[19], words::HeadingText(words::English(), words::MatchHeading::ManglikCounted));
    EXPECT_EQ(lines[26], "Ashtakoota (Guna Milan)");
    EXPECT_TRUE(lines[27].starts_with("Varna: ") && lines[34].starts_with("Nadi: "));
    EXPECT_EQ(lines[35], words::TotalLine(words::English(), *match.ashtakoota));
    EXPECT_EQ(lines[37], "Doshas");
}

}  // namespace
}  // namespace varelio
