// The reading's words, made from the core's numbers and codes: the summary
// (ayanamsa, Lagna, nakshatra, rashi, pada, lord), a chart cell's labels, the
// verdict's lines, why a dosha is cancelled, the birth-time window and its
// warnings, the offset used, the personal details. Each is a template over
// the words' language: words::English (std::string, the companion and the
// files) or words::Translated (QString, the windows).
#pragma once

#include "astro/Nakshatras.h"
#include "astro/Planets.h"
#include "astro/Signs.h"
#include "astro/TimeScales.h"
#include "form/ZoneChoice.h"
#include "reading/Reading.h"
#include "words/English.h"
#include "words/Names.h"
#include "words/Positions.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace varelio::words {

// --- Names ---

template <typename Words>
typename Words::Text ReferenceName(const Words& words, ManglikReference reference) {
    return Named(words, kReferenceNames, reference);
}

template <typename Words>
typename Words::Text ChartName(const Words& words, DivisionalChart chart) {
    return Named(words, kChartNames, chart);
}

// A body in a chart's cell: "Surya", "Shani (R) " when retrograde, "Asc" for
// the ascendant.
template <typename Words>
typename Words::Text ChartLabel(const Words& words, BodyIndex body, bool retrograde) {
    if (body == kAscendant) return words(kAscendantMark);
    const typename Words::Text name = Named(words, kChartLabels, body);
    return retrograde ? words(kRetrogradeLabel, name) : name;
}

// Every body's label, the midheaven's empty: what drawing::ChartContent takes.
template <typename Words>
std::array<typename Words::Text, kBodyCount> ChartLabels(const Words& words, const ChartState& chart) {
    std::array<typename Words::Text, kBodyCount> labels;
    for (int b = kSun; b <= kAscendant; ++b) {
        const auto body = static_cast<BodyIndex>(b);
        labels[static_cast<std::size_t>(b)] = ChartLabel(words, body, chart.bodies[body].retrograde);
    }
    return labels;
}

// --- The summary ---

// The ayanamsa without its sign: "23° 51' 42"".
template <typename Words>
typename Words::Text AyanamsaText(const Words& words, const ChartState& chart) {
    return SignedForm(words, std::fabs(chart.ayanamsa));
}

// The Lagna's rashi, "Mithuna"; nothing without a sign.
template <typename Words>
typename Words::Text LagnaName(const Words& words, const ChartState& chart) {
    return NamedFromOne(words, kRashiNames, chart.bodies[kAscendant].sign);
}

// The Moon's rashi, "Thula", and its nakshatra, "Swati".
template <typename Words>
typename Words::Text RashiName(const Words& words, const ChartState& chart) {
    return NamedFromOne(words, kRashiNames, chart.bodies[kMoon].sign);
}
template <typename Words>
typename Words::Text NakshatraName(const Words& words, const ChartState& chart) {
    return NamedFromOne(words, kNakshatraNames, chart.bodies[kMoon].nakshatra);
}

// The lord of the Moon's nakshatra, "Rahu", and the Moon's pada, "4". As
// ever, both are left empty when the Lagna has no sign.
template <typename Words>
typename Words::Text NakshatraLord(const Words& words, const ChartState& chart) {
    const int nakshatra = chart.bodies[kMoon].nakshatra;
    if (chart.bodies[kAscendant].sign == 0 || nakshatra == 0) return {};
    return Named(words, kBodyNames, kNakshatraLords[static_cast<std::size_t>(nakshatra - 1)]);
}
template <typename Words>
typename Words::Text PadaText(const Words& words, const ChartState& chart) {
    const BodyPosition& moon = chart.bodies[kMoon];
    if (chart.bodies[kAscendant].sign == 0 || moon.nakshatra == 0) return {};
    return words.Number(moon.pada);
}

// --- The verdict ---

// "25%", "0.0625%": the dosha's weight as this tradition writes it.
template <typename Words>
typename Words::Text PercentText(const Words& words, double percent) {
    return words(QT_TRANSLATE_NOOP3("Words", "%1%", "a percentage"), percent);
}

