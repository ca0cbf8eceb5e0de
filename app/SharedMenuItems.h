#pragma once
// Menu items that stand with the same ids and texts in the map menu bar and in the right-click
// Mapping menu.
#include "platform/ui/MenuTemplate.h"

#include <vector>

namespace shell {

// 国土情報: the national-land layer settings, legends, presets and cancel.
std::vector<vd::ui::MenuItemTemplate> NationalLandItems();
// ﾌｨｰﾙﾄﾞ情報: the seismic hazard map and its data file summary.
std::vector<vd::ui::MenuItemTemplate> FieldInformationItems();

} // namespace shell
