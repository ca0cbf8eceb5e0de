// Page 241 (沿岸域), shared by both point dialogs.
#include "layers/settings/ColourLists.h"
#include "layers/settings/pointdata/PointPageSpecs.h"
#include "layers/settings/pointdata/PointPages.h"
#include "layers/settings/pointdata/PointTemplateParts.h"
#include "layers/settings/pointdata/PointTemplates.h"

using namespace point_templates;

vd::ui::DialogTemplate PointCoastTemplate()
{
    const PointPageSpec& s = CoastSpec();
    const auto& colours = SolidColourNames();
    return PageTemplate(CDlgPointCoast::IDD, true, {
        Edit(s.rows[0].textEdit, {40, 19, 122, 12}),
        FileButton(s.rows[0].fileButton, {164, 19, 22, 13}),
        OnBox(s.rows[0].onBox, {5, 21, 8, 8}),
        List(s.rows[0].colourList, {15, 19, 23, 195}, colours),
        Label("色", {20, 10, 10, 8}),
        Frame("潮汐・海洋施設", {1, 1, 188, 56}),
        Edit(s.rows[1].textEdit, {40, 69, 122, 12}),
        FileButton(s.rows[1].fileButton, {164, 69, 22, 13}),
        OnBox(s.rows[1].onBox, {5, 71, 8, 8}),
        List(s.rows[1].colourList, {15, 69, 23, 195}, colours),
        Frame("海岸施設・感潮限界", {1, 59, 188, 48}),
        FirstRadio(s.rows[0].items[0], "大潮差", {5, 36, 34, 9}),
        Radio(s.rows[0].items[1], "小潮差", {5, 46, 34, 9}),
        Radio(s.rows[0].items[2], "潮流 流向(上げ/下げ)", {42, 36, 86, 9}),
        Radio(s.rows[0].items[3], "潮流 流速(上げ/下げ)", {42, 46, 86, 9}),
        Radio(s.rows[0].items[4], "マリーナ", {131, 36, 46, 9}),
        Radio(s.rows[0].items[5], "海象観測施設", {131, 46, 55, 9}),
        Label("データファイル", {62, 10, 64, 8}),
        FirstRadio(s.rows[1].items[0], "海岸施設", {5, 85, 41, 10}),
        Radio(s.rows[1].items[1], "施設/規模(出力等)", {5, 95, 76, 10}),
        Radio(s.rows[1].items[2], "験潮場", {49, 85, 33, 10}),
        Radio(s.rows[1].items[3], "平均海面", {86, 85, 40, 10}),
        Radio(s.rows[1].items[4], "感潮限界(河口からの距離)", {86, 95, 100, 10}),
        Radio(s.rows[1].items[5], "既往最高潮位", {130, 85, 55, 10}),
        Frame("港湾", {1, 109, 188, 37}),
        Frame("漁港", {1, 147, 188, 37}),
        Edit(s.rows[2].textEdit, {41, 118, 122, 12}),
        FileButton(s.rows[2].fileButton, {165, 118, 22, 13}),
        OnBox(s.rows[2].onBox, {5, 120, 8, 8}),
        List(s.rows[2].colourList, {16, 118, 23, 195}, colours),
        Edit(s.rows[3].textEdit, {41, 157, 122, 12}),
        FileButton(s.rows[3].fileButton, {165, 157, 22, 13}),
        OnBox(s.rows[3].onBox, {5, 159, 8, 8}),
        List(s.rows[3].colourList, {16, 157, 23, 195}, colours),
        FirstRadio(s.rows[2].items[0], "港湾名/ｺｰﾄﾞ", {5, 133, 52, 10}),
        Radio(s.rows[2].items[1], "港湾名/管理者", {58, 133, 59, 10}),
        Radio(s.rows[2].items[2], "種別(1)/種別(2)", {118, 133, 68, 10}),
        FirstRadio(s.rows[3].items[0], "漁港名/ｺｰﾄﾞ", {5, 172, 51, 10}),
        Radio(s.rows[3].items[1], "人口/漁船数(1987)", {59, 172, 74, 10}),
        Radio(s.rows[3].items[2], "水揚(1987)", {136, 172, 50, 9}),
    });
}