// "Position of Mars from Lagna is 7", "Percentage of Mangala dosha is 25%",
// "The person is Manglik"; a house that could not be counted says so.
template <typename Words>
std::array<typename Words::Text, 3> VerdictCaptions(const Words& words, const ManglikVerdict& verdict) {
    const typename Words::Text reference = ReferenceName(words, verdict.reference);
    if (!verdict.known()) {
        return {words(QT_TRANSLATE_NOOP("Words", "Position of Mars from %1 is unknown"), reference),
                words(QT_TRANSLATE_NOOP("Words", "Percentage of Mangala dosha is unknown")),
                words(QT_TRANSLATE_NOOP("Words", "The person's Manglik status could not be determined"))};
    }
    return {words(QT_TRANSLATE_NOOP("Words", "Position of Mars from %1 is %2"), reference, verdict.house),
            words(QT_TRANSLATE_NOOP("Words", "Percentage of Mangala dosha is %1"),
                  PercentText(words, verdict.doshaPercent)),
            verdict.manglik ? words(QT_TRANSLATE_NOOP("Words", "The person is Manglik"))
                            : words(QT_TRANSLATE_NOOP("Words", "The person is Non Manglik"))};
}

// "Mars in Leo", "Lord of the Lagna sign, Venus, stands in house 4": why a
// verdict's dosha is cancelled, in the reading's lines and the match's.
template <typename Words>
typename Words::Text CancellationReason(const Words& words, const Cancellation& c, ManglikReference reference) {
    const typename Words::Text sign = NamedFromOne(words, kSignNames, c.sign);
    const typename Words::Text body = Named(words, kBodyNames, c.body);
    switch (c.rule) {
        case CancellationRule::MarsInLeoOrAquarius: return words(QT_TRANSLATE_NOOP("Words", "Mars in %1"), sign);
        case CancellationRule::MarsInHouseAndSign:
            return words(QT_TRANSLATE_NOOP("Words", "Mars in house %1 in %2"), c.house, sign);
        case CancellationRule::MoonInCancerOrLeo: return words(QT_TRANSLATE_NOOP("Words", "Moon sign is %1"), sign);
        case CancellationRule::LordInKendraOrTrikona:
            return words(QT_TRANSLATE_NOOP("Words", "Lord of the %1 sign, %2, stands in house %3"),
                         ReferenceName(words, reference), body, c.house);
        case CancellationRule::BeneficNearReference:
            switch (reference) {
                case ManglikReference::Lagna:
                    return words(QT_TRANSLATE_NOOP("Words", "%1 is close to the ascendant"), body);
                case ManglikReference::Moon: return words(QT_TRANSLATE_NOOP("Words", "%1 is close to the Moon"), body);
                case ManglikReference::Venus: return words(QT_TRANSLATE_NOOP("Words", "%1 is close to Venus"), body);
            }
    }
    return {};
}

// "Dosha cancelled: Mars in Leo", under the box of a cancelled dosha.
template <typename Words>
typename Words::Text CancellationLine(const Words& words, const Cancellation& c, ManglikReference reference) {
    return words(QT_TRANSLATE_NOOP("Words", "Dosha cancelled: %1"), CancellationReason(words, c, reference));
}

// --- The birth-time window ---

namespace window {

// "17:30", followed by " the day before" or " the next day" on another date.
template <typename Words>
typename Words::Text ClockWithDay(const Words& words, int minuteOfDay, int day) {
    const typename Words::Text clock = words.Clock(minuteOfDay);
    if (day < 0) return words(QT_TRANSLATE_NOOP("Words", "%1 the day before"), clock);
    if (day > 0) return words(QT_TRANSLATE_NOOP("Words", "%1 the next day"), clock);
    return clock;
}

// "give or take 2 hours": how far the sky's end of a window set by Mars may lie.
template <typename Words>
typename Words::Text GiveOrTake(const Words& words, int uncertaintyMinutes) {
    static constexpr Counted kMinutes{QT_TRANSLATE_N_NOOP("Words", "give or take %n minutes"),
                                      "give or take %n minute"};
    static constexpr Counted kHours{QT_TRANSLATE_N_NOOP("Words", "give or take %n hours"), "give or take an hour"};
    static constexpr Counted kDays{QT_TRANSLATE_N_NOOP("Words", "give or take %n days"), "give or take a day"};
    const WindowSpread spread = SpreadOf(uncertaintyMinutes);
    switch (spread.unit) {
        case WindowSpread::Unit::Minutes: return words(kMinutes, spread.count);
        case WindowSpread::Unit::Hours: return words(kHours, spread.count);
        case WindowSpread::Unit::Days: return words(kDays, spread.count);
    }
    return {};
}

// An end that Mars near a sign's edge makes approximate: "about 18:41".
template <typename Words>
typename Words::Text About(const Words& words, const WindowEnd& end, const typename Words::Text& clock) {
    return end.approximate ? words(QT_TRANSLATE_NOOP3("Words", "about %1", "an approximate clock time"), clock) : clock;
}

}  // namespace window

