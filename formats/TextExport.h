// The text export: the reading as 41 lines for people to read, in
// Windows-1252 with CR LF line ends. docs/file-formats.md lists the lines.
#pragma once

#include "reading/Reading.h"

#include <string>

namespace varelio {

inline constexpr int kTextExportLines = 41;

// The export file is Windows-1252; the companion prints the same lines in
// UTF-8, which a terminal shows.
enum class TextEncoding { Windows1252, Utf8 };

// The exact bytes of the export file. Characters Windows-1252 cannot store
// (in a name or place) are written as "?"; in UTF-8 every character is
// written as it is. Control characters become "?" in both.
std::string ComposeTextExport(const Reading& reading, TextEncoding encoding = TextEncoding::Windows1252);

// One "House Lord Interpretation" line for house 1 to 12, counted from the
// Lagna sign, e.g.
// "House 1 (Mithuna): lord Mercury in house 7". The houses of Mars and the
// Moon add "; Mars here" / "; Moon here" and, for a Manglik verdict that a
// cancellation rule softens, the rule. UTF-8.
std::string HouseLordLine(const Reading& reading, int house);

}  // namespace varelio
