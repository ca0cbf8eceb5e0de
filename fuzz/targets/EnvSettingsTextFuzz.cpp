// Fuzz target: the texts typed into the environment settings as the pages read them: the picture
// background brightness (atoi, then the up and down buttons) and the area size in km (atoi).
#include "app/settings/EnvSettingsValues.h"
#include "platform/text/Cp932.h"
#include "platform/text/Numbers.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // What an edit box holds: the bytes as text.
    const std::string text = vd::cp932ToUtf8(std::string(reinterpret_cast<const char*>(data), size));
    const int value = vd::parseInt(text);
    const auto up = SteppedBrightness(text, 1);
    const auto down = SteppedBrightness(text, -1);
    // The buttons move by one and only inside their bounds.
    if ((up && (*up != value + 1 || value > 9)) || (down && (*down != value - 1 || value <= 1)))
        std::abort();
    if (const auto item = OutputElevationOfItem(OutputElevationItem(value)); !item)
        std::abort();
    return 0;
}
