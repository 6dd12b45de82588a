#include "astro/Nakshatras.h"
#include "astro/Signs.h"

#include <gtest/gtest.h>

#include <set>

namespace varelio {
namespace {

TEST(SignAbbreviation, NothingOutsideTheTwelveSigns) {
    for (int outside : {-1, 12, 1000}) EXPECT_EQ(SignAbbreviation(outside), "") << "sign " << outside;
}

// The lords run through the nine grahas three times, Ketu first.
TEST(Nakshatras, LordsRepeatEveryNine) {
    std::set<BodyIndex> firstRound;
    for (std::size_t n = 0; n < kNakshatras.size(); ++n) {
        EXPECT_EQ(kNakshatras[n].lord, kNakshatras[n % 9].lord) << kNakshatras[n].name;
        firstRound.insert(kNakshatras[n % 9].lord);
    }
    EXPECT_EQ(firstRound.size(), 9u);
    EXPECT_EQ(kNakshatras.front().lord, kKetu);
}

}  // namespace
}  // namespace varelio
