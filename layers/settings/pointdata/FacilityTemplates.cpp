// Pages 236 (施設) and 261 (施設 of the white map, without label items for 公共施設 and 文化財).
#include "layers/settings/ColourLists.h"
#include "layers/settings/pointdata/FacilityClasses.h"
#include "layers/settings/pointdata/PointPages.h"
#include "layers/settings/pointdata/PointTemplateParts.h"
#include "layers/settings/pointdata/PointTemplates.h"

using namespace point_templates;

vd::ui::DialogTemplate PointFacilityTemplate()
{
    const auto& colours = SolidColourNames();
    return PageTemplate(CDlgPointFacility::IDD, true, {
        Edit(1118, {17, 18, 145, 12}),
        Label("ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", {64, 8, 72, 8}),
        FileButton(1122, {164, 18, 21, 13}),
        OnBox(1110, {7, 20, 9, 8}),
        List(1114, {158, 34, 25, 195}, colours),
        List(1223, {34, 34, 103, 111}, FacilityClassNames()),
        Label("大分類", {6, 36, 25, 10}),
        Label("項目", {6, 49, 17, 10}),
        Label("色", {146, 35, 9, 10}),
        Frame("公共施設", {2, 1, 186, 61}),
        FirstRadio(1233, "名称", {46, 49, 43, 10}),
        Radio(1234, "種別", {99, 49, 57, 10}),
        Frame("文化財", {2, 63, 186, 45}),
        Edit(1119, {43, 80, 119, 12}),
        FileButton(1123, {164, 80, 21, 13}),
        OnBox(1111, {7, 82, 9, 8}),
        List(1115, {17, 80, 23, 195}, colours),
        Label("色", {22, 71, 9, 8}),
        Label("データファイル", {68, 71, 61, 8}),
        FirstRadio(1267, "文化財番号", {46, 96, 49, 10}),
        Radio(1268, "文化財区分", {99, 96, 51, 10}),
        Label("項目", {6, 95, 17, 10}),
        Frame("発電所", {2, 109, 186, 38}),
        Edit(1120, {43, 118, 119, 12}),
        FileButton(1124, {164, 118, 21, 13}),
        OnBox(1112, {6, 120, 9, 8}),
        List(1116, {17, 118, 23, 195}, colours),
        Label("項目", {6, 134, 17, 10}),
        FirstRadio(1589, "名称", {26, 134, 26, 10}),
        Radio(1590, "名称/位置", {53, 134, 44, 10}),
        Radio(1591, "名称/出力", {98, 134, 44, 10}),
        Radio(1592, "種別/出力", {142, 134, 44, 10}),
        Frame("空港台帳", {2, 147, 186, 38}),
        Edit(1121, {43, 157, 119, 12}),
        FileButton(1125, {164, 157, 21, 13}),
        OnBox(1113, {6, 158, 9, 8}),
        List(1117, {17, 156, 23, 195}, colours),
        Label("項目", {6, 172, 17, 10}),
        FirstRadio(1670, "空港名", {26, 172, 33, 10}),
        Radio(1671, "着陸数(日,1988)", {61, 172, 68, 10}),
        Radio(1672, "乗降客(同)", {134, 172, 51, 10}),
    });
}

vd::ui::DialogTemplate WhitePointFacilityTemplate()
{
    const auto& colours = SolidColourNames();
    return PageTemplate(CDlgWhitePointFacility::IDD, false, {
        Frame("公共施設", {2, 1, 186, 50}),
        OnBox(1110, {7, 20, 9, 8}),
        Edit(1118, {17, 18, 145, 12}),
        Label("ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", {64, 8, 72, 8}),
        FileButton(1122, {164, 18, 21, 13}),
        Label("大分類", {6, 36, 25, 10}),
        List(1223, {34, 34, 103, 111}, FacilityClassNames()),
        Label("色", {146, 35, 9, 10}),
        List(1114, {158, 34, 25, 195}, colours),
        Frame("文化財", {2, 59, 186, 35}),
        Label("色", {22, 67, 9, 8}),
        Label("データファイル", {68, 67, 61, 8}),
        OnBox(1111, {7, 78, 9, 8}),
        List(1115, {17, 76, 23, 195}, colours),
        Edit(1119, {43, 76, 119, 12}),
        FileButton(1123, {164, 76, 21, 13}),
        Frame("発電所", {2, 102, 186, 38}),
        OnBox(1112, {6, 113, 9, 8}),
        List(1116, {17, 110, 23, 195}, colours),
        Edit(1120, {43, 111, 119, 12}),
        FileButton(1124, {164, 111, 21, 13}),
        Label("項目", {6, 127, 17, 10}),
        FirstRadio(1589, "名称", {26, 127, 26, 10}),
        Radio(1590, "名称/位置", {53, 127, 44, 10}),
        Radio(1591, "名称/出力", {98, 127, 44, 10}),
        Radio(1592, "種別/出力", {142, 127, 44, 10}),
        Frame("空港台帳", {2, 147, 186, 38}),
        OnBox(1113, {6, 158, 9, 8}),
        List(1117, {17, 156, 23, 195}, colours),
        Edit(1121, {43, 157, 119, 12}),
        FileButton(1125, {164, 157, 21, 13}),
        Label("項目", {6, 172, 17, 10}),
        FirstRadio(1670, "空港名", {26, 172, 33, 10}),
        Radio(1671, "着陸数(日,1988)", {61, 172, 68, 10}),
        Radio(1672, "乗降客(同)", {134, 172, 51, 10}),
    });
}
