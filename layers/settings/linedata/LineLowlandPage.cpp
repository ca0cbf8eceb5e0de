#include "layers/settings/linedata/LinePages.h"
#include "layers/settings/linedata/LineRowSpecs.h"

namespace {

std::vector<LineRowSpec> LowlandRows()
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

} // namespace

CDlgLineLowland::CDlgLineLowland() : LinePage(IDD, LowlandRows()) {}

vd::ui::DialogTemplate LowlandTemplate()
{
    return LinePageTemplate(CDlgLineLowland::IDD, "データファイル", LowlandRows());
}
