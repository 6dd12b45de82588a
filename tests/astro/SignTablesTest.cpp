#include "astro/Nakshatras.h"
#include "astro/Signs.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace varelio {
namespace {

TEST(SignAbbreviation, TwelveSignsAndNothingOutside) {
    const std::string_view expected[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                         "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    for (int sign = 0; sign < kSignCount; ++sign) {
        EXPECT_EQ(SignAbbreviation(sign), expected[sign]) << "sign " << sign;
        EXPECT_EQ(SignIndexOf(expected[sign]), sign) << expected[sign];
    }
    for (int outside : {-1, 12, 1000}) EXPECT_EQ(SignAbbreviation(outside), "") << "sign " << outside;
    for (std::string_view text : {"", "ari", "Ari ", "Aries", "Ar"}) {
        EXPECT_FALSE(SignIndexOf(text).has_value()) << "\"" << text << "\"";
    }
}

TEST(NakshatraSegments, EachSignHoldsNinePadas) {
    for (std::size_t sign = 0; sign < 12; ++sign) {
        int padas = 0;
        for (std::size_t r = 3 * sign; r < 3 * sign + 3; ++r) {
            padas += std::stoi(std::string(kNakshatraSegments[r].padas));
        }
        EXPECT_EQ(padas, 9) << "sign " << sign;
    }
}

TEST(NakshatraSegments, SplitNakshatrasShareLordAndCompleteFourPadas) {
    std::map<std::string_view, std::pair<std::string_view, int>> seen;
    for (const NakshatraSegment& row : kNakshatraSegments) {
        auto [it, fresh] = seen.try_emplace(row.nakshatra, row.lord, 0);
        EXPECT_EQ(it->second.first, row.lord) << row.nakshatra;
        it->second.second += std::stoi(std::string(row.padas));
    }
    // The two spellings of the same nakshatra each carry 2 padas.
    for (const auto& [name, entry] : seen) {
        const int expected = (name == "Dhanistha" || name == "Dhanishtha") ? 2 : 4;
        EXPECT_EQ(entry.second, expected) << name;
    }
    EXPECT_EQ(seen.size(), 28u) << "27 nakshatras plus the second spelling";
    // Every nakshatra the Moon can be given has a row.
    for (std::string_view name : kNakshatraNames) EXPECT_EQ(seen.count(name), 1u) << name;
}

TEST(NakshatraSegments, DhanishthaSpelledTwoWays) {
    EXPECT_EQ(kNakshatraSegments[29].nakshatra, "Dhanistha");
    EXPECT_EQ(kNakshatraSegments[30].nakshatra, "Dhanishtha");
    EXPECT_EQ(kNakshatraSegments[29].lord, "Mars");
    EXPECT_EQ(kNakshatraSegments[30].padas, "2");
}

}  // namespace
}  // namespace varelio
