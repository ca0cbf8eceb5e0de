#include "layers/render/meshes/SubdividedClasses.h"

#include "platform/text/StringOps.h"

#include <array>

namespace meshes {

namespace {

constexpr int kLandUseClasses = 11;
constexpr int kForestClass = 3;
constexpr int kSeaClass = 10;
constexpr std::size_t kDesignatedColumn = 168;
constexpr std::size_t kBasinColumn = 20;
constexpr std::size_t kBasinStride = 8;
constexpr std::size_t kDesignatedStride = 5;

// Class 1-11 of a land-use character, 0 for none.
int LandUseClass(char code)
{
    switch (code) {
    case '1': return 1;
    case '2': case '3': case '4': return 2;
    case '5': return 3;
    case '6': return 4;
    case '7': case '8': return 5;
    case '9': return 6;
    case 'A': return 7;
    case 'B': case 'C': case 'D': return 8;
    case 'E': return 9;
    case 'F': return 10;
    case 'G': return 11;
    default: return 0;
    }
}

constexpr std::array<vd::COLORREF, kLandUseClasses + 1> kLandUseColours{
    0,
    vd::RGB(255, 255, 0),   // 田
    vd::RGB(255, 128, 64),  // その他の農用地
    vd::RGB(0, 130, 0),     // 森林
    vd::RGB(128, 0, 0),     // 荒地
    vd::RGB(255, 128, 255), // 建物用地
    vd::RGB(255, 255, 255), // 幹線交通用地
    vd::RGB(128, 0, 255),   // その他の用地
    vd::RGB(0, 255, 255),   // 河川地及び湖沼
    vd::RGB(0, 0, 255),     // 海浜
    vd::RGB(0, 0, 255),     // 海水域
    vd::RGB(0, 255, 0),     // ゴルフ場
};

// Over the relief the classes of several items take colours of their own.
constexpr std::array<vd::COLORREF, kLandUseClasses + 1> kReliefLandUseColours{
    0,
    vd::RGB(255, 255, 0),   vd::RGB(255, 128, 64), vd::RGB(0, 150, 0),   vd::RGB(128, 0, 0),
    vd::RGB(255, 128, 255), vd::RGB(255, 255, 255), vd::RGB(140, 0, 255), vd::RGB(0, 255, 255),
    vd::RGB(0, 0, 255),     vd::RGB(0, 0, 255),     vd::RGB(0, 255, 0),
};

char FlagDigit(std::string_view flags, std::size_t i) { return i < flags.size() ? flags[i] : '0'; }

std::optional<vd::COLORREF> LandUseColour(const SubdividedStyle& s, char code)
{
    const int cls = LandUseClass(code);
    if (cls == 0)
        return std::nullopt;
    if (s.item >= 1 && s.item <= kLandUseClasses)
        return cls == s.item ? std::optional(kLandUseColours[std::size_t(cls)]) : std::nullopt;
    if (cls == kSeaClass)
        return std::nullopt;
    if (s.item == kSelectedLandUse ? FlagDigit(s.flags, std::size_t(cls)) != '1'
                                   : s.item != 0 || (cls == kForestClass && !s.forest))
        return std::nullopt;
    return (s.reliefColours ? kReliefLandUseColours : kLandUseColours)[std::size_t(cls)];
}

std::optional<vd::COLORREF> DesignatedColour(int kind, char code)
{
    constexpr vd::COLORREF violet = vd::RGB(128, 0, 255), yellow = vd::RGB(255, 255, 0),
                           orange = vd::RGB(255, 128, 64), pink = vd::RGB(255, 128, 255), blue = vd::RGB(0, 0, 255);
    if (code < '1' || code > '9')
        return std::nullopt;
    if (kind == 3)
        return yellow;
    if (kind == 4)
        return vd::RGB(0, 130, 0);
    const std::array<std::array<vd::COLORREF, 6>, 3> table{{
        {violet, yellow, orange, pink, 0, 0},
        {violet, yellow, orange, blue, 0, 0},
        {violet, yellow, orange, blue, vd::RGB(0, 255, 0), pink},
    }};
    const std::size_t v = std::size_t(code - '1');
    if (kind < 0 || kind > 2 || v >= 6 || table[std::size_t(kind)][v] == 0)
        return std::nullopt;
    return table[std::size_t(kind)][v];
}

std::optional<vd::COLORREF> BasinColour(int item, char code)
{
    constexpr vd::COLORREF catchment = vd::RGB(0, 255, 0), other = vd::RGB(0, 255, 255);
    switch (item) {
    case 0:
        if (code == ' ')
            return std::nullopt;
        return code >= '1' && code <= '9' ? catchment : other;
    case 1: return code == '0' ? std::optional(other) : std::nullopt;
    case 2: return code == '1' ? std::optional(catchment) : std::nullopt;
    default: return std::nullopt;
    }
}

} // namespace

int LandUseItem(std::string_view flags, int item)
{
    int count = 0;
    int last = 0;
    for (int i = 1; i <= kLandUseClasses; ++i)
        if (FlagDigit(flags, std::size_t(i)) == '1') {
            ++count;
            last = i;
        }
    return count > 1 ? kSelectedLandUse : count == 1 ? last : item;
}

std::size_t LandUseColumn(std::string_view dataSetText)
{
    const std::string lower = vd::toLowerAscii(dataSetText);
    const std::size_t at = lower.find("l03");
    if (at != std::string::npos && at + 6 <= lower.size()) {
        const std::string_view year = std::string_view(lower).substr(at + 4, 2);
        if (year == "62")
            return 116;
        if (year == "51")
            return 137;
    }
    return 109;
}

std::optional<vd::COLORREF> SubdividedColour(const SubdividedStyle& style, char code)
{
    switch (style.group) {
    case kLandUseGroup: return LandUseColour(style, code);
    case kDesignatedGroup: return DesignatedColour(style.item, code);
    case kBasinGroup: return BasinColour(style.item, code);
    default: return std::nullopt;
    }
}

SubdividedColours::SubdividedColours(const SubdividedStyle& style)
{
    for (std::size_t c = 0; c < table_.size(); ++c)
        table_[c] = SubdividedColour(style, static_cast<char>(static_cast<unsigned char>(c)));
}

std::size_t SubdividedColumn(int group, int item, std::size_t landUseColumn, int j)
{
    if (group == kDesignatedGroup)
        return kDesignatedColumn + kDesignatedStride * std::size_t(j) + std::size_t(item);
    if (group == kBasinGroup)
        return kBasinColumn + kBasinStride * std::size_t(j);
    return landUseColumn + std::size_t(j);
}

} // namespace meshes
