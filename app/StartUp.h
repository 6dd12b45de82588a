// What the process settles before anything else runs. main() calls it first
// thing, and the test of the file-size limit calls the same.
#pragma once

namespace varelio::app {

// Call once, at the very start of main(), before any file is written.
void PrepareProcess();

}  // namespace varelio::app
