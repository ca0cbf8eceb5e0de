// Fuzz target: the seismic data list (FLTFILE.DAT) read for the map title. The first byte chooses
// the entry and the quantity.
#include "app/layers/SeismicMapTitle.h"
#include "fuzz/targets/LayerFuzzFolder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    layer_fuzz::WriteFile("FLTFILE.DAT", data + 1, size - 1);
    SeismicMapTitle(layer_fuzz::WindowsFolder(), 1, data[0] % 16, data[0] / 16 % 4);
    return 0;
}
