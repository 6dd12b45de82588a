// Writes retro/StationData.h: for Mercury to Saturn, the moments at which the
// geocentric ecliptic longitude speed changes sign (positive to negative: the
// planet turns retrograde; negative to positive: it turns direct), from the
// Swiss Ephemeris.
//
// Usage: generate_stations <ephemeris-folder> <output-file>
//
// Each planet is scanned in half-day steps; every sign change of the speed is
// refined by bisection to well under a second and written in Universal Time,
// floored to the minute, as "M,D,YYYY,h,m,". A table runs from the pair whose
// retrograde station falls on the date of its fixed first reference row to the
// pair on the date of its fixed last reference row. The reference rows are then
// written exactly as fixed, even where the ephemeris differs by a few minutes;
// the ephemeris value stays beside them as a comment. The run fails when a
// table's pair count is not the expected one.
#include "../GeneratorSupport.h"

#include <swephexp.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double kUnixEpochJd = 2440587.5;
constexpr double kScanStep = 0.5;               // days
constexpr double kBisectionWidth = 0.1 / 86400; // days, a tenth of a second
constexpr int kMaxReferenceGapDays = 3;

struct ReferencePair {
    int index;  // pair index; -1 is the last pair
    const char* retrograde;
    const char* direct;
};

struct PlanetPlan {
    const char* name;
    int body;
    std::size_t pairCount;
    std::vector<ReferencePair> reference;  // the first entry is pair 0
};

const std::vector<PlanetPlan>& Plans() {
    static const std::vector<PlanetPlan> plans = {
        {"Mercury", SE_MERCURY, 476,
         {{0, "3,15,1900,13,19,", "4,7,1900,18,42,"},
          {1, "7,18,1900,0,53,", "8,11,1900,14,59,"},
          {-1, "12,1,2050,17,17,", "12,21,2050,11,33,"}}},
        {"Venus", SE_VENUS, 95,
         {{0, "6,16,1900,22,56,", "7,30,1900,2,44,"},
          {1, "1,25,1902,3,30,", "3,7,1902,13,41,"},
          {-1, "9,25,2050,22,15,", "11,6,2050,19,4,"}}},
        {"Mars", SE_MARS, 71,
         {{0, "1,13,1901,6,16,", "4,4,1901,7,21,"},
          {1, "2,18,1903,14,29,", "5,9,1903,16,14,"},
          {-1, "7,15,2050,5,50,", "9,13,2050,9,41,"}}},
        {"Jupiter", SE_JUPITER, 139,
         {{0, "3,27,1900,20,39,", "7,29,1900,1,35,"},
          {-1, "12,21,2050,13,21,", "4,21,2051,23,46,"}}},
        {"Saturn", SE_SATURN, 146,
         {{0, "4,14,1900,6,2,", "9,2,1900,14,39,"},
          {1, "4,26,1901,3,57,", "9,14,1901,0,9,"},
          {-1, "5,18,2050,13,6,", "10,6,2050,11,5,"}}},
    };
    return plans;
}

[[noreturn]] void Fail(const std::string& message) { varelio::tools::FailWith("generate_stations", message); }

using varelio::tools::DaysFromCivil;

struct Civil {
    std::int64_t year;
    int month, day, hour, minute;
};

Civil CivilFromMinutes(std::int64_t minutes) {
    std::int64_t days = minutes / 1440;
    std::int64_t rest = minutes % 1440;
    if (rest < 0) {
        rest += 1440;
        --days;
    }
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const auto d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const auto m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
    return {y, m, d, static_cast<int>(rest / 60), static_cast<int>(rest % 60)};
}

// The entry text of a Julian day in Universal Time, cut to the minute.
std::string EntryText(double jdUt) {
    const auto minutes = static_cast<std::int64_t>(std::floor((jdUt - kUnixEpochJd) * 1440.0));
    const Civil c = CivilFromMinutes(minutes);
    std::ostringstream out;
    out << c.month << ',' << c.day << ',' << c.year << ',' << c.hour << ',' << c.minute << ',';
    return out.str();
}

std::int64_t EntryDay(const std::string& entry) {
    int m = 0, d = 0, y = 0;
    if (std::sscanf(entry.c_str(), "%d,%d,%d,", &m, &d, &y) != 3) Fail("unreadable entry " + entry);
    return DaysFromCivil(y, m, d);
}

double LongitudeSpeed(int body, double jdUt) {
    return varelio::tools::CalcUt("generate_stations", body, jdUt, SEFLG_SPEED)[3];
}

struct Station {
    double jdUt;
    bool turnsRetrograde;
};

std::vector<Station> FindStations(int body, double fromJd, double toJd) {
    std::vector<Station> stations;
    double previousJd = fromJd;
    double previousSpeed = LongitudeSpeed(body, previousJd);
    for (double jd = fromJd + kScanStep; jd <= toJd; jd += kScanStep) {
        const double speed = LongitudeSpeed(body, jd);
        if ((previousSpeed > 0) != (speed > 0)) {
            double lo = previousJd, hi = jd;
            const bool loPositive = previousSpeed > 0;
            while (hi - lo > kBisectionWidth) {
                const double mid = 0.5 * (lo + hi);
                if ((LongitudeSpeed(body, mid) > 0) == loPositive) lo = mid; else hi = mid;
            }
            stations.push_back({0.5 * (lo + hi), loPositive});
        }
        previousJd = jd;
        previousSpeed = speed;
    }
    return stations;
}

