// Fuzz target: SOURCE\MENUFILE.DAT counted per item menu, as the menu-bar slide-show dialog
// counts it.
#include "dialogs/files/MenuFileCounts.h"
#include "fuzz/support/FuzzInputFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = vd::fuzz::writeInputFile("MenuFileCountsFuzz", ".dat", data, size);
    CountMenuFileEntries(path);
    return 0;
}
