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
    dialog.m_strEditor = environment.m_strEditor;
    dialog.m_strSheetIndexFile = folders.m_strSheetIndexFile;
    // The block the map starts with is the profile's, compared with the current one on OK.
    dialog.m_nMapFrame = profile.getInt(kSystem, "MapFrame", 2);
    dialog.m_nBackGrandColor = environment.m_nBackGrandColor;
    dialog.m_strBmpBackground = std::to_string(profile.getInt(kSystem, "BmpBackground", 6));
    dialog.m_strAppDir = folders.m_strAppDir;
    dialog.m_strSiteNameFile = environment.m_strSiteNameFile;
    dialog.m_keywords = {
        {environment.m_strKey1, environment.m_strKey2, environment.m_strKey3},
        {environment.m_strCtgry0, environment.m_strCtgry1, environment.m_strCtgry2, environment.m_strCtgry3},
        environment.m_anKeyCount};
    dialog.m_nPrfMpData = environment.m_nPrfMpData;
    dialog.m_strStartWhiteMap = environment.m_strStartWhiteMap;
    dialog.m_strSheetSelect = environment.m_strSheetSelect;
    dialog.m_strTextAppear = environment.m_strTextAppear;
    dialog.m_strViewer = environment.m_strViewer;
    dialog.m_strTextWithPicture = environment.m_strTextWithPicture;
    dialog.m_nAreaSearch = environment.m_nAreaSearch;
    dialog.m_nAreaShape = environment.m_nAreaShape;
    dialog.m_nAreaSizeKm = environment.m_nAreaSizeKm;
    dialog.m_strAnnotationTable = environment.m_strAnnotationTable;
    dialog.m_strPublicFacilityTable = environment.m_strPublicFacilityTable;
    dialog.m_nOutputElevation = environment.m_nOutputElevation;
    dialog.m_nHideFoundPlaces = environment.m_nHideFoundPlaces;
    dialog.m_nJpegProcess = environment.m_nJpegProcess;
    dialog.m_nMapMode = position.m_nMapMode;
    dialog.m_nPicturePosition = environment.m_nPicturePosition;
    dialog.m_nEnvDialogTab = environment.m_nEnvDialogTab;
    dialog.m_nScreen = environment.m_nScreen;

    repaint.m_bLayerDialogOpen = 1;
    const int answer = dialog.DoModal();
    repaint.m_bLayerDialogOpen = 0;
    if (answer != vd::IDOK)
        return;

    bool redraw = false;
    StoreText(profile, "Editer", environment.m_strEditor, dialog.m_strEditor);
    StoreText(profile, "StartWhiteMap", environment.m_strStartWhiteMap, dialog.m_strStartWhiteMap);
    if (dialog.m_nMapFrame != position.m_nMapFrame) {
        position.m_nMapFrame = position.m_nMapFrameCopy2 = dialog.m_nMapFrame;
        profile.writeInt(kSystem, "MapFrame", position.m_nMapFrame);
        redraw = true;
    }
    StoreInt(profile, "BackGrandColor", environment.m_nBackGrandColor, dialog.m_nBackGrandColor);
    StoreInt(profile, "BmpBackground", environment.m_nBmpBackground, vd::parseInt(dialog.m_strBmpBackground));
    StoreText(profile, "SiteNameFile", environment.m_strSiteNameFile, dialog.m_strSiteNameFile);
    environment.m_nPrfMpData = dialog.m_nPrfMpData;
    environment.m_strSheetSelect = dialog.m_strSheetSelect;
    // The keyword dialog wrote these to the profile already.
    environment.m_strKey1 = dialog.m_keywords.keys[0];
    environment.m_strKey2 = dialog.m_keywords.keys[1];
    environment.m_strKey3 = dialog.m_keywords.keys[2];
    environment.m_strCtgry0 = dialog.m_keywords.categories[0];
    environment.m_strCtgry1 = dialog.m_keywords.categories[1];
    environment.m_strCtgry2 = dialog.m_keywords.categories[2];
    environment.m_strCtgry3 = dialog.m_keywords.categories[3];
    environment.m_anKeyCount = dialog.m_keywords.counts;
    environment.m_strTextAppear = dialog.m_strTextAppear;
    StoreText(profile, "Viewer", environment.m_strViewer, dialog.m_strViewer);
    environment.m_strTextWithPicture = dialog.m_strTextWithPicture;
    environment.m_nAreaSearch = dialog.m_nAreaSearch;
    environment.m_nAreaShape = dialog.m_nAreaShape;
    environment.m_nAreaSizeKm = dialog.m_nAreaSizeKm;
    StoreText(profile, "Tyuuki", environment.m_strAnnotationTable, dialog.m_strAnnotationTable);
    StoreText(profile, "Koukyou", environment.m_strPublicFacilityTable, dialog.m_strPublicFacilityTable);
    environment.m_nOutputElevation = dialog.m_nOutputElevation;
    environment.m_nHideFoundPlaces = dialog.m_nHideFoundPlaces;
    StoreInt(profile, "JpegProcess", environment.m_nJpegProcess, dialog.m_nJpegProcess);
    if (dialog.m_nMapMode != position.m_nMapMode) {
        position.m_nMapMode = dialog.m_nMapMode;
        redraw = true;
    }
    environment.m_nPicturePosition = environment.m_nPicturePositionCopy = dialog.m_nPicturePosition;
    environment.m_nScreen = dialog.m_nScreen;
    environment.m_nEnvDialogTab = dialog.m_nEnvDialogTab;

    if (redraw) {
        m_nMapDisplayMode = map_display::kMainMap;
        repaint.m_bMapOnScreen = 0;
        UpdateAllViews();
    }
}
