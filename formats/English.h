// The program's English words for the core's codes: what the text export
// writes and what the companion prints. The windows say the same sentences
// through tr(), so a translation changes them there and nowhere else.
#pragma once

#include "charts/DivisionalCharts.h"
#include "form/Problem.h"
#include "form/ZoneChoice.h"
#include "manglik/Manglik.h"
#include "matching/Match.h"
#include "reading/VerdictWindow.h"

#include <array>
#include <string>

namespace varelio::english {

// The input form's messages, exactly as the input window shows them; other
// problems get a short description.
std::string ProblemText(const Problem& problem);

// "Lagna", "Moon", "Venus"
std::string_view ReferenceName(ManglikReference reference);

// The three verdict lines: "Position of Mars from Lagna is 7", "Percentage of
// Mangala dosha is 25%", "The person is Manglik" (or "... is unknown" and "The
// person's Manglik status could not be determined").
std::array<std::string, 3> VerdictCaptions(const ManglikVerdict& verdict);

// "Lord of the Lagna sign, Venus, stands in house 4", "Mars in Leo", ...
std::string CancellationReason(const Cancellation& cancellation, ManglikReference reference);

// "Rasi (D1)", "Navamsa (D9)": what a chart is, written with it.
std::string_view ChartName(DivisionalChart chart);

// "Holds for births from 16:52 (set by the ascendant) to 18:41 (set by the
// Moon)"; an end at the search's limit "from before 14:30" or "until after
// 20:30", one set by Mars "from about 14:30, give or take 2 hours," or "to
// about 18:30, give or take 2 hours"; a time on another date is followed by
// " the day before" or " the next day". An end that Mars near a sign's edge
// makes approximate reads "to about 18:41 (set by the ascendant)" or, at the
// limit, "perhaps until after 20:30".
std::string WindowText(const ReferenceWindow& window);

// "Mars is within Varelio's error of 6' of the edge of its sign: a birth at
// this time may be Manglik from Lagna.": the verdict Mars across its nearer
// edge would give (ReferenceWindow::verdictMayDiffer).
std::string VerdictMayDifferText(ManglikReference reference, bool manglikAcross);

// Why ends are approximate: Mars within its error of an edge at the entered
// time ("... the sky's Mars may change sign at any of these times."), or
// from a later time ("Mars comes within Varelio's error of 6' of the edge of
// its sign at 17:30: ...") or until an earlier one ("... until 16:10: ...").
std::string MarsNearEdgeText(const NearEdgeMinute& near, bool later);

// "A birth 6 minutes later gives Manglik from Lagna: check the recorded time."
std::string TimeWarningText(const TimeWarning& warning, ManglikReference reference);

// "Asia/Kolkata on 1 January 2000: UTC+5:30 → Indian Time, IST, +5.3", with
// how far off an inexact row is and what a skipped or repeated clock time
// means; empty for no note.
std::string ZoneNoteText(const ZoneNote& note);

// --- Two readings matched (matching/). ---

// "Bride", "Groom"
std::string_view SideName(MatchSide side);

// "1 January 2000, 17:30, Delhi, Delhi, India"
std::string BirthLine(const BirthData& birth);

// "Moon in Kataka (Cancer), Pushya pada 2"; "Moon position unknown" without a sign.
std::string MoonLine(const BodyPosition& moon);

// One reference's verdict on a line: "Lagna: Mars in house 7, Manglik (25%)",
// with ", cancelled: <reason>" when a cancellation applies; "Venus: unknown".
std::string VerdictLine(const ManglikVerdict& verdict);

// One reference, who has the dosha: "From Lagna: both have the dosha, so the
// doshas balance", "From Moon: only the groom has the dosha, and it stands",
// "From Lagna: only the bride has the dosha; the groom's from Moon balances
// it", "From Venus (not counted): neither has the dosha", each followed by
// "; the bride's dosha is cancelled: Mars in Leo" for a cancelled dosha.
std::string ComparisonLine(const ReferenceComparison& comparison);

// "The bride is Manglik from Lagna and Moon", "The groom is not Manglik",
// "The bride's dosha is cancelled (from Moon: Mars in Leo)", ...
std::string StandingLine(MatchSide side, const PersonManglik& person);

// The two persons compared: "Both are Manglik: the doshas balance.",
// "Only the bride is Manglik: the dosha stands, unbalanced.", ...
std::string OverallLine(const ManglikComparison& comparison);

// The match in one line: "Conclusion: 28 of 36 (Good), but not recommended:
// an unlifted Nadi dosha overrides the band; neither is Manglik; dosha
// standing: Nadi dosha."
std::string ConclusionLine(const MatchConclusion& conclusion);

// The koota's name as the Ashtakoota's table gives it: "Varna" .. "Nadi".
std::string_view KootaName(Koota koota);

// Why a koota scored what it did: "Bride Vaishya, groom Brahmin: the groom's
// varna is not lower", "Moon signs Aries and Leo: 5/9", ...
std::string KootaReasonText(const Ashtakoota& match, Koota koota);

// "1.5 of 3"
std::string PointsText(double points, double maximum);

// "Not recommended", "Acceptable", "Good", "Excellent"
std::string_view BandName(ScoreBand band);

// "Total: 27.5 of 36 (Good)"
std::string TotalLine(const Ashtakoota& match);

// "Nadi dosha", "Bhakoot dosha", "Gana dosha"
std::string_view DoshaName(Dosha dosha);

// "Manglik dosha", as the conclusion lists a lone Manglik's.
std::string_view ManglikDoshaName();

// "both Moon signs ruled by Saturn", "both Moon signs have one lord" (one sign), ...
std::string DoshaExceptionText(DoshaException exception, const Ashtakoota& match);

// "Nadi dosha, lifted: <exception>; <exception>" or "Nadi dosha: no exception lifts it".
std::string DoshaLine(const DoshaFinding& finding, const Ashtakoota& match);

// The headings and fixed lines of the match, as the window, the page and the text file say them.
enum class MatchHeading {
    Title,           // "Match of Two Readings"
    Manglik,         // "Manglik against Manglik"
    Ashtakoota,      // "Ashtakoota (Guna Milan)"
    Doshas,          // "Doshas"
    NoDosha,         // "No dosha found"
    NoAshtakoota,    // "The Ashtakoota needs both Moons' signs and nakshatras."
    ManglikCounted,  // "A person is Manglik with the dosha from Lagna or Moon ...; Venus is shown, not counted."
};
std::string_view HeadingText(MatchHeading heading);

}  // namespace varelio::english
