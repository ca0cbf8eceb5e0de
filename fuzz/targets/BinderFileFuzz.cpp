// Fuzz target: BINDER.DAT, the catalogue of point data files, read as the data file dialog reads it.
#include "dialogs/files/BinderFile.h"
#include "fuzz/support/FuzzInputFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = vd::fuzz::writeInputFile("BinderFileFuzz", ".dat", data, size);
    ReadBinderTitles(path);
    return 0;
}
