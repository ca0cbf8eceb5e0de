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
    m_nMouseTool = 0;
    m_nMouseMode = 3;
    m_nSiteNamePopup = m_nSavedSiteNamePopup;
    m_bMouseToolActive = 0;
}

void CVeldoranDoc::OnRegisterData()
{
    if (m_nMouseTool != 0) {
        EndMouseTool();
    } else if (m_strDualSource == "on") {
        TellDualSource();
    } else {
        m_nMouseMode = 4;
        m_nMouseTool = kDataTool;
        m_bMouseToolActive = 1;
        m_nSiteNameDisplay = 1;
        m_nSavedSiteNamePopup = m_nSiteNamePopup;
        m_nSiteNamePopup = 0;
    }
}

void CVeldoranDoc::OnRegisterAlbum()
{
    if (m_nMouseTool != 0) {
        EndMouseTool();
    } else {
        m_bMouseToolActive = 1;
        m_nMouseTool = kAlbumTool;
        m_nMouseMode = 4;
        m_nSavedSiteNamePopup = m_nSiteNamePopup;
    }
}

void CVeldoranDoc::OnUpdateDataAlbum()
{
    if (m_nMouseTool != 0) {
        EndMouseTool();
        m_nMapDisplayMode = m_nMapType == 4 ? map_display::kSheetPicture : map_display::kMainMap;
        if (m_nSiteNameDisplay == 1 && m_nSavedSiteNamePopup == 1)
            m_nPlaceNamePopupActive = 1;
        UpdateAllViews();
    } else if (m_strDualSource == "on") {
        TellDualSource();
    } else {
        m_nMouseTool = kUpdateTool;
        m_bMouseToolActive = 1;
        m_nSiteNameDisplay = 1;
        m_nSavedSiteNamePopup = m_nSiteNamePopup;
        m_nMouseMode = 7;
        if (m_nSavedSiteNamePopup == 1)
            m_nPlaceNamePopupActive = 0;
    }
}

void CVeldoranDoc::UpdateMouseToolItem(vd::CmdUI& ui, int tool, bool allowed) const
{
    if (m_bMapOnScreen == 1 && allowed) {
        ui.Enable(true);
        ui.SetCheck(m_nMouseTool == tool ? 1 : 0);
        return;
    }
    if (m_nMouseTool == 0)
        ui.SetCheck(0);
    ui.Enable(false);
}

void CVeldoranDoc::OnDataSourceSelect()
{
    auto* dialog = Tovendlg().OnDataSourceSet.fn;
    if (!dialog)
        return;
    m_bLayerDialogOpen = 1;
    const std::string answer = dialog(m_nDataSource, m_strDualSource, m_strSourceDir);
    m_bLayerDialogOpen = 0;
    const std::string dualBefore = m_strDualSource;
    const std::string fileBefore = m_strDataFile;
    if (answer.empty()) {
        m_nMapDisplayMode = map_display::kMainMap;
        UpdateAllViews();
        return;
    }
    LayerAnswer fields = LayerAnswer::SplitAll(answer);
    m_nDataSource = fields.Int();
    m_strDualSource = fields.Text();
    m_strDataFileTitle = fields.Rest();
    if (m_nDataSource < 1) {
        m_strDataFile = m_strSourceDir + "history.dat";
    } else {
        if (m_strDataFileTitle.find("HD") == std::string::npos)
            vd::ui::AfxMessageBox("CDROM ｢" + m_strDataFileTitle + "｣を準備してください！", vd::MB_OK);
        m_strDataFile = m_strSourceDir + vd::format("Source%d.dat", m_nDataSource);
    }
    if (m_nMapDisplayMode == map_display::kMapShown && m_strDataFile == fileBefore && m_strDualSource == dualBefore) {
        m_bMapOnScreen = 0;
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
    m_bLayerDialogOpen = 1;
    m_nMenuBarState = dialog(m_strAppDir, m_strEditor, m_strSheetIndexFile);
    m_bLayerDialogOpen = 0;
    if (m_nMenuBarState == -3) {
        m_nMapDisplayMode = map_display::kMainMap;
        m_bMapOnScreen = 0;
        UpdateAllViews();
    }
}
