// The program's English words for the core's codes: what the text export
// writes and what the companion prints. The windows say the same sentences
// through tr(), so a translation changes them there and nowhere else.
#pragma once

#include "charts/DivisionalCharts.h"
#include "form/Problem.h"
#include "form/ZoneChoice.h"
#include "manglik/Manglik.h"
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

// "Holds for births from 16:52 to 18:41"; an end at the search's limit
// "from before 14:30" or "until after 20:30", one set by Mars "from about
// 14:30, give or take 2 hours," or "to about 18:30, give or take 2 hours"; a
// time on another date is followed by " the day before" or " the next day".
std::string WindowText(const ReferenceWindow& window);

// "A birth 6 minutes later gives Manglik from Lagna: check the recorded time."
std::string TimeWarningText(const TimeWarning& warning, ManglikReference reference);

// "Asia/Kolkata on 1 January 2000: UTC+5:30 → Indian Time, IST, +5.3", with
// how far off an inexact row is and what a skipped or repeated clock time
// means; empty for no note.
std::string ZoneNoteText(const ZoneNote& note);

}  // namespace varelio::english
