#pragma once
// The map page of the environment settings (template 163 "地図"): the sheet block the map starts
// with, how another region is chosen, the current place-name file (the entries of PNTFILE.DAT),
// the window form at start and whether the neighbouring prefectures' data is read too.
#include "platform/ui/Dialog.h"

#include <string>

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
