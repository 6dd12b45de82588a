// The text file of a match: its conclusion, then two readings set side by
// side, for people to read. A new kind of file with no older reader to please, so it is UTF-8
// (a name is written as typed) with LF line ends; docs/file-formats.md lists
// the lines. The companion's --match --format text prints the same bytes.
#pragma once

#include "matching/Match.h"
#include "reading/Reading.h"

#include <string>

namespace varelio {

// The exact bytes of the file. Control characters in a name or place become
// "?", so they cannot break the lines.
std::string ComposeMatchText(const Reading& bride, const Reading& groom, const Match& match);

}  // namespace varelio
