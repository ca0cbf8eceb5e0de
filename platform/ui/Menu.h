#pragma once
// A menu with the old platform's operations: loaded from a menu table of the current module or
// built at run time (the dynamic item families), items found by command id (in sub-menus too) or
// by position, checked, enabled, renamed, inserted and deleted; a popup menu tracked at a point.
#include "platform/ui/Geometry.h"

#include <memory>
#include <string>

namespace vd {

class CommandTarget;
class MenuImpl;
class Window;

inline constexpr unsigned MF_STRING = 0x0;
inline constexpr unsigned MF_BYCOMMAND = 0x0;
inline constexpr unsigned MF_ENABLED = 0x0;
inline constexpr unsigned MF_UNCHECKED = 0x0;
inline constexpr unsigned MF_GRAYED = 0x1;
inline constexpr unsigned MF_DISABLED = 0x2;
inline constexpr unsigned MF_CHECKED = 0x8;
inline constexpr unsigned MF_POPUP = 0x10;
inline constexpr unsigned MF_BYPOSITION = 0x400;
inline constexpr unsigned MF_SEPARATOR = 0x800;
inline constexpr unsigned TPM_LEFTALIGN = 0x0;
inline constexpr unsigned TPM_RIGHTBUTTON = 0x2;
inline constexpr unsigned TPM_RETURNCMD = 0x100;
inline constexpr unsigned kMenuStateError = 0xFFFFFFFFu;

class Menu {
public:
    Menu();
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    // From the menu table with the id of the current module; false when there is none.
    bool LoadMenu(int id);
    bool CreateMenu();
    bool CreatePopupMenu();
    void DestroyMenu();
    bool IsValid() const;

    int GetMenuItemCount() const;
    // The command id at a position: 0 for a separator, -1 for a sub-menu or a bad position.
    int GetMenuItemID(int position) const;
    Menu* GetSubMenu(int position) const;
    std::string GetMenuString(int item, unsigned flags) const;
    // MF_CHECKED / MF_GRAYED / MF_SEPARATOR / MF_POPUP bits, kMenuStateError when missing.
    unsigned GetMenuState(int item, unsigned flags) const;

    bool AppendMenu(unsigned flags, int id = 0, const std::string& text = {});
    // Appends a sub-menu; the menu takes it over.
    bool AppendMenu(Menu& popup, const std::string& text);
    bool InsertMenu(int item, unsigned flags, int id = 0, const std::string& text = {});
    bool ModifyMenu(int item, unsigned flags, int newId, const std::string& text);
    bool DeleteMenu(int item, unsigned flags);
    // Returns the previous state (MF_CHECKED / MF_UNCHECKED, MF_GRAYED / MF_ENABLED), or
    // kMenuStateError when the item is missing.
    unsigned CheckMenuItem(int item, unsigned flags);
    unsigned EnableMenuItem(int item, unsigned flags);

    // The mnemonic of a menu text: the character after a single "&" ("" when none).
    static std::string mnemonicOf(const std::string& text);

    // Runs the update handlers of the target for the menu's command items, as when it opens.
    void UpdateItems(CommandTarget& target);

    // Shows the menu as a popup at a screen point (through the vd::ui seam). The chosen command
    // is routed to the owner when it is a command target; TPM_RETURNCMD returns it instead.
    int TrackPopupMenu(unsigned flags, int x, int y, Window* owner);

    MenuImpl* impl() const { return impl_.get(); }

private:
    friend class MenuImpl;
    friend class FrameWindow;
    std::unique_ptr<MenuImpl> impl_;
};

} // namespace vd
