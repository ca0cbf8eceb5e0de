#include "layers/settings/linedata/LinePageRows.h"

namespace {

// A row with a fixed name, shown as its label (label) and stored on OK (name).
LineRowSpec NamedRow(int tab, int row, std::string label, std::string name, int show, int colour, int file, int button,
                     std::vector<LineChoice> attributes = {})
{
    LineRowSpec s;
    s.fileTab = tab;
    s.row = row;
    s.label = std::move(label);
    s.storedName = std::move(name);
    s.showId = show;
    s.colourId = colour;
    s.fileEditId = file;
    s.buttonId = button;
    if (!attributes.empty()) {
        s.choicesLabel = "属性";
        s.choices = std::move(attributes);
        s.form = LineCodeForm::Attribute;
    }
    return s;
}

// A row whose name the user types.
LineRowSpec FreeRow(int tab, int row, int show, int name, int colour, int file, int button, LineCodeForm form)
{
    LineRowSpec s;
    s.fileTab = tab;
    s.row = row;
    s.showId = show;
    s.nameEditId = name;
    s.colourId = colour;
    s.fileEditId = file;
    s.buttonId = button;
    s.form = form;
    return s;
}

std::vector<LineRowSpec> MakeRoadRailRows()
{
    LineRowSpec road;
    road.fileTab = 1;
    road.row = 1;
    road.label = "道路";
    road.showId = 1269;
    road.choices = {{1270, "道路種別で色分け"}, {1271, "黒"}};
    road.fileLabel = "フォルダ";
    road.fileEditId = 1272;
    road.buttonId = 1273;
    road.folder = true;
    road.form = LineCodeForm::RoadMode;

    LineRowSpec rail;
    rail.fileTab = 3;
    rail.row = 5;
    rail.label = "鉄道";
    rail.showId = 1274;
    rail.choices = {{1275, "ライン種別で色分け"}, {1276, "茶"}};
    rail.optionId = kLineStationBox;
    rail.optionCaption = "駅と駅名";
    rail.optionSwitchesRowOn = false;
    rail.fileLabel = "ﾃﾞｰﾀﾌｧｲﾙ";
    rail.fileEditId = 1277;
    rail.buttonId = 1278;
    rail.form = LineCodeForm::RailMode;

    return {
        road,
        rail,
        NamedRow(6, 1, "航路", "航路", 1283, 1653, 1279, 1280,
                 {{1658, "非表示"}, {1659, "名称"}, {1660, "種別"}, {1661, "名称/種別"}, {1662, "名称/向き"}}),
        NamedRow(6, 2, "架橋", "架橋", 1284, 1652, 1281, 1282,
                 {{1650, "非表示"}, {1654, "名称/長さ"}, {1655, "名称/完成年"}, {1656, "名称/管理者"}}),
    };
}

std::vector<LineRowSpec> MakeDataARows()
{
    std::vector<LineRowSpec> rows = {
        FreeRow(1, 2, 1017, 1002, 1001, 1518, 1519, LineCodeForm::ColourOnly),
        FreeRow(1, 3, 1018, 1004, 1003, 1521, 1522, LineCodeForm::ColourOnly),
        FreeRow(1, 4, 1019, 1006, 1005, 1523, 1524, LineCodeForm::ColourOnly),
        FreeRow(1, 5, 1020, 1008, 1007, 1525, 1526, LineCodeForm::ColourOnly),
    };
    for (LineRowSpec& row : rows)
        row.folder = true;
    return rows;
}

std::vector<LineRowSpec> MakeLowlandRows()
{
    return {
        NamedRow(3, 1, "低地地形分類", "低地地形分類", 1523, 1000, 1521, 1522, {{1650, "非表示"}, {1654, "低地の種別"}}),
        NamedRow(3, 2, "埋立･干拓区域", "埋立・干拓区域", 1528, 1001, 1525, 1526,
                 {{1655, "非表示"}, {1656, "種別"}, {1657, "用途"}, {1658, "種別/用途"}, {1659, "事業主体"}}),
        NamedRow(3, 3, "地盤沈下地域", "地盤沈下地域", 1532, 1002, 1529, 1530, {{1660, "非表示"}, {1661, "区域の種別"}}),
        NamedRow(3, 4, "地下水採取規制地域台帳", "地下水採取規制地域台帳", 1536, 1003, 1533, 1534,
                 {{1662, "非表示"}, {1663, "規制指定の種別"}}),
        FreeRow(6, 3, 1540, 1539, 1004, 1537, 1538, LineCodeForm::ColourOnly),
    };
}

std::vector<LineRowSpec> MakeEnvironmentRows()
{
    return {
        NamedRow(2, 1, "大気汚染･水質汚濁総量規制地域", "大気汚染･水質汚濁総量規制地域", 1005, 1006, 1007, 1008,
                 {{1650, "非表示"}, {1654, "区域種別"}, {1655, "政令の区域番号/総量規制基準"}}),
        NamedRow(2, 2, "環境基準類型\nあてはめ水域", "環境基準類型あてはめ水域", 1009, 1011, 1012, 1013,
                 {{1656, "非表示"}, {1657, "水域名/類型"}, {1658, "指定年/達成期間"}, {1659, "ｺｰﾄﾞ"}}),
        FreeRow(2, 3, 1014, 1015, 1016, 1017, 1018, LineCodeForm::ColourOnly),
        FreeRow(2, 4, 1019, 1020, 1021, 1022, 1028, LineCodeForm::ColourOnly),
        FreeRow(2, 5, 1025, 1024, 1026, 1023, 1029, LineCodeForm::ColourOnly),
        FreeRow(6, 5, 1032, 1031, 1033, 1027, 1030, LineCodeForm::ColourOnly),
    };
}

std::vector<LineRowSpec> MakeConservationRows()
{
    return {
        NamedRow(7, 1, "国土保全関連情報", "国土保全関連情報", 1738, 1739, 1765, 1741,
                 {{1742, "非表示"}, {1743, "区域種別"}, {1744, "種別番号/台帳番号"}}),
        FreeRow(7, 2, 1745, 1749, 1746, 1766, 1748, LineCodeForm::KeepHundreds),
        FreeRow(7, 3, 1750, 1754, 1751, 1767, 1753, LineCodeForm::KeepHundreds),
        FreeRow(7, 4, 1755, 1759, 1756, 1768, 1758, LineCodeForm::KeepHundreds),
        FreeRow(7, 5, 1760, 1764, 1761, 1769, 1763, LineCodeForm::KeepHundreds),
    };
}

// A row whose "ｺｰﾄﾞ" button takes the attribute's place in the colour code.
LineRowSpec CodeRow(int tab, int row, std::string name, int show, int colour, int code, int file, int button)
{
    LineRowSpec s = NamedRow(tab, row, name, name, show, colour, file, button);
    s.optionId = code;
    s.optionCaption = "ｺｰﾄﾞ";
    s.optionPushLike = true;
    s.form = LineCodeForm::CodeBox;
    return s;
}

std::vector<LineRowSpec> MakeFisheryRows()
{
    return {
        NamedRow(4, 1, "漁礁", "漁礁", 1600, 1605, 1610, 1615,
                 {{1650, "非表示"}, {1654, "管理者名/主要魚種"}, {1655, "主要魚種/施設面積"}}),
        NamedRow(4, 2, "漁業権設定区域", "漁業権設定区域", 1601, 1606, 1611, 1616,
                 {{1656, "非表示"}, {1657, "種別/面積"}, {1658, "権利者名"}, {1659, "魚種・水産物"}}),
        NamedRow(4, 3, "増養殖施設", "増養殖施設", 1602, 1607, 1612, 1617,
                 {{1660, "非表示"}, {1661, "種別/面積"}, {1662, "管理者名"}, {1663, "養殖水産物"}}),
        CodeRow(4, 4, "漁港区域", 1603, 1608, 1664, 1613, 1618),
        CodeRow(4, 5, "港湾区域", 1604, 1609, 1665, 1614, 1619),
        CodeRow(6, 4, "港域", 1628, 1629, 1666, 1625, 1626),
    };
}

std::vector<LineRowSpec> MakeDataBRows()
{
    LineRowSpec river = NamedRow(5, 5, " 流路", "流路", 1629, 1639, 1644, 1649);
    river.choices = {{1717, "全河川"}, {1718, "1級河川"}, {1719, "2級河川"}, {1720, "１～2級河川"}, {1721, "等級で色分け"}};
    river.optionId = 1722;
    river.optionCaption = "河床標高値";
    river.optionBefore = "(";
    river.optionAfter = " ： 地図拡大時に表示 )";
    river.form = LineCodeForm::River;
    return {
        NamedRow(5, 1, " 鉱区", "鉱区", 1625, 1635, 1640, 1645,
                 {{1660, "非表示"}, {1661, "番号/種類"}, {1662, "番号/年"}, {1663, "鉱物"}, {1664, "鉱物/面積"}}),
        FreeRow(5, 2, 1626, 1682, 1636, 1641, 1646, LineCodeForm::KeepHundreds),
        FreeRow(5, 3, 1627, 1683, 1637, 1642, 1647, LineCodeForm::KeepHundreds),
        FreeRow(5, 4, 1628, 1684, 1638, 1643, 1648, LineCodeForm::KeepHundreds),
        river,
    };
}

} // namespace

const std::vector<LineRowSpec>& RoadRailRows()
{
    static const std::vector<LineRowSpec> rows = MakeRoadRailRows();
    return rows;
}

const std::vector<LineRowSpec>& DataARows()
{
    static const std::vector<LineRowSpec> rows = MakeDataARows();
    return rows;
}

const std::vector<LineRowSpec>& LowlandRows()
{
    static const std::vector<LineRowSpec> rows = MakeLowlandRows();
    return rows;
}

const std::vector<LineRowSpec>& EnvironmentRows()
{
    static const std::vector<LineRowSpec> rows = MakeEnvironmentRows();
    return rows;
}

const std::vector<LineRowSpec>& ConservationRows()
{
    static const std::vector<LineRowSpec> rows = MakeConservationRows();
    return rows;
}

const std::vector<LineRowSpec>& FisheryRows()
{
    static const std::vector<LineRowSpec> rows = MakeFisheryRows();
    return rows;
}

const std::vector<LineRowSpec>& DataBRows()
{
    static const std::vector<LineRowSpec> rows = MakeDataBRows();
    return rows;
}
