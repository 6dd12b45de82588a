// The birth's Panchang: days of published almanacs through the engine's own
// Sun and Moon, and the edges of the tithis, yogas and karanas.
#include "kundli/Panchang.h"

#include "KundliTestSupport.h"
#include "astro/Moon.h"
#include "astro/Planets.h"
#include "tests/support/Births.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varelio {
namespace {

constexpr int kIst = 19800;

struct AlmanacMoment {
    const char* source;
    int year, month, day, hour, minute;  // IST, an hour or more from any change the almanac lists
    int tithi, yoga;
    Karana karana;
    Weekday weekday;
};

BirthPanchang PanchangAtKolkata(int year, int month, int day, int hour, int minute) {
    const BirthData birth = samples::MakeBirth(year, month, day, hour, minute, samples::kIndianTime);
    const double jd = testing::JdAtClock(year, month, day, hour, minute, kIst);
    return ComputePanchang({jd, kIst}, 22 + 34 / 60.0, 88 + 22 / 60.0, SiderealLongitudeDeg(kElementSun, birth),
                           MoonSiderealLongitudeDeg(birth));
}

TEST(Panchang, DaysOfPublishedAlmanacs) {
    constexpr const char* kRashtriya = "Positional Astronomy Centre, Kolkata, Daily Astronomical Information";
    constexpr const char* kHtTelugu = "HT Telugu panchangam, 20 November 2025";
    const AlmanacMoment moments[] = {
        // "Ashtami h. 11-35 ... Yoga: Vaidhriti h. 25-05 Karana: Kaulava h. 11-35", Monday.
        {kRashtriya, 2022, 5, 23, 9, 0, 23, 27, Karana::Kaulava, Weekday::Monday},
        // "Dasami h. 10-33 ... Yoga: Priti h. 22-44 Karana: Vishti h. 10-33", Wednesday.
        {kRashtriya, 2022, 5, 25, 8, 30, 25, 2, Karana::Vishti, Weekday::Wednesday},
        // "Tritiya h. 8-52 ... Yoga: Saubhagya h. 15-05 Karana: Vishti h. 8-52 then Bava h. 21-07", Friday.
        {kRashtriya, 2022, 1, 21, 12, 0, 19, 4, Karana::Bava, Weekday::Friday},
        // Amavasya and Naga until 12:16, then Pratipada and Kimstughna; Shobhana until 9:50, Thursday.
        {kHtTelugu, 2025, 11, 20, 11, 5, 30, 6, Karana::Naga, Weekday::Thursday},
        {kHtTelugu, 2025, 11, 20, 14, 0, 1, 6, Karana::Kimstughna, Weekday::Thursday},
    };
    for (const AlmanacMoment& m : moments) {
        const BirthPanchang p = PanchangAtKolkata(m.year, m.month, m.day, m.hour, m.minute);
        const std::string when = std::string(m.source) + " " + std::to_string(m.month) + "/" + std::to_string(m.day);
        EXPECT_EQ(p.tithi, m.tithi) << when;
        EXPECT_EQ(p.yoga, m.yoga) << when;
        EXPECT_EQ(KaranaOf(p.karana), m.karana) << when;
        EXPECT_EQ(p.day.weekday, m.weekday) << when;
    }
}

TEST(Panchang, ATithiChangeOfTheAlmanac) {
    // Ashtami ends at 11:35 IST on 23 May 2022 (Positional Astronomy Centre, Kolkata).
    EXPECT_EQ(PanchangAtKolkata(2022, 5, 23, 11, 25).tithi, 23);
    EXPECT_EQ(PanchangAtKolkata(2022, 5, 23, 11, 45).tithi, 24);
}

TEST(Panchang, EdgesOfTheParts) {
    const double sun = 100;
    const double justBelow = std::nextafter(112.0, 0.0);
    EXPECT_EQ(TithiAt(sun, sun), 1);
    EXPECT_EQ(TithiAt(sun, justBelow), 1);
    EXPECT_EQ(TithiAt(sun, 112), 2);
    EXPECT_EQ(TithiAt(sun, sun + 180 - 1e-9), 15);  // Purnima, the last of Shukla
    EXPECT_EQ(PakshaOf(15), Paksha::Shukla);
    EXPECT_EQ(TithiAt(sun, sun + 180), 16);  // Krishna Pratipada
    EXPECT_EQ(PakshaOf(16), Paksha::Krishna);
    EXPECT_EQ(TithiInPaksha(16), 1);
    EXPECT_EQ(TithiAt(sun, sun - 1e-9), 30);  // Amavasya
    EXPECT_EQ(KaranaAt(sun, sun + 6 - 1e-9), 1);
    EXPECT_EQ(KaranaAt(sun, sun + 6), 2);
    EXPECT_EQ(KaranaAt(sun, sun - 1e-9), 60);
    EXPECT_EQ(YogaAt(200, 160), 1);  // the sum a whole turn: Vishkambha
    EXPECT_EQ(YogaAt(200, 160 - 1e-9), 27);
    EXPECT_EQ(YogaAt(0, 13 + 20 / 60.0), 2);
    const std::pair<int, Karana> names[] = {{1, Karana::Kimstughna}, {2, Karana::Bava},     {8, Karana::Vishti},
                                            {9, Karana::Bava},       {57, Karana::Vishti},  {58, Karana::Shakuni},
                                            {59, Karana::Chatushpada}, {60, Karana::Naga}};
    for (const auto& [karana, name] : names) EXPECT_EQ(KaranaOf(karana), name) << karana;
}

}  // namespace
}  // namespace varelio
