#include "layers/settings/linedata/LinePages.h"
#include "layers/settings/linedata/LineRowSpecs.h"

namespace {

std::vector<LineRowSpec> DataBRows()
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

CDlgLineDataB::CDlgLineDataB() : LinePage(IDD, DataBRows()) {}

vd::ui::DialogTemplate DataBTemplate()
{
    return LinePageTemplate(CDlgLineDataB::IDD, "データファイル", DataBRows());
}
