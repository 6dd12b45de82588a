// Feeds arbitrary bytes through the saved-reading check and reader into the input form,
// then, when the form passes, computes and exports the whole reading, so a
// crafted file that upsets anything downstream shows up.
#include "form/Form.h"
#include "formats/ReadingFile.h"
#include "words/TextExport.h"
#include "reading/Reading.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The check that keeps what is no reading from the form takes any bytes;
    // the decoding below is fed them all the same, for its own sake.
    (void)varelio::CheckReadingFile(bytes);
    varelio::FormValues form = varelio::InitialFormValues();
    varelio::ApplyReadingLines(varelio::DecodeReadingFile(bytes), form);
    varelio::Reading reading;
    if (!varelio::ComputeReadingFromForm(form, true, reading)) return 0;
    (void)varelio::words::ComposeTextExport(reading);
    // What was opened must save again, or be refused with a field named.
    const auto saved = varelio::ComposeReadingFile(reading.birthData, form.zoneIndex);
    if (!saved && saved.problem().detail.empty()) __builtin_trap();
    return 0;
}
