// Fuzz target: a layer settings file (DddPFile.dat, DDMCFILE.DAT, ...) read as the preset command
// reads the rows of a family it switches on. The first byte chooses the family.
#include "app/layers/LayerSettingsRows.h"
#include "fuzz/targets/LayerFuzzFolder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const auto family = static_cast<LayerFileFamily>(data[0] % 7);
    layer_fuzz::WriteFile("LAYERS.DAT", data + 1, size - 1);
    ReadLayerFileRowsFrom(layer_fuzz::WindowsFolder() + "LAYERS.DAT", family);
    return 0;
}
