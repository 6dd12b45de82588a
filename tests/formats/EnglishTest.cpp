// The English words of the core's codes, as the text export and the
// companion write them (the windows say the same through their translations).
#include "formats/English.h"

#include "astro/Positions.h"
#include "form/CityClocks.h"

#include "tests/support/ChartFixture.h"

#include <gtest/gtest.h>

namespace varelio {
namespace {

using namespace samples;
using english::CancellationReason;

constexpr int kHour = 3600;

TEST(English, VerdictCaptions) {
    struct Case { ManglikVerdict verdict; std::array<std::string, 3> expected; };
    const ManglikVerdict moon8{ManglikReference::Moon, 8, true, 100, std::nullopt};
    const ManglikVerdict venus2{ManglikReference::Venus, 2, true, 0.0625, std::nullopt};
    const ManglikVerdict lagna3{ManglikReference::Lagna, 3, false, 0, std::nullopt};
    const ManglikVerdict unknown{ManglikReference::Lagna, 0, false, 0, std::nullopt};
    const Case cases[] = {
        {moon8, {"Position of Mars from Moon is 8", "Percentage of Mangala dosha is 100%", "The person is Manglik"}},
        {venus2, {"Position of Mars from Venus is 2", "Percentage of Mangala dosha is 0.0625%", "The person is Manglik"}},
        {lagna3, {"Position of Mars from Lagna is 3", "Percentage of Mangala dosha is 0%", "The person is Non Manglik"}},
        {unknown, {"Position of Mars from Lagna is unknown", "Percentage of Mangala dosha is unknown",
                   "The person's Manglik status could not be determined"}},
    };
    for (const Case& c : cases) EXPECT_EQ(english::VerdictCaptions(c.verdict), c.expected) << c.expected[0];
}

TEST(English, CancellationReasons) {
    using enum CancellationRule;
    struct Case { Cancellation c; ManglikReference reference; const char* expected; };
    const Case cases[] = {
        {{MarsInLeoOrAquarius, Aqu + 1}, ManglikReference::Lagna, "Mars in Aquarius"},
        {{MarsInHouseAndSign, Gem + 1, 2}, ManglikReference::Lagna, "Mars in house 2 in Gemini"},
        {{MoonInCancerOrLeo, Leo + 1}, ManglikReference::Moon, "Moon sign is Leo"},
        {{LordInKendraOrTrikona, 0, 4, kVenus}, ManglikReference::Lagna,
         "Lord of the Lagna sign, Venus, stands in house 4"},
        {{LordInKendraOrTrikona, 0, 1, kMercury}, ManglikReference::Moon,
         "Lord of the Moon sign, Mercury, stands in house 1"},
        {{LordInKendraOrTrikona, 0, 4, kMercury}, ManglikReference::Venus,
         "Lord of the Venus sign, Mercury, stands in house 4"},
        {{BeneficNearReference, 0, 0, kJupiter}, ManglikReference::Lagna, "Jupiter is close to the ascendant"},
        {{BeneficNearReference, 0, 0, kRahu}, ManglikReference::Moon, "Rahu is close to the Moon"},
        {{BeneficNearReference, 0, 0, kJupiter}, ManglikReference::Venus, "Jupiter is close to Venus"},
    };
    for (const Case& c : cases) EXPECT_EQ(CancellationReason(c.c, c.reference), c.expected);
}

TEST(English, WindowAndWarningLines) {
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
    for (const auto& [window, expected] : windows) EXPECT_EQ(english::WindowText(window), expected);

    EXPECT_EQ(english::TimeWarningText({6, true, true}, ManglikReference::Lagna),
              "A birth 6 minutes later gives Manglik from Lagna: check the recorded time.");
    EXPECT_EQ(english::TimeWarningText({1, false, false}, ManglikReference::Moon),
              "A birth 1 minute earlier gives Non Manglik from Moon: check the recorded time.");
    EXPECT_EQ(english::VerdictMayDifferText(ManglikReference::Lagna, true),
              "Mars is within Varelio's error of 6' of the edge of its sign: a birth at this time may be Manglik "
              "from Lagna.");
    EXPECT_EQ(english::MarsNearEdgeText({0, 600, 0}, false),
              "Mars is within Varelio's error of 6' of the edge of its sign: the sky's Mars may change sign at any "
              "of these times.");
    EXPECT_EQ(english::MarsNearEdgeText({95, 17 * 60 + 30, 0}, true),
              "Mars comes within Varelio's error of 6' of the edge of its sign at 17:30: the sky's Mars may change "
              "sign from then.");
    EXPECT_EQ(english::MarsNearEdgeText({40, 23 * 60 + 50, -1}, false),
              "Mars is within Varelio's error of 6' of the edge of its sign until 23:50 the day before: the sky's "
              "Mars may have changed sign before then.");
}

// A note on the zone's own clock; entered: the exact offset stands in the
// form, as the place finder leaves it when no row gives the offset;
// cityClock: a row of kCityClocks whose clock the city may still have kept.
ZoneNote ZoneClock(const char* zone, int year, int month, int day, ZoneFacts facts, bool entered = false,
                   int cityClock = -1) {
    return {ZoneNote::Kind::Chosen, zone, year, month, day, facts, ClockSource::Zone, cityClock,
            facts.utcOffsetSeconds, ChooseZoneRow(facts), entered};
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

TEST(English, ZoneNotes) {
    const ZoneFacts ist{19800, 19800, false, "IST", "IST"};
    const ZoneFacts kathmandu{20700, 20700, false, "+0545", "+0545"};
    const ZoneFacts mmt{19270, 19270, false, "MMT", "MMT"};
    const ZoneFacts warTime{23400, 19800, true, "+0630", "IST"};
    const struct Case {
        ZoneNote note;
        const char* expected;
        bool warning;
    } cases[] = {
        {ZoneClock("Asia/Kolkata", 2000, 1, 1, ist), "Asia/Kolkata on 1 January 2000: UTC+5:30 → Indian Time, IST, +5.3",
         false},
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
        EXPECT_EQ(english::ZoneNoteText(c.note), c.expected);
        EXPECT_EQ(c.note.warning(), c.warning) << c.expected;
    }
    ZoneNote noDate;
    noDate.kind = ZoneNote::Kind::DateNotInCalendar;
    noDate.zoneId = "Asia/Kolkata";
    EXPECT_EQ(english::ZoneNoteText(noDate), "No time zone chosen for Asia/Kolkata: the date is not a day of the calendar");
    EXPECT_TRUE(noDate.warning());
    EXPECT_EQ(english::ZoneNoteText(ZoneNote{}), "");
}

// The Moon in the middle of a nakshatra's pada.
BodyPosition MoonAt(int nakshatra, int pada) { return PositionAt(((nakshatra - 1) * 4 + pada - 0.5) * 10.0 / 3.0); }

// Bride Ardra 2 (Gemini), groom Purva Ashadha 3 (Sagittarius, past 15°): the
// worked match of telugusourabham.blogspot.com/2012/12/blog-post_20.html, in
// this program's reckoning (Tara both ways, Sagittarius split at 15°).
TEST(English, TheKootasOfAWorkedMatchInWords) {
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
        EXPECT_EQ(english::KootaReasonText(a, koota), expected[static_cast<int>(koota)]) << english::KootaName(koota);
    }
    EXPECT_EQ(english::PointsText(a.of(Koota::Tara).points, 3), "1.5 of 3");
    EXPECT_EQ(english::TotalLine(a), "Total: 27 of 36 (Good)");
    EXPECT_EQ(english::MoonLine(MoonAt(6, 2)), "Moon in Mithuna (Gemini), Ardra pada 2");
    EXPECT_EQ(english::MoonLine(BodyPosition{}), "Moon position unknown");
}

TEST(English, DoshasWithTheExceptionsThatLiftThem) {
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
        const Ashtakoota a = ComputeAshtakoota(MoonAt(c.brideStar, c.bridePada), MoonAt(c.groomStar, c.groomPada)).value();
        ASSERT_NE(a.find(c.dosha), nullptr) << c.expected;
        EXPECT_EQ(english::DoshaLine(*a.find(c.dosha), a), c.expected);
    }
}

TEST(English, ManglikAgainstManglik) {
    const auto verdict = [](ManglikReference reference, int house, bool cancelled) {
        const auto dosha = DoshaOfHouse(house);
        return ManglikVerdict{reference, house, dosha->manglik, dosha->percent,
                              cancelled ? std::optional(Cancellation{CancellationRule::MarsInLeoOrAquarius, Leo + 1})
                                        : std::nullopt};
    };
    using enum ManglikReference;
    // The bride has the dosha from the Lagna, cancelled from Venus; the groom from the Moon and Venus.
    const ManglikVerdicts bride{verdict(Lagna, 7, false), verdict(Moon, 3, false), verdict(Venus, 8, true)};
    const ManglikVerdicts groom{verdict(Lagna, 3, false), verdict(Moon, 1, false), verdict(Venus, 12, false)};
    const ManglikComparison c = CompareManglik(bride, groom);
    EXPECT_EQ(english::OverallLine(c), "Both are Manglik: the doshas balance.");
    EXPECT_EQ(english::StandingLine(MatchSide::Bride, c.bride), "The bride is Manglik from Lagna");
    EXPECT_EQ(english::ComparisonLine(c.of(Lagna)),
              "From Lagna: only the bride has the dosha; the groom's from Moon balances it");
    EXPECT_EQ(english::ComparisonLine(c.of(Venus)),
              "From Venus (not counted): only the groom has the dosha; the bride's dosha is cancelled: Mars in Leo");
    EXPECT_EQ(english::VerdictLine(bride[2]), "Venus: Mars in house 8, Manglik (100%), cancelled: Mars in Leo");
    EXPECT_EQ(english::VerdictLine(groom[0]), "Lagna: Mars in house 3, Non Manglik");

    // Alone, her dosha stands; his from the Moon is cancelled.
    const ManglikComparison one = CompareManglik(bride, {verdict(Lagna, 3, false), verdict(Moon, 7, true),
                                                         verdict(Venus, 3, false)});
    EXPECT_EQ(english::OverallLine(one), "Only the bride is Manglik: the dosha stands, unbalanced.");
    EXPECT_EQ(english::ComparisonLine(one.of(Lagna)), "From Lagna: only the bride has the dosha, and it stands");
    EXPECT_EQ(english::ComparisonLine(one.of(Moon)),
              "From Moon: neither has the dosha; the groom's dosha is cancelled: Mars in Leo");
    EXPECT_EQ(english::StandingLine(MatchSide::Groom, one.groom), "The groom's dosha is cancelled (from Moon: Mars in Leo)");
    EXPECT_EQ(english::HeadingText(english::MatchHeading::ManglikCounted),
              "A person is Manglik with the dosha from Lagna or Moon that no cancellation lifts; Venus is shown, not "
              "counted.");
    ManglikVerdicts uncounted;
    for (std::size_t r = 0; r < uncounted.size(); ++r) uncounted[r].reference = kManglikReferences[r];
    const ManglikComparison unknown = CompareManglik(uncounted, groom);
    EXPECT_EQ(english::OverallLine(unknown), "The Manglik comparison cannot be made: a verdict is unknown.");
    EXPECT_EQ(english::ComparisonLine(unknown.of(Venus)), "From Venus: cannot be compared, a verdict is unknown");
}

// The conclusion: a good total that an unlifted Nadi dosha overrides does
// not read as good; every dosha that stands is named.
TEST(English, TheConclusionLine) {
    MatchConclusion c;
    c.ashtakootaKnown = true;
    c.total = 28;
    c.band = ScoreBand::Good;
    c.manglik = ManglikBalance::Neither;
    c.standing = {Dosha::Nadi};
    c.standingCount = 1;
    c.bandOverridden = true;
    c.recommended = false;
    EXPECT_EQ(english::ConclusionLine(c), "Conclusion: 28 of 36 (Good), but not recommended: an unlifted Nadi dosha "
                                          "overrides the band; neither is Manglik; dosha standing: Nadi dosha.");
    c.standing = {Dosha::Gana};
    c.bandOverridden = false;
    c.recommended = true;
    c.manglik = ManglikBalance::One;
    c.manglikSide = MatchSide::Groom;
    EXPECT_EQ(english::ConclusionLine(c),
              "Conclusion: 28 of 36 (Good), recommended; only the groom is Manglik, so his Manglik dosha stands; doshas "
              "standing: the groom's Manglik dosha, Gana dosha.");
    c = MatchConclusion{};
    c.ashtakootaKnown = true;
    c.total = 17.5;
    c.manglik = ManglikBalance::Both;
    c.recommended = false;
    EXPECT_EQ(english::ConclusionLine(c), "Conclusion: 17.5 of 36 (Not recommended); both are Manglik, so the Manglik "
                                          "doshas balance; no dosha stands.");
}

}  // namespace
}  // namespace varelio
