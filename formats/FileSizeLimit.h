// A write past the process's file-size limit (ulimit -f) raises SIGXFSZ, whose
// default action ends the program without a word and leaves a cut-off file.
// With the signal ignored the write fails with EFBIG instead, and the caller
// reports it like a full disk.
#pragma once

namespace varelio {

// Call once at start-up, before any file is written.
void IgnoreFileSizeLimitSignal();

}  // namespace varelio
