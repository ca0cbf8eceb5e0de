#include "layers/settings/ColourLists.h"

namespace {

constexpr const char* kSolid[] = {"紫", "青", "深緑", "緑", "黄", "橙", "桃", "赤", "茶", "黒", "白"};

// The eleven colours followed by their variants with the suffix, deep green without the "/".
std::vector<std::string> WithVariants(const char* suffix)
{
    std::vector<std::string> names(std::begin(kSolid), std::end(kSolid));
    for (const char* colour : kSolid)
        names.push_back(std::string(colour) + (std::string(colour) == "深緑" ? "" : "/") + suffix);
    return names;
}

} // namespace

const std::vector<std::string>& LineColourNames()
{
    static const std::vector<std::string> names = WithVariants("太");
    return names;
}

const std::vector<std::string>& SurfaceColourNames()
{
    static const std::vector<std::string> names = WithVariants("点");
    return names;
}

const std::vector<std::string>& SolidColourNames()
{
    static const std::vector<std::string> names(std::begin(kSolid), std::end(kSolid));
    return names;
}
