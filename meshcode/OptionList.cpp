#include "meshcode/OptionList.h"

#include "meshcode/WideAreaBlock.h"
#include "platform/text/Numbers.h"

#include <algorithm>

namespace meshcode {

void ParseBarFlags(std::string_view text, std::span<int> flags)
{
    std::fill(flags.begin(), flags.end(), 0);
    for (int& flag : flags) {
        const std::size_t bar = text.find('|');
        if (bar == std::string_view::npos)
            break;
        flag = vd::parseInt(text.substr(0, bar));
        text.remove_prefix(bar + 1);
    }
}

std::array<int, kPrefectureFlagCount> ParseOptionList(std::string_view text)
{
    std::array<int, kPrefectureFlagCount> flags{};
    ParseBarFlags(text, flags);
    return flags;
}

int ParseAttributeNames(int packed, std::string_view list, std::array<std::string, 4>& codes)
{
    if (packed / 10 != 1 || packed % 10 != 0)
        return 0;
    codes = WideAreaQuadCodes(list);
    return 1;
}

} // namespace meshcode
