// Menu commands the view handles itself: the redisplay of the last map (also the first repaint's
// restore), the enlarge and route tools, the text font, the elevation legend, the slide-show
// settings, the copy to the clipboard, the arrow keys and the end of the album play; and the
// connection of the commands whose handlers live with their pieces (place names, find-place,
// album start, the memo button).
#include "app/document/MapDisplayMode.h"
#include "view/window/VeldoranView.h"

#include "app/document/ProfileLimits.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/TovendlgExports.h"
#include "contracts/tovendlg.h"
#include "platform/dc/Dc.h"
#include "platform/sys/ApplicationFolder.h"
#include "platform/sys/ProfileStore.h"
#include "platform/text/Numbers.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Ui.h"
#include "view/window/StartDataCheck.h"
#include "view/navigation/ViewNavigation.h"

#include <vector>

namespace {

// A command that opens a dialog of TOVENDLG is enabled only once that dialog is there: until the
// library exports it, choosing the command would do nothing.
template <class Fn>
bool DialogLanded(const LibraryExport<Fn>& entry)
{
    return entry.fn != nullptr;
}

} // namespace

void CVeldoranView::ConnectCommands()
{
    CVeldoranDoc& doc = *m_pDoc;
    OnCommand(ID_REDISPLAY_MAP, [this] { OnRedisplayMap(); });
    OnCommand(ID_ENLARGE_SHEET, [this] { OnEnlargeSheet(); });
    OnUpdateCommandUI(ID_ENLARGE_SHEET, [this, &doc](vd::CmdUI& ui) {
        if (doc.position.m_nMapFrame == 3) {
            ui.SetCheck(1);
            ui.Enable(false);
            return;
        }
        // The range drag enlarges the white map only (no map figure).
        ui.Enable(doc.repaint.m_bMapOnScreen == 1 && doc.position.m_nMapType == 1 && doc.position.m_nMapFigure != 1);
        ui.SetCheck(doc.pointer.m_nMouseTool == 3 ? 1 : 0);
    });
    OnCommand(ID_CREATE_ROUTE_MAP, [this] { OnCreateRouteMap(); });
    OnUpdateCommandUI(ID_CREATE_ROUTE_MAP, [&doc](vd::CmdUI& ui) {
        ui.Enable(doc.repaint.m_bMapOnScreen == 1 && doc.menus.m_nGuideMapIndex < 0);
        ui.SetCheck(doc.pointer.m_nMouseTool == 5 ? 1 : 0);
    });
    OnCommand(ID_TEXT_FONT, [this] { OnTextFont(); });
    OnCommand(ID_TRACKS, [this] { OnTracks(); });
    OnUpdateCommandUI(ID_TRACKS, [&doc](vd::CmdUI& ui) { ui.SetCheck(doc.tracks.m_strTrackFile.empty() ? 0 : 1); });
    for (int id : {ID_ELEVATION_LEGEND, ID_ELEVATION_LEGEND_POPUP}) {
        OnCommand(id, [this] { OnElevationLegend(); });
        OnUpdateCommandUI(id, [&doc](vd::CmdUI& ui) {
            ui.Enable(doc.position.m_nMapFigure == 1 && DialogLanded(Tovendlg().OnLegendElevetion));
        });
    }
    for (int id : {ID_PLACE_NAME_SEARCH, ID_PLACE_NAME_SEARCH_POPUP}) {
        OnCommand(id, [&doc] { doc.RetrievePlaceNames(); });
        OnUpdateCommandUI(id, [&doc](vd::CmdUI& ui) {
            ui.Enable(doc.position.m_nMapType == 1 && DialogLanded(Tovendlg().OnGnpfRetrieveSet));
            ui.SetCheck(doc.m_nResultCount > 0 ? 1 : 0);
        });
    }
    OnCommand(ID_HIDE_PLACE_NAMES, [this] { OnHidePlaceNames(); });
    OnUpdateCommandUI(ID_HIDE_PLACE_NAMES, [&doc](vd::CmdUI& ui) { ui.Enable(doc.m_nResultCount > 0); });
    for (int id : {ID_FIND_PLACE, ID_FIND_PLACE_POPUP})
        OnCommand(id, [this] { OnFindPlace(); });
    for (int id : {ID_FIND_SEARCH_RESULT, ID_FIND_SEARCH_RESULT_POPUP}) {
        OnCommand(id, [this] { OnFindSearchResult(); });
        OnUpdateCommandUI(id, [&doc](vd::CmdUI& ui) { ui.Enable(doc.m_nResultCount > 0); });
    }
    OnCommand(ID_FIND_MUNICIPALITY, [this] { OnFindMunicipality(); });
    OnCommand(ID_ALBUM_START, [this] { OnAlbumStart(); });
    OnUpdateCommandUI(ID_ALBUM_START,
                      [&doc](vd::CmdUI& ui) { ui.Enable(doc.m_nMapDisplayMode == map_display::kMapShown); });
    OnCommand(ID_BUTTON_MEMO, [this] { OnButtonMemo(); });
    OnCommand(ID_ALBUM_STOP, [this] { OnAlbumStop(); });
    OnUpdateCommandUI(ID_ALBUM_STOP,
                      [&doc](vd::CmdUI& ui) { ui.Enable(doc.repaint.m_nSavedMapDisplayMode == map_display::kAlbum); });
    OnCommand(ID_SLIDE_SHOW_SETTINGS, [this] { OnSlideShowSettings(); });
    OnUpdateCommandUI(ID_SLIDE_SHOW_SETTINGS, [](vd::CmdUI& ui) { ui.Enable(DialogLanded(Tovendlg().OnSlideSet)); });
    OnCommand(ID_COPY_MAP, [this] { OnCopyMap(); });
    OnCommandRange(ID_ARROW_UP, ID_ARROW_DOWN, [this](int id) { OnArrowKey(id); });
    OnUpdateCommandUIRange(ID_ARROW_UP, ID_ARROW_DOWN, [this](vd::CmdUI& ui) { ui.Enable(ArrowKeysMove()); });
    OnCommand(ID_FILE_PRINT_TEXT, [this] { OnFilePrint(); });
    OnCommand(ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
    for (int id : {ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_TEXT})
        OnUpdateCommandUI(id, [&doc](vd::CmdUI& ui) { ui.Enable(doc.m_nMapDisplayMode == map_display::kTextPage); });
}

void CVeldoranView::OnRedisplayMap()
{
    CVeldoranDoc& doc = *m_pDoc;
    doc.entry.m_nPictureFit = 0;
    m_strPageText.clear();
    m_pNavigation->RemoveViewButtons(6);
    if (doc.menus.m_nGuideMapIndex >= 0) {
        doc.m_nMapDisplayMode = map_display::kSheetPicture;
        InvalidateView(true);
        return;
    }
    doc.m_nMapDisplayMode = map_display::kMainMap;
    doc.environment.m_nPicturePosition = doc.environment.m_nPicturePositionCopy;
    if (m_nLastMapState == 999) {
        m_nLastMapState = 1;
        vd::ProfileStore profile;
        if (doc.registered.m_strDataFile.empty())
            doc.registered.m_strDataFile = doc.folders.m_strSourceDir + "history.dat";
        if (doc.environment.m_strStartWhiteMap == "on" && profile.getString("LastData", "MapName", "").empty())
            doc.environment.m_strStartWhiteMap = "off";
        auto startMapOfSystem = [&] {
            doc.position.m_nMapFrame = UsableMapFrame(profile.getInt("System", "MapFrame", 2));
            doc.m_strMapName = UsableSheetName(profile.getString("System", "MapName", kStartSheetName));
            doc.FindSheetByName(doc.m_strMapName, doc.folders.m_strSheetIndexFile);
        };
        if (doc.environment.m_strStartWhiteMap == "on") {
            doc.position.m_nMapFrame = UsableMapFrame(profile.getInt("LastData", "MapFrame", 2));
            doc.m_strMapName = profile.getString("LastData", "MapName", "");
            if (doc.m_strMapName.find("Ｂ") != std::string::npos || doc.m_strMapName.find("Ｏ") != std::string::npos)
                doc.depth.m_nSubmarineLayer = 1;
            if (!doc.m_strMapName.empty())
                doc.FindSheetByName(doc.m_strMapName, doc.folders.m_strSheetIndexFile);
            else
                startMapOfSystem();
            doc.position.m_strDistrict = profile.getString("LastData", "District", "");
        } else {
            startMapOfSystem();
            doc.position.m_strDistrict = profile.getString("System", "District", "近畿中部");
        }
        // Without the folder or the sheet index the map would be an empty frame: say so, once.
        if (!m_bStartDataChecked) {
            m_bStartDataChecked = true;
            const std::string problem = StartDataProblem(vd::applicationFolderPath(), doc.folders.m_strSheetIndexFile);
            if (!problem.empty())
                vd::ui::AfxMessageBox(problem, vd::MB_OK | vd::MB_ICONEXCLAMATION);
        }
    }
    m_nAlbumState = 0;
    doc.repaint.m_bMapOnScreen = 0;
    if (!doc.m_strMapName.empty())
        InvalidateView(true);
}

void CVeldoranView::WritePrompt(int left, int top, int right, int bottom, int x, int y, const std::string& text)
{
    vd::ClientDc window = GetDC();
    if (!window)
        return;
    window->Rectangle(left, top, right, bottom);
    const vd::COLORREF previous = window->SetTextColor(vd::RGB(255, 0, 0));
    window->TextOut(x, y, text);
    window->SetTextColor(previous);
}

void CVeldoranView::OnEnlargeSheet()
{
    CVeldoranDoc& doc = *m_pDoc;
    const int h = m_nSavedHeight;
    const bool wide = m_nSavedWidth > 800;
    if (doc.pointer.m_nMouseTool == 3) {
        doc.pointer.m_nMouseTool = 0;
        doc.pointer.m_nMouseMode = 3;
        m_nDragState = 9999;
        vd::ClientDc window = GetDC();
        if (window)
            window->TextOut(wide ? 155 : 2, h - 18, m_strBlankLine);
        return;
    }
    if (doc.repaint.m_bMapOnScreen != 1 || doc.pointer.m_nMouseTool != 0)
        return;
    doc.pointer.m_nMouseTool = 3;
    doc.pointer.m_nMouseMode = 8;
    m_nEnlargeSavedFrame = doc.position.m_nMapFrame;
    if (wide)
        WritePrompt(10, 2, 430, 25, 15, 5, "指定する範囲の左上隅で左ﾎﾞﾀﾝを押して、右下隅までﾄﾞﾗｯｸﾞしてください!!");
    else
        WritePrompt(0, h - 21, 420, h + 1, 2, h - 18, "指定する範囲の左上隅で左ﾎﾞﾀﾝを押して右下隅までﾄﾞﾗｯｸﾞ!!");
}

void CVeldoranView::OnCreateRouteMap()
{
    CVeldoranDoc& doc = *m_pDoc;
    const int h = m_nSavedHeight;
    const bool wide = m_nSavedWidth > 800;
    if (doc.pointer.m_nMouseTool == 5) {
        doc.pointer.m_nMouseTool = 0;
        doc.pointer.m_nMouseMode = 3;
        vd::ClientDc window = GetDC();
        if (window)
            window->TextOut(wide ? 470 : 7, h - 22, m_strBlankLine);
        return;
    }
    doc.pointer.m_nMouseTool = 5;
    doc.pointer.m_nMouseMode = 9;
    m_nRoutePointCount = 0;
    const std::string prompt = "<ﾃｷｽﾄ・画像のﾙｰﾄﾏｯﾌﾟ>   登録地点をｸﾘｯｸ！ (最後はﾀﾞﾌﾞﾙｸﾘｯｸ)";
    if (wide)
        WritePrompt(465, h - 25, 935, h - 2, 470, h - 22, prompt);
    else
        WritePrompt(5, h - 25, 475, h - 2, 7, h - 22, prompt);
}

void CVeldoranView::OnTextFont()
{
    vd::LogFont font = m_fontText.IsNull() ? m_logFontText : m_fontText.GetLogFont();
    if (vd::ui::chooseFont(font)) {
        m_fontText.DeleteObject();
        if (font.lfHeight > 24)
            font.lfHeight = 25;
        else if (font.lfHeight < -24)
            font.lfHeight = -25;
        m_fontText.CreateFontIndirect(font);
        m_logFontText = font;
        m_pNavigation->SetViewButton(30, "", 0, 0, 0, 0);
        m_pNavigation->SetViewButton(31, "", 0, 0, 0, 0);
    }
    m_pDoc->repaint.m_bMapOnScreen = 0;
    InvalidateView(true);
}

void CVeldoranView::OnElevationLegend()
{
    const CVeldoranDoc& doc = *m_pDoc;
    if (auto* legend = Tovendlg().OnLegendElevetion.fn)
        legend(doc.colours.m_nPaletteNo, doc.folders.m_strPaletteDir, int(doc.colours.m_crLakeColour));
}

void CVeldoranView::OnSlideShowSettings()
{
    CVeldoranDoc& doc = *m_pDoc;
    auto* slideSet = Tovendlg().OnSlideSet.fn;
    if (!slideSet)
        return;
    const std::string answer =
        slideSet(m_nAlbumPlayOption, m_nPageInterval, m_nSlideSize, m_strSlideMemo, doc.entry.m_strSlidePlayMode,
                 m_strShowSeconds, m_strSlideLocator, m_strJpgInSlide);
    if (answer.empty())
        return;
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() < 7) {
        const std::size_t bar = answer.find('|', start);
        if (bar == std::string::npos)
            return; // a short answer is no settings
        fields.push_back(answer.substr(start, bar - start));
        start = bar + 1;
    }
    const std::string rest = answer.substr(start);
    m_nAlbumPlayOption = vd::parseInt(fields[0]);
    m_nPageInterval = vd::parseInt(fields[1]);
    m_nSlideSize = vd::parseInt(fields[2]);
    m_strSlideMemo = fields[3];
    doc.entry.m_strSlidePlayMode = fields[4];
    m_strPlayMode = fields[4];
    m_strShowSeconds = fields[5];
    m_strSlideLocator = fields[6];
    if (rest != m_strJpgInSlide) {
        m_strJpgInSlide = rest;
        vd::ProfileStore().writeString("System", "JPGinSlide", rest);
    }
}

void CVeldoranView::OnCopyMap()
{
    // The old copy took the screen one pixel in from the client's left edge.
    const vd::ui::Rect client = GetClientRect();
    vd::copyWindowToClipboard(*this, vd::Rect{1, 0, client.right, client.bottom});
}

bool CVeldoranView::ArrowKeysMove() const
{
    // Only a sheet map on screen: a table or page drawn over the kept map leaves the mode as it
    // was but takes the map off the screen.
    return m_pDoc->m_nMapDisplayMode == map_display::kMapShown && m_pDoc->position.m_nMapType == 1 &&
           m_pDoc->repaint.m_bMapOnScreen == 1;
}

void CVeldoranView::OnArrowKey(int commandId)
{
    static constexpr int kButtons[] = {312, 314, 316, 318};
    if (ArrowKeysMove())
        m_pNavigation->RunButtonCommand(kButtons[commandId - ID_ARROW_UP]);
}

void CVeldoranView::OnAlbumStop()
{
    m_pNavigation->RunButtonCommand(327);
}
