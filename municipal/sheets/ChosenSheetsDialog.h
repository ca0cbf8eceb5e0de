#pragma once
// The chosen sheets list (template 140 "「指定の図幅｣一覧"): the names of MAPFILE.DAT, a sheet
// added from the sheet chooser, or the file opened in the user's editor.
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 140).
namespace chosensheetsids {
inline constexpr int IDC_EDIT_LIST = 1005;
inline constexpr int IDC_SHEET_LIST = 1006;
inline constexpr int IDC_ADD = 1040;
} // namespace chosensheetsids

class CDlgChosenSheets : public vd::Dialog {
public:
    enum { IDD = 140 };
    CDlgChosenSheets();

    int m_nChanged = 0;          // 1 after an addition or an edit
    std::string m_strAppFolder;  // ends in a backslash
    std::string m_strEditor;
    std::string m_strSheetIndexPath;

    bool OnInitDialog() override;

private:
    std::string ListPath() const { return m_strAppFolder + "MAPFILE.DAT"; }
    void FillList();
    void OnAdd();
    void OnEdit();
};

// A chosen sheet's name as written to the list: cut before its first blank, then before its
// first full-width blank, each only past the first character.
std::string ChosenSheetName(std::string name);
