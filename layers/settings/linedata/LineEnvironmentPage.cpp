#include "layers/settings/linedata/LinePages.h"
#include "layers/settings/linedata/LineRowSpecs.h"

namespace {

std::vector<LineRowSpec> EnvironmentRows()
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

} // namespace

CDlgLineEnvironment::CDlgLineEnvironment() : LinePage(IDD, EnvironmentRows()) {}

vd::ui::DialogTemplate EnvironmentTemplate()
{
    return LinePageTemplate(CDlgLineEnvironment::IDD, "データファイル", EnvironmentRows());
}
