#include "layers/settings/linedata/LinePages.h"
#include "layers/settings/linedata/LineRowSpecs.h"

namespace {

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

std::vector<LineRowSpec> FisheryRows()
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

} // namespace

CDlgLineFishery::CDlgLineFishery() : LinePage(IDD, FisheryRows()) {}

vd::ui::DialogTemplate FisheryTemplate()
{
    return LinePageTemplate(CDlgLineFishery::IDD, "データファイル", FisheryRows());
}
