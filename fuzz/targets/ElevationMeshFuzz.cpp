// Fuzz target: a 250 m elevation mesh file (.sem) as the greyscale sheet maker reads it into its
// grid (from the bytes and from the file, as the program opens it) and turns it into a sheet
// bitmap.
#include "basemap/files/ElevationMeshFile.h"
#include "basemap/files/GreyscaleSheetBitmap.h"
#include "fuzz/support/FuzzScratch.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ElevationGreyGrid grid{};
    ParseElevationMeshGrey(std::string_view(reinterpret_cast<const char*>(data), size), grid);
    if (GreyscaleSheetBitmap(grid).size() != std::size_t(kGreyscaleSheetBytes))
        std::abort();
    ElevationGreyGrid fromFile{};
    ReadElevationMeshGrey(vd::fuzz::writeApplicationFile("Fuzz/5339.sem", data, size), fromFile);
    return 0;
}
