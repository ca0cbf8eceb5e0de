// Fuzz target: the seven strings the program hands the 1/10 subdivided mesh dialog (cut at NUL
// bytes): the selection parsed, the land-use flag string read and clicked as the page does (one
// click per byte of the eighth part), the texts as the dialog returns them, and the answer built.
#include "layers/settings/BarDelimitedSettings.h"
#include "layers/settings/finemesh/FineMeshSettings.h"
#include "layers/settings/finemesh/LandUseClasses.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::string parts[8];
    for (std::string& part : parts) {
        const auto nul = rest.find('\0');
        part = std::string(rest.substr(0, nul));
        rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
    }
    FineMeshSettings settings = ParseFineMeshCall(parts[1], {parts[2], parts[3], parts[4], parts[5]}, parts[6]);
    LandUseFlags flags = ReadLandUseFlags(settings.flags);
    for (unsigned char click : parts[7]) {
        const int cls = static_cast<int>(click % 14) - 1; // -1 and 12 lie outside the classes
        ClickLandUseClass(flags, cls);
        const bool valid = cls >= 0 && cls < kLandUseClassCount;
        if (valid && flags[0] && std::count(flags.begin(), flags.end(), true) != 1)
            std::abort(); // after a click "すべて" holds the other classes clear
    }
    settings.flags = LandUseFlagText(flags);
    if (settings.flags.size() != kLandUseClassCount)
        std::abort();
    for (std::string& text : settings.text)
        text = BarSafeText(text);
    SettleLandUseFlags(settings);
    const std::string answer = FormatFineMeshAnswer(settings);
    if (std::count(answer.begin(), answer.end(), '|') != 1 + 2 * kFineMeshPages + kFineMeshPages)
        std::abort();
    return 0;
}
