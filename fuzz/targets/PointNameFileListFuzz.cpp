// Fuzz target: PNTFILE.DAT, the list of registered place-name files, read as the map page's combo
// (every entry) and the current place-name file dialog (the first 16) read it.
#include "app/settings/PointNameFileList.h"
#include "fuzz/support/FuzzInputFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = vd::fuzz::writeInputFile("PointNameFileListFuzz", ".dat", data, size);
    ReadPointNameFiles(path);
    ReadPointNameFiles(path, 16);
    return 0;
}
