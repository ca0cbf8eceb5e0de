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
std::vector<ControlTemplate> ThemeRow(int onBox, int textEdit, int fileButton, const char* heading, const char* group)
{
    return {
        vd::ui::ltext(vd::IDC_STATIC, heading, DialogUnits{18, 2, 120, 8}),
        vd::ui::checkBox(onBox, "", DialogUnits{5, 13, 10, 10}),
        vd::ui::edit(textEdit, DialogUnits{18, 11, 162, 12}),
        vd::ui::pushButton(fileButton, "ﾌｧｲﾙ", DialogUnits{184, 10, 30, 14}),
        vd::ui::groupBox(vd::IDC_STATIC, group, DialogUnits{3, 25, 214, 70}),
    };
}

constexpr int kItemsTop = 35;

ControlTemplate ItemButton(int id, const char* name, DialogUnits at, bool first)
{
    return vd::ui::radioButton(id, name, at, vd::BS_AUTORADIOBUTTON | (first ? vd::WS_GROUP : 0u));
}

// Item buttons one under the other across the group, the first starting the group.
void AddItemColumn(std::vector<ControlTemplate>& controls, int firstId, const std::vector<const char*>& names)
{
    for (int i = 0; i < static_cast<int>(names.size()); ++i)
        controls.push_back(ItemButton(firstId + i, names[i], DialogUnits{9, kItemsTop + 11 * i, 204, 10}, i == 0));
}

vd::ui::DialogTemplate LandUseTemplate()
{
    auto controls =
        ThemeRow(kLandUseThemeOn, kLandUseThemeText, kLandUseThemeFile, kFolderHeading, "表示項目 [複数選択可] ");
    // Every class starts a group of its own, so setting one never clears another; four to a
    // column.
    const auto& names = LandUseClassNames();
    for (int cls = 0; cls < kLandUseClassCount; ++cls)
        controls.push_back(ItemButton(kLandUseClassButton + cls, names[cls],
                                      DialogUnits{8 + 70 * (cls / 4), kItemsTop + 14 * (cls % 4), 68, 10}, true));
    return SettingsPageTemplate(CDlgFmLandUse::IDD, std::move(controls));
}

vd::ui::DialogTemplate AreaTemplate()
{
    auto controls = ThemeRow(kAreaThemeOn, kAreaThemeText, kAreaThemeFile, kFolderHeading, "表示項目");
    // The notes are too wide to stand beside their items: each goes on the line below its item,
    // and the two items without a note share the last line.
    const auto& names = AreaItemNames();
    const char* notes[] = {"(都市計画,用途,市街化,市街化調整区域)", "(普通,特別,特別保護地区,海中公園)",
                           "(原生自然環境保全,立入規制,普通,特別他)"};
    for (int i = 0; i < 3; ++i) {
        const int y = kItemsTop - 1 + 17 * i;
        controls.push_back(ItemButton(kAreaItemButton + i, names[i], DialogUnits{9, y, 204, 9}, i == 0));
        controls.push_back(vd::ui::ltext(vd::IDC_STATIC, notes[i], DialogUnits{21, y + 8, 194, 8}));
    }
    controls.push_back(ItemButton(kAreaItemButton + 3, names[3], DialogUnits{9, 85, 70, 9}, false));
    controls.push_back(ItemButton(kAreaItemButton + 4, names[4], DialogUnits{81, 85, 132, 9}, false));
    return SettingsPageTemplate(CDlgFmArea::IDD, std::move(controls));
}

vd::ui::DialogTemplate BasinTemplate()
{
    auto controls = ThemeRow(kBasinThemeOn, kBasinThemeText, kBasinThemeFile, kFolderHeading, "表示項目");
    AddItemColumn(controls, kBasinItemButton, BasinItemNames());
    return SettingsPageTemplate(CDlgFmBasin::IDD, std::move(controls));
}

vd::ui::DialogTemplate LakeTemplate()
{
    auto controls = ThemeRow(kLakeThemeOn, kLakeThemeText, kLakeThemeFile, kFileHeading, "表示項目");
    AddItemColumn(controls, kLakeItemButton, LakeItemNames());
    return SettingsPageTemplate(CDlgFmLake::IDD, std::move(controls));
}

} // namespace

std::vector<vd::ui::DialogTemplate> FineMeshTemplates()
{
    return {
        SettingsContainerTemplate(CDlgFmeshSet::IDD, "  国土数値情報（1/10細分メッシュデータ）",
                                  CDlgFmeshSet::kTabControl,
                                  {vd::ui::ltext(CDlgFmeshSet::kStatusLine, "", vd::ui::DialogUnits{4, 122, 134, 9})}),
        LandUseTemplate(),
        AreaTemplate(),
        BasinTemplate(),
        LakeTemplate(),
    };
}
