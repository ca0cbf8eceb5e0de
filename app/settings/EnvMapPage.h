#pragma once
// The map page of the environment settings (template 163 "地図"): the sheet block the map starts
// with, how another region is chosen, the current place-name file (the entries of PNTFILE.DAT),
// the window form at start and whether the neighbouring prefectures' data is read too.
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 163).
namespace envmapids {
inline constexpr int IDC_PLACE_NAME_FILE = 1008;
inline constexpr int IDC_ONE_SHEET = 1014;
inline constexpr int IDC_BLOCK_3X3 = 1015;
inline constexpr int IDC_BLOCK_5X5 = 1016;
inline constexpr int IDC_PORTRAIT = 1041;
inline constexpr int IDC_MONITOR_SIZE = 1042;
inline constexpr int IDC_PREFECTURE_ONLY = 1043;
inline constexpr int IDC_NEIGHBOURS_TOO = 1044;
inline constexpr int IDC_REGISTER = 1132;
inline constexpr int IDC_BY_INDEX = 1137;
inline constexpr int IDC_BY_JAPAN_MAP = 1138;
inline constexpr int IDC_BY_DIALOG = 1139;
} // namespace envmapids

class CDlgEnvMap : public vd::Dialog {
public:
    enum { IDD = 163 };
    CDlgEnvMap();

    int m_nMapFrame = 2;             // 1 one sheet, 2 a block
    int m_nMapMode = 9;              // sheets in the block: 9 or 25
    std::string m_strSheetSelect;    // "INDEX", "MAP" or "DIALOG"
    std::string m_strSiteNameFile;
    int m_nScreen = 0;               // 0 portrait window, 1 monitor size
    int m_nPrfMpData = 0;            // 1: neighbouring prefectures' data too
    // For the place-name file dialog.
    std::string m_strAppDir;
    std::string m_strEditor;

    bool OnInitDialog() override;

private:
    void OnBlock(int id);
    void OnSheetSelect(int id);
    void OnPlaceNameFileChosen();
    void OnRegisterPlaceNameFiles();
};
