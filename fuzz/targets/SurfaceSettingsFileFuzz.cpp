// Fuzz target: DDDSFILE.DAT as the surface dialog reads it when the program holds no settings
// yet, then the answer built from it and the file written back (as after a change) and read again.
#include "fuzz/targets/LayerFuzzFolder.h"
#include "layers/settings/surface/SurfaceSettingsFile.h"
#include "layers/settings/surface/SurfaceSettingsInput.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    layer_fuzz::WriteFile("DddSFile.dat", data, size);
    const std::string path = SurfaceSettingsFilePath(layer_fuzz::WindowsFolder());
    SurfaceRows rows;
    ReadSurfaceSettingsFile(path, rows);
    const std::string answer = FormatSurfaceSettingsResult(0, rows);
    // A text from the file never adds a field to the answer.
    if (std::count(answer.begin(), answer.end(), '|') != kSurfaceSettingsIntegers + 30)
        std::abort();
    if (WriteSurfaceSettingsFile(path, rows)) {
        SurfaceRows again;
        ReadSurfaceSettingsFile(path, again);
    }
    return 0;
}
