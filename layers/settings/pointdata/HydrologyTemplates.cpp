// Pages 240 (水文) and 260 (水文 of the white map, without label items for 水系域流路延長).
#include "layers/settings/ColourLists.h"
#include "layers/settings/pointdata/PointPages.h"
#include "layers/settings/pointdata/PointTemplateParts.h"
#include "layers/settings/pointdata/PointTemplates.h"

using namespace point_templates;

vd::ui::DialogTemplate PointHydrologyTemplate()
{
    const auto& colours = SolidColourNames();
    return PageTemplate(CDlgPointHydrology::IDD, true, {
        Edit(1220, {44, 19, 118, 12}),
        Label("データファイル", {70, 146, 60, 8}),
        FileButton(1221, {164, 19, 21, 13}),
        OnBox(1222, {7, 21, 8, 8}),
        List(1219, {17, 19, 25, 195}, colours),
        Label("色", {26, 146, 10, 8}),
        FirstRadio(1226, "水系域ｺｰﾄﾞ", {27, 35, 50, 9}),
        Radio(1227, "河川ｺｰﾄﾞ", {27, 50, 47, 9}),
        Radio(1228, "単位流路ｺｰﾄﾞ", {27, 65, 57, 9}),
        Radio(1229, "河口からの延長距離(km)", {88, 35, 97, 9}),
        Radio(1230, "下流からの延長距離(km)", {88, 45, 97, 9}),
        Radio(1231, "最下流点延長距離(km)", {88, 55, 91, 9}),
        Radio(1232, "河床標高値(m)", {88, 65, 66, 9}),
        Frame("水系域流路延長", {2, 1, 186, 75}),
        Frame("ダム", {2, 138, 186, 46}),
        Edit(1223, {44, 155, 118, 12}),
        Label("ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", {70, 10, 72, 8}),
        FileButton(1224, {164, 155, 21, 13}),
        OnBox(1225, {7, 157, 8, 8}),
        List(1233, {17, 155, 25, 195}, colours),
        Label("色", {26, 10, 10, 8}),
        FirstRadio(1263, "ダム名", {29, 172, 35, 9}),
        Radio(1264, "貯水地名", {67, 172, 41, 9}),
        Radio(1265, "堤高", {111, 172, 26, 9}),
        Radio(1266, "総貯水量", {140, 172, 43, 9}),
        Label("項目", {7, 171, 17, 10}),
        Label("項目", {7, 35, 17, 10}),
        Frame("感潮限界", {2, 85, 186, 46}),
        Label("データファイル", {70, 93, 67, 8}),
        Label("色", {26, 93, 10, 8}),
        Edit(1234, {44, 102, 118, 12}),
        FileButton(1235, {164, 102, 21, 13}),
        OnBox(1236, {7, 104, 8, 8}),
        List(1237, {17, 102, 25, 195}, colours),
        Label("項目", {6, 118, 17, 10}),
        FirstRadio(1238, "水系域ｺｰﾄﾞ", {27, 119, 48, 9}),
        Radio(1239, "河川ｺｰﾄﾞ", {77, 119, 41, 9}),
        Radio(1240, "種別/距離(km)", {122, 119, 63, 9}),
    });
}

vd::ui::DialogTemplate WhitePointHydrologyTemplate()
{
    const auto& colours = SolidColourNames();
    return PageTemplate(CDlgWhitePointHydrology::IDD, false, {
        Frame("水系域流路延長", {2, 1, 186, 39}),
        Label("色", {26, 10, 10, 8}),
        Label("ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", {70, 10, 72, 8}),
        OnBox(1222, {7, 21, 8, 8}),
        List(1219, {17, 19, 25, 195}, colours),
        Edit(1220, {44, 19, 118, 12}),
        FileButton(1221, {164, 19, 21, 13}),
        Frame("感潮限界", {2, 66, 186, 46}),
        Label("色", {26, 74, 10, 8}),
        Label("データファイル", {70, 74, 67, 8}),
        OnBox(1236, {7, 85, 8, 8}),
        List(1237, {17, 83, 25, 195}, colours),
        Edit(1234, {44, 83, 118, 12}),
        FileButton(1235, {164, 83, 21, 13}),
        Label("項目", {6, 99, 17, 10}),
        FirstRadio(1238, "水系域ｺｰﾄﾞ", {27, 100, 48, 9}),
        Radio(1239, "河川ｺｰﾄﾞ", {77, 100, 41, 9}),
        Radio(1240, "種別/距離(km)", {122, 100, 63, 9}),
        Frame("ダム", {2, 138, 186, 46}),
        Label("色", {26, 146, 10, 8}),
        Label("データファイル", {70, 146, 60, 8}),
        OnBox(1225, {7, 157, 8, 8}),
        List(1233, {17, 155, 25, 195}, colours),
        Edit(1223, {44, 155, 118, 12}),
        FileButton(1224, {164, 155, 21, 13}),
        Label("項目", {7, 171, 17, 10}),
        FirstRadio(1263, "ダム名", {29, 172, 35, 9}),
        Radio(1264, "貯水地名", {67, 172, 41, 9}),
        Radio(1265, "堤高", {111, 172, 26, 9}),
        Radio(1266, "総貯水量", {140, 172, 43, 9}),
    });
}
