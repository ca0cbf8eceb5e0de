// Fuzz target: DDMSFILE.DAT as the natural-environment mesh dialog reads it when the program holds
// no settings yet, then the answer built from it and the file written back (as after a change) and
// read again.
#include "fuzz/targets/LayerFuzzFolder.h"
#include "layers/settings/naturemesh/NatureMeshSettingsFile.h"
#include "layers/settings/naturemesh/NatureMeshSettingsInput.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    layer_fuzz::WriteFile("DdMsFile.dat", data, size);
    const std::string path = layer_fuzz::WindowsFolder() + kNatureMeshSettingsFileName;
    NatureMeshSlots slots;
    ReadNatureMeshSettingsFile(path, slots);
    const std::string answer = FormatNatureMeshResult(0, slots, kAttributeValueMethod);
    // A text from the file never adds a field to the answer.
    if (std::count(answer.begin(), answer.end(), '|') != kMeshSettingsIntegers + 2 * kMeshSlotCount)
        std::abort();
    if (WriteNatureMeshSettingsFile(path, slots)) {
        NatureMeshSlots again;
        ReadNatureMeshSettingsFile(path, again);
        if (again.item != slots.item)
            std::abort();
    }
    return 0;
}
