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

// The letters a to z that start a word of a folded name, as bits 0 to 25, and
// bit 26 for any other first byte: a name whose bits lack the first letter
// typed cannot match, whatever else it holds, and is passed over unread.
constexpr std::uint32_t kOtherInitial = 1U << 26;

std::uint32_t InitialBit(char c) {
    return c >= 'a' && c <= 'z' ? 1U << (c - 'a') : kOtherInitial;
}

std::uint32_t WordInitials(const std::string& name) {
    std::uint32_t bits = 0;
    for (std::size_t at = 0; at < name.size(); ++at) {
        if (WordStart(name, at)) bits |= InitialBit(name[at]);
    }
    return bits;
}

// A completion: its rank, whether another language's name gave it, and the
// larger population first; places_ and otherNames_ positions.
struct Match {
    int rank = kNoMatch;
    bool other = false;
    std::int64_t negativePopulation = 0;
    std::size_t place = 0;
    std::size_t otherName = 0;

    auto key() const { return std::tie(rank, other, negativePopulation, place); }
};

}  // namespace

std::string Place::Label() const { return city + ", " + state + ", " + country; }

PlaceFinder::PlaceFinder(std::string libraryName, std::string catalogueFolder)
    : libraryName_(std::move(libraryName)), catalogueFolder_(std::move(catalogueFolder)) {}

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
            std::string cityFolded = FoldForMatching(cityAscii);
            const std::uint32_t initials = WordInitials(cityFolded);
            entries.push_back(Entry{std::move(cityFolded), stateFolded, countryFolded, initials});
            places.push_back(Place{c.geonameId, std::move(c.name), std::move(c.state), std::move(c.country),
                                   std::move(cityAscii), stateAscii, countryAscii, std::move(c.countryCode),
                                   std::move(c.zoneId), c.latitudeDegrees, c.longitudeDegrees, c.population, {}});
        }
    }
    std::vector<OtherName> otherNames;
    if (cities) AddOtherNames(places, entries, otherNames);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    {
        const std::lock_guard lock(mutex_);
        places_ = std::move(places);
        entries_ = std::move(entries);
        otherNames_ = std::move(otherNames);
        loadMilliseconds_ = took.count();
        state_ = cities ? State::Ready : State::Absent;
    }
    loaded_.notify_all();
}

