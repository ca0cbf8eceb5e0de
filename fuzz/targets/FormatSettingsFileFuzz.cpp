// Fuzz target: the input as each of the seven settings files the format viewer reads, with every
// row switched on; every entry must have a page.
#include "fuzz/targets/LayerFuzzFolder.h"
#include "layers/settings/format/FormatEntries.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const char* name : {"DDDPFILE.DAT", "DddMFile.dat", "DddSFile.dat", "DDMSFILE.DAT", "DDMCFILE.DAT",
                             "DDFTFILE.DAT", "DGEOFILE.DAT"})
        layer_fuzz::WriteFile(name, data, size);
    std::string flags;
    for (int i = 0; i < kFormatFlagCount; ++i)
        flags += i == 101 ? "3|" : "1|";
    const auto entries = CollectFormatEntries(flags, layer_fuzz::WindowsFolder());
    if (entries.size() > kMaxFormatEntries)
        std::abort();
    for (const FormatEntry& e : entries)
        if (e.page.empty())
            std::abort();
    return 0;
}
