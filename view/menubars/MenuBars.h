#pragma once
// The menus of the two menu bars filled from list files (the sheets, the guide maps, the eight
// item menus), the switch between the bars, the sheet and guide-map commands, and the caption
// that names the data file on the main map.
namespace vd {
class Dc;
}
class CVeldoranView;

inline constexpr int ID_SHEET_MENU_FIRST = 1990;
inline constexpr int ID_GUIDE_MAP_MENU_FIRST = 2350;
// First ids of the five text menus and three picture menus, in bar order.
inline constexpr int kItemMenuFirstIds[8] = {2030, 2070, 2110, 2150, 2190, 2230, 2270, 2310};

void AppendMapFileMenu(CVeldoranView& view);
void AppendGuideMapMenu(CVeldoranView& view);
void AppendItemMenus(CVeldoranView& view);

void OnSwitchMenuBar(CVeldoranView& view);
// Connects the bar switch, the sheet, guide-map and item menu families and the menu slide show to
// the view.
void ConnectMenuBarCommands(CVeldoranView& view);
void OnMapFileMenu(CVeldoranView& view, int id);
void OnGuideMapMenu(CVeldoranView& view, int id);

// The item tallies and the data file's title, at the foot of the view.
void DrawDataSourceCaption(CVeldoranView& view, vd::Dc& dc);
