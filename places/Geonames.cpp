#include "places/Geonames.h"

#include <dlfcn.h>
#include <geonames.h>
#include <locale.h>

#include <string_view>

namespace varelio {
namespace {

// The library's functions the finder uses, typed from its own header.
struct GeonamesFunctions {
    decltype(&geonames_get_n_cities) getCount = nullptr;
    decltype(&geonames_get_city) getCity = nullptr;
    decltype(&geonames_city_free) free = nullptr;
    decltype(&geonames_city_get_name) name = nullptr;
    decltype(&geonames_city_get_state) state = nullptr;
    decltype(&geonames_city_get_country) country = nullptr;
    decltype(&geonames_city_get_country_code) countryCode = nullptr;
    decltype(&geonames_city_get_timezone) zone = nullptr;
    decltype(&geonames_city_get_latitude) latitude = nullptr;
    decltype(&geonames_city_get_longitude) longitude = nullptr;
    decltype(&geonames_city_get_population) population = nullptr;
    // A city is a GVariant tuple whose first member is its GeoNames id as a
    // string, the key of the names in libgeonames-common's catalogues; the
    // library has no function for it, so it is read with GLib's own, which
    // the library has loaded.
    decltype(&g_variant_get_type_string) typeString = nullptr;
    decltype(&g_variant_get_child_value) child = nullptr;
    decltype(&g_variant_get_string) string = nullptr;
    decltype(&g_variant_unref) unref = nullptr;
};

template <typename Function>
bool Look(void* library, const char* symbol, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, symbol));
    return function != nullptr;
}

std::optional<GeonamesFunctions> OpenGeonames(const std::string& libraryName) {
    void* library = dlopen(libraryName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return std::nullopt;
    GeonamesFunctions f;
    const bool complete = Look(library, "geonames_get_n_cities", f.getCount) &&
                          Look(library, "geonames_get_city", f.getCity) &&
                          Look(library, "geonames_city_free", f.free) &&
                          Look(library, "geonames_city_get_name", f.name) &&
                          Look(library, "geonames_city_get_state", f.state) &&
                          Look(library, "geonames_city_get_country", f.country) &&
                          Look(library, "geonames_city_get_country_code", f.countryCode) &&
                          Look(library, "geonames_city_get_timezone", f.zone) &&
                          Look(library, "geonames_city_get_latitude", f.latitude) &&
                          Look(library, "geonames_city_get_longitude", f.longitude) &&
                          Look(library, "geonames_city_get_population", f.population);
    if (!complete) return std::nullopt;
    const bool ids = Look(library, "g_variant_get_type_string", f.typeString) &&
                     Look(library, "g_variant_get_child_value", f.child) &&
                     Look(library, "g_variant_get_string", f.string) && Look(library, "g_variant_unref", f.unref);
    if (!ids) f.typeString = nullptr;
    return f;
}

// The city's GeoNames id, or 0 when its record is not the tuple it has been.
std::uint32_t GeonameId(const GeonamesFunctions& f, ::GeonamesCity* city) {
    if (f.typeString == nullptr) return 0;
    const std::string_view type = f.typeString(city);
    if (!type.starts_with("(s")) return 0;
    GVariant* member = f.child(city, 0);
    const char* text = f.string(member, nullptr);
    std::uint32_t id = 0;
    for (; text != nullptr && *text >= '0' && *text <= '9' && id < 100000000u; ++text) {
        id = id * 10 + static_cast<std::uint32_t>(*text - '0');
    }
    const bool whole = text != nullptr && *text == '\0';
    f.unref(member);
    return whole ? id : 0;
}

std::string Text(const char* text) { return text == nullptr ? std::string() : std::string(text); }

// The library translates names into the language of the calling thread's
// locale; the program speaks English and its files hold Windows-1252, so the
// names are read under the C locale, for this thread only.
class EnglishNames {
public:
    EnglishNames() : locale_(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr))) {
        if (locale_ != static_cast<locale_t>(nullptr)) previous_ = uselocale(locale_);
    }
    ~EnglishNames() {
        if (locale_ == static_cast<locale_t>(nullptr)) return;
        uselocale(previous_);
        freelocale(locale_);
    }
    EnglishNames(const EnglishNames&) = delete;
    EnglishNames& operator=(const EnglishNames&) = delete;

private:
    locale_t locale_;
    locale_t previous_ = static_cast<locale_t>(nullptr);
};

}  // namespace

std::optional<std::vector<CityRecord>> ReadGeonamesCities(const std::string& libraryName) {
    const std::optional<GeonamesFunctions> f = OpenGeonames(libraryName);
    if (!f) return std::nullopt;
    const EnglishNames english;
    const int count = f->getCount();
    std::vector<CityRecord> cities;
    cities.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    for (int i = 0; i < count; ++i) {
        ::GeonamesCity* city = f->getCity(i);
        if (city == nullptr) continue;
        cities.push_back(CityRecord{GeonameId(*f, city), Text(f->name(city)), Text(f->state(city)), Text(f->country(city)),
                                      Text(f->countryCode(city)), Text(f->zone(city)), f->latitude(city),
                                      f->longitude(city), f->population(city)});
        f->free(city);
    }
    return cities;
}

}  // namespace varelio
