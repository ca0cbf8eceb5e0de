#pragma once
// The menus built from the user's list files: the text and picture item menus, the sheet menu,
// the guide maps and the guide map shown, which menu bar is up and how the last menu-file
// command ended. The menu-file and guide-map commands write it; the view's menu bars read it.
#include <array>
#include <string>

struct UserMenus {
    std::array<std::string, 280> m_astrMenuBarEntry; // item k of item menu m (0-7) in entry k * 8 + m
    std::array<std::string, 35> m_astrSheetMenu;     // lines of the sheet menu, item k in entry k
    int m_nMenuBarKind = 0;                          // 0 the map menu bar is shown, 1 the text/picture bar
    int m_nMenuBarState = -1;
    std::array<std::string, 35> m_astrGuideMap;
    std::array<std::string, 3> m_astrGuideMapCurrent; // picture, title, point file
    int m_nGuideMapIndex = -1;
};
