#pragma once
// Shorthands for the theme pages' templates: the row of the on box, the text edit under its
// column heading and the "ﾌｧｲﾙ" button on top, the group box of item buttons below.
#include "platform/ui/DialogTemplate.h"

#include <string>
#include <vector>

namespace mesh_templates {

using vd::ui::ControlTemplate;
using vd::ui::DialogUnits;

enum class TextColumn { Folder, File };

// The dialog is 16 units wider than the other settings dialogs, so that the longest group
// caption (that of 指定地域) shows whole; its pages are as much wider.
inline constexpr int kMeshDialogWidth = 246;
inline constexpr DialogUnits kMeshPagePlace{5, 20, 236, 95};

// The on box, the column heading, the edit, the button and the group box with its caption.
inline std::vector<ControlTemplate> ThemeRow(int onBox, int textEdit, int fileButton, TextColumn column,
                                             std::string groupCaption)
{
    return {
        vd::ui::ltext(vd::IDC_STATIC, column == TextColumn::Folder ? "ﾌｫﾙﾀﾞ(ﾃﾞｰﾀｾｯﾄ型番)" : "データファイル",
                      DialogUnits{18, 2, 120, 8}),
        vd::ui::checkBox(onBox, "", DialogUnits{4, 13, 10, 10}),
        vd::ui::edit(textEdit, DialogUnits{16, 11, 170, 13}),
        vd::ui::pushButton(fileButton, "ﾌｧｲﾙ", DialogUnits{190, 10, 26, 14}),
        vd::ui::groupBox(vd::IDC_STATIC, std::move(groupCaption), DialogUnits{2, 27, 232, 66}),
    };
}

inline ControlTemplate Caption(std::string text, DialogUnits at)
{
    return vd::ui::ltext(vd::IDC_STATIC, std::move(text), at);
}
// The first item button starts the page's one group of buttons.
inline ControlTemplate FirstItem(int id, std::string text, DialogUnits at)
{
    return vd::ui::radioButton(id, std::move(text), at, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP);
}
inline ControlTemplate Item(int id, std::string text, DialogUnits at)
{
    return vd::ui::radioButton(id, std::move(text), at);
}

} // namespace mesh_templates
