#include "app/StartUp.h"

#include "formats/FileSizeLimit.h"

namespace varelio::app {

void PrepareProcess()
{
    // Under a file-size limit a save then fails with a message, as on a full
    // disk, instead of SIGXFSZ ending the program without a word.
    IgnoreFileSizeLimitSignal();
}

}  // namespace varelio::app
