#include "places/Geonames.h"

#include <dlfcn.h>
#include <geonames.h>
#include <locale.h>

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
    return f;
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
        cities.push_back(CityRecord{Text(f->name(city)), Text(f->state(city)), Text(f->country(city)),
                                      Text(f->countryCode(city)), Text(f->zone(city)), f->latitude(city),
                                      f->longitude(city), f->population(city)});
        f->free(city);
    }
    return cities;
}

}  // namespace varelio
