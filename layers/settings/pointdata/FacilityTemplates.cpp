// Pages 236 (施設) and 261 (施設 of the white map, without label items for 公共施設 and 文化財).
#include "layers/settings/ColourLists.h"
#include "layers/settings/pointdata/FacilityClasses.h"
#include "layers/settings/pointdata/PointPageSpecs.h"
#include "layers/settings/pointdata/PointPages.h"
#include "layers/settings/pointdata/PointTemplateParts.h"
#include "layers/settings/pointdata/PointTemplates.h"

using namespace point_templates;

vd::ui::DialogTemplate PointFacilityTemplate()
{
    const PointPageSpec& s = FacilitySpec(false);
    const auto& colours = SolidColourNames();
    return PageTemplate(CDlgPointFacility::IDD, true, {
        Edit(s.rows[0].textEdit, {17, 18, 145, 12}),
        Label("ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", {64, 8, 72, 8}),
        FileButton(s.rows[0].fileButton, {164, 18, 21, 13}),
        OnBox(s.rows[0].onBox, {7, 20, 9, 8}),
        List(s.rows[0].colourList, {158, 34, 25, 195}, colours),
        List(s.classList, {34, 34, 103, 111}, FacilityClassNames()),
        Label("大分類", {6, 36, 25, 10}),
        Label("項目", {6, 49, 17, 10}),
        Label("色", {146, 35, 9, 10}),
        Frame("公共施設", {2, 1, 186, 61}),
        FirstRadio(s.rows[0].items[0], "名称", {46, 49, 43, 10}),
        Radio(s.rows[0].items[1], "種別", {99, 49, 57, 10}),
        Frame("文化財", {2, 63, 186, 45}),
        Edit(s.rows[1].textEdit, {43, 80, 119, 12}),
        FileButton(s.rows[1].fileButton, {164, 80, 21, 13}),
        OnBox(s.rows[1].onBox, {7, 82, 9, 8}),
        List(s.rows[1].colourList, {17, 80, 23, 195}, colours),
        Label("色", {22, 71, 9, 8}),
        Label("データファイル", {68, 71, 61, 8}),
        FirstRadio(s.rows[1].items[0], "文化財番号", {46, 96, 49, 10}),
        Radio(s.rows[1].items[1], "文化財区分", {99, 96, 51, 10}),
        Label("項目", {6, 95, 17, 10}),
        Frame("発電所", {2, 109, 186, 38}),
        Edit(s.rows[2].textEdit, {43, 118, 119, 12}),
        FileButton(s.rows[2].fileButton, {164, 118, 21, 13}),
        OnBox(s.rows[2].onBox, {6, 120, 9, 8}),
        List(s.rows[2].colourList, {17, 118, 23, 195}, colours),
        Label("項目", {6, 134, 17, 10}),
        FirstRadio(s.rows[2].items[0], "名称", {26, 134, 26, 10}),
        Radio(s.rows[2].items[1], "名称/位置", {53, 134, 44, 10}),
        Radio(s.rows[2].items[2], "名称/出力", {98, 134, 44, 10}),
        Radio(s.rows[2].items[3], "種別/出力", {142, 134, 44, 10}),
        Frame("空港台帳", {2, 147, 186, 38}),
        Edit(s.rows[3].textEdit, {43, 157, 119, 12}),
        FileButton(s.rows[3].fileButton, {164, 157, 21, 13}),
        OnBox(s.rows[3].onBox, {6, 158, 9, 8}),
        List(s.rows[3].colourList, {17, 156, 23, 195}, colours),
        Label("項目", {6, 172, 17, 10}),
        FirstRadio(s.rows[3].items[0], "空港名", {26, 172, 33, 10}),
        Radio(s.rows[3].items[1], "着陸数(日,1988)", {61, 172, 68, 10}),
        Radio(s.rows[3].items[2], "乗降客(同)", {134, 172, 51, 10}),
    });
}

vd::ui::DialogTemplate WhitePointFacilityTemplate()
{
    const PointPageSpec& s = FacilitySpec(true);
    const auto& colours = SolidColourNames();
    return PageTemplate(CDlgWhitePointFacility::IDD, false, {
        Frame("公共施設", {2, 1, 186, 50}),
        OnBox(s.rows[0].onBox, {7, 20, 9, 8}),
        Edit(s.rows[0].textEdit, {17, 18, 145, 12}),
        Label("ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", {64, 8, 72, 8}),
        FileButton(s.rows[0].fileButton, {164, 18, 21, 13}),
        Label("大分類", {6, 36, 25, 10}),
        List(s.classList, {34, 34, 103, 111}, FacilityClassNames()),
        Label("色", {146, 35, 9, 10}),
        List(s.rows[0].colourList, {158, 34, 25, 195}, colours),
        Frame("文化財", {2, 59, 186, 35}),
        Label("色", {22, 67, 9, 8}),
        Label("データファイル", {68, 67, 61, 8}),
        OnBox(s.rows[1].onBox, {7, 78, 9, 8}),
        List(s.rows[1].colourList, {17, 76, 23, 195}, colours),
        Edit(s.rows[1].textEdit, {43, 76, 119, 12}),
        FileButton(s.rows[1].fileButton, {164, 76, 21, 13}),
        Frame("発電所", {2, 102, 186, 38}),
        OnBox(s.rows[2].onBox, {6, 113, 9, 8}),
        List(s.rows[2].colourList, {17, 110, 23, 195}, colours),
        Edit(s.rows[2].textEdit, {43, 111, 119, 12}),
        FileButton(s.rows[2].fileButton, {164, 111, 21, 13}),
        Label("項目", {6, 127, 17, 10}),
        FirstRadio(s.rows[2].items[0], "名称", {26, 127, 26, 10}),
        Radio(s.rows[2].items[1], "名称/位置", {53, 127, 44, 10}),
        Radio(s.rows[2].items[2], "名称/出力", {98, 127, 44, 10}),
        Radio(s.rows[2].items[3], "種別/出力", {142, 127, 44, 10}),
        Frame("空港台帳", {2, 147, 186, 38}),
        OnBox(s.rows[3].onBox, {6, 158, 9, 8}),
        List(s.rows[3].colourList, {17, 156, 23, 195}, colours),
        Edit(s.rows[3].textEdit, {43, 157, 119, 12}),
        FileButton(s.rows[3].fileButton, {164, 157, 21, 13}),
        Label("項目", {6, 172, 17, 10}),
        FirstRadio(s.rows[3].items[0], "空港名", {26, 172, 33, 10}),
        Radio(s.rows[3].items[1], "着陸数(日,1988)", {61, 172, 68, 10}),
        Radio(s.rows[3].items[2], "乗降客(同)", {134, 172, 51, 10}),
    });
}
