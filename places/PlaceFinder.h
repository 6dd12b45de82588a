// Finding a birth place by name among the GeoNames cities: completions from the
// first letters typed, and one place for a whole name, by the cities' English
// names and by their names in other languages ("Bombay" finds Mumbai).
#pragma once

#include "places/Geonames.h"
#include "places/NameCatalogues.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace varelio {

struct Place {
    std::uint32_t geonameId = 0;       // 0 when the library does not say it
    std::string city, state, country;  // GeoNames' English names, UTF-8, as shown
    std::string cityAscii, stateAscii, countryAscii;  // their ASCII forms
    std::string countryCode;           // ISO 3166, "IN"
    std::string zoneId;                // IANA, "Asia/Kolkata"
    double latitudeDegrees = 0;        // north positive
    double longitudeDegrees = 0;       // east positive
    std::uint32_t population = 0;
    // The name in another language that the completion or look-up matched
    // ("Bombay"); empty when the English name did.
    std::string otherName;

    // "Mumbai, Maharashtra, India"
    std::string Label() const;
};

// What a whole name (the companion's --place) found.
struct PlaceLookup {
    std::optional<Place> place;    // the one place named
    int sameLabelCount = 0;        // GeoNames entries sharing its label; the most populous is taken
    bool ambiguous = false;        // it names several places, the candidates
    std::vector<Place> candidates; // without a place: the places it names, or else completions of it
};

inline constexpr std::size_t kCompletionCount = 10;

class PlaceFinder {
public:
    enum class State { NotLoaded, Loading, Ready, Absent };

    // The cities come from the library libraryName, their other names from
    // the catalogues under catalogueFolder (ForEachCatalogueName).
    explicit PlaceFinder(std::string libraryName = kGeonamesLibrary,
                         std::string catalogueFolder = kGeonamesCatalogueFolder);
    ~PlaceFinder();
    PlaceFinder(const PlaceFinder&) = delete;
    PlaceFinder& operator=(const PlaceFinder&) = delete;

    // Reads the cities on a thread of their own and returns at once; later
    // calls do nothing. whenDone runs on that thread once the finder is Ready
    // or Absent.
    void StartLoading(std::function<void()> whenDone = {});
    State state() const;
    // Loads on this thread if nobody started it, else waits for the loading
    // thread. False when libgeonames is absent.
    bool WaitUntilLoaded();
    // How long reading and indexing the cities and their other names took.
    double loadMilliseconds() const;

    // Completions for what is typed, best first: "mu" -> Mumbai, Munich, ...
    // The text before the first comma matches the start of the city's name or
    // of a word in it, English or in any other language ("bomb" -> Mumbai,
    // its otherName "Bombay"); each later field the start of its state or
    // country. The whole name before the start of one, the start before a
    // later word, an English name before another of the same rank, then the
    // larger population. Case and accents do not matter (FoldForMatching).
    // Waits for the cities to be loaded.
    std::vector<Place> Complete(std::string_view typed, std::size_t maxCount = kCompletionCount);

    // The place whose whole name is query, as "Mumbai" or "London, England" or
    // "Mumbai, Maharashtra, India" (each field a whole name, case and accents
    // ignored); a city's name in another language ("Bombay") when no English
    // one is. Several places under different labels, or none, give no place.
    PlaceLookup Find(std::string_view query);

private:
    struct Entry {
        std::string city, state, country;  // folded for matching
        std::uint32_t cityInitials;        // WordInitials of city
    };
    // A city's name in another language, one for each folded form.
    struct OtherName {
        std::string folded;
        std::uint32_t initials;  // WordInitials of folded
        std::string name;        // as the catalogue most languages agree with spells it
        std::size_t place;       // in places_
    };

    void Load();
    // The catalogues' names of the places, each entry's (the same index) English one aside.
    void AddOtherNames(const std::vector<Place>& places, const std::vector<Entry>& entries,
                       std::vector<OtherName>& otherNames) const;
    // Whether the typed fields after the first name the entry's state or country.
    template <typename Match>
    static bool RestMatches(const std::vector<std::string>& fields, const Entry& entry, Match match);

    const std::string libraryName_;
    const std::string catalogueFolder_;
    mutable std::mutex mutex_;
    std::condition_variable loaded_;
    State state_ = State::NotLoaded;
    std::thread loader_;
    std::vector<Place> places_;
    std::vector<Entry> entries_;
    std::vector<OtherName> otherNames_;
    double loadMilliseconds_ = 0;
};

}  // namespace varelio
