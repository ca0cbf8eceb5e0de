#include "layers/settings/finemesh/LandUseClasses.h"

const std::array<const char*, kLandUseClassCount>& LandUseClassNames()
{
    static const std::array<const char*, kLandUseClassCount> names = {
        "すべて",       "田",           "その他の農用地", "森林", "荒地",   "建物用地",
        "幹線交通用地", "その他の用地", "河川地及び湖沼", "海浜", "海水域", "ゴルフ場",
    };
    return names;
}

LandUseFlags ReadLandUseFlags(std::string_view text)
{
    LandUseFlags flags{};
    for (int i = 0; i < kLandUseClassCount; ++i)
        flags[i] = i < static_cast<int>(text.size()) && text[i] == '1';
    return flags;
}

std::string LandUseFlagText(const LandUseFlags& flags)
{
    std::string text;
    for (bool set : flags)
        text += set ? '1' : '0';
    return text;
}

void ClickLandUseClass(LandUseFlags& flags, int cls)
{
    if (cls < 0 || cls >= kLandUseClassCount)
        return;
    if (cls > 0)
        flags[0] = false;
    flags[cls] = !flags[cls];
    if (flags[0])
        for (int i = 1; i < kLandUseClassCount; ++i)
            flags[i] = false;
}
