#include "reading/Reading.h"

#include "astro/Nakshatras.h"
#include "tests/support/Births.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace varelio {
namespace {

struct Birth {
    int day, month, year, hour, minute;
    samples::ZoneCorrection zone;
    int latDeg, latMin;
    bool south;
    int lonDeg, lonMin;
    bool west;
    bool dst;
};

BirthData MakeBirth(const Birth& b) {
    BirthData birth = samples::MakeBirth(b.year, b.month, b.day, b.hour, b.minute, b.zone);
    birth.name = "Test";
    birth.latDegrees = samples::Short(b.latDeg);
    birth.latMinutes = samples::Short(b.latMin);
    birth.south = b.south;
    birth.lonDegrees = samples::Short(b.lonDeg);
    birth.lonMinutes = samples::Short(b.lonMin);
    birth.east = !b.west;
    birth.dst = b.dst;
    return birth;
}

using samples::Describe;

// Every number and code of the reading, as one comparable text.
std::string Flatten(const Reading& r) {
    std::ostringstream out;
    out.precision(17);
    const ChartState& c = r.chartState;
    for (const BodyPosition& b : c.bodies) {
        out << b.longitudeDeg << " " << b.sign << " " << b.nakshatra << " " << b.pada << " " << b.retrograde << "|";
    }
    out << "\n";
    out << c.julianDayNumber << " " << c.universalTime << " " << c.centuries1900 << " " << c.localSiderealTime << " "
        << c.obliquity << " " << c.ayanamsa << "\n";
    for (const Evaluation& e : r.evaluations) {
        const ManglikVerdict& v = e.verdict;
        out << v.house << " " << v.manglik << " " << v.doshaPercent << " ";
        if (v.cancellation) out << static_cast<int>(v.cancellation->rule);
        if (e.window) {
            const ReferenceWindow& w = *e.window;
            for (const WindowEnd* end : {&w.from, &w.to}) {
                out << " " << end->minute << " " << end->day << " " << static_cast<int>(end->setBy) << " "
                    << end->minutesToChange.value_or(-1) << " " << end->house << " " << end->uncertaintyMinutes << " "
                    << end->houseChangesFirst << end->approximate;
            }
            out << w.verdictMayDiffer;
        }
        out << "|";
    }
    out << r.marsToBoundary;
    for (const auto& near : {r.marsNearEdge.before, r.marsNearEdge.after}) {
        if (near) out << " " << near->minutesAway << " " << near->minute << " " << near->day;
    }
    const HinduDay& day = r.panchang.day;
    out << "\n" << r.moment.jdUt << " " << r.moment.offsetSeconds << " " << r.dashaBalance.lord << " "
        << r.dashaBalance.remainingFraction << " " << day.daysSince1970 << " " << static_cast<int>(day.sun.daylight)
        << " " << day.sun.riseJdUt << " " << day.sun.setJdUt << " " << r.panchang.tithi << " " << r.panchang.yoga
        << " " << r.panchang.karana;
    return out.str();
}

// The worked example: the Lagna, the Moon and the verdicts from the three
// references of 1 January 2000, 17:30 at Delhi.
TEST(ComputeReading, DelhiMillennium) {
    Reading reading;
    reading.birthData = samples::BirthOf(samples::kDelhi2000);
    ComputeReading(reading);
    const ChartState& c = reading.chartState;
    EXPECT_EQ(c.bodies[kAscendant].sign, 3);  // Gemini
    EXPECT_EQ(c.bodies[kMoon].sign, 7);       // Libra: Swati, pada 4
    EXPECT_EQ(c.bodies[kMoon].nakshatra, 15);
    EXPECT_EQ(c.bodies[kMoon].pada, 4);
    // Mars 04 Aqu: 9th from Gemini, 5th from Libra, 4th from Venus in Scorpio.
    const std::pair<ManglikReference, int> houses[] = {
        {ManglikReference::Lagna, 9}, {ManglikReference::Moon, 5}, {ManglikReference::Venus, 4}};
    for (const auto& [reference, house] : houses) {
        const Evaluation& e = reading.of(reference);
        EXPECT_EQ(e.verdict.house, house) << Flatten(reading);
        EXPECT_EQ(e.verdict.manglik, house == 4);
        EXPECT_EQ(e.window.has_value(), reference != ManglikReference::Venus);
        if (e.window) {
            EXPECT_EQ(e.window->house, house);
        }
    }
}

TEST(ComputeReading, SecondCallWithOtherBirthLeavesNothingBehind) {
    // The pairs differ in signs and cell contents, the first two also in retrograde marks.
    const BirthData delhi = samples::BirthOf(samples::kDelhi2000);
    const std::pair<BirthData, BirthData> pairs[] = {
        {delhi, MakeBirth({15, 8, 1985, 6, 5, {9, 0}, 40, 42, false, 74, 0, true, true})},
        {MakeBirth({29, 2, 1988, 23, 59, {-1, 0}, 33, 52, true, 151, 12, false, false}), delhi},
        {MakeBirth({3, 11, 1950, 0, 0, samples::kIndianTime, 19, 4, false, 72, 52, false, false}),
         MakeBirth({30, 6, 2041, 24, 0, {-2, 0}, 51, 30, false, 0, 7, true, true})},
    };
    for (const auto& [first, second] : pairs) {
        Reading fresh;
        fresh.birthData = second;
        ComputeReading(fresh);

        Reading reused;
        reused.birthData = first;
        ComputeReading(reused);
        const std::string firstFlat = Flatten(reused);
        reused.birthData = second;
        ComputeReading(reused);

        EXPECT_NE(firstFlat, Flatten(fresh)) << "pair should differ: " << Describe(first);
        EXPECT_EQ(Flatten(reused), Flatten(fresh)) << Describe(first) << " then " << Describe(second);
    }
}

// The moment and clock the dasha and the Panchang are read on, and the
// dasha's lord, from the chart: 17:30 Indian Time is 12:00 UT.
TEST(ComputeReading, KundliPartsFollowTheChart) {
    Reading reading;
    reading.birthData = samples::BirthOf(samples::kDelhi2000);
    ComputeReading(reading);
    EXPECT_EQ(reading.moment.jdUt, 2451545.0);
    EXPECT_EQ(reading.moment.offsetSeconds, 19800);
    const int nakshatra = reading.chartState.bodies[kMoon].nakshatra;
    EXPECT_EQ(kDashaLords[reading.dashaBalance.lord].body, kNakshatraLords[static_cast<std::size_t>(nakshatra - 1)]);
    EXPECT_EQ(reading.panchang.day.weekday, Weekday::Saturday);
    reading.birthData.utcOffsetSeconds = 21200;  // "+05:53:20"
    ComputeReading(reading);
    EXPECT_EQ(reading.moment.offsetSeconds, 21200);
    EXPECT_NEAR(reading.moment.jdUt, 2451545.0 - 1400 / kSecondsPerDay, 1e-9);
}

TEST(ComputeReading, EveryBodyHasASignWithNodesOpposite) {
    for (int year = 1905; year <= 2050; year += 7) {
        for (int month : {1, 5, 9}) {
            // Zones from twelve hours West of Greenwich to thirteen East, on the half hour every other year.
            const int zoneHours = year % 26 - 13;
            const int zoneMinutes = year % 2 == 0 ? 0 : (zoneHours < 0 ? -30 : 30);
            const Birth b = {month + 10, month, year, (year * 7) % 25, (year * 13) % 60, {zoneHours, zoneMinutes},
                             12, 0, year % 2 == 0, 88, 30, year % 3 == 0, false};
            Reading reading;
            reading.birthData = MakeBirth(b);
            ComputeReading(reading);
            SCOPED_TRACE(Describe(reading.birthData) + "\n" + Flatten(reading));
            const ChartState& c = reading.chartState;
            for (int body = kSun; body <= kAscendant; ++body) {
                EXPECT_GE(c.bodies[static_cast<std::size_t>(body)].sign, 1);
                EXPECT_LE(c.bodies[static_cast<std::size_t>(body)].sign, 12);
            }
            EXPECT_EQ((c.bodies[kRahu].sign - c.bodies[kKetu].sign + 12) % 12, 6);
            // Every reference's house is Mars's sign counted from the reference's.
            for (const ManglikReference reference : kManglikReferences) {
                EXPECT_EQ(reading.of(reference).verdict.house,
                          (c.bodies[kMars].sign - c.bodies[ReferenceBody(reference)].sign + 12) % 12 + 1);
            }
        }
    }
}

}  // namespace
}  // namespace varelio
