#include "places/PlaceFinder.h"

#include "places/AsciiForm.h"
#include "TestFinder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>

namespace varelio {
namespace {

std::string Labels(const std::vector<Place>& places) {
    std::string text;
    for (const Place& p : places) text += "[" + p.Label() + "] ";
    return text;
}

PlaceFinder& Finder() { return testing::TestFinder(); }

TEST(PlaceFinder, FindsOnePlaceForAWholeName) {
    struct Case { std::string_view query; std::string_view label; std::string_view zone; };
    const Case cases[] = {
        {"Mumbai", "Mumbai, Maharashtra, India", "Asia/Kolkata"},
        {"mumbai , INDIA", "Mumbai, Maharashtra, India", "Asia/Kolkata"},
        {"Mumbai, Maharashtra, India", "Mumbai, Maharashtra, India", "Asia/Kolkata"},
        {"New York", "New York, New York, United States of America", "America/New_York"},
        {"London, England", "London, England, United Kingdom", "Europe/London"},
        {"London, Canada", "London, Ontario, Canada", "America/Toronto"},
        {"Sao Paulo", "São Paulo, São Paulo, Brazil", "America/Sao_Paulo"},
        {"Kathmandu", "Kathmandu, Bagmati Province, Nepal", "Asia/Kathmandu"},
    };
    for (const Case& c : cases) {
        const PlaceLookup found = Finder().Find(c.query);
        ASSERT_TRUE(found.place.has_value()) << c.query << ": candidates " << Labels(found.candidates);
        EXPECT_EQ(found.place->Label(), c.label) << c.query;
        EXPECT_EQ(found.place->zoneId, c.zone) << c.query;
    }
}

TEST(PlaceFinder, AnAmbiguousOrUnknownNameFindsNoPlace) {
    struct Case { std::string_view query; bool ambiguous; std::vector<std::string_view> among; };
    const Case cases[] = {
        {"London", true, {"London, England, United Kingdom", "London, Ontario, Canada"}},
        {"Springfield", true, {"Springfield, Illinois, United States of America",
                               "Springfield, Massachusetts, United States of America"}},
        {"Mumba", false, {"Mumbai, Maharashtra, India"}},
        {"Xyzzyville", false, {}},
        {" , ", false, {}},
    };
    for (const Case& c : cases) {
        const PlaceLookup found = Finder().Find(c.query);
        EXPECT_FALSE(found.place.has_value()) << c.query << " found " << found.place->Label();
        EXPECT_EQ(found.ambiguous, c.ambiguous) << c.query;
        const std::string labels = Labels(found.candidates);
        for (std::string_view label : c.among) {
            EXPECT_NE(labels.find("[" + std::string(label) + "]"), std::string::npos)
                << c.query << ": " << label << " missing from " << labels;
        }
    }
}

TEST(PlaceFinder, ASharedLabelTakesItsMostPopulousPlace) {
    const PlaceLookup found = Finder().Find("Ashford, England, United Kingdom");
    ASSERT_TRUE(found.place.has_value()) << Labels(found.candidates);
    EXPECT_EQ(found.sameLabelCount, 2);
    for (const Place& other : Finder().Complete("Ashford, England", 50)) {
        if (other.Label() == found.place->Label()) {
            EXPECT_GE(found.place->population, other.population);
        }
    }
}

TEST(PlaceFinder, CompletesFromTheFirstLettersBestFirst) {
    struct Case { std::string_view typed; std::string_view first; };
    const Case cases[] = {
        {"Mumb", "Mumbai, Maharashtra, India"},
        {"mumbai, ma", "Mumbai, Maharashtra, India"},
        {"york", "York, England, United Kingdom"},
        {"new y", "New York, New York, United States of America"},
        {"São", "São Paulo, São Paulo, Brazil"},
        {"sao p", "São Paulo, São Paulo, Brazil"},
        {"london, ont", "London, Ontario, Canada"},
        {"Adel", "Adelaide, South Australia, Australia"},
    };
    for (const Case& c : cases) {
        const std::vector<Place> completions = Finder().Complete(c.typed);
        ASSERT_FALSE(completions.empty()) << c.typed;
        EXPECT_EQ(completions.front().Label(), c.first) << c.typed << ": " << Labels(completions);
    }
    // A later word of the name matches after the names that start so.
    EXPECT_NE(Labels(Finder().Complete("york")).find("[New York, New York, United States of America]"),
              std::string::npos);
    EXPECT_TRUE(Finder().Complete("").empty());
    EXPECT_TRUE(Finder().Complete("qqqxz").empty());
}

// Every completion matches what was typed, at most ten are given, and those
// whose whole name or name's start matches come first, the more populous first.
TEST(PlaceFinder, CompletionsMatchAndAreOrdered) {
    for (std::string_view typed : {"mu", "sa", "new", "de", "ka"}) {
        const std::vector<Place> completions = Finder().Complete(typed);
        ASSERT_EQ(completions.size(), kCompletionCount) << typed;
        for (std::size_t i = 0; i < completions.size(); ++i) {
            const Place& place = completions[i];
            const std::string city = FoldForMatching(place.otherName.empty() ? place.city : place.otherName);
            EXPECT_TRUE(city.rfind(typed, 0) == 0 || city.find(" " + std::string(typed)) != std::string::npos)
                << typed << ": " << completions[i].Label();
            if (i > 0 && city.rfind(typed, 0) == 0) {
                EXPECT_GE(completions[i - 1].population, completions[i].population)
                    << typed << ": " << Labels(completions);
            }
        }
    }
}

// The catalogues' names in any language find the city, and the completion
// says which name matched; an English name that matches as well wins.
TEST(PlaceFinder, OldAndOtherNamesFindTheCity) {
    struct Case { std::string_view typed; std::string_view label; std::string_view otherName; };
    const Case cases[] = {
        {"Bombay", "Mumbai, Maharashtra, India", "Bombay"},
        {"Calcutta", "Kolkata, State of West Bengal, India", "Calcutta"},
        {"Madras", "Chennai, Tamil Nadu, India", "Madras"},
        {"Peking", "Beijing, Beijing Municipality, China", "Peking"},
        {"Poona, India", "Pune, Maharashtra, India", "Poona"},
        {"北京", "Beijing, Beijing Municipality, China", "北京"},
        {"Мумбаи", "Mumbai, Maharashtra, India", ""},  // spelled out, the English name itself
        {"Mumbai", "Mumbai, Maharashtra, India", ""},
    };
    for (const Case& c : cases) {
        const std::vector<Place> whole = Finder().Complete(c.typed);
        ASSERT_FALSE(whole.empty()) << c.typed;
        EXPECT_EQ(whole.front().Label(), c.label) << c.typed << ": " << Labels(whole);
        EXPECT_EQ(whole.front().otherName, c.otherName) << c.typed;
        const PlaceLookup found = Finder().Find(c.typed);
        ASSERT_TRUE(found.place.has_value()) << c.typed << ": " << Labels(found.candidates);
        EXPECT_EQ(found.place->Label(), c.label) << c.typed;
        EXPECT_EQ(found.place->otherName, c.otherName) << c.typed;
    }
    for (std::string_view nothing : {"Mumbai😀", "Bomb😀"}) {
        EXPECT_TRUE(Finder().Complete(nothing).empty()) << nothing;
        EXPECT_FALSE(Finder().Find(nothing).place.has_value()) << nothing;
    }
    PlaceFinder englishOnly(kGeonamesLibrary, "/nonexistent-catalogues");
    EXPECT_TRUE(englishOnly.Complete("Bombay").empty());
    EXPECT_EQ(englishOnly.Complete("Mumbai").size(), 1u);
}

TEST(PlaceFinder, LoadsInTheBackgroundAndSaysWhenDone) {
    std::atomic<bool> told = false;
    auto finder = std::make_unique<PlaceFinder>();
    finder->StartLoading([&told] { told = true; });
    finder->StartLoading([] { ADD_FAILURE() << "a second start loads again"; });
    ASSERT_TRUE(finder->WaitUntilLoaded());
    EXPECT_EQ(finder->state(), PlaceFinder::State::Ready);
    EXPECT_GT(finder->loadMilliseconds(), 0.0);
    EXPECT_EQ(finder->Complete("Mumbai").size(), 1u);
    finder.reset();  // joins the loading thread, which has told by then
    EXPECT_TRUE(told);
}

TEST(PlaceFinder, WithoutTheLibraryThereIsSimplyNoFinder) {
    PlaceFinder finder("libgeonames-not-installed.so.0");
    EXPECT_EQ(finder.state(), PlaceFinder::State::NotLoaded);
    EXPECT_FALSE(finder.WaitUntilLoaded());
    EXPECT_EQ(finder.state(), PlaceFinder::State::Absent);
    EXPECT_TRUE(finder.Complete("Mumbai").empty());
    const PlaceLookup found = finder.Find("Mumbai");
    EXPECT_FALSE(found.place.has_value());
    EXPECT_TRUE(found.candidates.empty());
}

}  // namespace
}  // namespace varelio
