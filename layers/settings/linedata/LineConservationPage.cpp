#include "layers/settings/linedata/LinePages.h"
#include "layers/settings/linedata/LineRowSpecs.h"

namespace {

std::vector<LineRowSpec> ConservationRows()
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

} // namespace

CDlgLineConservation::CDlgLineConservation() : LinePage(IDD, ConservationRows()) {}

vd::ui::DialogTemplate ConservationTemplate()
{
    return LinePageTemplate(CDlgLineConservation::IDD, "データファイル", ConservationRows());
}
