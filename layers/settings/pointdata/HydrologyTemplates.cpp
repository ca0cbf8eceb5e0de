// Pages 240 (水文) and 260 (水文 of the white map, without label items for 水系域流路延長).
#include "layers/settings/ColourLists.h"
#include "layers/settings/pointdata/PointPageSpecs.h"
#include "layers/settings/pointdata/PointPages.h"
#include "layers/settings/pointdata/PointTemplateParts.h"
#include "layers/settings/pointdata/PointTemplates.h"

using namespace point_templates;

vd::ui::DialogTemplate PointHydrologyTemplate()
{
    const PointPageSpec& s = HydrologySpec(false);
    const auto& colours = SolidColourNames();
    return PageTemplate(CDlgPointHydrology::IDD, true, {
        Edit(s.rows[0].textEdit, {44, 19, 118, 12}),
        Label("データファイル", {70, 146, 60, 8}),
        FileButton(s.rows[0].fileButton, {164, 19, 21, 13}),
        OnBox(s.rows[0].onBox, {7, 21, 8, 8}),
        List(s.rows[0].colourList, {17, 19, 25, 195}, colours),
        Label("色", {26, 146, 10, 8}),
        FirstRadio(s.rows[0].items[0], "水系域ｺｰﾄﾞ", {27, 35, 50, 9}),
        Radio(s.rows[0].items[1], "河川ｺｰﾄﾞ", {27, 50, 47, 9}),
        Radio(s.rows[0].items[2], "単位流路ｺｰﾄﾞ", {27, 65, 57, 9}),
        Radio(s.rows[0].items[3], "河口からの延長距離(km)", {88, 35, 97, 9}),
        Radio(s.rows[0].items[4], "下流からの延長距離(km)", {88, 45, 97, 9}),
        Radio(s.rows[0].items[5], "最下流点延長距離(km)", {88, 55, 91, 9}),
        Radio(s.rows[0].items[6], "河床標高値(m)", {88, 65, 66, 9}),
        Frame("水系域流路延長", {2, 1, 186, 75}),
        Frame("ダム", {2, 138, 186, 46}),
        Edit(s.rows[2].textEdit, {44, 155, 118, 12}),
        Label("ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", {70, 10, 72, 8}),
        FileButton(s.rows[2].fileButton, {164, 155, 21, 13}),
        OnBox(s.rows[2].onBox, {7, 157, 8, 8}),
        List(s.rows[2].colourList, {17, 155, 25, 195}, colours),
        Label("色", {26, 10, 10, 8}),
        FirstRadio(s.rows[2].items[0], "ダム名", {29, 172, 35, 9}),
        Radio(s.rows[2].items[1], "貯水地名", {67, 172, 41, 9}),
        Radio(s.rows[2].items[2], "堤高", {111, 172, 26, 9}),
        Radio(s.rows[2].items[3], "総貯水量", {140, 172, 43, 9}),
        Label("項目", {7, 171, 17, 10}),
        Label("項目", {7, 35, 17, 10}),
        Frame("感潮限界", {2, 85, 186, 46}),
        Label("データファイル", {70, 93, 67, 8}),
        Label("色", {26, 93, 10, 8}),
        Edit(s.rows[1].textEdit, {44, 102, 118, 12}),
        FileButton(s.rows[1].fileButton, {164, 102, 21, 13}),
        OnBox(s.rows[1].onBox, {7, 104, 8, 8}),
        List(s.rows[1].colourList, {17, 102, 25, 195}, colours),
        Label("項目", {6, 118, 17, 10}),
        FirstRadio(s.rows[1].items[0], "水系域ｺｰﾄﾞ", {27, 119, 48, 9}),
        Radio(s.rows[1].items[1], "河川ｺｰﾄﾞ", {77, 119, 41, 9}),
        Radio(s.rows[1].items[2], "種別/距離(km)", {122, 119, 63, 9}),
    });
}

vd::ui::DialogTemplate WhitePointHydrologyTemplate()
{
    const PointPageSpec& s = HydrologySpec(true);
    const auto& colours = SolidColourNames();
    return PageTemplate(CDlgWhitePointHydrology::IDD, false, {
        Frame("水系域流路延長", {2, 1, 186, 39}),
        Label("色", {26, 10, 10, 8}),
        Label("ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", {70, 10, 72, 8}),
        OnBox(s.rows[0].onBox, {7, 21, 8, 8}),
        List(s.rows[0].colourList, {17, 19, 25, 195}, colours),
        Edit(s.rows[0].textEdit, {44, 19, 118, 12}),
        FileButton(s.rows[0].fileButton, {164, 19, 21, 13}),
        Frame("感潮限界", {2, 66, 186, 46}),
        Label("色", {26, 74, 10, 8}),
        Label("データファイル", {70, 74, 67, 8}),
        OnBox(s.rows[1].onBox, {7, 85, 8, 8}),
        List(s.rows[1].colourList, {17, 83, 25, 195}, colours),
        Edit(s.rows[1].textEdit, {44, 83, 118, 12}),
        FileButton(s.rows[1].fileButton, {164, 83, 21, 13}),
        Label("項目", {6, 99, 17, 10}),
        FirstRadio(s.rows[1].items[0], "水系域ｺｰﾄﾞ", {27, 100, 48, 9}),
        Radio(s.rows[1].items[1], "河川ｺｰﾄﾞ", {77, 100, 41, 9}),
        Radio(s.rows[1].items[2], "種別/距離(km)", {122, 100, 63, 9}),
        Frame("ダム", {2, 138, 186, 46}),
        Label("色", {26, 146, 10, 8}),
        Label("データファイル", {70, 146, 60, 8}),
        OnBox(s.rows[2].onBox, {7, 157, 8, 8}),
        List(s.rows[2].colourList, {17, 155, 25, 195}, colours),
        Edit(s.rows[2].textEdit, {44, 155, 118, 12}),
        FileButton(s.rows[2].fileButton, {164, 155, 21, 13}),
        Label("項目", {7, 171, 17, 10}),
        FirstRadio(s.rows[2].items[0], "ダム名", {29, 172, 35, 9}),
        Radio(s.rows[2].items[1], "貯水地名", {67, 172, 41, 9}),
        Radio(s.rows[2].items[2], "堤高", {111, 172, 26, 9}),
        Radio(s.rows[2].items[3], "総貯水量", {140, 172, 43, 9}),
    });
}
