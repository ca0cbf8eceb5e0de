// Fuzz target: the 22 strings the program hands OnDlgDmeshSet (cut at NUL bytes), placed into the
// slots as the entry point places them, the selection read and the answer built.
#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/naturemesh/NatureMeshSettingsInput.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    NatureMeshInputs inputs;
    for (std::string& input : inputs) {
        const auto nul = rest.find('\0');
        input = std::string(rest.substr(0, nul));
        rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
    }
    NatureMeshSlots slots;
    PlaceNatureMeshInputTexts(inputs, slots);
    const NatureMeshSelection selection = ParseNatureMeshSelection(inputs[1], slots);
    if (!selection.fromSettingsFile && selection.currentTab >= 10000)
        std::abort();
    for (std::string& text : slots.text)
        text = BarSafeText(text);
    for (std::string& name : slots.name)
        name = BarSafeText(name);
    const std::string answer = FormatNatureMeshResult(selection.currentTab, slots, selection.displayMethod);
    if (std::count(answer.begin(), answer.end(), '|') != kMeshSettingsIntegers + 2 * kMeshSlotCount)
        std::abort();
    return 0;
}
