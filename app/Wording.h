// The windows' words for what the core hands back as numbers and codes: a
// refused form or file, the verdict's lines, the birth-time window and its
// warning, the zone note, month and body names. Each goes through tr() with
// the program's English as its source text, the same sentences the companion
// takes from formats/English, so a translation changes them here alone.
#pragma once

#include "app/Dialogs.h"
#include "astro/Records.h"
#include "charts/DivisionalCharts.h"
#include "form/Problem.h"
#include "form/ZoneChoice.h"
#include "manglik/Manglik.h"
#include "matching/Match.h"
#include "reading/VerdictWindow.h"

#include <QString>

#include <array>

class QWidget;

namespace varelio::app {

// The message of a problem: the input form's checks as the companion words
// them, a saved reading that cannot be opened or stored as the windows have
// always said it. file names the reading file: the one that cannot be read or
// is refused (with the reason), or the one that filled the form a check
// refuses.
QString ProblemText(const Problem& problem, const QString& file = {});

// The problem's message box: its text, the icon of its severity, titled
// "Varelio". Moving the focus is the input window's (InputWindow::showProblem).
void ShowProblem(Dialogs& dialogs, QWidget* parent, const Problem& problem, const QString& file = {});

// "Lagna", "Moon", "Venus"
QString ReferenceName(ManglikReference reference);

// "Position of Mars from Lagna is 7", "Percentage of Mangala dosha is 25%",
// "The person is Manglik"; a house that could not be counted says so.
std::array<QString, 3> VerdictCaptions(const ManglikVerdict& verdict);

// "Mars in Leo", "Lord of the Lagna sign, Venus, stands in house 4": why a
// verdict's dosha is cancelled, as formats/English's CancellationReason says
// it. The one wording of the reason, for the reading's lines and the match's.
QString CancellationReason(const Cancellation& cancellation, ManglikReference reference);

// "Dosha cancelled: Lord of the Lagna sign, Venus, stands in house 4": the
// first cancellation rule that applies to a Manglik verdict, for the line
// under its box.
QString CancellationLine(const Cancellation& cancellation, ManglikReference reference);

// "Rasi (D1)", "Navamsa (D9)": what a chart is, written with it.
QString ChartName(DivisionalChart chart);

// "Lagna: Holds for births from 16:52 (set by the ascendant) to 18:41 (set by
// the Moon)" (" the day before" or " the next day" after a time on another
// date; "from before 14:30" and "until after 20:30" at the search's limit;
// "to about 18:30, give or take 2 hours" for an end set by Mars; "to about
// 18:41 (set by the ascendant)" and "perhaps until after 20:30" for an end
// that Mars near a sign's edge makes approximate).
QString WindowLine(ManglikReference reference, const ReferenceWindow& window);

// "Mars is within Varelio's error of 6' of the edge of its sign: a birth at
// this time may be Manglik from Lagna.": the verdict Mars across its nearer
// edge gives, for a window whose verdictMayDiffer is set.
QString VerdictMayDifferLine(ManglikReference reference, bool manglikAcross);

// Why ends are approximate: Mars within its error of a sign's edge at the
// entered time, from a later time (later) or until an earlier one.
QString MarsNearEdgeLine(const NearEdgeMinute& near, bool later);

// "A birth 6 minutes later gives Manglik from Lagna: check the recorded time."
QString TimeWarningLine(ManglikReference reference, const TimeWarning& warning);

// "Asia/Kolkata on 1 January 2000: UTC+5:30 → Indian Time, IST, +5.3", with
// the exact offset a row lacks or how far off an inexact row is, the city's
// clock or local mean time taken and the zone's as the other choice, and what
// a skipped or repeated clock time means; empty for no note.
QString ZoneNoteText(const ZoneNote& note);

// The note once a place field, the zone row, the DST box or the exact offset
// was changed by hand: the note, saying that the zone no longer follows the
// date.
QString ZoneNoteByHandText(const ZoneNote& note);

// The city typed no longer names the place picked (its label, "Mumbai,
// Maharashtra, India"), whose state, country, coordinates and exact offset
// were emptied.
QString PlaceClearedText(const QString& placeLabel);

// "Offset: UTC+5:30, zone row", "Offset: UTC-4:00, zone row with DST",
// "Offset: UTC+5:45, exact": the offset from universal time the reading used.
QString OffsetUsedText(const BirthData& birth);

// "January" for 1 .. "December" for 12; empty outside.
QString MonthName(int month);

// "Surya / Sun": the body's Sanskrit and English names from the astro tables;
// "Rahu / North Node", "Ketu / South Node" and "Lagna / Asc" for the nodes and
// the ascendant.
QString BodyLabel(BodyIndex body);

// --- Two readings matched: the sentences of formats/English's match words. ---

// "Bride", "Groom"
QString SideName(MatchSide side);
// "1 January 2000, 17:30, Delhi, Delhi, India"
QString BirthLine(const BirthData& birth);
// "Moon in Kataka (Cancer), Pushya pada 2"
QString MoonLine(const BodyPosition& moon);
// "Lagna: Mars in house 7, Manglik (25%)", with ", cancelled: <reason>".
QString VerdictLine(const ManglikVerdict& verdict);
// "From Lagna: both have the dosha, so the doshas balance", ...
QString ComparisonLine(const ReferenceComparison& comparison);
// "The bride is Manglik from Lagna and Moon", ...
QString StandingLine(MatchSide side, const PersonManglik& person);
// "Both are Manglik: the doshas balance.", ...
QString OverallLine(const ManglikComparison& comparison);
// "A person is Manglik with the dosha from Lagna or Moon that no
// cancellation lifts; Venus is shown, not counted."
QString ManglikCountedLine();
// "Conclusion: 28 of 36 (Good), but not recommended: an unlifted Nadi dosha
// overrides the band; neither is Manglik; dosha standing: Nadi dosha."
QString ConclusionLine(const MatchConclusion& conclusion);
// "Varna" .. "Nadi", as the Ashtakoota's table names them.
QString KootaName(Koota koota);
// Why the koota scored what it did.
QString KootaReasonText(const Ashtakoota& match, Koota koota);
// "1.5 of 3"
QString PointsText(double points, double maximum);
// "Not recommended", "Acceptable", "Good", "Excellent"
QString BandName(ScoreBand band);
// "Total: 27.5 of 36 (Good)"
QString TotalLine(const Ashtakoota& match);
// "Nadi dosha", ...
QString DoshaName(Dosha dosha);
// "both Moon signs ruled by Saturn", "both Moon signs have one lord" (one sign), ...
QString DoshaExceptionText(DoshaException exception, const Ashtakoota& match);
// "Nadi dosha, lifted: <exception>; <exception>" or "Nadi dosha: no exception lifts it".
QString DoshaLine(const DoshaFinding& finding, const Ashtakoota& match);

}  // namespace varelio::app
