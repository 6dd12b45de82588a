// Finding a birth place by name among the GeoNames cities: completions from the
// first letters typed, and one place for a whole name.
#pragma once

#include "places/Geonames.h"

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
    std::string city, state, country;  // GeoNames' English names, UTF-8, as shown
    std::string cityAscii, stateAscii, countryAscii;  // their ASCII forms
    std::string countryCode;           // ISO 3166, "IN"
    std::string zoneId;                // IANA, "Asia/Kolkata"
    double latitudeDegrees = 0;        // north positive
    double longitudeDegrees = 0;       // east positive
    std::uint32_t population = 0;

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

    explicit PlaceFinder(std::string libraryName = kGeonamesLibrary);
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
    // How long reading and indexing the cities took.
    double loadMilliseconds() const;

    // Completions for what is typed, best first: "mu" -> Mumbai, Munich, ...
    // The text before the first comma matches the start of the city's name or
    // of a word in it; each later field the start of its state or country.
    // Case and accents do not matter. Waits for the cities to be loaded.
    std::vector<Place> Complete(std::string_view typed, std::size_t maxCount = kCompletionCount);

    // The place whose whole name is query, as "Mumbai" or "London, England" or
    // "Mumbai, Maharashtra, India" (each field a whole name, case and accents
    // ignored). Several places under different labels, or none, give no place.
    PlaceLookup Find(std::string_view query);

private:
    struct Entry {
        std::string city, state, country;  // folded for matching
    };

    void Load();

    const std::string libraryName_;
    mutable std::mutex mutex_;
    std::condition_variable loaded_;
    State state_ = State::NotLoaded;
    std::thread loader_;
    std::vector<Place> places_;
    std::vector<Entry> entries_;
    double loadMilliseconds_ = 0;
};

// The one finder the program's windows and the companion share.
PlaceFinder& SharedPlaceFinder();

}  // namespace varelio
