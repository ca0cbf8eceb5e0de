#include "layers/settings/linedata/LinePages.h"
#include "layers/settings/linedata/LineRowSpecs.h"

namespace {

std::vector<LineRowSpec> DataARows()
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

} // namespace

CDlgLineDataA::CDlgLineDataA() : LinePage(IDD, DataARows()) {}

vd::ui::DialogTemplate DataATemplate()
{
    return LinePageTemplate(CDlgLineDataA::IDD, "ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)", DataARows());
}
