// What a catalogue entry says in English (words::English, the companion's
// and the files') and in the windows' words (words::Translated, English
// here): the two must agree to the byte. SAID(expression with w) gives the
// English after checking that both say it.
#pragma once

#include "words/English.h"
#include "words/Translated.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace varelio::testing {

inline std::string Plain(const std::string& text) { return text; }
inline std::string Plain(const QString& text) { return text.toStdString(); }
template <typename Text, std::size_t N>
std::string Plain(const std::array<Text, N>& texts) {
    std::string joined;
    for (const Text& text : texts) joined += (joined.empty() ? "" : "|") + Plain(text);
    return joined;
}

// A file's lines split at LF, a CR before it kept.
inline std::vector<std::string> LinesOf(const std::string& file) {
    std::vector<std::string> lines;
    std::istringstream in(file);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

template <typename Say>
std::string Said(const Say& say) {
    const std::string english = Plain(say(words::English()));
    EXPECT_EQ(Plain(say(words::Translated())), english);
    return english;
}

}  // namespace varelio::testing

#define SAID(expression) ::varelio::testing::Said([&](const auto& w) { return expression; })
