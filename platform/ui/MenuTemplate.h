#pragma once
// Menus and accelerator tables as data, transcribed from the system's resources: items with an
// id and a Japanese text with its "&" mnemonic (a "\t" and the key text may follow), separators,
// sub-menus. Per module, like the dialog templates.
#include <string>
#include <string_view>
#include <vector>

namespace vd::ui {

struct MenuItemTemplate {
    int id = 0;
    std::string text;
    bool separator = false;
    bool grayed = false;
    bool checked = false;
    std::vector<MenuItemTemplate> items;  // a sub-menu when not empty or when popup is set
    bool popup = false;
};

// A menu bar (its top-level items are sub-menus) or a popup menu resource.
struct MenuTemplate {
    int id = 0;
    std::vector<MenuItemTemplate> items;
};

MenuItemTemplate menuItem(int id, std::string text);
MenuItemTemplate menuSeparator();
MenuItemTemplate subMenu(std::string text, std::vector<MenuItemTemplate> items);

// Accelerator flags and the virtual keys the system uses.
inline constexpr unsigned FVIRTKEY = 0x01;
inline constexpr unsigned FSHIFT = 0x04;
inline constexpr unsigned FCONTROL = 0x08;
inline constexpr unsigned FALT = 0x10;
inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_PRIOR = 0x21;
inline constexpr int VK_NEXT = 0x22;
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_INSERT = 0x2D;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_F1 = 0x70;  // VK_F1 + n - 1 is Fn

struct Accelerator {
    int key = 0;          // a virtual key, or an upper-case letter or digit
    unsigned flags = FVIRTKEY;
    int command = 0;
};

struct AcceleratorTable {
    int id = 0;
    std::vector<Accelerator> entries;
};

void registerMenus(std::string_view module, std::vector<MenuTemplate> menus);
void registerAccelerators(std::string_view module, std::vector<AcceleratorTable> tables);
void registerString(std::string_view module, int id, std::string text);
// Of the current module, or null / empty.
const MenuTemplate* findMenu(int id);
const AcceleratorTable* findAccelerators(int id);
std::string loadString(int id);

// The key text of an accelerator ("Ctrl+C", "Shift+F1", "PgDown").
std::string acceleratorText(const Accelerator& accelerator);

} // namespace vd::ui
