// Fuzz target: the 13 strings the program hands the industry-statistics mesh dialog (cut at NUL
// bytes), placed into the settings as the entry point places them, every item definition split as
// the pages split it and joined as OK joins it, and the answer built.
#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/industrymesh/IndustryMeshInput.h"
#include "layers/settings/industrymesh/StatItemSpec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    IndustryMeshInputs inputs;
    for (std::string& input : inputs) {
        const auto nul = rest.find('\0');
        input = std::string(rest.substr(0, nul));
        rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
    }
    IndustryMeshStart start = ParseIndustryMeshInputs(inputs);
    if (start.currentTab >= 10000)
        std::abort();
    for (std::string& spec : start.settings.specs)
        spec = JoinStatItemSpec(SplitStatItemSpec(spec));
    const std::string answer = FormatIndustryMeshResult(start.currentTab, start.settings, start.displayMethod);
    // 22 "|" fields, then exactly 28 "#" fields: nothing passed in shifts a field.
    BarDelimitedReader fields(answer);
    for (int i = 0; i < kIndustrySettingsIntegers + 2 * kIndustryRowCount; ++i)
        fields.nextText();
    BarDelimitedReader specs(fields.rest(), '#');
    for (int i = 0; i < kIndustrySpecCount; ++i)
        specs.nextText();
    if (!specs.rest().empty())
        std::abort();
    return 0;
}
