// Writing a file whole or not at all, the one way the windows' saves and the
// companion's chart picture write a file. Standard C++ and POSIX.
#pragma once

#include "form/Problem.h"

#include <string>
#include <string_view>

namespace varelio {

// Writes bytes to path through a new file beside the one it replaces,
// renamed over it once written and synced: an earlier file survives any
// failure whole, and nothing is left behind. Only a new name or a regular
// file is written. A symbolic link is followed, as an editor follows one,
// only to a regular file the user may write, which is replaced; anything else
// (a folder, a named pipe, a device, a socket, a link to none or to one of
// those) is FileNotReplaceable and left as it is. A file replaced keeps its
// owner, group and mode: saved by root over another user's file, it stays
// that user's (a writer who may not give a file away keeps at least its group
// where that is one of theirs). A write the system refuses is FileUnwritable
// with its reason as detail ("No space left on device", "File too large",
// "Permission denied").
Result<void> WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace varelio
