// Reads the match's text file (words/MatchText) back from its words alone,
// as a family reads it, and finds every pair of lines that disagree: a
// verdict line against the reference line that compares it, a reference line
// against a person's standing, the overall line and the conclusion, and the
// conclusion against the total and the doshas listed below it. It knows the
// sentences, not the program's rule, so it checks the lines against each
// other rather than restating how they were made. Standard C++ only.
#pragma once

#include <array>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace varelio::samples {

struct MatchLinesReport {
    std::vector<std::string> contradictions;  // empty when every line agrees with every other
    std::set<std::string> seen;               // the kinds of line met, to show what a run covered
};

namespace match_lines {

inline constexpr std::array<std::string_view, 2> kSides{"bride", "groom"};
inline constexpr std::array<std::string_view, 3> kReferences{"Lagna", "Moon", "Venus"};

enum class Verdict { Unknown, None, Dosha, Cancelled };

// Who, of bride (bit 0) and groom (bit 1).
using Who = unsigned;
inline Who Bit(std::size_t side) { return 1u << side; }
inline std::string Names(Who who) {
    if (who == 0) return "neither";
    if (who == 3) return "both";
    return std::string(kSides[who == 1 ? 0 : 1]);
}

inline bool Eat(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

inline std::vector<std::string_view> Split(std::string_view text, std::string_view by) {
    std::vector<std::string_view> parts;
    for (std::size_t at; (at = text.find(by)) != std::string_view::npos;) {
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at + by.size());
    }
    parts.push_back(text);
    return parts;
}

// Which side a "the bride..."/"the groom..." text names; nothing for neither.
inline std::optional<std::size_t> SideNamed(std::string_view& text, std::string_view before) {
    for (std::size_t s = 0; s < 2; ++s) {
        const std::string prefix = std::string(before) + std::string(kSides[s]);
        if (Eat(text, prefix)) return s;
    }
    return std::nullopt;
}

struct ReferenceLine {
    bool unknown = false;
    bool markedNotCounted = false;
    Who holders = 0;
    Who cancelled = 0;
    bool claimsBalance = false;                  // "so the doshas balance"
    bool claimsStands = false;                   // "and it stands"
    std::optional<std::size_t> balancedFrom;     // "the groom's from Moon balances it": that reference
    std::optional<std::size_t> balancingSide;    // ... and that side
};

struct Standing {
    enum Kind { Unknown, NotManglik, Cancelled, Manglik } kind = Unknown;
    Who references = 0;  // Manglik from: bit 0 Lagna, bit 1 Moon; Cancelled: the reference
};

}  // namespace match_lines

