// The catalogue's words of the core's numbers and codes, as the companion
// and the files write them in English and the windows say them (Said.h).
#include "Said.h"

#include "astro/Positions.h"
#include "form/CityClocks.h"
#include "words/Match.h"
#include "words/Reading.h"
#include "words/EnglishTexts.h"
#include "words/Problems.h"
#include "words/ZoneNotes.h"

#include "tests/support/Births.h"
#include "tests/support/ChartFixture.h"

namespace varelio {
namespace {

using namespace samples;
using namespace words;
using testing::Plain;

constexpr int kHour = 3600;

TEST(Words, VerdictCaptions) {
    struct Case {
        ManglikVerdict verdict;
        std::array<std::string, 3> expected;
    };
    const ManglikVerdict moon8{ManglikReference::Moon, 8, true, 100, std::nullopt};
    const ManglikVerdict venus2{ManglikReference::Venus, 2, true, 0.0625, std::nullopt};
    const ManglikVerdict lagna3{ManglikReference::Lagna, 3, false, 0, std::nullopt};
    const ManglikVerdict unknown{ManglikReference::Lagna, 0, false, 0, std::nullopt};
    const Case cases[] = {
        {moon8, {"Position of Mars from Moon is 8", "Percentage of Mangala dosha is 100%", "The person is Manglik"}},
        {venus2,
         {"Position of Mars from Venus is 2", "Percentage of Mangala dosha is 0.0625%", "The person is Manglik"}},
        {lagna3,
         {"Position of Mars from Lagna is 3", "Percentage of Mangala dosha is 0%", "The person is Non Manglik"}},
        {unknown,
         {"Position of Mars from Lagna is unknown", "Percentage of Mangala dosha is unknown",
          "The person's Manglik status could not be determined"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SAID(VerdictCaptions(w, c.verdict)), Plain(c.expected)) << c.expected[0];
}

TEST(Words, CancellationReasons) {
    using enum CancellationRule;
    struct Case {
        Cancellation c;
        ManglikReference reference;
        const char* expected;
    };
    const Case cases[] = {
        {{MarsInLeoOrAquarius, Aqu + 1}, ManglikReference::Lagna, "Mars in Aquarius"},
        {{MarsInHouseAndSign, Gem + 1, 2}, ManglikReference::Lagna, "Mars in house 2 in Gemini"},
        {{MoonInCancerOrLeo, Leo + 1}, ManglikReference::Moon, "Moon sign is Leo"},
        {{LordInKendraOrTrikona, 0, 4, kVenus},
         ManglikReference::Lagna,
         "Lord of the Lagna sign, Venus, stands in house 4"},
        {{LordInKendraOrTrikona, 0, 1, kMercury},
         ManglikReference::Moon,
         "Lord of the Moon sign, Mercury, stands in house 1"},
        {{LordInKendraOrTrikona, 0, 4, kMercury},
         ManglikReference::Venus,
         "Lord of the Venus sign, Mercury, stands in house 4"},
        {{BeneficNearReference, 0, 0, kJupiter}, ManglikReference::Lagna, "Jupiter is close to the ascendant"},
        {{BeneficNearReference, 0, 0, kRahu}, ManglikReference::Moon, "Rahu is close to the Moon"},
        {{BeneficNearReference, 0, 0, kJupiter}, ManglikReference::Venus, "Jupiter is close to Venus"},
    };
    for (const Case& c : cases) EXPECT_EQ(SAID(CancellationReason(w, c.c, c.reference)), c.expected);
}

TEST(Words, WindowAndWarningLines) {
    using enum WindowEndCause;
    // An end at the minute of the day and day given, set by the cause, give or
    // take the minutes, approximate or not.
    const auto end = [](int minute, int day, WindowEndCause setBy, int uncertainty = 0, bool approximate = false) {
        return WindowEnd{minute, day, setBy, std::nullopt, 0, uncertainty, false, approximate || setBy == Mars};
    };
    const auto span = [](WindowEnd from, WindowEnd to) { return ReferenceWindow{0, from, to}; };
    const std::pair<ReferenceWindow, const char*> windows[] = {
        {span(end(16 * 60 + 52, 0, Ascendant), end(18 * 60 + 41, 0, Mars, 137)),
         "Holds for births from 16:52 (set by the ascendant) to about 18:41, give or take 2 hours"},
        {span(end(14 * 60 + 30, 0, Limit), end(20 * 60 + 30, 0, Limit)),
         "Holds for births from before 14:30 until after 20:30"},
        {span(end(23 * 60 + 58, -1, Moon), end(70, 0, Ascendant)),
         "Holds for births from 23:58 the day before (set by the Moon) to 01:10 (set by the ascendant)"},
        {span(end(22 * 60 + 10, 0, Mars, 60), end(70, 1, Limit)),
         "Holds for births from about 22:10, give or take an hour, until after 01:10 the next day"},
        {span(end(600, 0, Mars, 45), end(700, 0, Mars, 3000)),
         "Holds for births from about 10:00, give or take 45 minutes, to about 11:40, give or take 2 days"},
        // Mars near a sign's edge on the way to each end.
        {span(end(16 * 60 + 52, 0, Ascendant, 0, true), end(18 * 60 + 41, 0, Moon, 0, true)),
         "Holds for births from about 16:52 (set by the ascendant) to about 18:41 (set by the Moon)"},
        {span(end(14 * 60 + 30, 0, Limit, 0, true), end(20 * 60 + 30, 0, Limit, 0, true)),
         "Holds for births perhaps from before 14:30 perhaps until after 20:30"},
    };
    for (const auto& [window, expected] : windows) EXPECT_EQ(SAID(WindowText(w, window)), expected);

    EXPECT_EQ(SAID(TimeWarningLine(w, ManglikReference::Lagna, {6, true, true})),
              "A birth 6 minutes later gives Manglik from Lagna: check the recorded time.");
    EXPECT_EQ(SAID(TimeWarningLine(w, ManglikReference::Moon, {1, false, false})),
              "A birth 1 minute earlier gives Non Manglik from Moon: check the recorded time.");
    EXPECT_EQ(SAID(VerdictMayDifferLine(w, ManglikReference::Lagna, true)),
              "Mars is within Varelio's error of 6' of the edge of its sign: a birth at this time may be Manglik "
              "from Lagna.");
    EXPECT_EQ(SAID(MarsNearEdgeLine(w, {0, 600, 0}, false)),
              "Mars is within Varelio's error of 6' of the edge of its sign: the sky's Mars may change sign at any "
              "of these times.");
    EXPECT_EQ(SAID(MarsNearEdgeLine(w, {95, 17 * 60 + 30, 0}, true)),
              "Mars comes within Varelio's error of 6' of the edge of its sign at 17:30: the sky's Mars may change "
              "sign from then.");
    EXPECT_EQ(SAID(MarsNearEdgeLine(w, {40, 23 * 60 + 50, -1}, false)),
              "Mars is within Varelio's error of 6' of the edge of its sign until 23:50 the day before: the sky's "
              "Mars may have changed sign before then.");
}

// A note on the zone's own clock; entered: the exact offset stands in the
// form, as the place finder leaves it when no row gives the offset;
// cityClock: a row of kCityClocks whose clock the city may still have kept.
ZoneNote ZoneClock(const char* zone, int year, int month, int day, ZoneFacts facts, bool entered = false,
                   int cityClock = -1) {
    return {
        ZoneNote::Kind::Chosen, zone,   year, month, day, facts, ClockSource::Zone, cityClock, facts.utcOffsetSeconds,
        ChooseZoneRow(facts),   entered};
}

// A note on another clock than the zone's: a city's own (cityClock, a row of
// kCityClocks) or local mean time.
ZoneNote OtherClock(ZoneNote note, ClockSource clock, int offsetSeconds, int cityClock = -1) {
    note.clock = clock;
    note.offsetSeconds = offsetSeconds;
    note.cityClock = cityClock;
    note.choice = NearestZoneRow(offsetSeconds);
    note.exactOffsetEntered = !note.choice.exact();
    return note;
}

TEST(Words, ZoneNotes) {
    const ZoneFacts ist{19800, 19800, false, "IST", "IST"};
    const ZoneFacts kathmandu{20700, 20700, false, "+0545", "+0545"};
    const ZoneFacts mmt{19270, 19270, false, "MMT", "MMT"};
    const ZoneFacts warTime{23400, 19800, true, "+0630", "IST"};
    const struct Case {
        ZoneNote note;
        const char* expected;
        bool warning;
    } cases[] = {
        {ZoneClock("Asia/Kolkata", 2000, 1, 1, ist),
         "Asia/Kolkata on 1 January 2000: UTC+5:30 → Indian Time, IST, +5.3", false},
        {ZoneClock("America/New_York", 1990, 7, 4, {-4 * kHour, -5 * kHour, true, "EDT", "EST"}),
         "America/New_York on 4 July 1990: UTC-4:00, summer time → Eastern Standard Time,EST,-5.0 with DST", false},
        {ZoneClock("Asia/Kathmandu", 1995, 10, 26, kathmandu, true),
         "Asia/Kathmandu on 26 October 1995: UTC+5:45 → exact offset +05:45, which no row gives", false},
        {ZoneClock("Asia/Kathmandu", 2000, 1, 1, kathmandu),
         "Asia/Kathmandu on 1 January 2000: UTC+5:45 → nearest row Indian Time, IST, +5.3, 15 minutes off: "
         "the ascendant may be about 4° off",
         true},
        {ZoneClock("Europe/London", 1990, 3, 25, {kHour, 0, true, "BST", "GMT", ClockTime::Skipped}),
         "Europe/London on 25 March 1990: UTC+1:00, summer time → Greenwich Mean Time,GMT,0.0 with DST; the clocks "
         "went forward over this time, so it never happened there: check it",
         true},
        {ZoneClock("Europe/London", 1990, 10, 28, {kHour, 0, true, "BST", "GMT", ClockTime::Repeated}),
         "Europe/London on 28 October 1990: UTC+1:00, summer time → Greenwich Mean Time,GMT,0.0 with DST; the clocks "
         "went back over this time, so it happened twice: the earlier is taken",
         true},
        {ZoneClock("Somewhere", 1950, 6, 1, {20, 20, false, "LMT", "LMT"}),
         "Somewhere on 1 June 1950: UTC+0:00:20 → nearest row Greenwich Mean Time,GMT,0.0, under a minute off: "
         "the ascendant may be under 1° off",
         true},
        {OtherClock(ZoneClock("Asia/Kolkata", 1950, 6, 1, ist), ClockSource::CityTime, 17460, 0),
         "Asia/Kolkata on 1 June 1950: Mumbai kept Bombay Time, UTC+4:51, until 1955 → exact offset +04:51, which no "
         "row gives; the time-zone data gives UTC+5:30 (IST)",
         false},
        {OtherClock(ZoneClock("Asia/Kolkata", 1903, 6, 1, mmt), ClockSource::LocalMeanTime, 18532),
         "Asia/Kolkata on 1 June 1903: local mean time before standard time, UTC+5:08:52 → exact offset +05:08:52, "
         "which no row gives; the time-zone data gives UTC+5:21:10 (MMT)",
         false},
        {ZoneClock("Asia/Kolkata", 1943, 6, 1, warTime, false, 1),
         "Asia/Kolkata on 1 June 1943: UTC+6:30, summer time → Indian Time, IST, +5.3 with DST; Kolkata kept "
         "Calcutta Time, UTC+5:53:20, until 1948: for a time recorded in it, enter +05:53:20",
         false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SAID(ZoneNoteText(w, c.note)), c.expected);
        EXPECT_EQ(c.note.warning(), c.warning) << c.expected;
    }
    ZoneNote noDate;
    noDate.kind = ZoneNote::Kind::DateNotInCalendar;
    noDate.zoneId = "Asia/Kolkata";
    EXPECT_EQ(SAID(ZoneNoteText(w, noDate)),
              "No time zone chosen for Asia/Kolkata: the date is not a day of the calendar");
    EXPECT_TRUE(noDate.warning());
    EXPECT_EQ(SAID(ZoneNoteText(w, ZoneNote{})), "");
}

// The Moon in the middle of a nakshatra's pada.
BodyPosition MoonAt(int nakshatra, int pada) { return PositionAt(((nakshatra - 1) * 4 + pada - 0.5) * 10.0 / 3.0); }

// Bride Ardra 2 (Gemini), groom Purva Ashadha 3 (Sagittarius, past 15°): the
// worked match of telugusourabham.blogspot.com/2012/12/blog-post_20.html, in
// this program's reckoning (Tara both ways, Sagittarius split at 15°).
TEST(Words, TheKootasOfAWorkedMatchInWords) {
    const Ashtakoota a = ComputeAshtakoota(MoonAt(6, 2), MoonAt(20, 3)).value();
    const char* const expected[kKootaCount] = {
        "Bride Shudra, groom Kshatriya: the groom's varna is not lower",
        "Bride Manava, groom Chatushpada",
        "Tara 6 from the bride's nakshatra, 5 from the groom's: one favourable",
        "Bride Dog, groom Monkey: neutral",
        "Lords Mercury (bride) and Jupiter (groom): Mercury neutral, Jupiter hostile",
        "Both Manushya",
        "Moon signs Gemini and Sagittarius: 1/7",
        "Bride Adi, groom Madhya",
    };
    for (const Koota koota : kKootas) {
        EXPECT_EQ(SAID(KootaReasonText(w, a, koota)), expected[static_cast<int>(koota)]) << static_cast<int>(koota);
    }
    EXPECT_EQ(SAID(PointsText(w, a.of(Koota::Tara).points, 3)), "1.5 of 3");
    EXPECT_EQ(SAID(TotalLine(w, a)), "Total: 27 of 36 (Good)");
    EXPECT_EQ(SAID(MoonLine(w, MoonAt(6, 2))), "Moon in Mithuna (Gemini), Ardra pada 2");
    EXPECT_EQ(SAID(MoonLine(w, BodyPosition{})), "Moon position unknown");
}

TEST(Words, DoshasWithTheExceptionsThatLiftThem) {
    const struct {
        int brideStar, bridePada, groomStar, groomPada;
        Dosha dosha;
        const char* expected;
    } cases[] = {
        // Two signs of one lord, named once; one sign's lord for both Moons.
        {3, 2, 15, 1, Dosha::Gana,
         "Gana dosha, lifted: both Moon signs ruled by Venus; the bride's nakshatra is 14th or more from the groom's"},
        {3, 1, 1, 1, Dosha::Gana, "Gana dosha, lifted: both Moon signs have one lord"},
        {10, 1, 19, 1, Dosha::Bhakoot, "Bhakoot dosha, lifted: the sign lords Sun and Jupiter are mutual friends"},
        {3, 2, 4, 1, Dosha::Nadi, "Nadi dosha, lifted: both Moons in one sign, in two nakshatras"},
        {3, 1, 3, 2, Dosha::Nadi, "Nadi dosha, lifted: one nakshatra, in two signs"},
        {4, 1, 4, 3, Dosha::Nadi, "Nadi dosha: no exception lifts it"},
    };
    for (const auto& c : cases) {
        const Ashtakoota a =
            ComputeAshtakoota(MoonAt(c.brideStar, c.bridePada), MoonAt(c.groomStar, c.groomPada)).value();
        ASSERT_NE(a.find(c.dosha), nullptr) << c.expected;
        EXPECT_EQ(SAID(DoshaLine(w, *a.find(c.dosha), a)), c.expected);
    }
}

TEST(Words, ManglikAgainstManglik) {
    const auto verdict = [](ManglikReference reference, int house, bool cancelled) {
        const auto dosha = DoshaOfHouse(house);
        return ManglikVerdict{
            reference, house, dosha->manglik, dosha->percent,
            cancelled ? std::optional(Cancellation{CancellationRule::MarsInLeoOrAquarius, Leo + 1}) : std::nullopt};
    };
    using enum ManglikReference;
    // The bride has the dosha from the Lagna, cancelled from Venus; the groom from the Moon and Venus.
    const ManglikVerdicts bride{verdict(Lagna, 7, false), verdict(Moon, 3, false), verdict(Venus, 8, true)};
    const ManglikVerdicts groom{verdict(Lagna, 3, false), verdict(Moon, 1, false), verdict(Venus, 12, false)};
    const ManglikComparison c = CompareManglik(bride, groom);
    EXPECT_EQ(SAID(OverallLine(w, c)), "Both are Manglik: the doshas balance.");
    EXPECT_EQ(SAID(StandingLine(w, MatchSide::Bride, c.bride)), "The bride is Manglik from Lagna");
    EXPECT_EQ(SAID(ComparisonLine(w, c.of(Lagna))),
              "From Lagna: only the bride has the dosha; the groom's from Moon balances it");
    EXPECT_EQ(SAID(ComparisonLine(w, c.of(Venus))),
              "From Venus (not counted): only the groom has the dosha; the bride's dosha is cancelled: Mars in Leo");
    EXPECT_EQ(SAID(VerdictLine(w, bride[2])), "Venus: Mars in house 8, Manglik (100%), cancelled: Mars in Leo");
    EXPECT_EQ(SAID(VerdictLine(w, groom[0])), "Lagna: Mars in house 3, Non Manglik");

    // Alone, her dosha stands; his from the Moon is cancelled.
    const ManglikComparison one =
        CompareManglik(bride, {verdict(Lagna, 3, false), verdict(Moon, 7, true), verdict(Venus, 3, false)});
    EXPECT_EQ(SAID(OverallLine(w, one)), "Only the bride is Manglik: the dosha stands, unbalanced.");
    EXPECT_EQ(SAID(ComparisonLine(w, one.of(Lagna))), "From Lagna: only the bride has the dosha, and it stands");
    EXPECT_EQ(SAID(ComparisonLine(w, one.of(Moon))),
              "From Moon: neither has the dosha; the groom's dosha is cancelled: Mars in Leo");
    EXPECT_EQ(SAID(StandingLine(w, MatchSide::Groom, one.groom)),
              "The groom's dosha is cancelled (from Moon: Mars in Leo)");
    EXPECT_EQ(SAID(HeadingText(w, MatchHeading::ManglikCounted)),
              "A person is Manglik with the dosha from Lagna or Moon that no cancellation lifts; Venus is shown, not "
              "counted.");
    ManglikVerdicts uncounted;
    for (std::size_t r = 0; r < uncounted.size(); ++r) uncounted[r].reference = kManglikReferences[r];
    const ManglikComparison unknown = CompareManglik(uncounted, groom);
    EXPECT_EQ(SAID(OverallLine(w, unknown)), "The Manglik comparison cannot be made: a verdict is unknown.");
    EXPECT_EQ(SAID(ComparisonLine(w, unknown.of(Venus))), "From Venus: cannot be compared, a verdict is unknown");
}

// The conclusion: a good total that an unlifted Nadi dosha overrides does
// not read as good; every dosha that stands is named.
TEST(Words, TheConclusionLine) {
    MatchConclusion c;
    c.ashtakootaKnown = true;
    c.total = 28;
    c.band = ScoreBand::Good;
    c.manglik = ManglikBalance::Neither;
    c.standing = {Dosha::Nadi};
    c.standingCount = 1;
    c.bandOverridden = true;
    c.recommended = false;
    EXPECT_EQ(SAID(ConclusionLine(w, c)),
              "Conclusion: 28 of 36 (Good), but not recommended: an unlifted Nadi dosha "
              "overrides the band; neither is Manglik; dosha standing: Nadi dosha.");
    c.standing = {Dosha::Gana};
    c.bandOverridden = false;
    c.recommended = true;
    c.manglik = ManglikBalance::One;
    c.manglikSide = MatchSide::Groom;
    EXPECT_EQ(
        SAID(ConclusionLine(w, c)),
        "Conclusion: 28 of 36 (Good), recommended; only the groom is Manglik, so his Manglik dosha stands; doshas "
        "standing: the groom's Manglik dosha, Gana dosha.");
    c = MatchConclusion{};
    c.ashtakootaKnown = true;
    c.total = 17.5;
    c.manglik = ManglikBalance::Both;
    c.recommended = false;
    EXPECT_EQ(SAID(ConclusionLine(w, c)),
              "Conclusion: 17.5 of 36 (Not recommended); both are Manglik, so the Manglik "
              "doshas balance; no dosha stands.");
}

#define DEG "\u00B0"

// A longitude's long and short forms and the ayanamsa's signed form, as the
// companion writes them for every row (words::LongForm(double)) and as the
// catalogue's entries say them.
TEST(Words, PositionForms) {
    struct Case {
        double degrees;
        const char* longForm;
        const char* shortForm;
        const char* signedForm;
    };
    const Case cases[] = {
        {5.0 + 7.0 / 60 + 41.9 / 3600, "5" DEG " 7' 41\" Ari", "05 Ari 07", "5" DEG " 7' 41\""},
        {29.99999, "29" DEG " 59' 59\" Ari", "29 Ari 59", "29" DEG " 59' 59\""},
        {30.0, "0" DEG " 0' 0\" Tau", "00 Tau 00", "30" DEG " 0' 0\""},
        {199.4624, "19" DEG " 27' 44\" Lib", "19 Lib 27", "199" DEG " 27' 44\""},
        // A whole turn names no sign: the long form ends in a blank, and the
        // short form shows the seconds' last digit and mark in its place.
        {360.0, "0" DEG " 0' 0\" ", "00 0\" 00", "360" DEG " 0' 0\""},
        {360.0 + 5.0 / 60 + 17.2 / 3600, "0" DEG " 5' 17\" ", "00 7\" 05", "360" DEG " 5' 17\""},
        // Negative input is taken by its absolute value, but for the signed form's minus.
        {-23.86183, "23" DEG " 51' 42\" Ari", "23 Ari 51", "-23" DEG " 51' 42\""},
        // Between 0 and -1 the whole degrees are 0, so the minus sign is lost.
        {-0.5, "0" DEG " 30' 0\" Ari", "00 Ari 30", "0" DEG " 30' 0\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LongForm(c.degrees).view(), c.longForm) << c.degrees;
        EXPECT_EQ(ShortForm(c.degrees).view(), c.shortForm) << c.degrees;
        EXPECT_EQ(SignedForm(c.degrees).view(), c.signedForm) << c.degrees;
        EXPECT_EQ(SAID(LongForm(w, c.degrees)), c.longForm) << c.degrees;
        EXPECT_EQ(SAID(ShortForm(w, c.degrees)), c.shortForm) << c.degrees;
        EXPECT_EQ(SAID(SignedForm(w, c.degrees)), c.signedForm) << c.degrees;
    }
    // Every few minutes of the zodiac, half a second in: the row's forms are the entries'.
    for (int minute = 0; minute < 360 * 60; minute += 7) {
        const double degrees = minute / 60.0 + 1.0 / 7200;
        ASSERT_EQ(ShortForm(degrees).view(), SAID(ShortForm(w, degrees))) << degrees;
        ASSERT_EQ(LongForm(degrees).view(), SAID(LongForm(w, degrees))) << degrees;
    }
}

// Moon at a longitude, the ascendant in Capricorn (the Lagna plays no part in
// the nakshatra's lord and padas).
ChartState ChartWithMoonAt(double moonLongitude, double ascendant = Pos(Cap)) {
    Positions at{};
    at[kMoon] = moonLongitude;
    at[kAscendant] = ascendant;
    ChartState chart = MakeChart(at);
    chart.ayanamsa = -23.8506;
    return chart;
}

// The summary names the Moon's nakshatra, its lord and the Moon's own pada:
// Delhi, 1 March 1943, 10:00 has the Moon at 04 Sag 39, Mula pada 2; a
// nakshatra split between two signs gives the pada of the Moon's own degree.
TEST(Words, SummaryOfTheMoonAndTheLagna) {
    struct Case {
        double moon;
        const char* nakshatra;
        const char* lord;
        const char* pada;
    };
    const Case cases[] = {
        {Pos(Ari, 1), "Aswini", "Ketu", "1"},       {Pos(Ari, 28), "Krittika", "Sun", "1"},
        {Pos(Tau, 2), "Krittika", "Sun", "2"},      {Pos(Pis, 29), "Revati", "Mercury", "4"},
        {Pos(Can, 1), "Punarvasu", "Jupiter", "4"}, {Pos(Cap, 25), "Dhanishtha", "Mars", "1"},
        {Pos(Sag, 4, 39), "Mula", "Ketu", "2"},     {Pos(Sco, 1), "Vishakha", "Jupiter", "4"},
    };
    for (const Case& c : cases) {
        const ChartState chart = ChartWithMoonAt(c.moon);
        const EnglishSummary summary = SummaryInEnglish(chart);
        EXPECT_EQ(summary.nakshatra, SAID(NakshatraName(w, chart))) << c.moon;
        EXPECT_EQ(summary.nakshatra, c.nakshatra) << c.moon;
        EXPECT_EQ(summary.nakshatraLord, SAID(NakshatraLord(w, chart))) << c.moon;
        EXPECT_EQ(summary.nakshatraLord, c.lord) << c.moon;
        EXPECT_EQ(summary.pada.view(), SAID(PadaText(w, chart))) << c.moon;
        EXPECT_EQ(summary.pada.view(), c.pada) << c.moon;
        EXPECT_EQ(summary.lagnaAbbreviation, "Cap");
        EXPECT_EQ(summary.lagnaName, SAID(LagnaName(w, chart)));
        EXPECT_EQ(summary.lagnaName, "Makara");
        EXPECT_EQ(summary.ayanamsa.view(), SAID(AyanamsaText(w, chart)));
        EXPECT_EQ(summary.ayanamsa.view(), "23\u00B0 51' 2\"");
    }
    // Without the Lagna's sign its values, the lord and the pada are left empty.
    const ChartState unknown = ChartWithMoonAt(Pos(Lib, 10), kNoSign);
    const EnglishSummary summary = SummaryInEnglish(unknown);
    EXPECT_EQ(summary.lagnaAbbreviation, "");
    EXPECT_EQ(SAID(LagnaName(w, unknown)) + std::string(summary.lagnaName), "");
    EXPECT_EQ(SAID(NakshatraLord(w, unknown)) + SAID(PadaText(w, unknown)) + summary.pada.str(), "");
    EXPECT_EQ(summary.nakshatra, "Swati");
}

// The Rasi chart's cells: the ascendant first, then the bodies in body order
// with their retrograde marks, parted by CR LF; a body without a sign is left
// out, and so is the midheaven.
TEST(Words, ChartCells) {
    ChartState chart = MakeChart(
        {Pos(Ari), kNoSign, Pos(Ari), Pos(Tau), Pos(Leo), Pos(Sag), Pos(Cap), Pos(Gem), Pos(Sag), Pos(Ari), Pos(Leo)});
    chart.bodies[kSaturn].retrograde = true;
    const std::array<const char*, kSignCount> expected = {
        "Asc\r\nSurya\r\nBudha", "Shukra", "Rahu", "", "Mangala", "", "", "", "Guru\r\nKetu", "Shani (R) ", "", ""};
    const std::array<CellText, kSignCount> cells = ChartCellsInEnglish(chart);
    for (std::size_t s = 0; s < cells.size(); ++s) EXPECT_EQ(cells[s].view(), expected[s]) << "sign " << s + 1;
    // The windows' labels, each body's line of its cell.
    EXPECT_EQ(SAID(ChartLabels(w, chart)), "Surya|Chandra|Budha|Shukra|Mangala|Guru|Shani (R) |Rahu|Ketu|Asc|");
}

// The counted entries for no, one and two: English's forms in the windows too.
TEST(Words, CountedEntries) {
    const auto window = [](int uncertainty) {
        const WindowEnd end{600, 0, WindowEndCause::Mars, std::nullopt, 0, uncertainty, false, true};
        return ReferenceWindow{0, end, end};
    };
    const auto lines = [](int count) {
        return Problem{ProblemCode::ReadingFileCutShort, Severity::Error, FormField::None, 0, std::to_string(count)};
    };
    const ZoneNote kathmandu = ZoneClock("Asia/Kathmandu", 2000, 1, 1, {20700, 20700, false, "+0545", "+0545"});
    for (const int n : {0, 1, 2}) {
        SAID(WindowText(w, window(n)));
        SAID(WindowText(w, window(60 * n + 10)));
        SAID(WindowText(w, window(1440 * n + 2880)));
        SAID(TimeWarningLine(w, ManglikReference::Lagna, {n, true, true}));
        SAID(TimeWarningLine(w, ManglikReference::Moon, {n, false, false}));
        SAID(ProblemReason(w, lines(n)));
        SAID(ProblemMessage(w, lines(n), "a.vrl"));
        ZoneNote off = kathmandu;
        off.choice.errorSeconds = 60 * n + 1;
        SAID(ZoneNoteText(w, off));
    }
    EXPECT_EQ(SAID(WindowText(w, window(1))),
              "Holds for births from about 10:00, give or take 1 minute, to about 10:00, give or take 1 minute");
    EXPECT_EQ(SAID(WindowText(w, window(2))),
              "Holds for births from about 10:00, give or take 2 minutes, to about 10:00, give or take 2 minutes");
    EXPECT_EQ(SAID(WindowText(w, window(60))),
              "Holds for births from about 10:00, give or take an hour, to about 10:00, give or take an hour");
    EXPECT_EQ(SAID(ProblemReason(w, lines(1))),
              "it holds only 1 line, too few for a saved reading's birth date and time");
    EXPECT_EQ(
        SAID(ProblemMessage(w, lines(2), "a.vrl")),
        "Please Check The File.\n\"a.vrl\" holds only 2 lines, too few for a saved reading's birth date and time.");
}

// The worked example, 1 January 2000, 17:30 at Delhi: its texts.
TEST(Words, TheWorkedExample) {
    Reading reading;
    reading.birthData = BirthOf(kDelhi2000);
    ComputeReading(reading);
    const ChartState& chart = reading.chartState;
    EXPECT_EQ(SAID(SignedForm(w, chart.ayanamsa)), "-23\u00B0 51' 42\"");
    EXPECT_EQ(SAID(LongForm(w, chart.bodies[kAscendant].longitudeDeg)), "16\u00B0 21' 0\" Gem");
    EXPECT_EQ(SAID(LongForm(w, chart.bodies[kMidheaven].longitudeDeg)), "3\u00B0 36' 25\" Pis");
    EXPECT_EQ(SAID(LongForm(w, chart.bodies[kMoon].longitudeDeg)), "19\u00B0 27' 44\" Lib");
    const EnglishSummary summary = SummaryInEnglish(chart);
    const std::string said[] = {summary.ayanamsa.str(),
                                std::string(summary.lagnaAbbreviation),
                                std::string(summary.lagnaName),
                                std::string(summary.nakshatra),
                                std::string(summary.rashi),
                                std::string(summary.nakshatraLord),
                                summary.pada.str()};
    EXPECT_EQ(Plain(std::to_array(said)), "23\u00B0 51' 42\"|Gem|Mithuna|Swati|Thula|Rahu|4");
    std::string positions;
    for (const BodyPosition& body : chart.bodies) positions += SAID(ShortForm(w, body.longitudeDeg)) + "|";
    EXPECT_EQ(positions,
              "16 Sag 31|19 Lib 27|08 Sag 02|07 Sco 42|04 Aqu 07|01 Ari 29|16 Ari 21|11 Can 10|11 Cap 10|"
              "16 Gem 21|03 Pis 36|");
    const std::array<CellText, kSignCount> cells = ChartCellsInEnglish(chart);
    EXPECT_EQ(cells[2].view(), "Asc");
    EXPECT_EQ(cells[10].view(), "Mangala");
}

}  // namespace
}  // namespace varelio
