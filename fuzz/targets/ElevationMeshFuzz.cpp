// Fuzz target: a 250 m elevation mesh file (.sem) as the greyscale sheet maker reads it into its
// grid and turns it into a sheet bitmap.
#include "basemap/files/ElevationMeshFile.h"
#include "basemap/files/GreyscaleSheetBitmap.h"

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
    return 0;
}
