// The repaint's and the mouse's drawing handed to the pieces of the view that do it: the base-map
// routines, the route maps, the pages, the sheet pictures, the menu lists and the renderer's
// tracks. (Albums, memos, pictures, place names and the slide program are the view's own.)
#include "view/window/VeldoranView.h"

#include "app/document/VeldoranDoc.h"
#include "view/menubars/MenuBars.h"
#include "view/pages/ViewPages.h"
#include "view/renderer/MapRenderer.h"
#include "view/routes/RouteAreaMaps.h"
#include "view/sheetmap/ViewBaseMap.h"
#include "view/sheetpicture/SheetPictures.h"

void CVeldoranView::DrawRouteAreaMaster(vd::Dc& dc)
{
    m_pRouteMaps->DrawRouteAreaMaster(dc);
}

void CVeldoranView::ShowRouteAreaSheets()
{
    m_pRouteMaps->ShowRouteAreaSheets();
}

void CVeldoranView::DrawSheetIndexMap(vd::Dc& dc)
{
    m_pBaseMap->DrawSheetIndexMap(dc);
}

std::string CVeldoranView::DrawLayeredMap(vd::Dc& dc)
{
    return m_pBaseMap->DrawLayeredMap(dc);
}

std::string CVeldoranView::DrawJapanMap(vd::Dc& dc)
{
    return m_pBaseMap->DrawJapanMap(dc);
}

void CVeldoranView::DrawPrefectureMap(vd::Dc& dc)
{
    m_pBaseMap->DrawPrefectureMap(dc);
}

void CVeldoranView::DrawDragOverview(vd::Dc& dc)
{
    m_pBaseMap->DrawDragOverview(dc);
}

void CVeldoranView::DrawDragCircle(vd::Dc& dc, int x, int y)
{
    m_pBaseMap->DrawDragCircle(dc, x, y);
}

void CVeldoranView::DrawPointSymbol(vd::Dc& dc, int x, int y, int size, int shape)
{
    m_pBaseMap->DrawPointSymbol(dc, x, y, size, shape);
}

void CVeldoranView::DrawTracks(CMapRenderer& renderer)
{
    renderer.DrawTracks();
}

void CVeldoranView::ShowTextPage(vd::Dc& dc)
{
    m_pPages->ShowTextPage(dc);
}

void CVeldoranView::DrawTextPage(vd::Dc& dc)
{
    m_pPages->DrawTextPage(dc, m_pDoc->m_strEntryParam);
}

void CVeldoranView::DrawSubmarineMeshMap(vd::Dc& dc)
{
    ::DrawSubmarineMeshMap(*this, dc);
}

void CVeldoranView::MakeSubmarineMeshFile(vd::Dc& dc)
{
    ::MakeSubmarineMeshFile(*this, dc);
}

void CVeldoranView::DrawSheetPicture(vd::Dc& dc)
{
    ::DrawSheetPicture(*this, dc);
}

void CVeldoranView::AppendMapFileMenu()
{
    ::AppendMapFileMenu(*this);
}

void CVeldoranView::AppendGuideMapMenu()
{
    ::AppendGuideMapMenu(*this);
}

void CVeldoranView::AppendItemMenus()
{
    ::AppendItemMenus(*this);
}
