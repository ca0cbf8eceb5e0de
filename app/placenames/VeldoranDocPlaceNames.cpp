// The kind of a place name judged from the characters it holds, and the filter that hides the
// names of the classes the user switched off. Texts are searched as whole characters, so a
// character is never found across the bytes of two others.
#include "app/document/VeldoranDoc.h"

#include <initializer_list>
#include <string_view>

namespace {

constexpr std::string_view kFullWidthBlank = "　";

bool HoldsAny(std::string_view name, std::initializer_list<std::string_view> parts)
{
    for (std::string_view part : parts)
        if (name.find(part) != std::string_view::npos)
            return true;
    return false;
}

bool StartsWithFullWidthBlank(std::string_view name)
{
    return name.substr(0, kFullWidthBlank.size()) == kFullWidthBlank;
}

// Indexes of m_anPlaceNameKind.
enum PlaceNameClass { kSeas = 1, kLakes, kIslands, kMountains, kValleys, kRivers, kTowns, kBays, kCapes };

constexpr int kHidden = -1;

} // namespace

int CVeldoranDoc::PlaceNameKind(const std::string& name)
{
    if (HoldsAny(name, {"駅"}))
        return 3;
    const bool town = HoldsAny(name, {"市", "町"});
    if (town && HoldsAny(name, {"山", "湖"}))
        return 2;
    if (HoldsAny(name, {"湖", "山", "峰", "岳"}) || StartsWithFullWidthBlank(name) ||
        HoldsAny(name, {"嶺", "峠", "乗越", "嶽", "プリ"}))
        return 1;
    return 2;
}

int CVeldoranDoc::FilterPlaceName(const std::string& name) const
{
    const auto on = [&](PlaceNameClass kind) { return spec.m_anPlaceNameKind[kind] == 1; };
    if (spec.m_anPlaceNameKind[kTowns] == 0) {
        if (HoldsAny(name, {"市", "町", "村", "駅", "ＨＷ"}))
            return kHidden;
    } else {
        if (HoldsAny(name, {"市", "町", "村"}))
            return 2;
        if (HoldsAny(name, {"駅", "ＨＷ"}))
            return 3;
    }
    if (on(kSeas)) {
        if (HoldsAny(name, {"山"}))
            return kHidden;
        if (HoldsAny(name, {"海", "洋"}))
            return 2;
    }
    if (on(kLakes)) {
        if (HoldsAny(name, {"山"}))
            return kHidden;
        if (HoldsAny(name, {"湖", "池"}))
            return 2;
    }
    if (on(kIslands)) {
        if (HoldsAny(name, {"山"}))
            return kHidden;
        if (HoldsAny(name, {"島"}))
            return 2;
    }
    if (on(kMountains) && (HoldsAny(name, {"山", "峰", "岳", "嶺", "峠", "乗越", "嶽", "プリ", "尾根"}) ||
                           StartsWithFullWidthBlank(name)))
        return 1;
    if (on(kValleys)) {
        if (HoldsAny(name, {"川", "河", "山", "岳"}))
            return kHidden;
        if (HoldsAny(name, {"谷", "沢"}))
            return 2;
    }
    if (on(kRivers)) {
        if (HoldsAny(name, {"山"}))
            return kHidden;
        if (HoldsAny(name, {"川", "河"}))
            return 2;
    }
    if (on(kBays) && HoldsAny(name, {"湾", "潟"}))
        return 2;
    if (on(kCapes) && HoldsAny(name, {"岬"}))
        return 2;
    return kHidden;
}
