#pragma once
// The entries of the two menu files as the menu registration dialog edits them.
// Item-menu form (SOURCE\MENUFILE.DAT): ";" comments and empty lines, section lines holding "[M"
// (text menus 1-5, then picture menus 1-3), each followed by the 35 entry lines "NN=<text>" of
// slots 00-34; <text> is empty (an empty slot), "<title>@<target>" or, without "@", a separator.
// Guide-map form (GUIDEMAP\GUIDEMAP.DAT): leading ";" comments, then "<title> <picture>" lines,
// a line without a blank a separator, at most 35.
// Rewrites replace the file in one rename, so a failed write leaves the old file whole; lines the
// rewrite does not change keep their bytes.
#include <array>
#include <string>
#include <string_view>

inline constexpr int kMenuSlotCount = 35;

struct MenuSlot {
    std::string title;  // "----------" for a separator read back; empty for an empty slot
    std::string target;
};
using MenuSlots = std::array<MenuSlot, kMenuSlotCount>;

// How a separator reads back into the dialog's list.
inline constexpr const char* kSeparatorTitle = "----------";

// The slots of item menu `menu` (0-7) by their numbers, from the first 35 entry lines ("=") of
// its section up to the next section line; all empty when the file cannot be read or has no such
// section.
MenuSlots ReadItemMenu(std::string_view winPath, int menu);
MenuSlots ReadGuideMapMenu(std::string_view winPath);

// Rewrites the entry lines of section `menu` by their slot numbers (a number outside 00-34 leaves
// its line as it is), up to the next section line; slots without a line of their own are added
// at the end of the section. A missing file is first made with its eight sections of 35 empty
// slots. False when the file has no such section or cannot be written.
bool RewriteItemMenu(std::string_view winPath, int menu, const MenuSlots& slots);

// Keeps the file's leading comment lines and writes one "<title> <target>" line per titled slot.
bool RewriteGuideMapMenu(std::string_view winPath, const MenuSlots& slots);

// The title as an entry line holds it: "@" and "[M" (and, in the guide map, a blank and a
// leading ";") in their full-width forms, so that the title reads back as typed.
std::string ItemMenuTitleForFile(std::string_view title);
std::string GuideMapTitleForFile(std::string_view title);
