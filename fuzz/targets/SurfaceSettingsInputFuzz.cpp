// Fuzz target: the 32 strings the program hands the surface dialog (cut at NUL bytes), placed
// into the rows as the entry point places them, the settings integers parsed, and the answer built.
#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/surface/SurfaceSettingsInput.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    SurfaceInputs inputs;
    for (std::string& input : inputs) {
        const auto nul = rest.find('\0');
        input = std::string(rest.substr(0, nul));
        rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
    }
    SurfaceRows rows;
    PlaceSurfaceInputTexts(inputs, rows);
    const IntegerSettingsInput settings = ParseIntegerSettingsInput(inputs[1], kSurfaceSettingsIntegers);
    if (settings.values.size() != static_cast<size_t>(kSurfaceSettingsIntegers))
        std::abort();
    int tab = 0;
    PlaceSurfaceSettingsIntegers(settings.values, tab, rows);
    for (SurfaceRow& row : rows) {
        row.dataName = BarSafeText(row.dataName);
        row.text = BarSafeText(row.text);
    }
    const std::string answer = FormatSurfaceSettingsResult(tab, rows);
    if (std::count(answer.begin(), answer.end(), '|') != kSurfaceSettingsIntegers + 30)
        std::abort();
    return 0;
}
