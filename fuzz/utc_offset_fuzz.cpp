// Feeds arbitrary text to the exact-offset reader that the form's field, the
// 18th line of a saved reading, --utc-offset and the batch's utc-offset
// column share: whatever it accepts is within the limits and reads back the
// same from the field's own form, and nothing it is given overflows (the
// sanitizers of the fuzz build stop on that).
#include "form/ZoneChoice.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<int> seconds = varelio::ParseUtcOffset(text);
    if (!seconds) return 0;
    if (std::abs(*seconds) > varelio::kMaxUtcOffsetSeconds) __builtin_trap();
    if (varelio::ParseUtcOffset(varelio::UtcOffsetFieldText(*seconds)) != seconds) __builtin_trap();
    return 0;
}
