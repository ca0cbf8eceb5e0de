// The whole-Japan, regional or prefecture map of the prefecture statistics: the background and
// title here, the map and its data through Surrick (bound once by its binding; without it only
// the background and the title appear).
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/SurrickExports.h"
#include "contracts/surrick.h"
#include "platform/dc/Dc.h"
#include "platform/ui/Application.h"
#include "platform/ui/FrameWindow.h"

namespace {

const char* const kAreaTitles[] = {"日本列島 ", "西南日本 ", "中央日本 ", "東北日本 "};

std::string PrefectureMapTitle(int area, int projectionMode)
{
    const std::string areaTitle = area >= 0 && area < 4 ? kAreaTitles[area] : "";
    return "都道府県別データ  [" + areaTitle +
           (projectionMode < 2 ? "]  (サンソン図法、緯線・経線10°間隔)"
                               : "]  (アルベルス正積円錐図法、緯線・経線10°間隔)");
}

} // namespace

void CMapRenderer::DrawPrefectureMap(int originX, int value)
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    vd::Dc& dc = *m_pDC;
    auto* island = Surrick().OnJapanDataIsland.fn;
    auto* dataDisplay = Surrick().OnPrefectureDataDisp.fn;
    auto* prefectureMap = Surrick().OnPrefectureMap.fn;

    const vd::Brush previousBrush = dc.SelectObject(*m_pBackgroundBrush);
    const vd::Pen previousPen = dc.SelectObject(*m_pBackgroundShadePen);
    dc.Rectangle(0, 0, m_nClientWidth, m_nClientHeight);
    dc.SelectObject(previousBrush);
    dc.SelectObject(previousPen);
    for (int kind = 0; kind < 3; ++kind)
        draw.m_anKindTally[std::size_t(kind)] = 0;

    SetPrefectureExtent(doc.position.m_nPrefectureSel + 100);
    float latitude = draw.m_fRefLatitude;
    float longitude = draw.m_fRefLongitude;
    float scale = draw.m_fMapScale;
    if (doc.position.m_nPrefectureSel == 0) {
        const bool band = draw.m_nClipIndexMap < 2;
        latitude = band ? 455000.f : 370000.f;
        longitude = 1375000.f;
        scale = band ? 222.22223f : 2324.7693f;
    }
    if (vd::Application* app = vd::Application::current(); app && app->m_pMainWnd)
        app->m_pMainWnd->SetWindowText(PrefectureMapTitle(doc.position.m_nPrefectureSel, draw.m_nClipIndexMap));
    draw.m_nPrefMapState = 0;

    // The ranks by prefecture (A) and the prefectures by rank (B), "%d|" each.
    std::string ranks;
    std::string prefectures;
    const StatisticsSelection& chosen = doc.statistics;
    if (chosen.m_nRanked == 1)
        for (const auto& rank : doc.ranking.m_anPrefRank) {
            ranks += std::to_string(rank[1]) + "|";
            prefectures += std::to_string(rank[0]) + "|";
        }

    if (chosen.m_nChoropleth == 1 && prefectureMap)
        prefectureMap(m_pDC, ranks, doc.folders.m_strCoastDir, originX, draw.m_nClipIndexMap,
                      doc.position.m_nPrefectureSel, chosen.m_nTenClasses, latitude, longitude, scale);
    if (island)
        island(m_pDC, doc.folders.m_strAppDir, doc.folders.m_strCoastDir, chosen.m_nGraticule, originX,
               draw.m_nClipIndexMap, doc.position.m_nPrefectureSel, latitude, longitude, scale);
    if (chosen.m_nBorders == 1 && Surrick().OnPrectureLine.fn)
        Surrick().OnPrectureLine.fn(m_pDC, doc.folders.m_strCoastDir, originX, draw.m_nClipIndexMap,
                                    chosen.m_nBorderColour, 0, latitude, longitude, scale);
    if (dataDisplay)
        dataDisplay(m_pDC, doc.folders.m_strAppDir, chosen.m_strPrefDataFile, prefectures, chosen.m_nColour,
                    chosen.m_nMethod, doc.position.m_nPrefectureSel, draw.m_nClipIndexMap, chosen.m_nRanked,
                    chosen.m_nTenClasses, 10 * chosen.m_nBackground + 1, latitude, longitude, scale, float(value),
                    m_nClientWidth, m_nClientHeight);
}
