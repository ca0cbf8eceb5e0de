#include "layers/settings/pointdata/LandPriceYears.h"

#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/StringOps.h"

#include <algorithm>

const std::vector<std::string>& LandPriceYearNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (int year = 58; year <= 63; ++year)
            list.push_back(vd::format("昭和%d年", year));
        for (int year = 1; year <= 20; ++year)
            list.push_back(vd::format("平成%2d年", year));
        return list;
    }();
    return names;
}

int LatestLandPriceYearIndex(std::string_view folderText, bool alsoL02)
{
    if (folderText.empty())
        return -1;
    const std::string text = vd::toLowerAscii(folderText);
    auto marker = text.find("l01");
    if (marker == std::string::npos && alsoL02)
        marker = text.find("l02");
    if (marker == std::string::npos)
        return -1;
    const auto dash = text.find('-', marker);
    if (dash == std::string::npos)
        return -1;
    const int v = vd::parseInt(text.substr(dash + 1, 2));
    // Data sets after 平成20 (and nonsense digits) are held to the list's ends.
    return std::clamp(v < 58 ? v + 5 : v - 58, 0, kLandPriceYearCount - 1);
}
