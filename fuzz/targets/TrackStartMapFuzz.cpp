// Fuzz target: a track's first point line as OnTrackStartMapModule reads it, for each format
// number the registration passes.
#include "contracts/dovanne.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string line(reinterpret_cast<const char*>(data), size);
    for (int format = 0; format <= 6; ++format)
        OnTrackStartMapModule(line, "DMS", format);
    return 0;
}
