#include "charts/DivisionalCharts.h"
#include "manglik/Manglik.h"

#include "tests/support/ChartFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varelio {
namespace {

using namespace samples;
using enum DivisionalChart;

double Lon(Sign sign, int degrees, int minutes = 0, int seconds = 0) {
    return 30.0 * static_cast<int>(sign) + degrees + minutes / 60.0 + seconds / 3600.0;
}

struct Case {
    DivisionalChart chart;
    double longitude;
    Sign expected;
};

void ExpectSigns(const std::vector<Case>& cases) {
    for (const Case& c : cases)
        EXPECT_EQ(SignInChart(c.chart, c.longitude), c.expected + 1) << static_cast<int>(c.chart) << " " << c.longitude;
}

TEST(DivisionalCharts, WorkedExamplesFromTheLiterature) {
    ExpectSigns({
        // Hora: Frawley, Astrology of the Seers, quoted in A. Writer, "Hora Varga or D/2"; the halves'
        // lords, astrojyoti.com/importance-of-the-hora-chart.htm.
        {Hora, Lon(Vir, 20), Leo}, {Hora, Lon(Gem, 20), Can},
        // Navamsa: eklavyaastrology.com/940/; astrologicallyexplained.com/2016/10/10/how-to-calculate-and-make-d9-chart/.
        {Navamsa, Lon(Vir, 28, 18), Vir}, {Navamsa, Lon(Can, 9, 3), Vir}, {Navamsa, Lon(Tau, 18, 35), Gem},
        // Dasamsa: prachinaastrology.com/2020/06/how-to-calculate-dashamsha.html; feelastro.com/feelastroblog/
        // what-is-dasamsa-or-d-10-chart-and-how-to-analyse-it.
        {Dasamsa, Lon(Vir, 9, 53), Leo}, {Dasamsa, Lon(Sag, 21, 9, 30), Can}, {Dasamsa, Lon(Sco, 12, 0, 53), Sco},
        // Dwadasamsa: Wikipedia, "Dwadasama" (Sun at 10°51' Aquarius; its table of the parts).
        {Dwadasamsa, Lon(Aqu, 10, 51), Gem}, {Dwadasamsa, Lon(Tau, 28), Ari},
    });
    // Saptamsa: Saravali 3.16, the first part of Aries .. Pisces (sutradhari.com/sara2.php).
    const std::array<Sign, 12> firstSaptamsa{Ari, Sco, Gem, Cap, Leo, Pis, Lib, Tau, Sag, Can, Aqu, Vir};
    for (int s = Ari; s <= Pis; ++s) EXPECT_EQ(SignInChart(Saptamsa, s * 30.0), firstSaptamsa[s] + 1) << s;
}

// Every body of the example chart in Sri Ramanujar Astro Training & Education Center's notes
// "D3 - Drekkana Chart" (Chennai); the midheaven without a sign.
TEST(DivisionalCharts, DrekkanaOfAWholeChart) {
    const ChartState chart = MakeChart({Lon(Can, 28, 27, 32), Lon(Lib, 22, 50, 19), Lon(Leo, 11, 51, 19),
                                        Lon(Vir, 4, 42, 8), Lon(Leo, 16, 10, 5), Lon(Aqu, 3, 45, 38),
                                        Lon(Cap, 15, 3, 18), Lon(Tau, 12, 43, 11), Lon(Sco, 12, 43, 11),
                                        Lon(Lib, 5, 35, 54), kNoSign});
    const ChartSigns expected{Pis + 1, Gem + 1, Sag + 1, Vir + 1, Sag + 1, Aqu + 1, Tau + 1, Vir + 1, Pis + 1, Lib + 1, 0};
    EXPECT_EQ(SignsInChart(Drekkana, chart), expected);
}

// Navamsa and Rasi boundaries are all in the sweep below.
TEST(DivisionalCharts, BodyOnABoundaryIsInTheLaterPart) {
    ExpectSigns({
        {Hora, Lon(Ari, 14, 59, 59), Leo}, {Hora, Lon(Ari, 15), Can}, {Hora, Lon(Pis, 29, 59, 59), Leo},
        {Drekkana, Lon(Leo, 10), Sag}, {Drekkana, Lon(Leo, 20), Ari}, {Saptamsa, Lon(Tau, 29, 59, 59), Tau},
        {Dasamsa, Lon(Tau, 2, 59, 59), Cap}, {Dasamsa, Lon(Tau, 3), Aqu}, {Dasamsa, Lon(Pis, 29, 59, 59), Leo},
        {Dwadasamsa, Lon(Ari, 2, 30), Tau}, {Dwadasamsa, Lon(Ari, 29, 59, 59), Pis},
        // 23°20' as a double falls a hair short of the boundary; the sign's last instant is still its own.
        {Navamsa, Lon(Ari, 23, 20), Sco}, {Navamsa, std::nextafter(30.0, 0.0), Sag},
    });
    for (const Division& division : kDivisions) EXPECT_EQ(SignInChart(division.chart, kNoSign), 0);
}

TEST(DivisionalCharts, RasiIsTheSignAndNavamsaCountsFromAries) {
    for (int arcMinutes = 0; arcMinutes < 360 * 60; ++arcMinutes) {
        for (double within : {0.0, 0.5, 0.999999}) {
            const double longitude = (arcMinutes + within) / 60.0;
            EXPECT_EQ(SignInChart(Rasi, longitude), PositionAt(longitude).sign) << longitude;
            EXPECT_EQ(SignInChart(Navamsa, longitude), arcMinutes / 200 % 12 + 1) << longitude;
        }
    }
}

// North Indian chart: Leo rising house by house (astrotruths.com/index.php/12-houses-in-hindu-astrology),
// and every ascendant's houses counted back to it.
TEST(NorthIndianHouses, SignInEachHouseForEveryAscendant) {
    const std::array<Sign, 12> leoRising{Leo, Vir, Lib, Sco, Sag, Cap, Aqu, Pis, Ari, Tau, Gem, Can};
    for (int house = 1; house <= kHouseCount; ++house) EXPECT_EQ(SignInHouse(Leo + 1, house), leoRising[house - 1] + 1);
    for (int ascendant = 1; ascendant <= kHouseCount; ++ascendant)
        for (int house = 1; house <= kHouseCount; ++house)
            EXPECT_EQ(HouseFrom(ascendant, SignInHouse(ascendant, house)), house) << ascendant << " " << house;
    EXPECT_EQ(SignInHouse(0, 1), 0);
}

}  // namespace
}  // namespace varelio