// "Holds for births from 16:52 (set by the ascendant) to 18:41 (set by the
// Moon)"; at the search's limit "from before 14:30" and "until after 20:30";
// set by Mars "from about 14:30, give or take 2 hours," and "to about 18:30,
// give or take 2 hours"; made approximate by Mars near a sign's edge "to
// about 18:41 (set by the ascendant)" and "perhaps until after 20:30".
template <typename Words>
typename Words::Text WindowText(const Words& words, const ReferenceWindow& w) {
    using namespace window;
    const WindowEnd& start = w.from;
    const WindowEnd& end = w.to;
    const typename Words::Text startClock = ClockWithDay(words, start.minute, start.day);
    const typename Words::Text endClock = ClockWithDay(words, end.minute, end.day);
    typename Words::Text from;
    switch (start.setBy) {
        case WindowEndCause::Limit:
            from = start.approximate ? words(QT_TRANSLATE_NOOP("Words", "perhaps from before %1"), startClock)
                                     : words(QT_TRANSLATE_NOOP("Words", "from before %1"), startClock);
            break;
        case WindowEndCause::Mars:
            from = words(QT_TRANSLATE_NOOP("Words", "from about %1, %2,"), startClock,
                         GiveOrTake(words, start.uncertaintyMinutes));
            break;
        case WindowEndCause::Ascendant:
            from = words(QT_TRANSLATE_NOOP("Words", "from %1 (set by the ascendant)"), About(words, start, startClock));
            break;
        case WindowEndCause::Moon:
            from = words(QT_TRANSLATE_NOOP("Words", "from %1 (set by the Moon)"), About(words, start, startClock));
            break;
    }
    typename Words::Text to;
    switch (end.setBy) {
        case WindowEndCause::Limit:
            to = end.approximate ? words(QT_TRANSLATE_NOOP("Words", "perhaps until after %1"), endClock)
                                 : words(QT_TRANSLATE_NOOP("Words", "until after %1"), endClock);
            break;
        case WindowEndCause::Mars:
            to = words(QT_TRANSLATE_NOOP("Words", "to about %1, %2"), endClock,
                       GiveOrTake(words, end.uncertaintyMinutes));
            break;
        case WindowEndCause::Ascendant:
            to = words(QT_TRANSLATE_NOOP("Words", "to %1 (set by the ascendant)"), About(words, end, endClock));
            break;
        case WindowEndCause::Moon:
            to = words(QT_TRANSLATE_NOOP("Words", "to %1 (set by the Moon)"), About(words, end, endClock));
            break;
    }
    return words(QT_TRANSLATE_NOOP3("Words", "Holds for births %1 %2", "from when, to when"), from, to);
}

// "Lagna: Holds for births ...", as the reading view shows it.
template <typename Words>
typename Words::Text WindowLine(const Words& words, ManglikReference reference, const ReferenceWindow& w) {
    return words(QT_TRANSLATE_NOOP3("Words", "%1: %2", "reference: birth-time window"), ReferenceName(words, reference),
                 WindowText(words, w));
}

template <typename Words>
typename Words::Text VerdictName(const Words& words, bool manglik) {
    return manglik ? words(QT_TRANSLATE_NOOP("Words", "Manglik")) : words(QT_TRANSLATE_NOOP("Words", "Non Manglik"));
}

// "Mars is within Varelio's error of 6' of the edge of its sign: a birth at
// this time may be Manglik from Lagna.": the verdict Mars across its nearer
// edge gives, for a window whose verdictMayDiffer is set.
template <typename Words>
typename Words::Text VerdictMayDifferLine(const Words& words, ManglikReference reference, bool manglikAcross) {
    return words(QT_TRANSLATE_NOOP("Words",
                                   "Mars is within Varelio's error of %1' of the edge of its sign: a birth at "
                                   "this time may be %2 from %3."),
                 kMarsErrorArcMinutes, VerdictName(words, manglikAcross), ReferenceName(words, reference));
}

