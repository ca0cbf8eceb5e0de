// blcmap_5.idx and the sheet look-up of a 250 m mesh file: the bytes become the 1:50,000 index,
// read for a sheet as the range dialog reads it, and the sheet index a .sem name is looked up in.
#include "fuzz/support/FuzzScratch.h"
#include "municipal/files/PartSheetIndexFile.h"
#include "municipal/maprange/SemSheetLookup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    const std::string path = vd::fuzz::writeApplicationFile("Fuzz/blcmap_5.idx", data, size);
    for (const char* sheet : {"東京", "京都及大阪", " "})
        for (const std::string& name : ReadPartSheetNames(path, sheet))
            if (name.find(' ') != std::string::npos)
                __builtin_trap();
    // The same bytes as a sheet index, and the start of them as a file name.
    const std::string text = vd::fuzz::bytesText(data, size);
    SemFileSheetName("C:\\DATA\\5339.sem", path);
    SemFileSheetName(text.substr(0, 40), path);
    return 0;
}
