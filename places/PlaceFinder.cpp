#include "places/PlaceFinder.h"

#include "places/AsciiForm.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <tuple>
#include <unordered_map>

namespace varelio {
namespace {

// The comma-separated fields of a typed name, folded; empty ones (a trailing comma) are dropped.
std::vector<std::string> FoldedFields(std::string_view typed) {
    std::vector<std::string> fields;
    while (true) {
        const std::size_t comma = typed.find(',');
        std::string field = FoldForMatching(typed.substr(0, comma));
        if (!field.empty()) fields.push_back(std::move(field));
        if (comma == std::string_view::npos) break;
        typed.remove_prefix(comma + 1);
    }
    return fields;
}

bool WordStart(const std::string& name, std::size_t at) {
    return at == 0 || name[at - 1] == ' ' || name[at - 1] == '-' || name[at - 1] == '\'';
}

// 0: the whole name, 1: its start, 2: the start of a later word, 3: no match.
int PrefixRank(const std::string& name, const std::string& prefix) {
    if (name.compare(0, prefix.size(), prefix) == 0) return name.size() == prefix.size() ? 0 : 1;
    for (std::size_t at = name.find(prefix, 1); at != std::string::npos; at = name.find(prefix, at + 1)) {
        if (WordStart(name, at)) return 2;
    }
    return 3;
}

constexpr int kNoMatch = 3;

}  // namespace

std::string Place::Label() const { return city + ", " + state + ", " + country; }

PlaceFinder::PlaceFinder(std::string libraryName) : libraryName_(std::move(libraryName)) {}

PlaceFinder::~PlaceFinder() {
    if (loader_.joinable()) loader_.join();
}

void PlaceFinder::StartLoading(std::function<void()> whenDone) {
    const std::lock_guard lock(mutex_);
    if (state_ != State::NotLoaded) return;
    state_ = State::Loading;
    loader_ = std::thread([this, whenDone = std::move(whenDone)] {
        Load();
        if (whenDone) whenDone();
    });
}

PlaceFinder::State PlaceFinder::state() const {
    const std::lock_guard lock(mutex_);
    return state_;
}

bool PlaceFinder::WaitUntilLoaded() {
    std::unique_lock lock(mutex_);
    if (state_ == State::NotLoaded) {
        state_ = State::Loading;
        lock.unlock();
        Load();
        lock.lock();
    }
    loaded_.wait(lock, [this] { return state_ != State::Loading; });
    return state_ == State::Ready;
}

double PlaceFinder::loadMilliseconds() const {
    const std::lock_guard lock(mutex_);
    return loadMilliseconds_;
}

void PlaceFinder::Load() {
    const auto start = std::chrono::steady_clock::now();
    std::optional<std::vector<CityRecord>> cities = ReadGeonamesCities(libraryName_);
    std::vector<Place> places;
    std::vector<Entry> entries;
    if (cities) {
        places.reserve(cities->size());
        entries.reserve(cities->size());
        // States and countries repeat: fold each distinct name once.
        std::unordered_map<std::string, std::pair<std::string, std::string>> forms;
        auto formsOf = [&forms](const std::string& name) -> const std::pair<std::string, std::string>& {
            auto [at, added] = forms.try_emplace(name);
            if (added) at->second = {AsciiForm(name), FoldForMatching(name)};
            return at->second;
        };
        for (CityRecord& c : *cities) {
            const auto& [stateAscii, stateFolded] = formsOf(c.state);
            const auto& [countryAscii, countryFolded] = formsOf(c.country);
            std::string cityAscii = AsciiForm(c.name);
            entries.push_back(Entry{FoldForMatching(cityAscii), stateFolded, countryFolded});
            places.push_back(Place{std::move(c.name), std::move(c.state), std::move(c.country), std::move(cityAscii),
                                   stateAscii, countryAscii, std::move(c.countryCode), std::move(c.zoneId),
                                   c.latitudeDegrees, c.longitudeDegrees, c.population});
        }
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    {
        const std::lock_guard lock(mutex_);
        places_ = std::move(places);
        entries_ = std::move(entries);
        loadMilliseconds_ = took.count();
        state_ = cities ? State::Ready : State::Absent;
    }
    loaded_.notify_all();
}

std::vector<Place> PlaceFinder::Complete(std::string_view typed, std::size_t maxCount) {
    if (!WaitUntilLoaded()) return {};
    const std::vector<std::string> fields = FoldedFields(typed);
    if (fields.empty() || maxCount == 0) return {};

    // Rank, then the larger population first, then GeoNames' order.
    std::vector<std::tuple<int, std::int64_t, std::size_t>> found;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        const int rank = PrefixRank(e.city, fields[0]);
        if (rank == kNoMatch) continue;
        const bool rest = std::all_of(fields.begin() + 1, fields.end(), [&e](const std::string& field) {
            return PrefixRank(e.state, field) != kNoMatch || PrefixRank(e.country, field) != kNoMatch;
        });
        if (rest) found.emplace_back(rank, -static_cast<std::int64_t>(places_[i].population), i);
    }
    const std::size_t count = std::min(maxCount, found.size());
    std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(count), found.end());
    std::vector<Place> completions;
    completions.reserve(count);
    for (std::size_t k = 0; k < count; ++k) completions.push_back(places_[std::get<2>(found[k])]);
    return completions;
}

PlaceLookup PlaceFinder::Find(std::string_view query) {
    PlaceLookup lookup;
    if (!WaitUntilLoaded()) return lookup;
    const std::vector<std::string> fields = FoldedFields(query);
    if (fields.empty()) return lookup;

    // The most populous entry of each label the query names whole.
    std::map<std::string, std::pair<std::size_t, int>> labels;  // label -> best entry, entries
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        if (e.city != fields[0]) continue;
        const bool rest = std::all_of(fields.begin() + 1, fields.end(), [&e](const std::string& field) {
            return e.state == field || e.country == field;
        });
        if (!rest) continue;
        auto [at, added] = labels.try_emplace(places_[i].Label(), i, 0);
        if (places_[i].population > places_[at->second.first].population) at->second.first = i;
        ++at->second.second;
    }
    if (labels.size() == 1) {
        lookup.place = places_[labels.begin()->second.first];
        lookup.sameLabelCount = labels.begin()->second.second;
        return lookup;
    }
    if (labels.empty()) {
        lookup.candidates = Complete(query);
        return lookup;
    }
    lookup.ambiguous = true;
    for (const auto& [label, best] : labels) lookup.candidates.push_back(places_[best.first]);
    std::stable_sort(lookup.candidates.begin(), lookup.candidates.end(),
                     [](const Place& a, const Place& b) { return a.population > b.population; });
    return lookup;
}

PlaceFinder& SharedPlaceFinder() {
    static PlaceFinder finder;
    return finder;
}

}  // namespace varelio
