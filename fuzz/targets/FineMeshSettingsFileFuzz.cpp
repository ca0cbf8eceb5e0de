// Fuzz target: DDFTFILE.DAT as the 1/10 subdivided mesh dialog reads it when the program holds no
// settings yet, the answer built from it, and the file written back (as after a change) and read
// again.
#include "fuzz/targets/LayerFuzzFolder.h"
#include "layers/settings/finemesh/FineMeshSettings.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    layer_fuzz::WriteFile("DDFTFILE.DAT", data, size);
    const std::string path = layer_fuzz::WindowsFolder() + "DDFTFILE.DAT";
    FineMeshSettings settings = ParseFineMeshCall("-1", {}, "");
    ReadFineMeshSettingsFile(path, settings.text);
    const std::string answer = FormatFineMeshAnswer(settings);
    // A text from the file never adds a field to the answer.
    if (std::count(answer.begin(), answer.end(), '|') != 1 + 2 * kFineMeshPages + kFineMeshPages)
        std::abort();
    if (WriteFineMeshSettingsFile(path, settings.text, settings.item)) {
        FineMeshTexts again;
        ReadFineMeshSettingsFile(path, again);
    }
    return 0;
}
