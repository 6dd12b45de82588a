#include "places/NameCatalogues.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace varelio {
namespace {

// A gettext catalogue of messages, laid out as msgfmt writes one.
std::string Catalogue(const std::vector<std::pair<std::string, std::string>>& messages) {
    std::string words, strings;
    const auto put = [&words](std::size_t word) {
        const auto value = static_cast<std::uint32_t>(word);
        words.append(reinterpret_cast<const char*>(&value), 4);
    };
    const std::size_t count = messages.size(), originals = 28, translations = originals + 8 * count;
    for (const std::size_t word : {std::size_t{0x950412de}, std::size_t{0}, count, originals, translations,
                                   std::size_t{0}, std::size_t{0}}) {
        put(word);
    }
    for (const bool translated : {false, true}) {
        for (const auto& [msgid, msgstr] : messages) {
            const std::string& text = translated ? msgstr : msgid;
            put(text.size());
            put(translations + 8 * count + strings.size());
            strings += text + '\0';
        }
    }
    return words + strings;
}

// Cities' names by their numeric ids; the header, states, countries, empty
// translations and files that are no catalogue give nothing, and a file cut
// short gives what comes before the cut.
TEST(ForEachCatalogueName, GivesTheCitiesNamesAndPassesOverTheRest) {
    std::string folder = (std::filesystem::temp_directory_path() / "varelio-mo-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    const auto write = [&folder](const char* language, const std::string& bytes) {
        const std::filesystem::path messages = std::filesystem::path(folder) / language / "LC_MESSAGES";
        std::filesystem::create_directories(messages);
        std::ofstream(messages / "geonames.mo", std::ios::binary) << bytes;
    };
    const std::string german = Catalogue({{"", "Project-Id-Version: geonames"}, {"1275339", "Bombay"},
                                          {"1816670", "Peking"}, {"IN", "Indien"}, {"IN.16", "Maharashtra"},
                                          {"1264527", ""}});
    write("de", german);
    write("hi", Catalogue({{"1275339", "बम्बई"}}));
    write("cut", german.substr(0, german.size() - 24));  // within "Peking"
    write("text", "msgid \"1275339\"\nmsgstr \"Bombay\"\n");

    std::multiset<std::pair<std::uint32_t, std::string>> names;
    ForEachCatalogueName(folder, [&names](std::uint32_t id, std::string_view name) { names.emplace(id, name); });
    EXPECT_EQ(names, (std::multiset<std::pair<std::uint32_t, std::string>>{
                         {1275339, "Bombay"}, {1275339, "Bombay"}, {1275339, "बम्बई"}, {1816670, "Peking"}}));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace varelio
