// The GeoNames cities that libgeonames carries, read through the library
// opened at run time: without it the program still starts, and only the place
// finder is missing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varelio {

// The Debian package libgeonames0 installs the library under this name.
inline constexpr const char* kGeonamesLibrary = "libgeonames.so.0";

// One city as the library gives it, in English, UTF-8.
struct CityRecord {
    std::uint32_t geonameId = 0;  // 0 when the record does not say it
    std::string name, state, country, countryCode, zoneId;
    double latitudeDegrees = 0;   // north positive
    double longitudeDegrees = 0;  // east positive
    std::uint32_t population = 0;
};

// Every city of the library named libraryName, or nothing when it cannot be
// opened or lacks a function the finder needs. Once opened, the library stays
// loaded for the rest of the process (GLib-based libraries are not safe to
// unload).
std::optional<std::vector<CityRecord>> ReadGeonamesCities(const std::string& libraryName);

}  // namespace varelio
