#pragma once
// The slide show of the text and picture menus (command 32807): the settings dialog chooses the
// menus, the interval and the play mode; their entries become the pages of an album that the
// view then plays.
#include <array>
#include <string>
#include <vector>

class CVeldoranView;

inline constexpr int ID_MENU_SLIDE_SHOW = 32807;

// At most this many pages, so that the album list keeps room for its "999" end.
inline constexpr int kMostSlideShowPages = 4999;

// The pages "title * * * target" (the target without its "$" parameter) of the entries of the
// chosen menus (flag 1; text menus 1-5, then picture menus 1-3) of SOURCE\MENUFILE.DAT, in file
// order; empty slots and separators are left out.
std::vector<std::string> MenuSlideShowPages(const std::string& menuFile, const std::array<int, 8>& chosen);

void OnMenuBarSlideShow(CVeldoranView& view);
