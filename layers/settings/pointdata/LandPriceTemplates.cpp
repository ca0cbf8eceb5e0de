// The land-price pages: 160 (土地A: data folders, 表示項目, year list), 149 (土地B: data files,
// 表示項目) and their white-map forms 255 and 256, which have the rows only.
#include "layers/settings/ColourLists.h"
#include "layers/settings/pointdata/LandPriceAPages.h"
#include "layers/settings/pointdata/LandPriceYears.h"
#include "layers/settings/pointdata/PointPageSpecs.h"
#include "layers/settings/pointdata/PointPages.h"
#include "layers/settings/pointdata/PointTemplateParts.h"
#include "layers/settings/pointdata/PointTemplates.h"

using namespace point_templates;

namespace {

// The 表示項目 group: the page's ten item radio buttons in its group box at the height top.
std::vector<ControlTemplate> LabelItems(const std::vector<int>& ids, int top)
{
    const int y = top + 12;
    return {
        Frame(" 表示項目 ", {1, top, 188, 65}),
        FirstRadio(ids.at(0), "価格(万円)", {5, y, 48, 10}),
        Radio(ids.at(1), "前年変動率", {62, y, 52, 10}),
        Radio(ids.at(2), "地名/価格(万円)", {116, y, 69, 10}),
        Radio(ids.at(3), "価格(万円)/前年変動率", {5, y + 13, 89, 10}),
        Radio(ids.at(4), "価格(万円)/利用状況", {99, y + 13, 87, 10}),
        Radio(ids.at(5), "価格(万円)/用途地域", {5, y + 26, 84, 10}),
        Radio(ids.at(6), "価格/駅からの距離(m)", {96, y + 26, 87, 10}),
        Radio(ids.at(7), "用途/建ぺい率", {5, y + 39, 60, 10}),
        Radio(ids.at(8), "用途/容積率", {72, y + 39, 53, 10}),
        Radio(ids.at(9), "駅からの距離", {129, y + 39, 56, 10}),
    };
}

constexpr int kRowHeights[5] = {15, 33, 51, 69, 87};
constexpr int kOnBoxX[5] = {4, 4, 3, 3, 3};

// Each row's on box, name, colour, file or folder and its button, one row a line.
std::vector<ControlTemplate> Rows(const std::vector<PointRowSpec>& rows, int buttonX)
{
    std::vector<ControlTemplate> controls;
    for (size_t i = 0; i < rows.size(); ++i) {
        const PointRowSpec& r = rows[i];
        const int y = kRowHeights[i];
        controls.push_back(Edit(r.textEdit, {93, y, 72, 12}));
        controls.push_back(FileButton(r.fileButton, {buttonX, y, 21, 13}));
        controls.push_back(Edit(r.nameEdit, {13, y, 53, 12}));
        controls.push_back(OnBox(r.onBox, {kOnBoxX[i], y + 2, 8, 8}));
        controls.push_back(List(r.colourList, {68, y, 23, 195}, SolidColourNames()));
    }
    return controls;
}

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
        LabelItems(LandPriceASpec(false).pageItems, 117),
        Rows(LandPriceASpec(false).rows, 167),
        Headings("ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", 102, 71),
        std::vector<ControlTemplate>{
            List(kLandPriceYearList, {83, 94, 48, 106}, LandPriceYearNames()),
            Frame("", {1, 85, 188, 25}),
            Label("表示する地価の年次", {6, 96, 72, 8}),
        }));
}

vd::ui::DialogTemplate WhitePointLandPriceATemplate()
{
    return PageTemplate(CDlgWhitePointLandPriceA::IDD, false, Join(
        Rows(LandPriceASpec(true).rows, 167),
        Headings("ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", 102, 71)));
}

vd::ui::DialogTemplate PointLandPriceBTemplate()
{
    return PageTemplate(CDlgPointLandPriceB::IDD, false, Join(
        Rows(LandPriceBSpec(false).rows, 167),
        Headings("データファイル", 102, 64),
        LabelItems(LandPriceBSpec(false).pageItems, 106),
        std::vector<ControlTemplate>{OldDataNote()}));
}

vd::ui::DialogTemplate WhitePointLandPriceBTemplate()
{
    return PageTemplate(CDlgWhitePointLandPriceB::IDD, false, Join(
        Rows(LandPriceBSpec(true).rows, 167),
        Headings("データファイル", 102, 64),
        std::vector<ControlTemplate>{OldDataNote()}));
}