// Why ends are approximate: Mars within its error of a sign's edge at the
// entered time, from a later time (later) or until an earlier one.
template <typename Words>
typename Words::Text MarsNearEdgeLine(const Words& words, const NearEdgeMinute& near, bool later) {
    if (near.minutesAway == 0) {
        return words(QT_TRANSLATE_NOOP("Words",
                                       "Mars is within Varelio's error of %1' of the edge of its sign: the "
                                       "sky's Mars may change sign at any of these times."),
                     kMarsErrorArcMinutes);
    }
    const typename Words::Text clock = window::ClockWithDay(words, near.minute, near.day);
    return later ? words(QT_TRANSLATE_NOOP("Words",
                                           "Mars comes within Varelio's error of %1' of the edge of its sign "
                                           "at %2: the sky's Mars may change sign from then."),
                         kMarsErrorArcMinutes, clock)
                 : words(QT_TRANSLATE_NOOP("Words",
                                           "Mars is within Varelio's error of %1' of the edge of its sign "
                                           "until %2: the sky's Mars may have changed sign before then."),
                         kMarsErrorArcMinutes, clock);
}

// "A birth 6 minutes later gives Manglik from Lagna: check the recorded time."
template <typename Words>
typename Words::Text TimeWarningLine(const Words& words, ManglikReference reference, const TimeWarning& warning) {
    static constexpr Counted kLater{
        QT_TRANSLATE_N_NOOP("Words", "A birth %n minutes later gives %1 from %2: check the recorded time."),
        "A birth %n minute later gives %1 from %2: check the recorded time."};
    static constexpr Counted kEarlier{
        QT_TRANSLATE_N_NOOP("Words", "A birth %n minutes earlier gives %1 from %2: check the recorded time."),
        "A birth %n minute earlier gives %1 from %2: check the recorded time."};
    return words(warning.later ? kLater : kEarlier, warning.minutes, VerdictName(words, warning.manglik),
                 ReferenceName(words, reference));
}

// --- The birth ---

// "Offset: UTC+5:30, zone row", "Offset: UTC-4:00, zone row with DST",
// "Offset: UTC+5:45, exact": the offset from universal time the reading used.
template <typename Words>
typename Words::Text OffsetUsedText(const Words& words, const BirthData& birth) {
    const std::string offset = UtcOffsetText(OffsetUsedSeconds(birth));
    if (birth.utcOffsetSeconds) return words(QT_TRANSLATE_NOOP("Words", "Offset: %1, exact"), offset);
    return birth.dst ? words(QT_TRANSLATE_NOOP("Words", "Offset: %1, zone row with DST"), offset)
                     : words(QT_TRANSLATE_NOOP("Words", "Offset: %1, zone row"), offset);
}

// "Date of Birth: March 7, 1985", as the reading view and the text export say it.
template <typename Words>
typename Words::Text DateOfBirthLine(const Words& words, const BirthData& birth) {
    return words(QT_TRANSLATE_NOOP("Words", "Date of Birth: %1"),
                 words.Date(birth.year, birth.month, birth.day, DateForm::MonthDayYear));
}

// The personal details' lines of the reading view and the text export.
enum class DetailLine {
    Name,
    City,
    State,
    Country,
    Latitude,
    Longitude,
    TimeOfBirthShown,    // "Time of Birth: 17 HH 30 MM ", the reading view's
    TimeOfBirthWritten,  // "Time of Birth: 17 Hour 30 Minute", the text export's
};
template <typename Words>
typename Words::Text DetailText(const Words& words, DetailLine line, const BirthData& birth) {
    switch (line) {
        case DetailLine::Name: return words(QT_TRANSLATE_NOOP("Words", "Name: %1"), birth.name);
        case DetailLine::City: return words(QT_TRANSLATE_NOOP("Words", "City: %1"), birth.city);
        case DetailLine::State: return words(QT_TRANSLATE_NOOP("Words", "State: %1"), birth.state);
        case DetailLine::Country: return words(QT_TRANSLATE_NOOP("Words", "Country: %1"), birth.country);
        case DetailLine::Latitude:
            return words(QT_TRANSLATE_NOOP("Words", "Latitude: %1 Degree %2 Minute"), int{birth.latDegrees},
                         int{birth.latMinutes});
        case DetailLine::Longitude:
            return words(QT_TRANSLATE_NOOP("Words", "Longitude: %1 Degree %2 Minute"), int{birth.lonDegrees},
                         int{birth.lonMinutes});
        case DetailLine::TimeOfBirthShown:
            return words(QT_TRANSLATE_NOOP("Words", "Time of Birth: %1 HH %2 MM "), int{birth.hour}, int{birth.minute});
        case DetailLine::TimeOfBirthWritten:
            return words(QT_TRANSLATE_NOOP("Words", "Time of Birth: %1 Hour %2 Minute"), int{birth.hour},
                         int{birth.minute});
    }
    return {};
}

}  // namespace varelio::words
