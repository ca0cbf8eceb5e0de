// The land-price pages: 160 (土地A: data folders, 表示項目, year list), 149 (土地B: data files,
// 表示項目) and their white-map forms 255 and 256, which have the rows only.
#include "layers/settings/ColourLists.h"
#include "layers/settings/pointdata/LandPriceAPages.h"
#include "layers/settings/pointdata/LandPriceYears.h"
#include "layers/settings/pointdata/PointPages.h"
#include "layers/settings/pointdata/PointTemplateParts.h"
#include "layers/settings/pointdata/PointTemplates.h"

#include <span>

using namespace point_templates;

namespace {

// The 表示項目 group: ten radio buttons from firstId in its group box at the height top.
std::vector<ControlTemplate> LabelItems(int firstId, int top)
{
    const int y = top + 12;
    return {
        Frame(" 表示項目 ", {1, top, 188, 65}),
        FirstRadio(firstId, "価格(万円)", {5, y, 48, 10}),
        Radio(firstId + 1, "前年変動率", {62, y, 52, 10}),
        Radio(firstId + 2, "地名/価格(万円)", {116, y, 69, 10}),
        Radio(firstId + 3, "価格(万円)/前年変動率", {5, y + 13, 89, 10}),
        Radio(firstId + 4, "価格(万円)/利用状況", {99, y + 13, 87, 10}),
        Radio(firstId + 5, "価格(万円)/用途地域", {5, y + 26, 84, 10}),
        Radio(firstId + 6, "価格/駅からの距離(m)", {96, y + 26, 87, 10}),
        Radio(firstId + 7, "用途/建ぺい率", {5, y + 39, 60, 10}),
        Radio(firstId + 8, "用途/容積率", {72, y + 39, 53, 10}),
        Radio(firstId + 9, "駅からの距離", {129, y + 39, 56, 10}),
    };
}

// A land-price row: on box, name, colour, file or folder and its button at the height y.
struct LandRow {
    int on, name, colour, text, button, onX;
};

std::vector<ControlTemplate> Rows(std::span<const LandRow> rows, const int (&ys)[5], int buttonX)
{
    std::vector<ControlTemplate> controls;
    for (size_t i = 0; i < rows.size(); ++i) {
        const LandRow& r = rows[i];
        const int y = ys[i];
        controls.push_back(Edit(r.text, {93, y, 72, 12}));
        controls.push_back(FileButton(r.button, {buttonX, y, 21, 13}));
        controls.push_back(Edit(r.name, {13, y, 53, 12}));
        controls.push_back(OnBox(r.on, {r.onX, y + 2, 8, 8}));
        controls.push_back(List(r.colour, {68, y, 23, 195}, SolidColourNames()));
    }
    return controls;
}

constexpr int kRowHeights[5] = {15, 33, 51, 69, 87};

// Constant-initialised: the templates are built by other files' static registrations, which
// may run before this file's dynamic initialisers.
constexpr LandRow kRowsA[] = {
    {1696, 1697, 1698, 1699, 1700, 4},
    {1701, 1702, 1703, 1704, 1705, 4},
    {1706, 1707, 1708, 1709, 1710, 3},
    {1711, 1712, 1713, 1714, 1715, 3},
};
constexpr LandRow kRowsB[] = {
    {1568, 1569, 1570, 1571, 1572, 4},
    {1576, 1575, 1577, 1573, 1574, 4},
    {1581, 1580, 1582, 1578, 1579, 3},
    {1586, 1585, 1587, 1583, 1584, 3},
    {1601, 1600, 1602, 1598, 1599, 3},
};

std::vector<ControlTemplate> Headings(const char* fileHeading, int fileX, int fileWidth)
{
    return {
        Label(fileHeading, {fileX, 5, fileWidth, 8}),
        Label("データ名称", {19, 5, 44, 8}),
        Label("色", {73, 5, 9, 8}),
    };
}

ControlTemplate OldDataNote()
{
    return Label("(平成14年11月以前にダウンロードしたデータ専用)", {6, 176, 166, 8});
}

template <class... Lists>
std::vector<ControlTemplate> Join(Lists... lists)
{
    std::vector<ControlTemplate> all;
    (all.insert(all.end(), lists.begin(), lists.end()), ...);
    return all;
}

} // namespace

vd::ui::DialogTemplate PointLandPriceATemplate()
{
    return PageTemplate(CDlgPointLandPriceA::IDD, false, Join(
        LabelItems(1686, 117),
        Rows(kRowsA, kRowHeights, 167),
        Headings("ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", 102, 71),
        std::vector<ControlTemplate>{
            List(1716, {83, 94, 48, 106}, LandPriceYearNames()),
            Frame("", {1, 85, 188, 25}),
            Label("表示する地価の年次", {6, 96, 72, 8}),
        }));
}

vd::ui::DialogTemplate WhitePointLandPriceATemplate()
{
    return PageTemplate(CDlgWhitePointLandPriceA::IDD, false, Join(
        Rows(kRowsA, kRowHeights, 167),
        Headings("ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", 102, 71)));
}

vd::ui::DialogTemplate PointLandPriceBTemplate()
{
    return PageTemplate(CDlgPointLandPriceB::IDD, false, Join(
        Rows(kRowsB, kRowHeights, 167),
        Headings("データファイル", 102, 64),
        LabelItems(1588, 106),
        std::vector<ControlTemplate>{OldDataNote()}));
}

vd::ui::DialogTemplate WhitePointLandPriceBTemplate()
{
    return PageTemplate(CDlgWhitePointLandPriceB::IDD, false, Join(
        Rows(kRowsB, kRowHeights, 167),
        Headings("データファイル", 102, 64),
        std::vector<ControlTemplate>{OldDataNote()}));
}
