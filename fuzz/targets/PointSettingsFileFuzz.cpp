// Fuzz target: DDDPFILE.DAT as the point dialogs read it when the program holds no settings yet,
// then the answer built from it and the file written back (as after a change) and read again.
#include "fuzz/targets/LayerFuzzFolder.h"
#include "layers/settings/pointdata/PointSettingsFile.h"
#include "layers/settings/pointdata/PointSettingsInput.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    layer_fuzz::WriteFile("DddPFile.dat", data, size);
    const std::string path = layer_fuzz::WindowsFolder() + "DddPFile.dat";
    PointLayerSlots slots;
    ReadPointSettingsFile(path, slots);
    const std::string answer = FormatPointSettingsResult(0, slots);
    // A text from the file never adds a field to the answer.
    if (std::count(answer.begin(), answer.end(), '|') != kPointSettingsIntegers + 58)
        std::abort();
    if (WritePointSettingsFile(path, slots)) {
        PointLayerSlots again;
        ReadPointSettingsFile(path, again);
    }
    return 0;
}
