// Choosing the input window's time-zone row (and its DST box) for what the tz
// database says of a place's zone at the birth, and the one-line note that
// tells the user what was chosen and why.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varelio {

// How the birth's local clock time fell on the zone's clock.
enum class ClockTime {
    Single,    // it happened once
    Skipped,   // the clocks jumped over it; the offset in force just before is taken
    Repeated,  // the clocks went back over it; the earlier of the two moments is taken
};

// The tz database's account of a zone at one local moment.
struct ZoneFacts {
    int utcOffsetSeconds = 0;          // local time minus universal time
    int standardOffsetSeconds = 0;     // the same without summer time
    bool summerTime = false;           // daylight saving (or war time) in force
    std::string abbreviation;          // in force then: "EDT", "BDST", "+0630"
    std::string standardAbbreviation;  // the zone's standard time around then: "EST"; may be empty
    ClockTime clockTime = ClockTime::Single;
};

struct ZoneRowChoice {
    int zoneIndex = 0;
    bool dst = false;       // tick the DST box
    int errorSeconds = 0;   // the row's offset (with the box) minus the true offset
    bool exact() const { return errorSeconds == 0; }
};

// Local time minus universal time as a row gives it with the box as dst
// (UT = local + the row's correction - 1 h when dst).
int ZoneRowUtcOffsetSeconds(int zoneIndex, bool dst);

// The abbreviation in a row's text, its second comma field: "IST" for
// "Indian Time, IST, +5.3".
std::string_view ZoneRowAbbreviation(int zoneIndex);

// The row and box whose offset is nearest the true one; the box is ticked
// only when summer time applied, so a zone without summer time at the date
// never gets a DST row (Kabul's +4:30 in January is not Iran Time with DST).
// Among equally near ones: the row of the standard offset with the box ticked
// exactly when summer time applied; then a row whose abbreviation is the
// zone's (current or standard); then a row whose name holds the country's
// ("Brazil Zone 2" for Brazil, whose abbreviations are only numbers); then the
// box agreeing with summer time; then list order.
ZoneRowChoice ChooseZoneRow(const ZoneFacts& facts, std::string_view countryName = {});

// The row nearest an offset of standard time, the box clear: the row a saved
// reading's line 6 keeps for an exact offset.
ZoneRowChoice NearestZoneRow(int offsetSeconds);

// Where the offset a found place's clock kept comes from.
enum class ClockSource {
    Zone,           // the tz database's zone at the date
    CityTime,       // the city's own clock, which the tz database lacks (form/CityClocks.h)
    LocalMeanTime,  // before the country's standard time: the birth place's longitude / 15°
};

// What the note beside the zone says, as facts; the windows and the
// companion put it into words.
struct ZoneNote {
    enum class Kind {
        None,               // nothing to say
        Chosen,             // a row was chosen for the zone at the date
        DateNotInCalendar,  // no row chosen: the form's date is no day of the calendar
        ZoneUnknown,        // no row chosen: the tz database lacks the zone
    };
    Kind kind = Kind::None;
    std::string zoneId;     // IANA, "Asia/Kolkata"
    int year = 0, month = 0, day = 0;
    ZoneFacts facts;        // when Chosen: the tz database's account, the other choice when another clock is taken
    ClockSource clock = ClockSource::Zone;  // when Chosen: the clock taken
    // When Chosen: the row of kCityClocks whose clock is taken, or, with the
    // zone's clock taken, whose clock the city may still have kept (the year
    // it gave it up, or a war or summer time the sources say nothing of); -1
    // for none.
    int cityClock = -1;
    int offsetSeconds = 0;  // when Chosen: the offset taken, local time minus universal time
    ZoneRowChoice choice;   // when Chosen: the row and box nearest it
    // When Chosen: no row gives the offset and it stands in the exact-offset
    // field; false once that field is emptied, when the row approximates it.
    bool exactOffsetEntered = false;

    // A row approximating the offset, a clock time skipped or repeated, or
    // nothing chosen: shown in the error colour.
    bool warning() const;
};

// How many minutes a choice is off, and roughly how many degrees that moves
// the ascendant (15° an hour): rounded minutes, and rounded degrees with
// under half a degree as 0.
int ChoiceErrorMinutes(const ZoneRowChoice& choice);
int ChoiceErrorDegrees(const ZoneRowChoice& choice);

// "UTC+5:30", "UTC-4:00", "UTC+5:21:10".
std::string UtcOffsetText(int offsetSeconds);

// The exact-offset field's form and the reading file's: "+05:45", "-04:30",
// "+05:53:20" (the seconds only when there are any).
std::string UtcOffsetFieldText(int offsetSeconds);

// Clocks have kept offsets from -12:00 to +14:00; the field takes up to 14
// hours either way.
inline constexpr int kMaxUtcOffsetSeconds = 14 * 3600;

// The exact-offset field's text in seconds east of universal time: blanks
// around it, a sign ("+" when none; the minus sign U+2212 too), hours, ":",
// two-digit minutes and optionally ":" and two-digit seconds, each below 60,
// at most kMaxUtcOffsetSeconds either way ("5:45", "+05:45", "-04:30",
// "+05:53:20"). Nothing for anything else, the empty text among it.
std::optional<int> ParseUtcOffset(std::string_view text);

}  // namespace varelio
