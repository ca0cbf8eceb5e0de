#include "layers/settings/prefecture/PrefectureFlagList.h"

#include "platform/text/Numbers.h"

PrefectureFlagInput ParsePrefectureFlagInput(std::string_view text)
{
    PrefectureFlagInput input;
    for (int& flag : input.flags) {
        const auto bar = text.find('|');
        if (bar == std::string_view::npos)
            continue; // a missing field reads 0; the rest is kept for the mode test
        flag = vd::parseInt(text.substr(0, bar));
        text.remove_prefix(bar + 1);
    }
    input.singlePrefecture = text == "1";
    return input;
}

std::string FormatPrefectureFlagList(const PrefectureFlags& flags)
{
    std::string text;
    for (int flag : flags) {
        text += std::to_string(flag);
        text += '|';
    }
    return text;
}
