// Fixed tables: the 71 time zones offered by the input window, the sign
// abbreviations and the nakshatra segments per sign.
#pragma once

#include <array>
#include <string_view>

namespace varelio {

struct TimeZoneRow {
    std::string_view timeZoneNames;   // display text, exactly as shown in the list
    short timeZoneHourCorrection;     // added to local time gives universal time
    short timeZoneMinuteCorrection;
};

struct NakshatraSegment {
    std::string_view nakshatra;
    std::string_view lord;
    std::string_view padas;  // "1" to "4", kept as text
};

inline constexpr int kTimeZoneCount = 71;

struct LookupTables {
    std::array<TimeZoneRow, kTimeZoneCount> timeZoneTable;
    std::array<std::string_view, 13> signAbbreviationList;  // slot 12 stays empty
    std::array<NakshatraSegment, 36> nakshatraSegments;
};

// The tables are constants; every call hands back the same values.
const LookupTables& InitTables();

}  // namespace varelio
