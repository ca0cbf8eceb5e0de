#pragma once
// The environment settings (ﾌｧｲﾙ > 環境設定など > 環境設定...): the editor and viewer, the text
// and picture pages' colours, keywords and picture placing, the window size, the start map, the
// place-name files and the area search. Read from the profile at start, edited by the dialog
// (EnvironmentSettingsCommand.cpp), written back at exit.
#include <array>
#include <string>

struct EnvironmentSettings {
    std::string m_strEditor;
    std::string m_strViewer;

    // Text and picture pages.
    int m_nBackGrandColor = 1;
    int m_nBmpBackground = 6;
    std::string m_strKey1, m_strKey2, m_strKey3;
    std::string m_strCtgry0, m_strCtgry1, m_strCtgry2, m_strCtgry3;
    std::array<int, 6> m_anKeyCount{};
    std::string m_strTextAppear;
    int m_nJpegProcess = 1;
    int m_nPicturePosition = 1;
    int m_nPicturePositionCopy = 1;
    std::string m_strTextWithPicture = "on";

    // The map.
    int m_nScreen = 0;
    int m_nPrfMpData = 0;
    std::string m_strStartWhiteMap = "off";
    std::string m_strSheetSelect = "MAP";

    // Place names and the area search.
    std::string m_strSiteNameFile;
    std::string m_strAnnotationTable;
    std::string m_strPublicFacilityTable;
    int m_nAreaSearch = 1;
    int m_nAreaShape = 0;
    int m_nAreaSizeKm = 50;
    int m_nOutputElevation = -999;
    int m_nHideFoundPlaces = 1;
    int m_nGnpfSetting = -999; // the provisional point elevation

    int m_nEnvDialogTab = 0; // the tab the dialog opens with, kept for the run
};
