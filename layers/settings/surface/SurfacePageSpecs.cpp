#include "layers/settings/surface/SurfacePageSpecs.h"

#include "layers/settings/ColourLists.h"
#include "layers/settings/surface/SurfacePage.h"

namespace {

// One line of a page. Ids: the row's on box, colour list, fill box, name box, text edit, button.
SurfaceRowSpec Line(int row, const char* label, int nameEdit, int on, int colour, int fill, int name, int text,
                    int button, DataTextForm form, bool fillSwitches, bool nameSwitches)
{
    return {row, label, nameEdit, on, colour, fill, name, text, button, form, fillSwitches, nameSwitches};
}

std::array<SurfacePageSpec, 4> MakeSpecs()
{
    const DataTextForm file = DataTextForm::File();
    const DataTextForm k7 = DataTextForm::Folder(7), k8 = DataTextForm::Folder(8), k9 = DataTextForm::Folder(9);
    return {{
        {CDlgDsBorder::IDD, "行政界･海岸線", SurfaceColourNames(), 48, 17,
         {
             Line(0, nullptr, 1034, 1060, 1064, 1068, 1072, 1037, 1076, k8, true, true),
             Line(1, nullptr, 1035, 1061, 1065, 1069, 1073, 1045, 1077, k8, true, true),
             Line(2, nullptr, 1047, 1062, 1066, 1070, 1074, 1049, 1078, k8, true, true),
             Line(3, nullptr, 1054, 1063, 1067, 1071, 1075, 1056, 1079, k8, true, true),
         }},
        {CDlgDsArea1::IDD, "指定地域 １", SolidColourNames(), 50, 15,
         {
             Line(5, "都市計画区域", 0, 1560, 1565, 1570, 1575, 1553, 1580, k9, false, true),
             Line(6, "自然公園", 0, 1561, 1566, 1571, 1576, 1554, 1581, k9, false, true),
             Line(7, "自然環境保全", 0, 1562, 1567, 1572, 1577, 1555, 1582, k9, false, true),
             Line(8, "農業地域", 0, 1563, 1568, 1573, 1578, 1556, 1583, k9, false, false),
             Line(9, "森林地域", 0, 1564, 1569, 1574, 1579, 1557, 1584, k8, false, false),
         }},
        {CDlgDsArea2::IDD, "指定地域 ２", SurfaceColourNames(), 42, 22,
         {
             Line(10, "三大都市圏計画区域", 0, 1095, 1098, 1101, 1104, 1092, 1107, file, false, true),
             Line(11, "鳥獣保護区", 0, 1096, 1099, 1102, 1105, 1093, 1108, file, false, true),
             Line(12, "リゾート法指定地域", 0, 1097, 1100, 1103, 1106, 1094, 1109, file, true, true),
         }},
        {CDlgDsWater::IDD, " 水文     ", SolidColourNames(), 42, 21,
         {
             Line(13, "湖沼", 0, 1610, 1613, 1616, 1619, 1598, 1622, file, false, true),
             Line(14, "湖岸線", 0, 1611, 1614, 1617, 1620, 1602, 1623, file, false, true),
             Line(4, "流域界・非集水域", 0, 1612, 1615, 1618, 1621, 1608, 1624, k7, false, false),
         }},
    }};
}

} // namespace

const std::array<SurfacePageSpec, 4>& SurfacePageSpecs()
{
    static const std::array<SurfacePageSpec, 4> specs = MakeSpecs();
    return specs;
}
