// The templates of the 1/10 subdivided mesh dialog: the container 145 and the pages 146, 251,
// 252 and 253. Each page: the data text's heading, the on box, the edit and "ﾌｧｲﾙ" on top, the
// item buttons in a "表示項目" group below.
#include "layers/settings/SettingsPage.h"
#include "layers/settings/finemesh/FineMeshSetDialog.h"

namespace {

using vd::ui::ControlTemplate;
using vd::ui::DialogUnits;

constexpr const char* kFolderHeading = "ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)";
constexpr const char* kFileHeading = "データファイル";

// The data row of a page: heading, on box, edit, "ﾌｧｲﾙ"; then the group box of the items.
std::vector<ControlTemplate> ThemeRow(int onBox, int textEdit, int fileButton, const char* heading,
                                      const char* group)
{
    return {
        vd::ui::ltext(vd::IDC_STATIC, heading, DialogUnits{18, 4, 120, 8}),
        vd::ui::checkBox(onBox, "", DialogUnits{5, 16, 10, 10}),
        vd::ui::edit(textEdit, DialogUnits{18, 14, 162, 12}),
        vd::ui::pushButton(fileButton, "ﾌｧｲﾙ", DialogUnits{184, 13, 30, 14}),
        vd::ui::groupBox(vd::IDC_STATIC, group, DialogUnits{3, 31, 214, 62}),
    };
}

// Item buttons one under the other from y = 41, the first starting the group.
void AddItemColumn(std::vector<ControlTemplate>& controls, int firstId, const std::vector<const char*>& names,
                   int width)
{
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        const std::uint32_t style = vd::BS_AUTORADIOBUTTON | (i == 0 ? vd::WS_GROUP : 0u);
        controls.push_back(vd::ui::radioButton(firstId + i, names[i], DialogUnits{9, 41 + 10 * i, width, 10}, style));
    }
}

vd::ui::DialogTemplate LandUseTemplate()
{
    auto controls = ThemeRow(1440, 1439, 1441, kFolderHeading, "表示項目 [複数選択可] ");
    // Every class starts a group of its own, so setting one never clears another; four to a
    // column.
    const auto& names = LandUseClassNames();
    for (int cls = 0; cls < kLandUseClassCount; ++cls)
        controls.push_back(vd::ui::radioButton(kLandUseClassButton + cls, names[cls],
                                               DialogUnits{8 + 70 * (cls / 4), 42 + 12 * (cls % 4), 68, 10},
                                               vd::BS_AUTORADIOBUTTON | vd::WS_GROUP));
    return SettingsPageTemplate(CDlgFmLandUse::IDD, std::move(controls));
}

vd::ui::DialogTemplate AreaTemplate()
{
    auto controls = ThemeRow(1444, 1442, 1443, kFolderHeading, "表示項目");
    AddItemColumn(controls, kAreaItemButton, AreaItemNames(), 62);
    const char* notes[] = {"(都市計画,用途,市街化,市街化調整区域)", "(普通,特別,特別保護地区,海中公園)",
                           "(原生自然環境保全,立入規制,普通,特別他)"};
    for (int i = 0; i < 3; ++i)
        controls.push_back(vd::ui::ltext(vd::IDC_STATIC, notes[i], DialogUnits{73, 42 + 10 * i, 142, 8}));
    return SettingsPageTemplate(CDlgFmArea::IDD, std::move(controls));
}

vd::ui::DialogTemplate BasinTemplate()
{
    auto controls = ThemeRow(1470, 1471, 1472, kFolderHeading, "表示項目");
    AddItemColumn(controls, kBasinItemButton, BasinItemNames(), 100);
    return SettingsPageTemplate(CDlgFmBasin::IDD, std::move(controls));
}

vd::ui::DialogTemplate LakeTemplate()
{
    auto controls = ThemeRow(1478, 1476, 1477, kFileHeading, "表示項目");
    AddItemColumn(controls, kLakeItemButton, LakeItemNames(), 150);
    return SettingsPageTemplate(CDlgFmLake::IDD, std::move(controls));
}

} // namespace

std::vector<vd::ui::DialogTemplate> FineMeshTemplates()
{
    return {
        SettingsContainerTemplate(CDlgFmeshSet::IDD, "  国土数値情報（1/10細分メッシュデータ）", CDlgFmeshSet::kTabControl,
                                  {vd::ui::ltext(CDlgFmeshSet::kStatusLine, "", vd::ui::DialogUnits{4, 122, 134, 9})}),
        LandUseTemplate(),
        AreaTemplate(),
        BasinTemplate(),
        LakeTemplate(),
    };
}
