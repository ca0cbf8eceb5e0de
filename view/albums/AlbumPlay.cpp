// Album play in map mode 13: the route, area or album dialog and the page list it starts
// (StartAlbumPlayback, OnAlbumStart), and the page each repaint draws: automatically against
// the one-second timers (DrawAlbumItemPage, or ShowAlbumPicture for the pictures an outside
// viewer shows) or by hand (DrawManualAlbumPage). The timers themselves are the view's.
#include "app/document/MapDisplayMode.h"
#include "view/window/VeldoranView.h"

#include "app/document/VeldoranDoc.h"
#include "platform/dc/Dc.h"
#include "platform/text/Format.h"
#include "platform/text/StringOps.h"
#include "platform/ui/WaitCursor.h"
#include "userdata/RecordLines.h"
#include "view/albums/AlbumEntry.h"
#include "view/navigation/ViewNavigation.h"
#include "view/pages/ViewPages.h"
#include "view/sheetmap/ViewBaseMap.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::size_t kPageListSize = 5000;
// An album's lines as shown items: at most 99 pages, so the end mark always follows.
constexpr std::size_t kAlbumShownItems = 99;


void FillWhite(CVeldoranView& view, vd::Dc& dc)
{
    dc.FillSolidRect(0, 0, view.m_nSavedWidth, view.m_nSavedHeight, vd::RGB(255, 255, 255));
}

} // namespace

void CVeldoranView::StartAlbumPlayback(const std::string& title, const std::string& item, const std::string& kind,
                                       const std::string& latitude, const std::string& longitude)
{
    CVeldoranDoc& doc = *m_pDoc;
    m_strPlayMode = doc.RegisterRouteMap(title, item, kind, latitude, longitude);
    const bool routeOrArea = kind == "RouteMap" || kind == "AreaMap";
    if (m_strPlayMode == "cancel") {
        if (kind == "RouteMap") {
            if (vd::ClientDc window = GetDC())
                m_pNavigation->EraseRouteLine(*window);
            // The route tool stays on for another line.
            doc.pointer.m_nMouseTool = 5;
            doc.pointer.m_nMouseMode = 9;
        }
        if (routeOrArea) {
            m_nRoutePointCount = 0;
            doc.routes.m_strEntryMode.clear();
        }
        return;
    }
    if (m_strPlayMode.empty())
        return;
    if (routeOrArea) {
        // The route's or area's points become the shown items, in their order.
        const std::size_t count = std::min<std::size_t>(std::size_t(std::max(0, m_nRoutePointCount)), kPageListSize - 2);
        for (std::size_t i = 0; i <= count; ++i) {
            doc.m_astrHitRecord[i] = doc.routes.m_astrRoutePoint[i];
            const vd::Point at =
                kind == "RouteMap" ? m_pNavigation->RoutePointPosition(int(i)) : doc.routes.m_aptRoutePoint[i];
            doc.m_anHitX[i] = navigation::ClampToInt16(at.x);
            doc.m_anHitY[i] = navigation::ClampToInt16(at.y);
        }
        doc.m_astrHitRecord[count + 1] = "999";
    } else {
        if (CVeldoranDoc::FileExists(kind) != 1)
            return;
        doc.LoadRecordList(kind, "first");
        std::size_t i = 0;
        for (; i < kAlbumShownItems && doc.m_astrPointRecord[i] != "999"; ++i)
            doc.m_astrHitRecord[i] = doc.m_astrPointRecord[i];
        doc.m_astrHitRecord[i] = "999";
        if (m_strPlayMode == "MANUAL") {
            m_nPageIndex = 0;
            m_pNavigation->RemoveViewButtons(4);
        }
    }
    doc.m_nMapDisplayMode = map_display::kIdle;
    OnAlbumStart();
}

