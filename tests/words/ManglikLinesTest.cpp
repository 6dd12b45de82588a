// No line of a match contradicts another: every ordered pair of a few hundred
// random births is matched and its text file read back line by line
// (tests/support/MatchLines.h); the checker knows the sentences, not the rule.
#include "words/MatchText.h"

#include "tests/support/Births.h"
#include "tests/support/MatchLines.h"
#include "tests/support/SampleBirths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>
#include <vector>

namespace varelio {
namespace {

// VARELIO_MATCH_PAIR_BIRTHS asks for more or fewer births than 300.
std::vector<Reading> RandomReadings() {
    const char* asked = std::getenv("VARELIO_MATCH_PAIR_BIRTHS");
    const int births = asked != nullptr ? std::atoi(asked) : 300;
    std::mt19937 random(20240924);
    const auto pick = [&](int low, int high) { return low + static_cast<int>(random() % (high - low + 1)); };
    std::vector<Reading> readings(static_cast<std::size_t>(births));
    for (Reading& reading : readings) {
        reading.birthData = samples::RandomBirth(pick, 4);
        reading.birthData.name = "R";
        ComputeReading(reading);
    }
    return readings;
}

TEST(ManglikLines, NoLineContradictsAnotherForEveryPairOfRandomBirths) {
    const std::vector<Reading> readings = RandomReadings();
    std::set<std::string> seen;
    int pairs = 0, failed = 0;
    for (std::size_t b = 0; b < readings.size(); ++b) {
        for (std::size_t g = 0; g < readings.size(); ++g) {
            if (b == g) continue;
            const std::string file =
                words::ComposeMatchText(readings[b], readings[g], MatchReadings(readings[b], readings[g]));
            const samples::MatchLinesReport report = samples::CheckMatchLines(file);
            seen.insert(report.seen.begin(), report.seen.end());
            ++pairs;
            if (!report.contradictions.empty() && ++failed <= 5) {
                ADD_FAILURE() << report.contradictions.front() << "\nbride " << samples::Describe(readings[b].birthData)
                              << "\ngroom " << samples::Describe(readings[g].birthData) << "\n"
                              << file;
            }
        }
    }
    EXPECT_EQ(failed, 0) << "of " << pairs << " pairs";
    // The pairs reached every kind of line the rule can give.
    for (const char* kind :
         {"a cancelled dosha named beside a reference", "a lone dosha balanced from the other counted reference",
          "both from Venus", "both from a counted reference", "a dosha standing from a counted reference",
          "a dosha from Venus alone", "both Manglik from different references", "recommended",
          "a Nadi or Bhakoot dosha overriding the band"}) {
        EXPECT_TRUE(seen.contains(kind)) << kind;
    }
}

// The checker is no mere echo: lines that disagree, as the old rule wrote
// them in 59% of random pairs, are caught.
TEST(ManglikLines, TheCheckerFindsLinesThatDisagree) {
    const Reading bride = samples::ReadingOf(samples::DelhiForm());
    const Reading groom = samples::ReadingOf(samples::MumbaiForm());
    const std::string file = words::ComposeMatchText(bride, groom, MatchReadings(bride, groom));
    ASSERT_TRUE(samples::CheckMatchLines(file).contradictions.empty()) << file;
    // The line after the one starting so, or that line, replaced.
    const auto replaced = [&file](const std::string& start, int after, const std::string& with) {
        std::size_t at = file.starts_with(start) ? 0 : file.find("\n" + start) + 1;
        for (int i = 0; i < after; ++i) at = file.find('\n', at) + 1;
        std::string changed = file;
        changed.replace(at, file.find('\n', at) - at, with);
        return changed;
    };
    const struct {
        const char* start;
        int after;
        const char* with;
    } cases[] = {
        {"Manglik against Manglik", 1, "Neither is Manglik: there is no dosha to balance."},
        {"Manglik against Manglik", 1, "Both are Manglik: the doshas balance."},
        {"Manglik against Manglik", 1, "Only the bride is Manglik: the dosha stands, unbalanced."},
        {"Manglik against Manglik", 1, "Only the groom is Manglik: the dosha stands, unbalanced."},
        {"From Lagna", 0, "From Lagna: both have the dosha, so the doshas balance"},
        {"From Lagna", 0, "From Lagna: neither has the dosha"},
        {"From Venus", 0, "From Venus (not counted): only the bride has the dosha, and it stands"},
        {"Manglik against Manglik", 3, "The bride is Manglik from Lagna and Moon"},
        {"Manglik against Manglik", 3, "The bride is not Manglik"},
        {"Match of Two Readings", 1, "Conclusion: 28 of 36 (Good), recommended; neither is Manglik; no dosha stands."},
    };
    int caught = 0;
    for (const auto& c : cases) {
        const std::string changed = replaced(c.start, c.after, c.with);
        if (changed == file) continue;  // the line already said so
        EXPECT_FALSE(samples::CheckMatchLines(changed).contradictions.empty()) << c.with << "\n" << changed;
        ++caught;
    }
    EXPECT_GE(caught, 6);
}

}  // namespace
}  // namespace varelio
