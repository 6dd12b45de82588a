// The engine's sidereal Sun and planets against the Swiss Ephemeris with the
// Lahiri ayanamsa (data/lahiri-longitudes.csv, see data/README.md), over the
// program's whole range of years.
#include "astro/Chart.h"
#include "astro/Planets.h"
#include "tests/support/Births.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

namespace varelio {
namespace {

struct Row {
    int year, month, day, hour, minute;
    std::array<double, 6> longitudeDeg;  // the file's column order
};

struct Column {
    const char* name;
    BodyIndex body;
    double toleranceArcMinutes;  // what mean elements without perturbations can reach
};
constexpr std::array<Column, 6> kColumns{{
    {"Sun", kSun, 3},         {"Mercury", kMercury, 3}, {"Venus", kVenus, 3},
    {"Mars", kMars, 8},       {"Jupiter", kJupiter, 15}, {"Saturn", kSaturn, 15},
}};

// A table's rows: a moment in UT and `columns` longitudes.
std::vector<Row> ReadTable(const std::string& name, int columns) {
    std::ifstream file(VARELIO_ASTRO_TEST_DATA "/" + name);
    std::vector<Row> rows;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("year", 0) == 0) continue;
        Row r{};
        std::array<double, 6>& l = r.longitudeDeg;
        const int fields = std::sscanf(line.c_str(), "%d,%d,%d,%d,%d,%lf,%lf,%lf,%lf,%lf,%lf", &r.year, &r.month,
                                       &r.day, &r.hour, &r.minute, &l[0], &l[1], &l[2], &l[3], &l[4], &l[5]);
        EXPECT_EQ(fields, 5 + columns) << name << ": unreadable line: " << line;
        if (fields == 5 + columns) rows.push_back(r);
    }
    return rows;
}

ChartState ChartAt(const Row& row) {
    // Zone 0 without daylight saving: the clock time is the table's UT.
    ChartState chart;
    ComputeChart(samples::MakeBirth(row.year, row.month, row.day, row.hour, row.minute), chart);
    return chart;
}

double ErrorArcMinutes(double actual, double expected) { return std::fabs(std::remainder(actual - expected, 360.0)) * 60.0; }

TEST(ReferenceLongitudes, SunAndPlanetsAgreeWithTheSwissEphemerisFrom1901To2050) {
    const std::vector<Row> rows = ReadTable("lahiri-longitudes.csv", 6);
    ASSERT_GE(rows.size(), 200u) << "missing or short " VARELIO_ASTRO_TEST_DATA "/lahiri-longitudes.csv";

    struct Worst {
        double arcMinutes = -1;
        std::string detail;
    };
    std::array<Worst, kColumns.size()> worst;
    for (const Row& row : rows) {
        const ChartState chart = ChartAt(row);
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            const double actual = chart.bodies[kColumns[c].body].longitudeDeg;
            const double expected = row.longitudeDeg[c];
            const double error = ErrorArcMinutes(actual, expected);
            if (!(error <= worst[c].arcMinutes)) {  // NaN is always the worst
                std::ostringstream detail;
                detail << std::fixed << std::setprecision(4) << row.year << "-" << row.month << "-" << row.day << " " << row.hour << ":" << row.minute
                       << " UT: expected " << expected << " deg, actual " << actual << " deg";
                worst[c] = {std::isnan(error) ? 1e9 : error, detail.str()};
            }
        }
    }
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        EXPECT_LE(worst[c].arcMinutes, kColumns[c].toleranceArcMinutes)
            << kColumns[c].name << " is off by up to " << std::fixed << std::setprecision(2) << worst[c].arcMinutes
            << "' at " << worst[c].detail;
    }
}

// The bound the birth-time window takes for Mars's error holds over a moment
// every week of 1901 to 2050 (data/mars-longitudes.csv) with room to spare
// for the moments between them (data/README.md).
TEST(ReferenceLongitudes, MarsStaysWithinTheWindowsBoundFrom1901To2050) {
    constexpr double kRoomBetweenMoments = 0.5;
    const std::vector<Row> rows = ReadTable("mars-longitudes.csv", 1);
    ASSERT_GE(rows.size(), 7800u) << "missing or short " VARELIO_ASTRO_TEST_DATA "/mars-longitudes.csv";
    double worst = -1;
    const Row* at = nullptr;
    for (const Row& row : rows) {
        const double error = ErrorArcMinutes(ChartAt(row).bodies[kMars].longitudeDeg, row.longitudeDeg[0]);
        if (!(error <= worst)) {
            worst = std::isnan(error) ? 1e9 : error;
            at = &row;
        }
    }
    EXPECT_LE(worst + kRoomBetweenMoments, kMarsErrorArcMinutes)
        << "Mars is off by " << worst << "' at " << at->year << "-" << at->month << "-" << at->day;
}

}  // namespace
}  // namespace varelio
