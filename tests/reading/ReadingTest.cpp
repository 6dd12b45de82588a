#include "reading/Reading.h"

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

// Every field a reader of the reading can see, as one comparable text.
std::string Flatten(const Reading& r) {
    std::ostringstream out;
    const ChartState& c = r.chartState;
    for (const BodyTable* table : {&c.bodyNames, &c.bodyNamesSanskrit, &c.bodyPositionText}) {
        for (const std::string& s : *table) out << s << "|";
        out << "\n";
    }
    out << c.ascendantText << "|" << c.midheavenText << "|" << c.ayanamsaText << "|" << c.moonPositionText << "|"
        << c.moonNakshatraName << "|" << c.moonRashiName << "|" << c.moonSignName << "|" << c.rahuText << "|"
        << c.ketuText << "\n";
    for (const std::string& s : c.planetPositionText) out << s << "|";
    out << "\n"
        << c.julianDayNumber << " " << c.universalTime << " " << c.centuries1900 << " " << c.localSiderealTime << " "
        << c.obliquity << " " << c.ascendant << " " << c.midheaven << " " << c.ayanamsa << " " << c.moonLongitude
        << "\n";
    const ReadingSummary& s = r.summary;
    out << s.ayanamsaDisplay << "|" << s.lagnaAbbreviation << "|" << s.lagnaSignName << "|" << s.nakshatraDisplay
        << "|" << s.rashiDisplay << "|" << s.nakshatraLord << "|" << s.nakshatraPada << "\n";
    for (bool f : r.retrogradeFlags) out << f;
    out << "\n";
    for (const std::string& cell : r.chartCells) out << cell << "|";
    out << "\n";
    for (const std::string& caption : r.manglikCaptions) out << caption << "|";
    out << "\n";
    for (std::size_t run = 0; run < 2; ++run) out << r.marsHouses[run] << " " << r.doshaPercentages[run] << "|";
    out << "\n";
    for (const auto& cancellation : r.cancellations) {
        if (cancellation) out << cancellation->rule << " " << cancellation->reason;
        out << "|";
    }
    out << "\n";
    for (const std::string& caption : r.manglikFromVenus.captions) out << caption << "|";
    out << "\n";
    const VerdictWindow& w = r.verdictWindow;
    for (const ReferenceWindow* window : {&w.lagna, &w.moon}) {
        out << window->house << " " << window->from << window->fromDay << " " << window->to << window->toDay << " "
            << window->minutesBefore.value_or(-1) << " " << window->minutesAfter.value_or(-1) << "|";
    }
    out << w.marsToBoundary;
    return out.str();
}

TEST(ComputeReading, DelhiMillenniumEveningCaptions) {
    Reading reading;
    reading.birthData = samples::BirthOf(samples::kDelhi2000);
    ComputeReading(reading);
    const std::array<std::string, 6> expected = {
        "Position of Mars from Lagna is 9", "Percentage of Mangala dosha is 0%", "The person is Non Manglik",
        "Position of Mars from Moon is 5",  "Percentage of Mangala dosha is 0%", "The person is Non Manglik"};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(reading.manglikCaptions[i], expected[i]) << "caption " << i << "\n" << Flatten(reading);
    }
    // Venus 07 Sco, Mars 04 Aqu: the 4th house.
    EXPECT_EQ(reading.manglikFromVenus.captions[0], "Position of Mars from Venus is 4");
    EXPECT_EQ(reading.manglikFromVenus.captions[2], "The person is Manglik");
    EXPECT_EQ(reading.verdictWindow.lagna.house, 9);
    EXPECT_EQ(reading.verdictWindow.moon.house, 5);
    // The Lagna sign's cell opens with "Asc".
    int ascCells = 0;
    for (const std::string& cell : reading.chartCells) ascCells += cell.rfind("Asc", 0) == 0 ? 1 : 0;
    EXPECT_EQ(ascCells, 1) << Flatten(reading);
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

TEST(ComputeReading, ChartCellsHoldEveryBodyOnceWithNodesOpposite) {
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
            int rahuCell = -1, ketuCell = -1, lines = 0;
            for (int i = 0; i < 12; ++i) {
                const std::string& cell = reading.chartCells[static_cast<std::size_t>(i)];
                if (cell.empty()) continue;
                lines += 1 + static_cast<int>(std::count(cell.begin(), cell.end(), '\n'));
                if (cell.find("Rahu") != std::string::npos) rahuCell = i;
                if (cell.find("Ketu") != std::string::npos) ketuCell = i;
            }
            SCOPED_TRACE(Describe(reading.birthData) + "\n" + Flatten(reading));
            EXPECT_EQ(lines, 10);  // "Asc" and the nine bodies
            ASSERT_GE(rahuCell, 0);
            ASSERT_GE(ketuCell, 0);
            EXPECT_EQ((rahuCell - ketuCell + 12) % 12, 6);
            // Retrograde flags and marks agree.
            for (std::size_t k = 0; k < kRetrogradeCount; ++k) {
                const bool marked = reading.chartState.bodyNamesSanskrit[kMercury + k].ends_with(" (R) ");
                EXPECT_EQ(marked, reading.retrogradeFlags[k]) << "planet " << k;
            }
            // The houses and percentages kept as values are the ones the captions show.
            for (std::size_t run = 0; run < 2; ++run) {
                EXPECT_TRUE(reading.manglikCaptions[3 * run].ends_with(" is " + std::to_string(reading.marsHouses[run])));
                EXPECT_EQ(reading.manglikCaptions[3 * run + 1],
                          "Percentage of Mangala dosha is " + reading.doshaPercentages[run]);
            }
        }
    }
}

}  // namespace
}  // namespace varelio
