#include "meshcode/OptionList.h"

#include "meshcode/WideAreaBlock.h"
#include "platform/text/Numbers.h"

namespace meshcode {

std::array<int, kPrefectureFlagCount> ParseOptionList(std::string_view text)
{
    std::array<int, kPrefectureFlagCount> flags{};
    for (int& flag : flags) {
        // Without a "|" the field is empty and the text stays whole, so every later flag reads 0.
        const std::size_t bar = text.find('|');
        if (bar == std::string_view::npos)
            break;
        flag = vd::parseInt(text.substr(0, bar));
        text.remove_prefix(bar + 1);
    }
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
