#pragma once
// The entry counts of the eight item menus in SOURCE\MENUFILE.DAT, for the menu-bar slide show.
// A line holding "[M" starts the next section (text menus 1 to 5, then picture menus 1 to 3);
// a line after it counts when its text after the first three characters (the slot number and
// "=") is not empty and holds "@": empty slots and separators do not count. Comments (";")
// and empty lines are skipped, as are lines before the first section and after the eighth.
#include <optional>
#include <string_view>
#include <vector>

inline constexpr int kItemMenuCount = 8;

// The count of each section present, in file order (at most eight); nullopt when the file
// cannot be opened.
std::optional<std::vector<int>> CountMenuFileEntries(std::string_view winPath);
