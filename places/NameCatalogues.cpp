#include "places/NameCatalogues.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

namespace varelio {
namespace {

// A .mo file: a header of 32-bit words (magic, revision, message count, the
// offsets of the originals' and the translations' tables), each table entry
// a length and an offset, every string NUL-ended.
constexpr std::uint32_t kMagic = 0x950412deU;
constexpr std::uint32_t kSwappedMagic = 0xde120495U;
constexpr std::size_t kHeaderWords = 5;
// Catalogues are some 100 KB; anything far larger is not one.
constexpr std::uintmax_t kMaxCatalogueBytes = 64U * 1024U * 1024U;

class Catalogue {
public:
    explicit Catalogue(std::string bytes) : bytes_(std::move(bytes)) {}

    bool Open() {
        const std::optional<std::uint32_t> magic = Word(0);
        if (!magic || (*magic != kMagic && *magic != kSwappedMagic)) return false;
        swapped_ = *magic == kSwappedMagic;
        const auto count = Word(8), originals = Word(12), translations = Word(16);
        if (!count || !originals || !translations) return false;
        count_ = *count;
        originals_ = *originals;
        translations_ = *translations;
        return bytes_.size() >= kHeaderWords * 4;
    }

    std::uint32_t count() const { return count_; }

    // The table's string at index; nothing when it lies outside the file.
    std::optional<std::string_view> Original(std::uint32_t index) const { return Entry(originals_, index); }
    std::optional<std::string_view> Translation(std::uint32_t index) const { return Entry(translations_, index); }

private:
    std::optional<std::uint32_t> Word(std::uint64_t at) const {
        if (at + 4 > bytes_.size()) return std::nullopt;
        std::uint32_t word = 0;
        std::memcpy(&word, bytes_.data() + at, 4);
        return swapped_ ? __builtin_bswap32(word) : word;
    }

    std::optional<std::string_view> Entry(std::uint32_t table, std::uint32_t index) const {
        const std::uint64_t at = table + 8ULL * index;
        const auto length = Word(at), offset = Word(at + 4);
        if (!length || !offset || std::uint64_t{*offset} + *length >= bytes_.size()) return std::nullopt;
        return std::string_view(bytes_.data() + *offset, *length);
    }

    std::string bytes_;
    bool swapped_ = false;
    std::uint32_t count_ = 0, originals_ = 0, translations_ = 0;
};

// A city's msgid: its GeoNames id in decimal.
std::optional<std::uint32_t> CityId(std::string_view msgid) {
    if (msgid.empty() || msgid.size() > 9) return std::nullopt;
    std::uint32_t id = 0;
    for (const char c : msgid) {
        if (c < '0' || c > '9') return std::nullopt;
        id = id * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return id;
}

std::optional<std::string> ReadSmallFile(const std::filesystem::path& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxCatalogueBytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return std::nullopt;
    return bytes;
}

}  // namespace

void ForEachCatalogueName(const std::string& folder,
                          const std::function<void(std::uint32_t id, std::string_view name)>& found) {
    std::error_code error;
    for (std::filesystem::directory_iterator language(folder, error), end; !error && language != end;
         language.increment(error)) {
        std::optional<std::string> bytes = ReadSmallFile(language->path() / "LC_MESSAGES" / "geonames.mo");
        if (!bytes) continue;
        Catalogue catalogue(std::move(*bytes));
        if (!catalogue.Open()) continue;
        for (std::uint32_t i = 0; i < catalogue.count(); ++i) {
            const std::optional<std::string_view> msgid = catalogue.Original(i);
            const std::optional<std::string_view> msgstr = catalogue.Translation(i);
            if (!msgid || !msgstr) break;
            // A message with plural forms holds them NUL-separated; a name has one.
            const std::string_view name = msgstr->substr(0, msgstr->find('\0'));
            if (const std::optional<std::uint32_t> id = CityId(*msgid); id && !name.empty()) found(*id, name);
        }
    }
}

}  // namespace varelio
