#include "words/TextExport.h"

#include "tests/support/SampleBirths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace varelio {
namespace {

std::vector<std::string> SplitCrLf(const std::string& file) {
    std::vector<std::string> lines;
    std::istringstream in(file);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// 7 March 1985, 9:05, Mumbai (18 58 N, 72 50 E), Indian Time: the whole
// export against a file produced once by the engine and checked by hand
// (date and time lines, separators, the degree byte, the house lords).
TEST(TextExportOfAComputedReading, MatchesTheStoredMumbaiFile) {
    std::ifstream stored(VARELIO_WORDS_TEST_DATA "/mumbai-1985.txt", std::ios::binary);
    ASSERT_TRUE(stored) << "missing " VARELIO_WORDS_TEST_DATA "/mumbai-1985.txt";
    const std::string expected{std::istreambuf_iterator<char>(stored), std::istreambuf_iterator<char>()};

    const std::string actual = words::ComposeTextExport(samples::ReadingOf(samples::MumbaiForm()));

    const auto expectedLines = SplitCrLf(expected);
    const auto actualLines = SplitCrLf(actual);
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
