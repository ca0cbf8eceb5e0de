#pragma once
// Shorthands for the point dialogs' templates: every page is a caption-less child of 190 x 186
// dialog units at (5, 20) in its container, in "ＭＳ Ｐゴシック" 11 point.
#include "platform/ui/DialogTemplate.h"

#include <string>
#include <vector>

namespace point_templates {

using vd::ui::ControlTemplate;
using vd::ui::DialogUnits;

inline ControlTemplate Label(std::string text, DialogUnits at)
{
    return vd::ui::ltext(vd::IDC_STATIC, std::move(text), at);
}
inline ControlTemplate Frame(std::string text, DialogUnits at)
{
    return vd::ui::groupBox(vd::IDC_STATIC, std::move(text), at);
}
inline ControlTemplate Edit(int id, DialogUnits at)
{
    return vd::ui::edit(id, at);
}
inline ControlTemplate FileButton(int id, DialogUnits at)
{
    return vd::ui::pushButton(id, "ﾌｧｲﾙ", at);
}
inline ControlTemplate OnBox(int id, DialogUnits at)
{
    return vd::ui::checkBox(id, "", at);
}
// A drop-down combo box (with an edit field) holding the list.
inline ControlTemplate List(int id, DialogUnits at, const std::vector<std::string>& items)
{
    return vd::ui::comboBox(id, at, vd::CBS_DROPDOWN, items);
}
inline ControlTemplate FirstRadio(int id, std::string text, DialogUnits at)
{
    return vd::ui::radioButton(id, std::move(text), at, vd::BS_AUTORADIOBUTTON | vd::WS_GROUP);
}
inline ControlTemplate Radio(int id, std::string text, DialogUnits at)
{
    return vd::ui::radioButton(id, std::move(text), at);
}

inline vd::ui::DialogTemplate PageTemplate(int id, bool visible, std::vector<ControlTemplate> controls)
{
    vd::ui::DialogTemplate t;
    t.id = id;
    t.style = vd::WS_CHILD | (visible ? vd::WS_VISIBLE : 0u);
    t.fontFace = "ＭＳ Ｐゴシック";
    t.fontPoints = 11;
    t.place = DialogUnits{5, 20, 190, 186};
    t.controls = std::move(controls);
    return t;
}

} // namespace point_templates
