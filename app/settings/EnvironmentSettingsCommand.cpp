// The environment settings command (環境設定, Ctrl+E): the document's settings copied into the
// dialog, the dialog run, and on OK the values taken back, the changed ones written to the profile
// and the map redrawn when its sheet block changed.
#include "app/document/MapDisplayMode.h"
#include "app/document/VeldoranDoc.h"
#include "app/settings/EnvSettingsDialog.h"
#include "platform/sys/ProfileStore.h"
#include "platform/text/Numbers.h"

#include <string>

namespace {

constexpr const char* kSystem = "System";

// Stores a value that the profile keeps; writes it when it changed.
void StoreText(vd::ProfileStore& profile, const char* key, std::string& member, const std::string& value)
{
    if (member == value)
        return;
    member = value;
    profile.writeString(kSystem, key, value);
}

void StoreInt(vd::ProfileStore& profile, const char* key, int& member, int value)
{
    if (member == value)
        return;
    member = value;
    profile.writeInt(kSystem, key, value);
}

} // namespace

void CVeldoranDoc::OnEnvironmentSettings()
{
    vd::ProfileStore profile;
    CDlgEnvSettings dialog;
    dialog.m_strEditor = m_strEditor;
    dialog.m_strSheetIndexFile = m_strSheetIndexFile;
    // The block the map starts with is the profile's, compared with the current one on OK.
    dialog.m_nMapFrame = profile.getInt(kSystem, "MapFrame", 2);
    dialog.m_nBackGrandColor = m_nBackGrandColor;
    dialog.m_strBmpBackground = std::to_string(profile.getInt(kSystem, "BmpBackground", 6));
    dialog.m_strAppDir = m_strAppDir;
    dialog.m_strSiteNameFile = m_strSiteNameFile;
    dialog.m_keywords = {{m_strKey1, m_strKey2, m_strKey3}, {m_strCtgry0, m_strCtgry1, m_strCtgry2, m_strCtgry3},
                         m_anKeyCount};
    dialog.m_nPrfMpData = m_nPrfMpData;
    dialog.m_strStartWhiteMap = m_strStartWhiteMap;
    dialog.m_strSheetSelect = m_strSheetSelect;
    dialog.m_strTextAppear = m_strTextAppear;
    dialog.m_strViewer = m_strViewer;
    dialog.m_strTextWithPicture = m_strTextWithPicture;
    dialog.m_nAreaSearch = m_nAreaSearch;
    dialog.m_nAreaShape = m_nAreaShape;
    dialog.m_nAreaSizeKm = m_nAreaSizeKm;
    dialog.m_strAnnotationTable = m_strAnnotationTable;
    dialog.m_strPublicFacilityTable = m_strPublicFacilityTable;
    dialog.m_nOutputElevation = m_nOutputElevation;
    dialog.m_nHideFoundPlaces = m_nHideFoundPlaces;
    dialog.m_nJpegProcess = m_nJpegProcess;
    dialog.m_nMapMode = m_nMapMode;
    dialog.m_nPicturePosition = m_nPicturePosition;
    dialog.m_nEnvDialogTab = m_nEnvDialogTab;
    dialog.m_nScreen = m_nScreen;

    m_bLayerDialogOpen = 1;
    const int answer = dialog.DoModal();
    m_bLayerDialogOpen = 0;
    if (answer != vd::IDOK)
        return;

    bool redraw = false;
    StoreText(profile, "Editer", m_strEditor, dialog.m_strEditor);
    StoreText(profile, "StartWhiteMap", m_strStartWhiteMap, dialog.m_strStartWhiteMap);
    if (dialog.m_nMapFrame != m_nMapFrame) {
        m_nMapFrame = m_nMapFrameCopy2 = dialog.m_nMapFrame;
        profile.writeInt(kSystem, "MapFrame", m_nMapFrame);
        redraw = true;
    }
    StoreInt(profile, "BackGrandColor", m_nBackGrandColor, dialog.m_nBackGrandColor);
    StoreInt(profile, "BmpBackground", m_nBmpBackground, vd::parseInt(dialog.m_strBmpBackground));
    StoreText(profile, "SiteNameFile", m_strSiteNameFile, dialog.m_strSiteNameFile);
    m_nPrfMpData = dialog.m_nPrfMpData;
    m_strSheetSelect = dialog.m_strSheetSelect;
    // The keyword dialog wrote these to the profile already.
    m_strKey1 = dialog.m_keywords.keys[0];
    m_strKey2 = dialog.m_keywords.keys[1];
    m_strKey3 = dialog.m_keywords.keys[2];
    m_strCtgry0 = dialog.m_keywords.categories[0];
    m_strCtgry1 = dialog.m_keywords.categories[1];
    m_strCtgry2 = dialog.m_keywords.categories[2];
    m_strCtgry3 = dialog.m_keywords.categories[3];
    m_anKeyCount = dialog.m_keywords.counts;
    m_strTextAppear = dialog.m_strTextAppear;
    StoreText(profile, "Viewer", m_strViewer, dialog.m_strViewer);
    m_strTextWithPicture = dialog.m_strTextWithPicture;
    m_nAreaSearch = dialog.m_nAreaSearch;
    m_nAreaShape = dialog.m_nAreaShape;
    m_nAreaSizeKm = dialog.m_nAreaSizeKm;
    StoreText(profile, "Tyuuki", m_strAnnotationTable, dialog.m_strAnnotationTable);
    StoreText(profile, "Koukyou", m_strPublicFacilityTable, dialog.m_strPublicFacilityTable);
    m_nOutputElevation = dialog.m_nOutputElevation;
    m_nHideFoundPlaces = dialog.m_nHideFoundPlaces;
    StoreInt(profile, "JpegProcess", m_nJpegProcess, dialog.m_nJpegProcess);
    if (dialog.m_nMapMode != m_nMapMode) {
        m_nMapMode = dialog.m_nMapMode;
        redraw = true;
    }
    m_nPicturePosition = m_nPicturePositionCopy = dialog.m_nPicturePosition;
    m_nScreen = dialog.m_nScreen;
    m_nEnvDialogTab = dialog.m_nEnvDialogTab;

    if (redraw) {
        m_nMapDisplayMode = map_display::kMainMap;
        m_bMapOnScreen = 0;
        UpdateAllViews();
    }
}