void CVeldoranView::OnAlbumStart()
{
    CVeldoranDoc& doc = *m_pDoc;
    doc.environment.m_nPicturePosition = 1;
    doc.repaint.m_bMapOnScreen = 0;
    doc.m_nMapDisplayMode = map_display::kAlbum;
    doc.entry.m_nPictureFit = 1;
    m_pNavigation->RemoveViewButtons(1);
    m_pNavigation->AddViewButtons(1);
    m_nPageIndex = 0;
    m_nAlbumTicks = 0;
    m_nSlideTicks = 0;
    std::vector<std::string> pages;
    for (std::size_t i = 0; i < kPageListSize && doc.m_astrHitRecord[i] != "999"; ++i) {
        const std::string& entry = doc.m_astrHitRecord[i];
        bool taken = false;
        if (m_nAlbumPlayOption == 3)
            taken = vd::toLowerAscii(entry).find(".al") == std::string::npos;
        else if (m_nAlbumPlayOption == 2)
            taken = CVeldoranDoc::GetFileKind(entry) < 5;
        else if (m_nAlbumPlayOption == 1)
            taken = CVeldoranDoc::GetFileKind(entry) == 9;
        // A hole in the hit list (a point not drawn) is no page.
        if (taken && !entry.empty() && pages.size() < kPageListSize - 1)
            pages.push_back(entry);
    }
    m_pPages->SetAlbumPages(std::move(pages));
    m_nAlbumState = 1;
    InvalidateView(true);
}

void CVeldoranView::DrawAlbum(vd::Dc& dc)
{
    CVeldoranDoc& doc = *m_pDoc;
    doc.repaint.m_nSavedMapDisplayMode = doc.m_nMapDisplayMode;
    if (m_strPlayMode == "MANUAL") {
        DrawManualAlbumPage(dc);
    } else {
        const std::string entry = m_pPages->AlbumPage(m_nPageIndex);
        const int kind = CVeldoranDoc::GetFileKind(entry);
        if ((kind >= 2 && kind <= 4) || (kind == 1 && doc.environment.m_nJpegProcess == 0)) {
            ShowAlbumPicture(entry);
        } else {
            DrawAlbumItemPage(dc, m_nPageIndex);
            SetTimer(IDT_ALBUMPAGE, 1000);
            if (m_nPageIndex >= doc.entry.m_nAlbumPageCount - 1) {
                KillTimer(IDT_ALBUMPAGE);
                doc.m_nMapDisplayMode = map_display::kIdle;
                m_pNavigation->RemoveViewButtons(4);
                m_pNavigation->AddViewButtons(2);
                m_nRoutePointCount = 0;
            }
        }
    }
    if (m_strPlayKind != "ALBUM")
        DrawAlbumLocation(dc);
}

// The locator (sheet maps) or the inset panel (other maps) beside the page on wide views.
void CVeldoranView::DrawAlbumLocation(vd::Dc& dc)
{
    const CVeldoranDoc& doc = *m_pDoc;
    if (doc.menus.m_nGuideMapIndex != -1 || doc.repaint.m_bHideSheetButtons != 0 || m_strSlideLocator != "on" ||
        m_nSavedWidth <= 800 || CVeldoranDoc::GetFileKind(doc.entry.m_strEntryTarget) == 8)
        return;
    if (doc.position.m_nMapType == 1)
        m_pBaseMap->DrawAlbumLocator(dc);
    else
        m_pBaseMap->DrawAlbumPanel(dc);
}

void CVeldoranView::DrawAlbumItemPage(vd::Dc& dc, int page)
{
    CVeldoranDoc& doc = *m_pDoc;
    const std::string entry = m_pPages->AlbumPage(page);
    if (entry == "999")
        return;
    doc.m_strEntryParam.clear();
    if (entry.find("http:") != std::string::npos)
        return;
    const albums::EntryFiles files = albums::SplitEntryFiles(entry);
    doc.entry.m_strEntryTarget = files.target;
    doc.m_strEntryParam = files.caption;
    doc.m_nFileKind = CVeldoranDoc::GetFileKind(files.target);
    if (doc.m_nFileKind == 10)
        return;
    doc.m_strEntryTitle = albums::EntryTitle(entry);
    doc.entry.m_strEntryItem.clear();
    if (doc.m_nFileKind > 1) {
        if (m_nAlbumPlayOption == 2)
            return;
        FillWhite(*this, dc);
        m_pPages->DrawTextPage(dc, files.target);
        return;
    }
    if (m_nAlbumPlayOption == 1) {
        if (!files.caption.empty()) {
            FillWhite(*this, dc);
            m_pPages->DrawTextPage(dc, files.caption);
        }
        return;
    }
    {
        // Album play shows no wait cursor while it decodes (the picture fits the page).
        std::optional<vd::WaitCursor> wait;
        if (doc.m_nFileKind == 1 && doc.entry.m_nPictureFit != 1)
            wait.emplace();
        m_pPages->DrawPicturePage(dc, doc.m_nFileKind);
    }
    if (m_strSlideMemo != "OFF" && !files.caption.empty())
        m_pPages->DrawCaptionBox(dc, files.caption);
}

