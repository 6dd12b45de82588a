#include "places/NameCatalogues.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace varelio {
namespace {

void Put(std::string& bytes, std::uint32_t word) { bytes.append(reinterpret_cast<const char*>(&word), 4); }

// A gettext catalogue of messages, as msgfmt lays one out.
std::string Catalogue(const std::vector<std::pair<std::string, std::string>>& messages) {
    const auto count = static_cast<std::uint32_t>(messages.size());
    const std::uint32_t originals = 28, translations = originals + 8 * count;
    std::uint32_t at = translations + 8 * count;
    std::string tables, strings;
    for (int table = 0; table < 2; ++table) {
        for (const auto& [msgid, msgstr] : messages) {
            const std::string& text = table == 0 ? msgid : msgstr;
            Put(tables, static_cast<std::uint32_t>(text.size()));
            Put(tables, at);
            strings += text + '\0';
            at += static_cast<std::uint32_t>(text.size() + 1);
        }
    }
    std::string bytes;
    for (const std::uint32_t word : {0x950412deU, 0U, count, originals, translations, 0U, 0U}) Put(bytes, word);
    return bytes + tables + strings;
}

class NameCataloguesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "varelio-mo-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr) << std::strerror(errno);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    void Write(const std::string& language, const std::string& bytes) const {
        const std::filesystem::path messages = folder_ / language / "LC_MESSAGES";
        std::filesystem::create_directories(messages);
        std::ofstream(messages / "geonames.mo", std::ios::binary) << bytes;
    }
    std::multiset<std::pair<std::uint32_t, std::string>> Names() const {
        std::multiset<std::pair<std::uint32_t, std::string>> names;
        ForEachCatalogueName(folder_.string(), [&](std::uint32_t id, std::string_view name) {
            names.emplace(id, std::string(name));
        });
        return names;
    }

    std::filesystem::path folder_;
};

// Cities' names by their numeric ids; states, countries, the header, empty
// translations and files that are no catalogue or end too soon give nothing.
TEST_F(NameCataloguesTest, GivesTheCitiesNamesAndPassesOverTheRest) {
    const std::string good = Catalogue({{"", "Project-Id-Version: geonames"},
                                        {"1275339", "Bombay"},
                                        {"1816670", "Peking"},
                                        {"IN", "Indien"},
                                        {"IN.16", "Maharashtra"},
                                        {"1264527", ""}});
    Write("de", good);
    Write("hi", Catalogue({{"1275339", std::string("\xE0\xA4\xAC\xE0\xA4\xAE\xE0\xA5\x8D\xE0\xA4\xAC\xE0\xA4\x88")}}));
    Write("broken", good.substr(0, good.size() - 24));
    Write("text", "msgid \"1275339\"\nmsgstr \"Bombay\"\n");
    std::filesystem::create_directories(folder_ / "empty" / "LC_MESSAGES");

    const std::multiset<std::pair<std::uint32_t, std::string>> expected = {
        {1275339, "Bombay"}, {1816670, "Peking"}, {1275339, "बम्बई"}, {1275339, "Bombay"}};
    // The broken file's names up to its cut: its first city comes through.
    EXPECT_EQ(Names(), expected);
    EXPECT_TRUE([] {
        bool none = true;
        ForEachCatalogueName("/nonexistent-catalogues", [&none](std::uint32_t, std::string_view) { none = false; });
        return none;
    }());
}

}  // namespace
}  // namespace varelio