void PlaceFinder::AddOtherNames(const std::vector<Place>& places, const std::vector<Entry>& entries,
                                std::vector<OtherName>& otherNames) const {
    std::unordered_map<std::uint32_t, std::uint32_t> placeOfId;
    placeOfId.reserve(places.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (places[i].geonameId != 0) placeOfId.emplace(places[i].geonameId, static_cast<std::uint32_t>(i));
    }
    if (placeOfId.empty()) return;
    // Every catalogue's spelling of each city, the English one aside; sorted,
    // the same spelling from several languages comes together and is counted.
    struct Spelling {
        std::uint32_t place;
        std::string name;
        auto key() const { return std::tie(place, name); }
    };
    std::vector<Spelling> spellings;
    ForEachCatalogueName(catalogueFolder_, [&](std::uint32_t id, std::string_view name) {
        const auto at = placeOfId.find(id);
        if (at != placeOfId.end() && places[at->second].city != name) spellings.push_back({at->second, std::string(name)});
    });
    std::sort(spellings.begin(), spellings.end(), [](const Spelling& a, const Spelling& b) { return a.key() < b.key(); });
    // One name for each folded form the English name does not already give,
    // the spelling most languages use; a place's names the most used first,
    // so that of two that match alike a completion shows that one.
    std::vector<std::pair<OtherName, std::size_t>> ofPlace;  // with its languages
    const auto keepPlaceNames = [&] {
        std::stable_sort(ofPlace.begin(), ofPlace.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
        for (auto& [name, languages] : ofPlace) otherNames.push_back(std::move(name));
        ofPlace.clear();
    };
    for (std::size_t run = 0; run < spellings.size();) {
        std::size_t end = run + 1;
        while (end < spellings.size() && spellings[end].key() == spellings[run].key()) ++end;
        const std::size_t place = spellings[run].place;
        if (run > 0 && spellings[run - 1].place != place) keepPlaceNames();
        std::string folded = FoldForMatching(spellings[run].name);
        if (!folded.empty() && folded != entries[place].city) {
            const auto same = std::find_if(ofPlace.begin(), ofPlace.end(),
                                           [&folded](const auto& known) { return known.first.folded == folded; });
            if (same == ofPlace.end()) {
                const std::uint32_t initials = WordInitials(folded);
                ofPlace.push_back({OtherName{std::move(folded), initials, std::move(spellings[run].name), place},
                                   end - run});
            } else if (end - run > same->second) {
                same->first.name = std::move(spellings[run].name);
                same->second = end - run;
            }
        }
        run = end;
    }
    keepPlaceNames();
}

template <typename MatchField>
bool PlaceFinder::RestMatches(const std::vector<std::string>& fields, const Entry& entry, MatchField match) {
    return std::all_of(fields.begin() + 1, fields.end(), [&entry, &match](const std::string& field) {
        return match(entry.state, field) || match(entry.country, field);
    });
}

std::vector<Place> PlaceFinder::Complete(std::string_view typed, std::size_t maxCount) {
    if (!WaitUntilLoaded()) return {};
    const std::vector<std::string> fields = FoldedFields(typed);
    if (fields.empty() || maxCount == 0) return {};
    const auto startsSo = [](const std::string& name, const std::string& field) {
        return PrefixRank(name, field) != kNoMatch;
    };

    // Each place's best match: its English name, or else its best other name.
    const std::uint32_t initial = InitialBit(fields[0][0]);
    std::vector<Match> found;
    std::vector<std::uint32_t> matchOf(places_.size(), 0);  // 1 + its index in found; 0: none yet
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        if ((e.cityInitials & initial) == 0) continue;
        const int rank = PrefixRank(e.city, fields[0]);
        if (rank == kNoMatch || !RestMatches(fields, e, startsSo)) continue;
        found.push_back(Match{rank, false, -static_cast<std::int64_t>(places_[i].population), i, 0});
        matchOf[i] = static_cast<std::uint32_t>(found.size());
    }
    for (std::size_t k = 0; k < otherNames_.size(); ++k) {
        const OtherName& o = otherNames_[k];
        if ((o.initials & initial) == 0) continue;
        const int rank = PrefixRank(o.folded, fields[0]);
        if (rank == kNoMatch) continue;
        const Match match{rank, true, -static_cast<std::int64_t>(places_[o.place].population), o.place, k};
        if (const std::uint32_t known = matchOf[o.place]; known != 0) {
            if (match.key() < found[known - 1].key()) found[known - 1] = match;
        } else if (RestMatches(fields, entries_[o.place], startsSo)) {
            found.push_back(match);
            matchOf[o.place] = static_cast<std::uint32_t>(found.size());
        }
    }
    const std::size_t count = std::min(maxCount, found.size());
    const auto byKey = [](const Match& a, const Match& b) { return a.key() < b.key(); };
    std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(count), found.end(), byKey);
    std::vector<Place> completions;
    completions.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        completions.push_back(places_[found[k].place]);
        if (found[k].other) completions.back().otherName = otherNames_[found[k].otherName].name;
    }
    return completions;
}

PlaceLookup PlaceFinder::Find(std::string_view query) {
    PlaceLookup lookup;
    if (!WaitUntilLoaded()) return lookup;
    const std::vector<std::string> fields = FoldedFields(query);
    if (fields.empty()) return lookup;

    // The most populous entry of each label the query names whole, by the
    // English names, or else by the other names.
    std::map<std::string, std::pair<std::size_t, int>> labels;  // label -> best entry, entries
    std::map<std::size_t, const OtherName*> namedBy;           // entry -> the other name that named it
    const auto sameName = [](const std::string& name, const std::string& field) { return name == field; };
    const auto add = [&](std::size_t i) {
        auto [at, added] = labels.try_emplace(places_[i].Label(), i, 0);
        if (places_[i].population > places_[at->second.first].population) at->second.first = i;
        ++at->second.second;
    };
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].city == fields[0] && RestMatches(fields, entries_[i], sameName)) add(i);
    }
    if (labels.empty()) {
        for (const OtherName& o : otherNames_) {
            if (o.folded != fields[0] || !RestMatches(fields, entries_[o.place], sameName)) continue;
            if (namedBy.try_emplace(o.place, &o).second) add(o.place);
        }
    }
    const auto place = [&](std::size_t i) {
        Place found = places_[i];
        if (const auto by = namedBy.find(i); by != namedBy.end()) found.otherName = by->second->name;
        return found;
    };
    if (labels.size() == 1) {
        lookup.place = place(labels.begin()->second.first);
        lookup.sameLabelCount = labels.begin()->second.second;
        return lookup;
    }
    if (labels.empty()) {
        lookup.candidates = Complete(query);
        return lookup;
    }
    lookup.ambiguous = true;
    for (const auto& [label, best] : labels) lookup.candidates.push_back(place(best.first));
    std::stable_sort(lookup.candidates.begin(), lookup.candidates.end(),
                     [](const Place& a, const Place& b) { return a.population > b.population; });
    return lookup;
}

}  // namespace varelio