struct Pair {
    std::string retrograde, direct;
    std::string retrogradeNote, directNote;  // ephemeris text where a reference row replaced it
};

std::vector<Pair> PairUp(const std::vector<Station>& stations) {
    std::vector<Pair> pairs;
    for (std::size_t i = 0; i + 1 < stations.size(); ++i) {
        if (stations[i].turnsRetrograde && !stations[i + 1].turnsRetrograde) {
            pairs.push_back({EntryText(stations[i].jdUt), EntryText(stations[i + 1].jdUt), {}, {}});
            ++i;
        }
    }
    return pairs;
}

// The pair whose retrograde station lies nearest the reference row's date.
std::size_t NearestPair(const std::vector<Pair>& pairs, const char* retrograde, const char* planet) {
    const std::int64_t wanted = EntryDay(retrograde);
    std::size_t best = pairs.size();
    std::int64_t bestGap = kMaxReferenceGapDays + 1;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const std::int64_t gap = std::llabs(EntryDay(pairs[i].retrograde) - wanted);
        if (gap < bestGap) {
            best = i;
            bestGap = gap;
        }
    }
    if (best == pairs.size()) Fail(std::string(planet) + ": no station near " + retrograde);
    return best;
}

void Overwrite(std::string& entry, std::string& note, const char* reference) {
    if (entry != reference) note = entry;
    entry = reference;
}

std::vector<Pair> BuildTable(const PlanetPlan& plan) {
    // Wide enough that no reference pair is cut by the scan's edges.
    const double fromJd = swe_julday(1899, 1, 1, 0.0, SE_GREG_CAL);
    const double toJd = swe_julday(2052, 1, 1, 0.0, SE_GREG_CAL);
    const std::vector<Pair> all = PairUp(FindStations(plan.body, fromJd, toJd));

    const ReferencePair& first = plan.reference.front();
    const ReferencePair& last = plan.reference.back();
    const std::size_t begin = NearestPair(all, first.retrograde, plan.name);
    const std::size_t end = NearestPair(all, last.retrograde, plan.name) + 1;
    std::vector<Pair> table(all.begin() + static_cast<std::ptrdiff_t>(begin),
                            all.begin() + static_cast<std::ptrdiff_t>(end));
    if (table.size() != plan.pairCount) {
        Fail(std::string(plan.name) + ": the ephemeris gives " + std::to_string(table.size()) +
             " pairs, expected " + std::to_string(plan.pairCount));
    }
    for (const ReferencePair& row : plan.reference) {
        Pair& pair = table[row.index < 0 ? table.size() - 1 : static_cast<std::size_t>(row.index)];
        Overwrite(pair.retrograde, pair.retrogradeNote, row.retrograde);
        Overwrite(pair.direct, pair.directNote, row.direct);
    }
    return table;
}

void WriteList(std::ostream& out, const std::string& name, const std::vector<Pair>& table, bool retrograde) {
    out << "inline constexpr std::array<std::string_view, " << table.size() << "> " << name << "{{\n";
    for (const Pair& pair : table) {
        const std::string& entry = retrograde ? pair.retrograde : pair.direct;
        const std::string& note = retrograde ? pair.retrogradeNote : pair.directNote;
        out << "    \"" << entry << "\",";
        if (!note.empty()) out << "  // reference row; the ephemeris gives \"" << note << "\"";
        out << '\n';
    }
    out << "}};\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: generate_stations <ephemeris-folder> <output-file>\n";
        return 2;
    }
    swe_set_ephe_path(argv[1]);
    char version[AS_MAXCH] = {};
    swe_version(version);

    std::ostringstream out;
    out << "// Retrograde and direct station moments of Mercury to Saturn, Universal Time\n"
           "// cut to the minute, each entry \"M,D,YYYY,h,m,\".\n"
           "//\n"
           "// Generated by tools/stations/generate_stations.cpp from the Swiss Ephemeris "
        << version
        << "\n"
           "// (data files sepl_*.se1); do not edit. To regenerate, from the repository root:\n"
           "//   generate_stations /usr/share/libswe/ephe retro/StationData.h\n"
           "// (the CMake target regenerate_stations runs exactly this).\n"
           "//\n"
           "// The first pair, pair 1 where noted and the last pair of each planet are fixed\n"
           "// reference rows of the program and are kept as fixed even where the\n"
           "// ephemeris differs; the ephemeris value is noted beside such an entry.\n"
           "#pragma once\n"
           "\n"
           "#include <array>\n"
           "#include <string_view>\n"
           "\n"
           "namespace varelio::stationdata {\n";
    for (const PlanetPlan& plan : Plans()) {
        const std::vector<Pair> table = BuildTable(plan);
        out << '\n';
        WriteList(out, std::string("k") + plan.name + "Retrograde", table, true);
        out << '\n';
        WriteList(out, std::string("k") + plan.name + "Direct", table, false);
    }
    out << "\n}  // namespace varelio::stationdata\n";
    swe_close();

    std::ofstream file(argv[2], std::ios::binary);
    file << out.str();
    if (!file.flush()) Fail(std::string("cannot write ") + argv[2]);
    return 0;
}
