// Fuzz target: the 40 strings the program hands the point dialogs (cut at NUL bytes), placed into
// the slots as the entry points place them, the settings integers parsed, and the answer built.
#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/pointdata/PointSettingsInput.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    PointInputs inputs;
    for (std::string& input : inputs) {
        const auto nul = rest.find('\0');
        input = std::string(rest.substr(0, nul));
        rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
    }
    PointLayerSlots slots;
    PlacePointInputTexts(inputs, slots);
    const IntegerSettingsInput settings = ParseIntegerSettingsInput(inputs[1], kPointSettingsIntegers);
    int tab = 0;
    PlacePointSettingsIntegers(settings.values, tab, slots);
    FormatPointSettingsResult(tab, slots);
    for (int count : {2, 4, 5})
        if (SplitJoinedValues(inputs[31], count).size() != static_cast<size_t>(count))
            std::abort();
    const std::string safe = FieldSafeText(inputs[2]);
    if (safe.find_first_of("|/") != std::string::npos)
        std::abort();
    return 0;
}
