// Fuzz target: DDMCFILE.DAT as the industry-statistics mesh dialog reads it when the program holds
// no settings yet, then the answer built from it and the file written back (as after a change)
// and read again.
#include "fuzz/targets/LayerFuzzFolder.h"
#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/industrymesh/IndustryMeshInput.h"
#include "layers/settings/industrymesh/IndustryMeshSettingsFile.h"

#include <cstdlib>

namespace {

// The answer keeps its shape: 22 "|" fields, then exactly 28 "#" fields.
void CheckAnswer(const std::string& answer)
{
    BarDelimitedReader fields(answer);
    for (int i = 0; i < kIndustrySettingsIntegers + 2 * kIndustryRowCount; ++i)
        fields.nextText();
    BarDelimitedReader specs(fields.rest(), '#');
    for (int i = 0; i < kIndustrySpecCount; ++i)
        specs.nextText();
    if (!specs.rest().empty())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    layer_fuzz::WriteFile("DDMCFILE.DAT", data, size);
    const std::string path = IndustryMeshSettingsFilePath(layer_fuzz::WindowsFolder());
    IndustryMeshSettings settings;
    ReadIndustryMeshSettingsFile(path, settings);
    CheckAnswer(FormatIndustryMeshResult(0, settings, 1));
    if (WriteIndustryMeshSettingsFile(path, settings)) {
        IndustryMeshSettings again;
        ReadIndustryMeshSettingsFile(path, again);
    }
    return 0;
}
