#pragma once
// The list files that fill the menus of the two menu bars: MAPFILE.DAT (one sheet name a line),
// GUIDEMAP\GUIDEMAP.DAT ("<title> <picture>" a line) and SOURCE\MENUFILE.DAT (sections "[M..."
// of "<3 characters><title>@<target>" lines). Lines beginning with ";" and empty lines are skipped;
// a missing file gives no lines.
#include <string>
#include <vector>

// Items in a menu of 35 ids: item k takes the family's first id + k.
inline constexpr int kMenuFamilySize = 35;
inline constexpr int kItemMenuCount = 8;

struct MenuListItem {
    std::string text;   // the item's caption; empty for a separator or an empty slot
    std::string stored; // what the document keeps for the item
    bool separator = false;
    bool empty = false; // an empty item-menu slot: nothing shown, its id kept
};

// The sheet menu: the line is the caption; "---" lines are separators. At most 35 items.
std::vector<MenuListItem> readSheetMenuList(const std::string& path);

// The guide-map menu: the caption is the text before the line's first blank (the whole line when
// there is none or it starts the line). At most 35 items.
std::vector<MenuListItem> readGuideMapMenuList(const std::string& path);

// The eight item menus in section order; lines before the first section, sections after the
// eighth and items after the 35th of a section are ignored.
std::vector<std::vector<MenuListItem>> readItemMenuLists(const std::string& path);
