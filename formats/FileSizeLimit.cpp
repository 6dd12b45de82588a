#include "formats/FileSizeLimit.h"

#include <csignal>

namespace varelio {

void IgnoreFileSizeLimitSignal() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace varelio
