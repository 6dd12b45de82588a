// The GeoNames cities' names in other languages, from the gettext catalogues
// of Debian's libgeonames-common: one file per language,
// <folder>/<language>/LC_MESSAGES/geonames.mo, whose messages map a city's
// GeoNames id (the msgid, "1275339") to its name in that language (the
// msgstr, "Bombay"). States and countries have other msgids ("IN.16", "IN")
// and are passed over.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace varelio {

inline constexpr const char* kGeonamesCatalogueFolder = "/usr/share/locale";

// Calls found(id, name) for every city name of every catalogue under folder,
// in no particular order; the same name may come from several languages. A
// missing folder, a file that cannot be read or one that is not a catalogue
// gives nothing; a message pointing outside its file ends that file's names.
void ForEachCatalogueName(const std::string& folder,
                          const std::function<void(std::uint32_t id, std::string_view name)>& found);

}  // namespace varelio
