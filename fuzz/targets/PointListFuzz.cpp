// Fuzz target: a point file read into a dialog's point list with both filters, each entry taken
// apart for the detail controls, and the whole input packed as one line.
#include "dialogs/files/PointListFile.h"
#include "fuzz/support/FuzzInputFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = vd::fuzz::writeInputFile("PointListFuzz", ".dat", data, size);
    for (PointListFilter filter : {PointListFilter::Full, PointListFilter::EmptyOnly}) {
        const PointList list = ReadPointList(path, filter);
        for (int i = 0; i < list.count; ++i)
            SplitPointEntry(list.entry[i]);
    }
    SplitPointEntry(PackPointLine(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
