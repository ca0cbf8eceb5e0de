// Fuzz target: RoutMstr.dat / AreaMstr.dat as the route map dialogs read them, then rewritten
// without one entry or with one renamed (the first byte chooses which and how).
#include "dialogs/files/RouteMasterFile.h"
#include "fuzz/support/FuzzInputFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string path = vd::fuzz::writeInputFile("RouteMasterFileFuzz", ".dat", data + 1, size - 1);
    const std::vector<std::string> entries = ReadRouteMasterEntries(path);
    for (const std::string& entry : entries) {
        RouteMasterName(entry);
        RouteMasterFile(entry);
    }
    const int index = data[0] % 16;
    if (data[0] & 0x80)
        RewriteRouteMaster(path, index, std::nullopt);
    else
        RewriteRouteMaster(path, index, "改名@" + (index < int(entries.size()) ? RouteMasterFile(entries[std::size_t(index)]) : ""));
    return 0;
}
