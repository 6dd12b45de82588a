#include "places/AsciiForm.h"

#include "astro/Blanks.h"
#include "formats/ReadingFile.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace varelio {
namespace {

// Letters and marks that Unicode does not decompose into a Latin letter.
constexpr std::pair<char32_t, std::string_view> kSpelledOut[] = {
    {U'Æ', "AE"}, {U'æ', "ae"}, {U'Ð', "D"},  {U'ð', "d"},  {U'Ø', "O"},  {U'ø', "o"},  {U'Þ', "Th"},
    {U'þ', "th"}, {U'ß', "ss"}, {U'Đ', "D"},  {U'đ', "d"},  {U'Ħ', "H"},  {U'ħ', "h"},  {U'ı', "i"},
    {U'Ł', "L"},  {U'ł', "l"},  {U'Œ', "OE"}, {U'œ', "oe"}, {U'Ə', "A"},  {U'ə', "a"},  {U'Ǝ', "A"},
    {U'ǝ', "a"},  {U'ʼ', "'"},  {U'ʻ', "'"},  {U'‘', "'"},  {U'’', "'"},  {U'“', "\""}, {U'”', "\""},
    {U'–', "-"},  {U'—', "-"},
};

// Russian Cyrillic А to я (U+0410 to U+044F), as GeoNames' ASCII names spell it;
// ё has already decomposed into е and a diaeresis.
constexpr std::array<std::string_view, 32> kCyrillic = {
    "a", "b", "v", "g", "d", "e", "zh", "z", "i", "y", "k", "l", "m", "n", "o", "p",
    "r", "s", "t", "u", "f", "kh", "ts", "ch", "sh", "shch", "", "y", "", "e", "yu", "ya"};

void AppendCyrillic(char32_t code, std::string& out) {
    const bool upper = code < 0x0430;
    std::string letters(kCyrillic[static_cast<std::size_t>((code - 0x0410) % 32)]);
    if (upper && !letters.empty()) letters[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(letters[0])));
    out += letters;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A mark that accents a Latin letter (or any letter: combining marks belong
// to no script of their own), which the ASCII form leaves out.
bool IsAccent(char32_t code) {
    const QChar::Script script = QChar::script(code);
    return QChar::isMark(code) && (script == QChar::Script_Inherited || script == QChar::Script_Latin ||
                                   script == QChar::Script_Common);
}

void AppendUtf8(char32_t code, std::string& out) {
    const auto byte = [&out](char32_t value) { out += static_cast<char>(value); };
    if (code < 0x800) {
        byte(0xC0 | (code >> 6));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
    }
    byte(0x80 | (code & 0x3F));
}

// The ASCII form; with keepOthers, what it would leave out is kept
// case-folded, accents only excepted.
std::string Fold(std::string_view utf8, bool keepOthers) {
    if (IsAscii(utf8)) return std::string(utf8);
    // Compatibility decomposition splits "ã" into "a" and a combining tilde.
    const QString decomposed = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))
                                   .normalized(QString::NormalizationForm_KD);
    std::string out;
    for (const char32_t code : decomposed.toUcs4()) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code >= 0x0410 && code <= 0x044F) {
            AppendCyrillic(code, out);
        } else {
            const auto spelled = std::find_if(std::begin(kSpelledOut), std::end(kSpelledOut),
                                              [code](const auto& entry) { return entry.first == code; });
            if (spelled != std::end(kSpelledOut)) {
                out += spelled->second;
            } else if (keepOthers && !IsAccent(code)) {
                AppendUtf8(QChar::toCaseFolded(code), out);
            }
        }
    }
    return out;
}

}  // namespace

std::string AsciiForm(std::string_view utf8) { return Fold(utf8, false); }

std::string FoldForMatching(std::string_view utf8) {
    std::string folded(TrimBlanks(Fold(utf8, true)));
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

std::string StorableName(std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    for (const char32_t code : text.toUcs4()) {
        if (!CanStoreCharacter(code)) return AsciiForm(utf8);
    }
    return std::string(utf8);
}

}  // namespace varelio