inline MatchLinesReport CheckMatchLines(const std::string& file) {
    using namespace match_lines;
    MatchLinesReport report;
    auto& bad = report.contradictions;
    std::vector<std::string> lines;
    {
        std::istringstream in(file);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
    }
    const auto at = [&](std::size_t i) -> std::string_view { return i < lines.size() ? lines[i] : std::string_view(); };
    const auto find = [&](std::string_view start) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (std::string_view(lines[i]).starts_with(start)) return i;
        }
        return lines.size();
    };
    const auto unread = [&](std::string_view what, std::string_view line) {
        bad.push_back("unread " + std::string(what) + ": '" + std::string(line) + "'");
    };

    // The verdict lines under each side.
    std::array<std::array<Verdict, 3>, 2> verdicts{};
    for (std::size_t s = 0; s < 2; ++s) {
        const std::size_t head = find(s == 0 ? "Bride: " : "Groom: ");
        for (std::size_t r = 0; r < 3; ++r) {
            std::string_view line = at(head + 3 + r);
            Verdict& v = verdicts[s][r];
            if (!Eat(line, std::string(kReferences[r]) + ": ")) {
                unread("verdict", at(head + 3 + r));
            } else if (line == "unknown") {
                v = Verdict::Unknown;
            } else if (line.find(", Non Manglik") != std::string_view::npos) {
                v = Verdict::None;
            } else if (line.find(", Manglik (") != std::string_view::npos) {
                v = line.find(", cancelled: ") != std::string_view::npos ? Verdict::Cancelled : Verdict::Dosha;
            } else {
                unread("verdict", at(head + 3 + r));
            }
        }
    }

    const std::size_t manglik = find("Manglik against Manglik");
    if (manglik + 7 >= lines.size()) {
        bad.push_back("no Manglik comparison");
        return report;
    }

    // Overall.
    std::optional<Who> overall;  // who is Manglik; nothing when it cannot be made
    {
        std::string_view line = at(manglik + 1);
        if (line == "Neither is Manglik: there is no dosha to balance.") {
            overall = 0;
        } else if (line == "Both are Manglik: the doshas balance.") {
            overall = 3;
        } else if (Eat(line, "Only the ")) {
            const auto side = SideNamed(line, "");
            if (!side || line != " is Manglik: the dosha stands, unbalanced.") unread("overall", at(manglik + 1));
            else overall = Bit(*side);
        } else if (line != "The Manglik comparison cannot be made: a verdict is unknown.") {
            unread("overall", line);
        }
    }
    if (at(manglik + 2).find("Venus is shown, not counted") == std::string_view::npos) {
        bad.push_back("the screen does not say that Venus is not counted: '" + std::string(at(manglik + 2)) + "'");
    }

    // Each person's standing.
    std::array<Standing, 2> standings{};
    for (std::size_t s = 0; s < 2; ++s) {
        std::string_view line = at(manglik + 3 + s);
        const std::string who = "The " + std::string(kSides[s]);
        Standing& st = standings[s];
        if (line == who + " is not Manglik") {
            st.kind = Standing::NotManglik;
        } else if (line == who + "'s Manglik status could not be determined") {
            st.kind = Standing::Unknown;
        } else if (line == who + " is Manglik from Lagna and Moon") {
            st = {Standing::Manglik, 3};
        } else if (line == who + " is Manglik from Lagna") {
            st = {Standing::Manglik, 1};
        } else if (line == who + " is Manglik from Moon") {
            st = {Standing::Manglik, 2};
        } else if (Eat(line, who + "'s dosha is cancelled (from ")) {
            st.kind = Standing::Cancelled;
            if (Eat(line, "Lagna: ")) st.references = 1;
            else if (Eat(line, "Moon: ")) st.references = 2;
            else unread("standing", at(manglik + 3 + s));
        } else {
            unread("standing", line);
        }
    }

    // Each reference's line.
    std::array<ReferenceLine, 3> refs{};
    for (std::size_t r = 0; r < 3; ++r) {
        std::string_view line = at(manglik + 5 + r);
        ReferenceLine& ref = refs[r];
        const std::string from = "From " + std::string(kReferences[r]);
        if (!Eat(line, from)) {
            unread("reference", at(manglik + 5 + r));
            continue;
        }
        ref.markedNotCounted = Eat(line, " (not counted)");
        if (!Eat(line, ": ")) unread("reference", at(manglik + 5 + r));
        const std::vector<std::string_view> parts = Split(line, "; ");
        std::string_view first = parts[0];
        if (first == "cannot be compared, a verdict is unknown") {
            ref.unknown = true;
        } else if (first == "neither has the dosha") {
        } else if (first == "both have the dosha, so the doshas balance") {
            ref.holders = 3;
            ref.claimsBalance = true;
        } else if (first == "both have the dosha") {
            ref.holders = 3;
        } else if (Eat(first, "only the ")) {
            const auto side = SideNamed(first, "");
            if (!side) unread("reference", at(manglik + 5 + r));
            else ref.holders = Bit(*side);
            if (first == " has the dosha, and it stands") ref.claimsStands = true;
            else if (first != " has the dosha") unread("reference", at(manglik + 5 + r));
        } else {
            unread("reference", at(manglik + 5 + r));
        }
        for (std::size_t p = 1; p < parts.size(); ++p) {
            std::string_view part = parts[p];
            const auto side = SideNamed(part, "the ");
            if (!side) {
                unread("reference", at(manglik + 5 + r));
            } else if (Eat(part, "'s dosha is cancelled: ")) {
                ref.cancelled |= Bit(*side);
                report.seen.insert("a cancelled dosha named beside a reference");
            } else if (Eat(part, "'s from ") && part.ends_with(" balances it")) {
                part.remove_suffix(std::string_view(" balances it").size());
                for (std::size_t other = 0; other < 3; ++other) {
                    if (part == kReferences[other]) ref.balancedFrom = other;
                }
                ref.balancingSide = side;
                if (!ref.balancedFrom) unread("reference", at(manglik + 5 + r));
                report.seen.insert("a lone dosha balanced from the other counted reference");
            } else {
                unread("reference", at(manglik + 5 + r));
            }
        }
        if (ref.holders == 3) report.seen.insert(r == 2 ? "both from Venus" : "both from a counted reference");
        if (ref.claimsStands) report.seen.insert("a dosha standing from a counted reference");
        if (r == 2 && (ref.holders & ~(refs[0].holders | refs[1].holders)) != 0) {
            report.seen.insert("a dosha from Venus alone");
        }
    }

    // The reference lines against the verdict lines above them.
    for (std::size_t r = 0; r < 3; ++r) {
        const ReferenceLine& ref = refs[r];
        const std::string name(kReferences[r]);
        Who holders = 0, cancelled = 0;
        bool unknown = false;
        for (std::size_t s = 0; s < 2; ++s) {
            unknown = unknown || verdicts[s][r] == Verdict::Unknown;
            if (verdicts[s][r] == Verdict::Dosha) holders |= Bit(s);
            if (verdicts[s][r] == Verdict::Cancelled) cancelled |= Bit(s);
        }
        if (ref.unknown != unknown) bad.push_back("From " + name + ": compared although a verdict is unknown, or not");
        if (ref.unknown) continue;
        if (ref.holders != holders) {
            bad.push_back("From " + name + ": the line says " + Names(ref.holders) + " has the dosha, the verdicts " +
                          Names(holders));
        }
        if (ref.cancelled != cancelled) {
            bad.push_back("From " + name + ": the line names " + Names(ref.cancelled) +
                          " cancelled, the verdicts " + Names(cancelled));
        }
        if (ref.markedNotCounted != (r == 2)) bad.push_back("From " + name + ": said counted, or not, wrongly");
        // Venus, not counted, concludes nothing.
        if (r == 2 && (ref.claimsBalance || ref.claimsStands || ref.balancedFrom)) {
            bad.push_back("From Venus: a conclusion from a reference not counted");
        }
    }

    // Each standing against the counted reference lines (against the
    // person's own verdict line where the other's verdict left a reference
    // uncompared).
    const auto has = [&](std::size_t s, std::size_t r) {
        return refs[r].unknown ? verdicts[s][r] == Verdict::Dosha : (refs[r].holders & Bit(s)) != 0;
    };
    const auto lifted = [&](std::size_t s, std::size_t r) {
        return refs[r].unknown ? verdicts[s][r] == Verdict::Cancelled : (refs[r].cancelled & Bit(s)) != 0;
    };
    Who countedHolders = 0;
    for (std::size_t s = 0; s < 2; ++s) {
        const std::string who(kSides[s]);
        Who from = 0;
        bool unknown = false, anyCancelled = false;
        for (std::size_t r = 0; r < 2; ++r) {
            unknown = unknown || verdicts[s][r] == Verdict::Unknown;
            if (has(s, r)) from |= Bit(r);
            anyCancelled = anyCancelled || lifted(s, r);
        }
        if (from != 0) countedHolders |= Bit(s);
        const Standing& st = standings[s];
        switch (st.kind) {
        case Standing::Manglik:
            if (st.references != from) {
                bad.push_back("the " + who + " is Manglik from other references than the lines give");
            }
            break;
        case Standing::NotManglik:
            if (from != 0 || unknown || anyCancelled) {
                bad.push_back("the " + who + " is not Manglik, but a counted line gives a dosha, a cancelled one or "
                              "an unknown verdict");
            }
            break;
        case Standing::Cancelled:
            if (from != 0 || unknown || !lifted(s, st.references == 1 ? 0 : 1)) {
                bad.push_back("the " + who + "'s dosha is cancelled, but the counted lines disagree");
            }
            break;
        case Standing::Unknown:
            if (from != 0 || !unknown) bad.push_back("the " + who + "'s status unknown, but the lines are not");
            break;
        }
    }

    // Overall against the standings and the counted lines.
    Who manglikPersons = 0;
    for (std::size_t s = 0; s < 2; ++s) {
        if (standings[s].kind == Standing::Manglik) manglikPersons |= Bit(s);
    }
    const bool anyUnknown = standings[0].kind == Standing::Unknown || standings[1].kind == Standing::Unknown;
    if (overall.has_value() == anyUnknown) bad.push_back("the overall line and the standings disagree on what is known");
    if (overall && *overall != manglikPersons) {
        bad.push_back("overall " + Names(*overall) + " is Manglik, the standings " + Names(manglikPersons));
    }
    if (overall && *overall != countedHolders) {
        bad.push_back("overall " + Names(*overall) + " is Manglik, the Lagna and Moon lines give the dosha to " +
                      Names(countedHolders));
    }
    // A counted line's conclusion against the overall one.
    for (std::size_t r = 0; r < 2; ++r) {
        const ReferenceLine& ref = refs[r];
        const std::string name(kReferences[r]);
        if (ref.claimsBalance && overall != Who{3}) {
            bad.push_back("From " + name + " the doshas balance, overall " + Names(overall.value_or(0)) + " is Manglik");
        }
        if (ref.claimsStands && overall != ref.holders) {
            bad.push_back("From " + name + " the " + Names(ref.holders) + "'s dosha stands, overall " +
                          Names(overall.value_or(0)) + " is Manglik");
        }
        if (ref.balancedFrom) {
            const std::size_t other = *ref.balancedFrom;
            const bool otherHas = other < 2 && ref.balancingSide && (refs[other].holders & Bit(*ref.balancingSide));
            if (overall != Who{3} || other == r || !otherHas || (ref.holders & Bit(*ref.balancingSide))) {
                bad.push_back("From " + name + " a dosha is said balanced from another reference that does not "
                              "balance it");
            }
        }
        // A lone dosha from a counted reference is concluded one way or the other.
        if (ref.holders != 0 && ref.holders != 3 && !ref.claimsStands && !ref.balancedFrom) {
            bad.push_back("From " + name + " a lone dosha neither stands nor is balanced");
        }
    }
    if (overall == Who{3} && countedHolders == 3 && refs[0].holders != 3 && refs[1].holders != 3) {
        report.seen.insert("both Manglik from different references");
    }

    // The conclusion, at the top.
    std::string_view conclusion = at(1);
    if (!Eat(conclusion, "Conclusion: ") || !conclusion.ends_with(".")) {
        unread("conclusion", at(1));
        return report;
    }
    conclusion.remove_suffix(1);
    const std::vector<std::string_view> parts = Split(conclusion, "; ");
    if (parts.size() != 3) {
        unread("conclusion", at(1));
        return report;
    }
    // Its Manglik part against the overall line.
    const std::string_view manglikPart = parts[1];
    std::optional<Who> concluded;
    if (manglikPart == "neither is Manglik") concluded = 0;
    else if (manglikPart == "both are Manglik, so the Manglik doshas balance") concluded = 3;
    else if (manglikPart == "only the bride is Manglik, so her Manglik dosha stands") concluded = 1;
    else if (manglikPart == "only the groom is Manglik, so his Manglik dosha stands") concluded = 2;
    else if (manglikPart != "the Manglik comparison cannot be made") unread("conclusion", at(1));
    if (concluded != overall) bad.push_back("the conclusion's Manglik part and the overall line disagree");

    // Its doshas that stand against the dosha lines and the overall line.
    std::set<std::string> listed;
    {
        std::string_view list = parts[2];
        if (list != "no dosha stands") {
            if (!Eat(list, "dosha standing: ") && !Eat(list, "doshas standing: ")) unread("conclusion", at(1));
            for (const std::string_view item : Split(list, ", ")) listed.insert(std::string(item));
        }
    }
    std::set<std::string> standing;
    if (overall == Who{1} || overall == Who{2}) standing.insert("the " + Names(*overall) + "'s Manglik dosha");
    const std::size_t doshas = find("Doshas");
    for (std::size_t i = doshas + 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const std::size_t colon = line.find(": no exception lifts it");
        if (colon != std::string_view::npos) standing.insert(std::string(line.substr(0, colon)));
    }
    if (listed != standing) bad.push_back("the conclusion's doshas that stand are not those the lines give");

    // Its score against the total line and the doshas: an unlifted Nadi or
    // Bhakoot dosha is never read as recommended.
    std::string_view score = parts[0];
    std::string_view total = at(find("Total: "));
    if (Eat(total, "Total: ") && !Eat(score, total)) bad.push_back("the conclusion's total is not the total line's");
    const bool lowBand = total.ends_with("(Not recommended)");
    const bool overriding = standing.count("Nadi dosha") || standing.count("Bhakoot dosha");
    if (score == ", recommended") {
        if (lowBand || overriding) bad.push_back("recommended with a low total or an unlifted Nadi or Bhakoot dosha");
        report.seen.insert("recommended");
    } else if (score.starts_with(", but not recommended: ")) {
        if (lowBand || !overriding) bad.push_back("not recommended over the band without a Nadi or Bhakoot dosha");
        report.seen.insert("a Nadi or Bhakoot dosha overriding the band");
    } else if (score.empty()) {
        if (!lowBand) bad.push_back("neither recommended nor not, with a total of 18 or more");
    } else {
        unread("conclusion", at(1));
    }
    return report;
}

}  // namespace varelio::samples
