// Fuzz target: a statistics item definition as the pages split it (a stored one, or the
// item-name dialog's answer), its name registered as 登録 makes it safe, joined as OK joins it and
// split again: the parts come back unchanged.
#include "layers/settings/industrymesh/StatItemSpec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    StatItemSpec spec = SplitStatItemSpec(text);
    spec.name = StatItemNameText(spec.name);
    const std::string joined = JoinStatItemSpec(spec);
    if (joined.find('#') != std::string::npos)
        std::abort();
    if (SplitStatItemSpec(joined) != spec)
        std::abort();
    return 0;
}
