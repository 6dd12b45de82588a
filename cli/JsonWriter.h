// The reading as the companion's JSON object, for the single reading
// (indented) and the batch's JSON Lines (compact). Standard C++ only: keys
// come in sorted order (QJsonObject's), numbers and strings as QJsonDocument
// writes them, so the indented object is byte for byte what the companion
// printed when it built the object with Qt. The key names are a contract with
// scripts that read the output: keys are added, never renamed.
#pragma once

#include "cli/KundliKeys.h"
#include "matching/Match.h"
#include "places/PlaceEntry.h"
#include "reading/Reading.h"

#include <string>
#include <string_view>

namespace varelio::cli {

// Compact: no white space, no line end (one line of JSON Lines).
// Indented: four blanks a level, "key": value, one member or element a line,
// and a final line end.
enum class JsonLayout { Compact, Indented };

// Appends the reading's object; out grows as far as the object needs. Besides
// the chart: "dasha" (the balance at birth as years, months and days of its
// lord, the periods from birth with their ISO dates on the birth's clock, and
// the year's length in days), "panchang" (weekday, tithi, paksha, yoga,
// karana, sunrise and sunset, or why there are none) and the Moon's koota
// "traits" (null when the Moon cannot be placed); dashaDepth as
// kReadingDashaDepth says.
void AppendReadingJson(const Reading& reading, JsonLayout layout, std::string& out,
                       int dashaDepth = kReadingDashaDepth);

// The same with "place": the place --place chose, its names and coordinates
// as GeoNames gives them, its IANA zone, the tz database's offset in minutes,
// the zone row and DST box it gave (offset, row and box null when the zone or
// date was unknown), the note and whether it is a warning.
void AppendReadingJson(const Reading& reading, const Place& place, const ZoneEntry& zone, JsonLayout layout,
                       std::string& out, int dashaDepth = kReadingDashaDepth);

// The match of two readings, indented: its conclusion (text, recommended,
// the doshas that stand); each side's name, birth data, Moon (sign,
// nakshatra, pada and its line) and verdicts (as the reading's "verdicts");
// the Manglik comparison per reference (who has the dosha: both, one or
// neither, with the cancelled doshas), per person and overall, each with its
// code and its sentence; the kootas in the table's order as {name, points,
// max, reason}; total, maximum and band; the doshas with the exceptions that
// lift them.
void AppendMatchJson(const Reading& bride, const Reading& groom, const Match& match, std::string& out);

// A double as a QJsonValue holding it is written: an integral value below
// 2^53 as an integer, anything else in the shorter of the fixed and the
// exponent form of the shortest digits that read back to it (fixed on a tie,
// the exponent with a sign and at least two digits), "null" when not finite.
void AppendJsonNumber(double value, std::string& out);

// A UTF-8 string in quotes: quote, backslash and the controls below U+0020
// escaped (\b \f \n \r \t, others \u00xx), everything else as it is; a
// malformed byte becomes U+FFFD, so the output is always well-formed.
void AppendJsonString(std::string_view utf8, std::string& out);

}  // namespace varelio::cli
