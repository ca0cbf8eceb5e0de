// Fuzz target: the PrefectureFlagList text that the prefecture selection reads from its caller,
// parsed as the entry point parses it and written back as the dialog's answer.
#include "layers/settings/prefecture/PrefectureFlagList.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const PrefectureFlagInput input = ParsePrefectureFlagInput(text);
    // What the dialog answers reads back as the same fields.
    if (ParsePrefectureFlagInput(FormatPrefectureFlagList(input.flags)).flags != input.flags)
        std::abort();
    return 0;
}
