#include "formats/English.h"

#include "astro/Nakshatras.h"
#include "astro/Signs.h"
#include "form/CityClocks.h"
#include "form/Form.h"
#include "form/TimeZones.h"

#include <charconv>
#include <cstdio>
#include <vector>

namespace varelio::english {
namespace {

std::string SignName(int sign) { return std::string(kSignNames[static_cast<std::size_t>(sign - 1)].english); }
std::string BodyName(BodyIndex body) { return std::string(kBodyNamesEnglish[body]); }

// How rule 5 names the point it measures from.
std::string_view PointName(ManglikReference reference) {
    switch (reference) {
        case ManglikReference::Lagna: return "the ascendant";
        case ManglikReference::Moon: return "the Moon";
        case ManglikReference::Venus: return "Venus";
    }
    return {};
}

std::string ClockWithDay(int minuteOfDay, int day) {
    std::string text = ClockText(minuteOfDay);
    if (day < 0) return text + " the day before";
    if (day > 0) return text + " the next day";
    return text;
}

std::string Plural(long count, std::string_view unit) {
    return std::to_string(count) + " " + std::string(unit) + (count == 1 ? "" : "s");
}

// --- The Ashtakoota's names, in the order of matching/KootaTables.h's enums. ---

template <typename E, std::size_t N>
std::string Named(const std::array<std::string_view, N>& names, E value) {
    return std::string(names[static_cast<std::size_t>(value)]);
}
constexpr std::array<std::string_view, 4> kVarnaNames{"Shudra", "Vaishya", "Kshatriya", "Brahmin"};
constexpr std::array<std::string_view, 5> kVashyaNames{"Chatushpada", "Manava", "Jalachara", "Vanachara", "Keeta"};
constexpr std::array<std::string_view, 14> kYoniNames{"Horse", "Elephant", "Sheep",  "Serpent", "Dog",
                                                      "Cat",   "Rat",      "Cow",    "Buffalo", "Tiger",
                                                      "Deer",  "Monkey",   "Mongoose", "Lion"};
constexpr std::array<std::string_view, 3> kGanaNames{"Deva", "Manushya", "Rakshasa"};
constexpr std::array<std::string_view, 3> kNadiNames{"Adi", "Madhya", "Antya"};
constexpr std::array<std::string_view, 3> kRegardWords{"friendly", "neutral", "hostile"};

std::string Side(MatchSide side) { return side == MatchSide::Bride ? "bride" : "groom"; }

// The bride's and the groom's value of one trait: "Both Deva" or "Bride Manushya, groom Deva".
std::string Pair(const std::string& bride, const std::string& groom) {
    return bride == groom ? "Both " + bride : "Bride " + bride + ", groom " + groom;
}

// The number text of a point count: shortest digits, as the windows' QString::number writes them.
std::string NumberText(double value) {
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return std::string(digits, end);
}


// "6'": a bound in arc-minutes, as the angle texts write minutes of arc.
std::string ArcMinutes(double arcMinutes) {
    char text[32];
    const std::to_chars_result written = std::to_chars(text, text + sizeof text, arcMinutes);
    return std::string(text, written.ptr) + "'";
}

std::string GiveOrTake(int minutes) {
    const WindowSpread spread = SpreadOf(minutes);
    switch (spread.unit) {
        case WindowSpread::Unit::Minutes: return "give or take " + Plural(spread.count, "minute");
        case WindowSpread::Unit::Hours:
            return spread.count == 1 ? "give or take an hour" : "give or take " + Plural(spread.count, "hour");
        case WindowSpread::Unit::Days:
            return spread.count == 1 ? "give or take a day" : "give or take " + Plural(spread.count, "day");
    }
    return {};
}

}  // namespace

std::string ProblemText(const Problem& problem) {
    switch (problem.code) {
        case ProblemCode::NameMissing: return "Please Enter Your Name";
        case ProblemCode::LatitudeDegreesMissing: return "Please Enter Degree of Latitude";
        case ProblemCode::LatitudeMinutesMissing: return "Please Enter Minutes of Latitude";
        case ProblemCode::LongitudeDegreesMissing: return "Please Enter Degree of Longitude";
        case ProblemCode::LongitudeMinutesMissing: return "Please Enter Minute of Longitude";
        case ProblemCode::CityMissing: return "Please Enter Your City name";
        case ProblemCode::StateMissing: return "Please Enter Your State name";
        case ProblemCode::CountryMissing: return "Please Enter Your Country name";
        case ProblemCode::LatitudeDirectionMissing: return "Please Select Direction For The Latitude";
        case ProblemCode::LongitudeDirectionMissing: return "Please Select Direction For The Longitude";
        case ProblemCode::ImpossibleDate: return "Please Enter Correct Date Or Month!";
        case ProblemCode::ImpossibleDateInThirtyDayMonth: return "Please Enter Correct Date Or Month !";
        case ProblemCode::ConverterMissing: return "Required File Is Missing. Please Reinstall The Software.";
        case ProblemCode::LatitudeDegreesOutOfRange: return "Please Enter Degree of Latitude from 0 to 90";
        case ProblemCode::LatitudeMinutesOutOfRange: return "Please Enter Minutes of Latitude from 0 to 59";
        case ProblemCode::LatitudePastPole: return "Please Enter a Latitude of at most 90 Degree 0 Minute";
        case ProblemCode::LongitudeDegreesOutOfRange: return "Please Enter Degree of Longitude from 0 to 180";
        case ProblemCode::LongitudeMinutesOutOfRange: return "Please Enter Minute of Longitude from 0 to 59";
        case ProblemCode::LongitudePastLimit: return "Please Enter a Longitude of at most 180 Degree 0 Minute";
        case ProblemCode::UtcOffsetInvalid:
            return "Please Enter the Exact UTC Offset as +HH:MM, from -14:00 to +14:00, or leave it empty";
        case ProblemCode::NotAReadingFile: return "not a saved reading (*.vrl)";
        case ProblemCode::NotReadingFileContent: return "its bytes are not those of a saved reading";
        case ProblemCode::ReadingFileCutShort:
            if (problem.detail == "0") return "it is empty";
            return "it holds only " + problem.detail + (problem.detail == "1" ? " line" : " lines") +
                   ", too few for a saved reading's birth date and time";
        case ProblemCode::ReadingFileNotNumber: return "its " + problem.detail + " is not a number";
        case ProblemCode::ReadingFileNotFlag: return "its " + problem.detail + " flag is neither True nor False";
        case ProblemCode::ReadingFileControlCharacter: return "its " + problem.detail + " holds a control character";
        case ProblemCode::NotARegularFile: return "not a regular file";
        case ProblemCode::FileUnreadable: return problem.detail;
        case ProblemCode::FieldNotStorable: return "the " + problem.detail + " holds a character a reading file cannot store";
        case ProblemCode::FileNotReplaceable:
            return "not a regular file but a folder, a named pipe, a device or a link to none or to one of those; "
                   "it was left as it was";
        case ProblemCode::FileUnwritable: return problem.detail;
    }
    return {};
}

std::string_view ReferenceName(ManglikReference reference) {
    switch (reference) {
        case ManglikReference::Lagna: return "Lagna";
        case ManglikReference::Moon: return "Moon";
        case ManglikReference::Venus: return "Venus";
    }
    return {};
}

std::array<std::string, 3> VerdictCaptions(const ManglikVerdict& verdict) {
    const std::string reference(ReferenceName(verdict.reference));
    if (!verdict.known()) {
        return {"Position of Mars from " + reference + " is unknown", "Percentage of Mangala dosha is unknown",
                "The person's Manglik status could not be determined"};
    }
    return {"Position of Mars from " + reference + " is " + std::to_string(verdict.house),
            "Percentage of Mangala dosha is " + DoshaPercentText(verdict.doshaPercent),
            verdict.manglik ? "The person is Manglik" : "The person is Non Manglik"};
}

std::string CancellationReason(const Cancellation& c, ManglikReference reference) {
    switch (c.rule) {
        case CancellationRule::MarsInLeoOrAquarius: return "Mars in " + SignName(c.sign);
        case CancellationRule::MarsInHouseAndSign:
            return "Mars in house " + std::to_string(c.house) + " in " + SignName(c.sign);
        case CancellationRule::MoonInCancerOrLeo: return "Moon sign is " + SignName(c.sign);
        case CancellationRule::LordInKendraOrTrikona:
            return "Lord of the " + std::string(ReferenceName(reference)) + " sign, " + BodyName(c.body) +
                   ", stands in house " + std::to_string(c.house);
        case CancellationRule::BeneficNearReference:
            return BodyName(c.body) + " is close to " + std::string(PointName(reference));
    }
    return {};
}

std::string_view ChartName(DivisionalChart chart) {
    switch (chart) {
        case DivisionalChart::Rasi: return "Rasi (D1)";
        case DivisionalChart::Hora: return "Hora (D2)";
        case DivisionalChart::Drekkana: return "Drekkana (D3)";
        case DivisionalChart::Saptamsa: return "Sapthamsa (D7)";
        case DivisionalChart::Navamsa: return "Navamsa (D9)";
        case DivisionalChart::Dasamsa: return "Dasamsa (D10)";
        case DivisionalChart::Dwadasamsa: return "Dwadasamsa (D12)";
    }
    return {};
}

std::string WindowText(const ReferenceWindow& window) {
    const WindowEnd& from = window.from;
    const WindowEnd& to = window.to;
    const std::string fromClock = ClockWithDay(from.minute, from.day);
    const std::string toClock = ClockWithDay(to.minute, to.day);
    const auto about = [](const WindowEnd& end, const std::string& clock) {
        return end.approximate ? "about " + clock : clock;
    };
    std::string text = "Holds for births ";
    switch (from.setBy) {
        case WindowEndCause::Limit: text += (from.approximate ? "perhaps from before " : "from before ") + fromClock; break;
        case WindowEndCause::Mars:
            text += "from about " + fromClock + ", " + GiveOrTake(from.uncertaintyMinutes) + ",";
            break;
        case WindowEndCause::Ascendant: text += "from " + about(from, fromClock) + " (set by the ascendant)"; break;
        case WindowEndCause::Moon: text += "from " + about(from, fromClock) + " (set by the Moon)"; break;
    }
    switch (to.setBy) {
        case WindowEndCause::Limit: return text + (to.approximate ? " perhaps until after " : " until after ") + toClock;
        case WindowEndCause::Mars: return text + " to about " + toClock + ", " + GiveOrTake(to.uncertaintyMinutes);
        case WindowEndCause::Ascendant: return text + " to " + about(to, toClock) + " (set by the ascendant)";
        case WindowEndCause::Moon: return text + " to " + about(to, toClock) + " (set by the Moon)";
    }
    return text;
}

std::string VerdictMayDifferText(ManglikReference reference, bool manglikAcross) {
    return "Mars is within Varelio's error of " + ArcMinutes(kMarsErrorArcMinutes) +
           " of the edge of its sign: a birth at this time may be " + (manglikAcross ? "Manglik" : "Non Manglik") +
           " from " + std::string(ReferenceName(reference)) + ".";
}

std::string MarsNearEdgeText(const NearEdgeMinute& near, bool later) {
    const std::string error = "Mars is within Varelio's error of " + ArcMinutes(kMarsErrorArcMinutes) +
                              " of the edge of its sign";
    if (near.minutesAway == 0) return error + ": the sky's Mars may change sign at any of these times.";
    const std::string clock = ClockWithDay(near.minute, near.day);
    return later ? "Mars comes within Varelio's error of " + ArcMinutes(kMarsErrorArcMinutes) +
                       " of the edge of its sign at " + clock + ": the sky's Mars may change sign from then."
                 : error + " until " + clock + ": the sky's Mars may have changed sign before then.";
}

std::string TimeWarningText(const TimeWarning& warning, ManglikReference reference) {
    return "A birth " + std::to_string(warning.minutes) + (warning.minutes == 1 ? " minute " : " minutes ") +
           (warning.later ? "later" : "earlier") + " gives " + (warning.manglik ? "Manglik" : "Non Manglik") +
           " from " + std::string(ReferenceName(reference)) + ": check the recorded time.";
}

std::string ZoneNoteText(const ZoneNote& note) {
    switch (note.kind) {
        case ZoneNote::Kind::None: return {};
        case ZoneNote::Kind::DateNotInCalendar:
            return "No time zone chosen for " + note.zoneId + ": the date is not a day of the calendar";
        case ZoneNote::Kind::ZoneUnknown:
            return "The time zone " + note.zoneId + " is not in this system's time-zone data: choose the row";
        case ZoneNote::Kind::Chosen: break;
    }
    const ZoneRowChoice& choice = note.choice;
    const CityClock* city =
        note.cityClock >= 0 ? &kCityClocks[static_cast<std::size_t>(note.cityClock)] : nullptr;
    auto cityKept = [city] {
        return std::string(city->city) + " kept " + std::string(city->clock) + ", " +
               UtcOffsetText(city->offsetSeconds) + ", until " + std::to_string(city->lastYear);
    };
    auto zoneOffset = [&note] {
        return UtcOffsetText(note.facts.utcOffsetSeconds) + (note.facts.summerTime ? ", summer time" : "");
    };
    std::string text = note.zoneId + " on " + std::to_string(note.day) + " " + std::string(MonthName(note.month)) +
                       " " + std::to_string(note.year) + ": ";
    switch (note.clock) {
        case ClockSource::Zone: text += zoneOffset(); break;
        case ClockSource::CityTime: text += cityKept(); break;
        case ClockSource::LocalMeanTime:
            text += "local mean time before standard time, " + UtcOffsetText(note.offsetSeconds);
            break;
    }
    text += " → ";
    const std::string row(kTimeZoneTable[static_cast<std::size_t>(choice.zoneIndex)].timeZoneNames);
    if (choice.exact()) {
        text += row + (choice.dst ? " with DST" : "");
    } else if (note.exactOffsetEntered) {
        text += "exact offset " + UtcOffsetFieldText(note.offsetSeconds) + ", which no row gives";
    } else {
        const int minutes = ChoiceErrorMinutes(choice);
        const int degrees = ChoiceErrorDegrees(choice);
        text += "nearest row " + row + (choice.dst ? " with DST" : "") + ", " +
                (minutes == 0 ? std::string("under a minute") : Plural(minutes, "minute")) +
                " off: the ascendant may be " +
                (degrees == 0 ? std::string("under 1°") : "about " + std::to_string(degrees) + "°") + " off";
    }
    if (note.clock != ClockSource::Zone) {
        text += "; the time-zone data gives " + zoneOffset() + " (" + note.facts.abbreviation + ")";
    } else if (city != nullptr) {
        text += "; " + cityKept() + ": for a time recorded in it, enter " + UtcOffsetFieldText(city->offsetSeconds);
    }
    switch (note.facts.clockTime) {
        case ClockTime::Single: break;
        case ClockTime::Skipped:
            text += "; the clocks went forward over this time, so it never happened there: check it";
            break;
        case ClockTime::Repeated:
            text += "; the clocks went back over this time, so it happened twice: the earlier is taken";
            break;
    }
    return text;
}

std::string_view SideName(MatchSide side) { return side == MatchSide::Bride ? "Bride" : "Groom"; }

std::string BirthLine(const BirthData& b) {
    char clock[8];
    std::snprintf(clock, sizeof clock, "%02d:%02d", b.hour % 100, b.minute % 100);
    return std::to_string(b.day) + " " + std::string(MonthName(b.month)) + " " + std::to_string(b.year) + ", " + clock +
           ", " + b.city + ", " + b.state + ", " + b.country;
}

std::string MoonLine(const BodyPosition& moon) {
    if (moon.sign < 1 || moon.sign > kSignCount || moon.nakshatra < 1 || moon.nakshatra > kNakshatraCount) {
        return "Moon position unknown";
    }
    const varelio::SignName& sign = kSignNames[static_cast<std::size_t>(moon.sign - 1)];
    return "Moon in " + std::string(sign.sanskrit) + " (" + std::string(sign.english) + "), " +
           std::string(kNakshatras[static_cast<std::size_t>(moon.nakshatra - 1)].name) + " pada " +
           std::to_string(moon.pada);
}

std::string VerdictLine(const ManglikVerdict& verdict) {
    const std::string reference(ReferenceName(verdict.reference));
    if (!verdict.known()) return reference + ": unknown";
    std::string line = reference + ": Mars in house " + std::to_string(verdict.house) + ", " +
                       (verdict.manglik ? "Manglik (" + DoshaPercentText(verdict.doshaPercent) + ")" : "Non Manglik");
    if (verdict.cancellation) line += ", cancelled: " + CancellationReason(*verdict.cancellation, verdict.reference);
    return line;
}

std::string ComparisonLine(const ReferenceComparison& c) {
    const std::string reference(ReferenceName(c.reference));
    const bool counted = IsCounted(c.reference);
    if (c.balance == ManglikBalance::Unknown) return "From " + reference + ": cannot be compared, a verdict is unknown";
    std::string line = "From " + reference + (counted ? ": " : " (not counted): ");
    const MatchSide one = c.side.value_or(MatchSide::Bride);
    switch (c.balance) {
        case ManglikBalance::Unknown: break;
        case ManglikBalance::Neither: line += "neither has the dosha"; break;
        case ManglikBalance::Both: line += counted ? "both have the dosha, so the doshas balance" : "both have the dosha"; break;
        case ManglikBalance::One:
            line += "only the " + Side(one) + " has the dosha";
            if (c.balancedFrom) {
                line += "; the " + Side(OtherSide(one)) + "'s from " + std::string(ReferenceName(*c.balancedFrom)) +
                        " balances it";
            } else if (counted) {
                line += ", and it stands";
            }
            break;
    }
    for (const MatchSide side : kMatchSides) {
        if (const auto& cancellation = c.cancelledOf(side)) {
            line += "; the " + Side(side) + "'s dosha is cancelled: " + CancellationReason(*cancellation, c.reference);
        }
    }
    return line;
}

std::string StandingLine(MatchSide side, const PersonManglik& person) {
    const std::string who = "The " + Side(side);
    switch (person.standing) {
        case ManglikStanding::Unknown: return who + "'s Manglik status could not be determined";
        case ManglikStanding::NotManglik: return who + " is not Manglik";
        case ManglikStanding::Cancelled: {
            const ManglikReference reference = person.cancelledReference.value_or(ManglikReference::Lagna);
            return who + "'s dosha is cancelled (from " + std::string(ReferenceName(reference)) + ": " +
                   (person.cancellation ? CancellationReason(*person.cancellation, reference) : std::string()) + ")";
        }
        case ManglikStanding::Manglik:
            if (person.fromLagna && person.fromMoon) return who + " is Manglik from Lagna and Moon";
            return who + " is Manglik from " + (person.fromLagna ? "Lagna" : "Moon");
    }
    return {};
}

std::string OverallLine(const ManglikComparison& c) {
    switch (c.overall) {
        case ManglikBalance::Unknown: return "The Manglik comparison cannot be made: a verdict is unknown.";
        case ManglikBalance::Neither: return "Neither is Manglik: there is no dosha to balance.";
        case ManglikBalance::Both: return "Both are Manglik: the doshas balance.";
        case ManglikBalance::One:
            return "Only the " + Side(c.overallSide.value_or(MatchSide::Bride)) + " is Manglik: the dosha stands, unbalanced.";
    }
    return {};
}

std::string ConclusionLine(const MatchConclusion& c) {
    std::string score;
    if (!c.ashtakootaKnown) {
        score = "the Ashtakoota cannot be made";
    } else {
        score = PointsText(c.total, kAshtakootaMaximum) + " (" + std::string(BandName(c.band)) + ")";
        if (c.bandOverridden) {
            const bool nadi = c.stands(Dosha::Nadi);
            const bool bhakoot = c.stands(Dosha::Bhakoot);
            score += ", but not recommended: ";
            score += nadi && bhakoot ? "unlifted Nadi and Bhakoot doshas override the band"
                     : nadi          ? "an unlifted Nadi dosha overrides the band"
                                     : "an unlifted Bhakoot dosha overrides the band";
        } else if (c.recommended.value_or(false)) {
            score += ", recommended";
        }
    }
    std::string manglik;
    const MatchSide side = c.manglikSide.value_or(MatchSide::Bride);
    switch (c.manglik) {
        case ManglikBalance::Unknown: manglik = "the Manglik comparison cannot be made"; break;
        case ManglikBalance::Neither: manglik = "neither is Manglik"; break;
        case ManglikBalance::Both: manglik = "both are Manglik, so the Manglik doshas balance"; break;
        case ManglikBalance::One:
            manglik = side == MatchSide::Bride ? "only the bride is Manglik, so her Manglik dosha stands"
                                               : "only the groom is Manglik, so his Manglik dosha stands";
            break;
    }
    std::vector<std::string> standing;
    if (c.manglikStands()) standing.push_back("the " + Side(side) + "'s " + std::string(ManglikDoshaName()));
    for (int i = 0; i < c.standingCount; ++i) {
        standing.emplace_back(DoshaName(c.standing[static_cast<std::size_t>(i)]));
    }
    std::string list;
    if (standing.empty()) {
        list = "no dosha stands";
    } else {
        list = standing.size() == 1 ? "dosha standing: " : "doshas standing: ";
        for (std::size_t i = 0; i < standing.size(); ++i) list += (i == 0 ? "" : ", ") + standing[i];
    }
    return "Conclusion: " + score + "; " + manglik + "; " + list + ".";
}

std::string_view KootaName(Koota koota) {
    constexpr std::array<std::string_view, kKootaCount> kNames{"Varna", "Vashya",       "Tara",    "Yoni",
                                                               "Graha Maitri", "Gana", "Bhakoot", "Nadi"};
    return kNames[static_cast<std::size_t>(koota)];
}

std::string KootaReasonText(const Ashtakoota& m, Koota koota) {
    const MoonTraits& b = m.bride;
    const MoonTraits& g = m.groom;
    switch (m.of(koota).reason) {
        case KootaReason::GroomVarnaNotLower:
            return Pair(Named(kVarnaNames, b.varna), Named(kVarnaNames, g.varna)) + ": the groom's varna is not lower";
        case KootaReason::GroomVarnaLower:
            return Pair(Named(kVarnaNames, b.varna), Named(kVarnaNames, g.varna)) + ": the groom's varna is lower";
        case KootaReason::SameVashya:
        case KootaReason::DifferentVashya: return Pair(Named(kVashyaNames, b.vashya), Named(kVashyaNames, g.vashya));
        case KootaReason::TaraBothFavourable:
        case KootaReason::TaraOneFavourable:
        case KootaReason::TaraNoneFavourable: {
            const KootaReason r = m.of(koota).reason;
            return "Tara " + std::to_string(m.taraFromBride) + " from the bride's nakshatra, " +
                   std::to_string(m.taraFromGroom) + " from the groom's: " +
                   (r == KootaReason::TaraBothFavourable  ? "both favourable"
                    : r == KootaReason::TaraOneFavourable ? "one favourable"
                                                          : "neither favourable");
        }
        case KootaReason::SameYoni: return Pair(Named(kYoniNames, b.yoni), Named(kYoniNames, g.yoni)) + ": the same yoni";
        case KootaReason::FriendlyYoni:
            return Pair(Named(kYoniNames, b.yoni), Named(kYoniNames, g.yoni)) + ": friendly";
        case KootaReason::NeutralYoni: return Pair(Named(kYoniNames, b.yoni), Named(kYoniNames, g.yoni)) + ": neutral";
        case KootaReason::UnfriendlyYoni:
            return Pair(Named(kYoniNames, b.yoni), Named(kYoniNames, g.yoni)) + ": unfriendly";
        case KootaReason::EnemyYoni:
            return Pair(Named(kYoniNames, b.yoni), Named(kYoniNames, g.yoni)) + ": sworn enemies";
        case KootaReason::SameSignLord: return "Both Moon signs ruled by " + BodyName(b.signLord);
        case KootaReason::LordsRelated: {
            const Friendship brideRegard = kNaturalFriendship[b.signLord][g.signLord];
            const Friendship groomRegard = kNaturalFriendship[g.signLord][b.signLord];
            const std::string lords = "Lords " + BodyName(b.signLord) + " (bride) and " + BodyName(g.signLord) + " (groom): ";
            if (brideRegard == groomRegard) {
                constexpr std::array<std::string_view, 3> kMutual{"mutual friends", "both neutral", "mutual enemies"};
                return lords + Named(kMutual, brideRegard);
            }
            return lords + BodyName(b.signLord) + " " + Named(kRegardWords, brideRegard) + ", " + BodyName(g.signLord) +
                   " " + Named(kRegardWords, groomRegard);
        }
        case KootaReason::SameGana:
        case KootaReason::DifferentGana: return Pair(Named(kGanaNames, b.gana), Named(kGanaNames, g.gana));
        case KootaReason::SignsFavourable:
        case KootaReason::SignsTwoTwelve:
        case KootaReason::SignsFiveNine:
        case KootaReason::SignsSixEight: {
            if (b.sign == g.sign) return "Both Moons in " + SignName(b.sign);
            constexpr std::array<std::string_view, 12> kApart{"1/1", "2/12", "3/11", "4/10", "5/9", "6/8",
                                                              "1/7", "6/8",  "5/9",  "4/10", "3/11", "2/12"};
            return "Moon signs " + SignName(b.sign) + " and " + SignName(g.sign) + ": " +
                   std::string(kApart[static_cast<std::size_t>((g.sign - b.sign + kSignCount) % kSignCount)]);
        }
        case KootaReason::DifferentNadi:
        case KootaReason::SameNadi: return Pair(Named(kNadiNames, b.nadi), Named(kNadiNames, g.nadi));
    }
    return {};
}

std::string PointsText(double points, double maximum) { return NumberText(points) + " of " + NumberText(maximum); }

std::string_view BandName(ScoreBand band) {
    switch (band) {
        case ScoreBand::NotRecommended: return "Not recommended";
        case ScoreBand::Acceptable: return "Acceptable";
        case ScoreBand::Good: return "Good";
        case ScoreBand::Excellent: return "Excellent";
    }
    return {};
}

std::string TotalLine(const Ashtakoota& match) {
    return "Total: " + PointsText(match.total, kAshtakootaMaximum) + " (" + std::string(BandName(match.band)) + ")";
}

std::string_view DoshaName(Dosha dosha) {
    switch (dosha) {
        case Dosha::Nadi: return "Nadi dosha";
        case Dosha::Bhakoot: return "Bhakoot dosha";
        case Dosha::Gana: return "Gana dosha";
    }
    return {};
}

std::string_view ManglikDoshaName() { return "Manglik dosha"; }

std::string DoshaExceptionText(DoshaException exception, const Ashtakoota& m) {
    switch (exception) {
        case DoshaException::SameSignDifferentNakshatra: return "both Moons in one sign, in two nakshatras";
        case DoshaException::SameNakshatraDifferentSign: return "one nakshatra, in two signs";
        case DoshaException::SameSignLord: return "both Moon signs ruled by " + BodyName(m.bride.signLord);
        case DoshaException::SignLordsMutualFriends:
            return "the sign lords " + BodyName(m.bride.signLord) + " and " + BodyName(m.groom.signLord) +
                   " are mutual friends";
        case DoshaException::SignLordsNotEnemies:
            if (m.bride.signLord == m.groom.signLord) return "both Moon signs have one lord";
            return "the sign lords " + BodyName(m.bride.signLord) + " and " + BodyName(m.groom.signLord) +
                   " are not enemies";
        case DoshaException::BrideFourteenthOrMore: return "the bride's nakshatra is 14th or more from the groom's";
    }
    return {};
}

std::string DoshaLine(const DoshaFinding& finding, const Ashtakoota& match) {
    const std::string name(DoshaName(finding.dosha));
    if (!finding.lifted()) return name + ": no exception lifts it";
    std::string line = name + ", lifted: ";
    bool first = true;
    for (const DoshaException e : kDoshaExceptions) {
        if (!finding.liftedBy(e)) continue;
        line += (first ? "" : "; ") + DoshaExceptionText(e, match);
        first = false;
    }
    return line;
}

std::string_view HeadingText(MatchHeading heading) {
    switch (heading) {
        case MatchHeading::Title: return "Match of Two Readings";
        case MatchHeading::Manglik: return "Manglik against Manglik";
        case MatchHeading::Ashtakoota: return "Ashtakoota (Guna Milan)";
        case MatchHeading::Doshas: return "Doshas";
        case MatchHeading::NoDosha: return "No dosha found";
        case MatchHeading::NoAshtakoota: return "The Ashtakoota needs both Moons' signs and nakshatras.";
        case MatchHeading::ManglikCounted:
            return "A person is Manglik with the dosha from Lagna or Moon that no cancellation lifts; Venus is shown, "
                   "not counted.";
    }
    return {};
}

}  // namespace varelio::english
