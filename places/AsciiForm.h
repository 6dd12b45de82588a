// Plain ASCII forms of place names, for storing a name that a reading file
// cannot hold and for matching what is typed without accents.
#pragma once

#include <string>
#include <string_view>

namespace varelio {

// "São Paulo" -> "Sao Paulo", "Łódź" -> "Lodz", "Düsseldorf" -> "Dusseldorf",
// "Gǝncǝ" -> "Ganca". Accents are dropped; letters without a decomposition
// (ß, Ł, ø, æ, Cyrillic) are spelled out; anything else not ASCII is left out.
std::string AsciiForm(std::string_view utf8);

// How names are compared: AsciiForm in lower case, blanks around it trimmed,
// except that what AsciiForm leaves out and is no accent is kept, case-folded:
// the letters of other scripts ("北京", "Αθήνα" as "αθηνα", "मुंबई"), so
// names in any language match as typed, and symbols, so "Mumbai😀" is not
// "Mumbai".
std::string FoldForMatching(std::string_view utf8);

// The name as typed into the form: itself when a reading file can store every
// character, otherwise its ASCII form.
std::string StorableName(std::string_view utf8);

}  // namespace varelio
