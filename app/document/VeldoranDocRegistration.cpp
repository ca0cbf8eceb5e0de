// The mouse's registration and update modes, the choice of the data source and the registration
// of map sheets.
#include "app/document/MapDisplayMode.h"
#include "app/layers/LayerAnswer.h"
#include "app/libraries/MissingPart.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/SurrickExports.h"
#include "contracts/bindings/TovendlgExports.h"
#include "contracts/surrick.h"
#include "contracts/tovendlg.h"
#include "platform/text/Format.h"
#include "platform/ui/Ui.h"

namespace {

constexpr int kDataTool = 1;
constexpr int kUpdateTool = 2;
constexpr int kAlbumTool = 4;

void TellDualSource()
{
    vd::ui::AfxMessageBox("HDとCDROMの２つのﾃﾞｰﾀﾌｧｲﾙがあります"
                          "\r\n"
                          "｢ﾃﾞｰﾀｿｰｽ｣を指定し直してください！",
                          vd::MB_OK);
}

} // namespace

void CVeldoranDoc::EndMouseTool()
{
    pointer.m_nMouseTool = 0;
    pointer.m_nMouseMode = 3;
    spec.m_nSiteNamePopup = registered.m_nSavedSiteNamePopup;
    pointer.m_bMouseToolActive = 0;
}

void CVeldoranDoc::OnRegisterData()
{
    if (pointer.m_nMouseTool != 0) {
        EndMouseTool();
    } else if (registered.m_strDualSource == "on") {
        TellDualSource();
    } else {
        pointer.m_nMouseMode = 4;
        pointer.m_nMouseTool = kDataTool;
        pointer.m_bMouseToolActive = 1;
        m_nSiteNameDisplay = 1;
        registered.m_nSavedSiteNamePopup = spec.m_nSiteNamePopup;
        spec.m_nSiteNamePopup = 0;
    }
}

void CVeldoranDoc::OnRegisterAlbum()
{
    if (pointer.m_nMouseTool != 0) {
        EndMouseTool();
    } else {
        pointer.m_bMouseToolActive = 1;
        pointer.m_nMouseTool = kAlbumTool;
        pointer.m_nMouseMode = 4;
        registered.m_nSavedSiteNamePopup = spec.m_nSiteNamePopup;
    }
}

void CVeldoranDoc::OnUpdateDataAlbum()
{
    if (pointer.m_nMouseTool != 0) {
        EndMouseTool();
        m_nMapDisplayMode = position.m_nMapType == 4 ? map_display::kSheetPicture : map_display::kMainMap;
        if (m_nSiteNameDisplay == 1 && registered.m_nSavedSiteNamePopup == 1)
            spec.m_nPlaceNamePopupActive = 1;
        UpdateAllViews();
    } else if (registered.m_strDualSource == "on") {
        TellDualSource();
    } else {
        pointer.m_nMouseTool = kUpdateTool;
        pointer.m_bMouseToolActive = 1;
        m_nSiteNameDisplay = 1;
        registered.m_nSavedSiteNamePopup = spec.m_nSiteNamePopup;
        pointer.m_nMouseMode = 7;
        if (registered.m_nSavedSiteNamePopup == 1)
            spec.m_nPlaceNamePopupActive = 0;
    }
}

void CVeldoranDoc::UpdateMouseToolItem(vd::CmdUI& ui, int tool, bool allowed) const
{
    if (repaint.m_bMapOnScreen == 1 && allowed) {
        ui.Enable(true);
        ui.SetCheck(pointer.m_nMouseTool == tool ? 1 : 0);
        return;
    }
    if (pointer.m_nMouseTool == 0)
        ui.SetCheck(0);
    ui.Enable(false);
}

void CVeldoranDoc::OnDataSourceSelect()
{
    auto* dialog = Tovendlg().OnDataSourceSet.fn;
    if (!dialog)
        return;
    repaint.m_bLayerDialogOpen = 1;
    const std::string answer = dialog(registered.m_nDataSource, registered.m_strDualSource, folders.m_strSourceDir);
    repaint.m_bLayerDialogOpen = 0;
    const std::string dualBefore = registered.m_strDualSource;
    const std::string fileBefore = registered.m_strDataFile;
    if (answer.empty()) {
        m_nMapDisplayMode = map_display::kMainMap;
        UpdateAllViews();
        return;
    }
    LayerAnswer fields = LayerAnswer::SplitAll(answer);
    registered.m_nDataSource = fields.Int();
    registered.m_strDualSource = fields.Text();
    registered.m_strDataFileTitle = fields.Rest();
    if (registered.m_nDataSource < 1) {
        registered.m_strDataFile = folders.m_strSourceDir + "history.dat";
    } else {
        if (registered.m_strDataFileTitle.find("HD") == std::string::npos)
            vd::ui::AfxMessageBox("CDROM ｢" + registered.m_strDataFileTitle + "｣を準備してください！", vd::MB_OK);
        registered.m_strDataFile = folders.m_strSourceDir + vd::format("Source%d.dat", registered.m_nDataSource);
    }
    if (m_nMapDisplayMode == map_display::kMapShown && registered.m_strDataFile == fileBefore &&
        registered.m_strDualSource == dualBefore) {
        repaint.m_bMapOnScreen = 0;
        m_nMapDisplayMode = map_display::kDataSourceOverview;
    } else {
        m_nMapDisplayMode = map_display::kMainMap;
    }
    UpdateAllViews();
}

void CVeldoranDoc::OnRegisterSheets()
{
    auto* dialog = CommandEntryPoint(kSheetRegistrationPart, Surrick().OnMapBarMenuFileSet);
    if (!dialog)
        return;
    repaint.m_bLayerDialogOpen = 1;
    menus.m_nMenuBarState = dialog(folders.m_strAppDir, environment.m_strEditor, folders.m_strSheetIndexFile);
    repaint.m_bLayerDialogOpen = 0;
    if (menus.m_nMenuBarState == -3) {
        m_nMapDisplayMode = map_display::kMainMap;
        repaint.m_bMapOnScreen = 0;
        UpdateAllViews();
    }
}
