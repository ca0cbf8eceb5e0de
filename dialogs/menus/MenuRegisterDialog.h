#pragma once
// The menu registration dialog (template 141): lists one of the five text menus, three picture
// menus (SOURCE\MENUFILE.DAT) or the guide-map menu (GUIDEMAP\GUIDEMAP.DAT), adds and changes
// entries through the entry dialog, and rewrites the menu's part of the file when the user
// switches menus, opens the file in the editor or presses OK.
#include "dialogs/files/MenuFileEntries.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"

#include <array>
#include <string>
#include <vector>

// The report list of the dialog's entries; nothing beyond the platform's list view.
// The dialog's control ids (template 141).
namespace menuregisterids {
inline constexpr int IDC_MENU = 1141;
inline constexpr int IDC_LIST = 1021;
inline constexpr int IDC_COUNT = 131;
inline constexpr int IDC_EDIT = 1019;
} // namespace menuregisterids

class CMenuItemList : public vd::ListCtrl {};

class CDlgMenuRegister : public vd::Dialog {
public:
    enum { IDD = 141 };
    CDlgMenuRegister();

    int m_nMenu = -1;       // 0-4 text menus 1-5, 5-7 picture menus 1-3; 0 for the guide map
    int m_nCount = 0;       // the last titled slot + 1
    int m_nLoadedMenu = -1; // the menu the tables hold
    int m_nDirty = -1;      // 1 after a change not yet written
    int m_nRewritten = -1;  // 1 once the file was rewritten or handed to the editor
    int m_nMode = 0;        // 0 text menus, 1 picture menus, 2 the guide-map menu
    std::array<std::string, kMenuSlotCount> m_astrTitle;
    std::array<std::string, kMenuSlotCount> m_astrTarget;
    std::string m_strFolder; // the application folder, with a trailing backslash
    std::string m_strEditor;
    CMenuItemList m_listItems;

    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(vd::DataExchange& dx) override;

    void LoadItemMenu();
    void LoadGuideMapMenu();
    // False (the user told) when the file could not be written; the changes stay pending.
    bool SaveItemMenu();
    bool SaveGuideMapMenu();

private:
    void OnSelchangeMenu();
    void OnDblclkList();
    void OnEdit();
    bool SaveMenu();
    // The end of a rewrite: the user told of a failure, else nothing pending.
    bool AfterRewrite(bool written);
    void TakeSlots(const MenuSlots& slots);
    MenuSlots Slots() const;
    void FillList();
    void AppendRow(int slot);
    void ShowCount();
    std::string MenuFilePath() const;
    std::vector<int> m_anRowSlot; // the slot each row shows; the add row is not in it
};

inline constexpr const char* kAddRowText = "追加はここに!";
inline constexpr const char* kMenuFileUnwritableMessage =
    "メニューファイルに書き込めません。変更はまだ保存されていません。\n";
