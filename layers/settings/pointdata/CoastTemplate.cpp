// Page 241 (沿岸域), shared by both point dialogs.
#include "layers/settings/ColourLists.h"
#include "layers/settings/pointdata/PointPages.h"
#include "layers/settings/pointdata/PointTemplateParts.h"
#include "layers/settings/pointdata/PointTemplates.h"

using namespace point_templates;

vd::ui::DialogTemplate PointCoastTemplate()
{
    const auto& colours = SolidColourNames();
    return PageTemplate(CDlgPointCoast::IDD, true, {
        Edit(1237, {40, 19, 122, 12}),
        FileButton(1238, {164, 19, 22, 13}),
        OnBox(1235, {5, 21, 8, 8}),
        List(1236, {15, 19, 23, 195}, colours),
        Label("色", {20, 10, 10, 8}),
        Frame("潮汐・海洋施設", {1, 1, 188, 56}),
        Edit(1240, {40, 69, 122, 12}),
        FileButton(1241, {164, 69, 22, 13}),
        OnBox(1239, {5, 71, 8, 8}),
        List(1242, {15, 69, 23, 195}, colours),
        Frame("海岸施設・感潮限界", {1, 59, 188, 48}),
        FirstRadio(1280, "大潮差", {5, 36, 34, 9}),
        Radio(1281, "小潮差", {5, 46, 34, 9}),
        Radio(1282, "潮流 流向(上げ/下げ)", {42, 36, 86, 9}),
        Radio(1283, "潮流 流速(上げ/下げ)", {42, 46, 86, 9}),
        Radio(1284, "マリーナ", {131, 36, 46, 9}),
        Radio(1285, "海象観測施設", {131, 46, 55, 9}),
        Label("データファイル", {62, 10, 64, 8}),
        FirstRadio(1287, "海岸施設", {5, 85, 41, 10}),
        Radio(1288, "施設/規模(出力等)", {5, 95, 76, 10}),
        Radio(1289, "験潮場", {49, 85, 33, 10}),
        Radio(1290, "平均海面", {86, 85, 40, 10}),
        Radio(1291, "感潮限界(河口からの距離)", {86, 95, 100, 10}),
        Radio(1292, "既往最高潮位", {130, 85, 55, 10}),
        Frame("港湾", {1, 109, 188, 37}),
        Frame("漁港", {1, 147, 188, 37}),
        Edit(1243, {41, 118, 122, 12}),
        FileButton(1244, {165, 118, 22, 13}),
        OnBox(1245, {5, 120, 8, 8}),
        List(1246, {16, 118, 23, 195}, colours),
        Edit(1247, {41, 157, 122, 12}),
        FileButton(1248, {165, 157, 22, 13}),
        OnBox(1249, {5, 159, 8, 8}),
        List(1250, {16, 157, 23, 195}, colours),
        FirstRadio(1669, "港湾名/ｺｰﾄﾞ", {5, 133, 52, 10}),
        Radio(1670, "港湾名/管理者", {58, 133, 59, 10}),
        Radio(1671, "種別(1)/種別(2)", {118, 133, 68, 10}),
        FirstRadio(1673, "漁港名/ｺｰﾄﾞ", {5, 172, 51, 10}),
        Radio(1674, "人口/漁船数(1987)", {59, 172, 74, 10}),
        Radio(1675, "水揚(1987)", {136, 172, 50, 9}),
    });
}
