// The reading's JSON object written without Qt, for the batch's JSON Lines:
// the same bytes as QJsonDocument(ReadingToJson(reading)).toJson(Compact),
// several times faster. Keys come in QJsonObject's sorted order; numbers and
// strings are written as QJsonDocument writes them.
#pragma once

#include "reading/Reading.h"

#include <string>
#include <string_view>

namespace varelio::cli {

// Appends the compact object, without a line end.
void AppendReadingJson(const Reading& reading, std::string& out);

// A double as a QJsonValue holding it is written: an integral value below
// 2^53 as an integer, anything else in the shorter of the fixed and the
// exponent form of the shortest digits that read back to it (fixed on a tie,
// the exponent with a sign and at least two digits), "null" when not finite.
void AppendJsonNumber(double value, std::string& out);

// A UTF-8 string in quotes: quote, backslash and the controls below U+0020
// escaped (\b \f \n \r \t, others \u00xx); everything else as it is.
void AppendJsonString(std::string_view utf8, std::string& out);

}  // namespace varelio::cli
