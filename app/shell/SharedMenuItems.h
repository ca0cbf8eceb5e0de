#pragma once
// Menu items that stand with the same ids and texts in more than one menu: the map menu bar, the
// text and picture menu bar and the right-click Mapping menu.
#include "platform/ui/MenuTemplate.h"

#include <vector>

namespace shell {

// 国土情報: the national-land layer settings, legends, presets and cancel.
std::vector<vd::ui::MenuItemTemplate> NationalLandItems();
// ﾌｨｰﾙﾄﾞ情報: the seismic hazard map and its data file summary.
std::vector<vd::ui::MenuItemTemplate> FieldInformationItems();
// 印刷: print, print preview and printer set-up, in the File menu of both menu bars.
vd::ui::MenuItemTemplate PrintSubMenu();

} // namespace shell