void CVeldoranView::ShowAlbumPicture(const std::string& entry)
{
    CVeldoranDoc& doc = *m_pDoc;
    doc.entry.m_strEntryItem.clear();
    m_strSlidePicture.clear();
    m_strSlideCaption.clear();
    if (m_nAlbumPlayOption != 1 && m_strJpgInSlide != "off") {
        const albums::EntryFiles files = albums::SplitEntryFiles(entry);
        m_strSlidePicture = files.target;
        m_strSlideCaption = files.caption;
        const std::size_t blank = entry.find(' ');
        doc.m_strEntryTitle = blank == std::string::npos ? std::string() : entry.substr(0, blank);
        doc.entry.m_strEntryCaption = doc.m_strEntryTitle;
        if (m_strSlidePicture.find(".bmp") != std::string::npos)
            return;
        if (m_strSlidePicture.find("@:") != std::string::npos)
            m_strSlidePicture = doc.ExpandAppPath(m_strSlidePicture);
        if (m_strSlideCaption.find("@:") != std::string::npos)
            m_strSlideCaption = doc.ExpandAppPath(m_strSlideCaption);
        if (!m_strSlideCaption.empty() && doc.entry.m_strPictureCaption == "on") {
            if (vd::ClientDc window = GetDC())
                m_pPages->DrawCaptionBox(*window, m_strSlideCaption);
        }
        doc.repaint.m_strViewState = "JPG_SLIDE";
        RunPictureViewer();
        // A viewer that did not start shows nothing to wait for: the next page follows at once.
        if (m_nSlideProgram == 0)
            doc.repaint.m_strViewState.clear();
    }
    if (m_nPageIndex < doc.entry.m_nAlbumPageCount - 1) {
        ++m_nPageIndex;
    } else {
        KillTimer(IDT_ALBUMPAGE);
        doc.repaint.m_strViewState.clear();
        doc.m_nMapDisplayMode = map_display::kIdle;
        m_nRoutePointCount = 0;
        m_pNavigation->RemoveViewButtons(4);
        m_pNavigation->AddViewButtons(2);
    }
    InvalidateView(false);
}

void CVeldoranView::DrawManualAlbumPage(vd::Dc& dc)
{
    CVeldoranDoc& doc = *m_pDoc;
    const int page = m_nPageIndex;
    if (m_pPages->AlbumPage(page) == "999")
        return;
    const std::string line = RecordWithFile(m_pPages->AlbumPage(page));
    const std::size_t bracket = line.find(']');
    const std::string entry = line.substr(0, bracket);
    const std::string target = bracket == std::string::npos ? std::string() : line.substr(bracket + 1);
    doc.m_strEntryParam.clear();
    doc.entry.m_strEntryTarget = target;
    if (entry.find("http:") == std::string::npos) {
        doc.m_strEntryTitle = albums::EntryTitle(entry);
        doc.entry.m_strEntryItem.clear();
        doc.m_strEntryParam = albums::SplitEntryFiles(entry).caption;
    }
    const int kind = CVeldoranDoc::GetFileKind(target);
    doc.m_nFileKind = kind;
    if (kind == 10)
        return;
    const int inViewLimit = doc.environment.m_nJpegProcess == 1 && kind == 1 ? 2 : 1;
    std::string note;
    if (kind > 4) {
        if (m_nAlbumPlayOption == 2) {
            note = "ﾃｷｽﾄ";
        } else {
            const std::string& title = doc.m_strEntryTitle;
            doc.entry.m_strEntryCaption = title.substr(0, title.find(' '));
            FillWhite(*this, dc);
            m_pPages->DrawTextPage(dc, target);
        }
    } else if (m_nAlbumPlayOption == 1) {
        note = "画像";
    } else {
        FillWhite(*this, dc);
        if (m_strSlideMemo == "OFF")
            doc.m_strEntryParam.clear();
        if (kind < inViewLimit) {
            m_pPages->DrawPicturePage(dc, kind);
            if (!doc.m_strEntryParam.empty() && doc.entry.m_strPictureCaption == "on")
                m_pPages->DrawCaptionBox(dc, doc.m_strEntryParam);
        } else {
            DrawAlbumLocation(dc);
            if (doc.repaint.m_strViewState != "-8888")
                RunPictureViewer();
            doc.repaint.m_strViewState = "-8888";
        }
    }
    std::string counter = vd::format("%2d/%3d", page + 1, doc.entry.m_nAlbumPageCount);
    if (!note.empty())
        counter += "->" + note;
    dc.TextOut(5, 5, counter);
}
